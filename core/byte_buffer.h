// A block of bytes that a whole file is read into. It starts uninitialised,
// so a large bank is written to memory once, by the read itself.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

namespace teaser {

class ByteBuffer {
public:
    ByteBuffer() = default;
    // Nothing when the memory cannot be had.
    static std::optional<ByteBuffer> allocate(std::size_t size);
    // Throws std::bad_alloc when the memory cannot be had.
    static ByteBuffer copyOf(std::string_view bytes);

    char *data() { return data_.get(); }
    const char *data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    std::string_view view() const { return {data_.get(), size_}; }

    // Grows or shrinks the block, keeping its first bytes; false (and the
    // block unchanged) when the memory cannot be had.
    bool resize(std::size_t size);

private:
    struct Free {
        void operator()(char *bytes) const;
    };

    std::unique_ptr<char, Free> data_;
    std::size_t size_ = 0;
};

}

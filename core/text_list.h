// An ordered, 1-based list of texts that owns them: the lines of a bank file.
// All lines share one buffer, so a bank of any size costs two allocations.
#pragma once

#include "core/byte_buffer.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace teaser {

class TextList {
public:
    // The largest text fromCrLfText accepts (line offsets are 32-bit).
    static constexpr std::size_t maxBytes = std::size_t(1) << 30;

    TextList() = default;

    // Cuts text into lines at every CR LF, which ends a line and is dropped; a
    // lone CR or LF stays inside its line. The line index takes four bytes a
    // line, two bytes of text at least, so the list costs at most three times
    // the text.
    // Precondition: size <= maxBytes. Throws std::bad_alloc when the index
    // cannot be had.
    static TextList fromCrLfText(ByteBuffer text);

    std::size_t size() const { return starts_.empty() ? 0 : starts_.size() - 1 - first_; }
    bool contains(std::size_t position) const { return position >= 1 && position <= size(); }
    // Precondition: contains(position).
    std::string_view at(std::size_t position) const;
    // Drops element 1; every other element moves up one place.
    void removeFirst();

private:
    ByteBuffer bytes_;
    // Where each line starts, then one more entry: the start of the line after
    // the last, as if the last line also ended with CR LF.
    std::vector<std::uint32_t> starts_;
    std::size_t first_ = 0;
};

}

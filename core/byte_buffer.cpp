#include "core/byte_buffer.h"

#include <cstdlib>
#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace teaser {

namespace {

constexpr std::size_t hugePage = std::size_t(2) << 20;

// Large buffers are laid on huge pages where the system offers them: a
// 100 MB bank then costs fifty page faults instead of twenty-five thousand.
char *allocateBytes(std::size_t size)
{
#ifdef __linux__
    if (size >= 2 * hugePage) {
        const std::size_t rounded = (size + hugePage - 1) / hugePage * hugePage;
        if (void *bytes = std::aligned_alloc(hugePage, rounded)) {
            madvise(bytes, rounded, MADV_HUGEPAGE);
            return static_cast<char *>(bytes);
        }
    }
#endif
    return static_cast<char *>(std::malloc(size == 0 ? 1 : size));
}

}

void ByteBuffer::Free::operator()(char *bytes) const
{
    std::free(bytes);
}

std::optional<ByteBuffer> ByteBuffer::allocate(std::size_t size)
{
    ByteBuffer buffer;
    buffer.data_.reset(allocateBytes(size));
    if (!buffer.data_)
        return std::nullopt;
    buffer.size_ = size;
    return buffer;
}

ByteBuffer ByteBuffer::copyOf(std::string_view bytes)
{
    auto buffer = allocate(bytes.size());
    if (!buffer)
        throw std::bad_alloc();
    if (!bytes.empty())
        std::memcpy(buffer->data(), bytes.data(), bytes.size());
    return std::move(*buffer);
}

bool ByteBuffer::resize(std::size_t size)
{
    if (!data_)
        return (*this = allocate(size).value_or(ByteBuffer())).data_ != nullptr;
    // Memory from aligned_alloc may be passed to realloc; it only loses the
    // huge-page alignment, which a resized buffer no longer needs.
    void *bytes = std::realloc(data_.get(), size == 0 ? 1 : size);
    if (!bytes)
        return false;
    data_.release();
    data_.reset(static_cast<char *>(bytes));
    size_ = size;
    return true;
}

}

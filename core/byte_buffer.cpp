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
char *allocate(std::size_t size)
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
    void *bytes = std::malloc(size == 0 ? 1 : size);
    if (!bytes)
        throw std::bad_alloc();
    return static_cast<char *>(bytes);
}

}

void ByteBuffer::Free::operator()(char *bytes) const
{
    std::free(bytes);
}

ByteBuffer::ByteBuffer(std::size_t size)
    : data_(allocate(size))
    , size_(size)
{
}

ByteBuffer ByteBuffer::copyOf(std::string_view bytes)
{
    ByteBuffer buffer(bytes.size());
    if (!bytes.empty())
        std::memcpy(buffer.data(), bytes.data(), bytes.size());
    return buffer;
}

}

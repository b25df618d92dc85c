#include "core/text_list.h"

#include <bit>
#include <cassert>
#include <cstring>

namespace teaser {

namespace {

// Calls found(at) for every line feed in order, looking at eight bytes at a
// time: as quick as a call to memchr per line for long lines, and much
// quicker than that for short ones.
template <typename Found> void forEachLineFeed(const char *data, std::size_t size, Found found)
{
    std::size_t at = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t lineFeeds = 0x0A0A0A0A0A0A0A0A;
        constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7F;
        for (; at + 8 <= size; at += 8) {
            std::uint64_t word;
            std::memcpy(&word, data + at, 8);
            const std::uint64_t x = word ^ lineFeeds;
            // The high bit of each byte that was a line feed, and no other.
            std::uint64_t marks = ~(((x & low7) + low7) | x | low7);
            for (; marks != 0; marks &= marks - 1)
                found(at + std::size_t(std::countr_zero(marks)) / 8);
        }
    }
    for (; at < size; ++at) {
        if (data[at] == '\n')
            found(at);
    }
}

}

TextList TextList::fromCrLfText(ByteBuffer text)
{
    assert(text.size() <= maxBytes);
    TextList list;
    list.bytes_ = std::move(text);
    const char *data = list.bytes_.data();
    const std::size_t size = list.bytes_.size();
    // Every line takes two bytes at least, its CR LF, so the index never
    // needs more than this: it never grows, and never holds two copies at
    // once. Pages of it that stay unused are never touched.
    list.starts_.reserve(size / 2 + 2);

    std::size_t lineStart = 0;
    forEachLineFeed(data, size, [&](std::size_t at) {
        if (at > lineStart && data[at - 1] == '\r') {
            list.starts_.push_back(std::uint32_t(lineStart));
            lineStart = at + 1;
        }
    });
    if (lineStart < size) {
        list.starts_.push_back(std::uint32_t(lineStart));
        list.starts_.push_back(std::uint32_t(size + 2));
    } else if (!list.starts_.empty()) {
        list.starts_.push_back(std::uint32_t(lineStart));
    }
    return list;
}

std::string_view TextList::at(std::size_t position) const
{
    assert(contains(position));
    const std::size_t index = first_ + position - 1;
    const std::size_t begin = starts_[index];
    const std::size_t end = starts_[index + 1] - 2;
    return bytes_.view().substr(begin, end - begin);
}

void TextList::removeFirst()
{
    if (size() > 0)
        ++first_;
}

}

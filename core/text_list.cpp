#include "core/text_list.h"

#include <cassert>
#include <cstring>

namespace teaser {

TextList TextList::fromCrLfText(ByteBuffer text)
{
    assert(text.size() <= maxBytes);
    TextList list;
    list.bytes_ = std::move(text);
    const char *data = list.bytes_.data();
    const std::size_t size = list.bytes_.size();
    // Room for lines of 16 bytes on average; pages of it that stay unused
    // are never touched.
    list.starts_.reserve(size / 16 + 2);

    std::size_t lineStart = 0;
    for (std::size_t from = 0; from < size;) {
        const auto *lf = static_cast<const char *>(std::memchr(data + from, '\n', size - from));
        if (!lf)
            break;
        const std::size_t at = std::size_t(lf - data);
        if (at > lineStart && data[at - 1] == '\r') {
            list.starts_.push_back(std::uint32_t(lineStart));
            lineStart = at + 1;
        }
        from = at + 1;
    }
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

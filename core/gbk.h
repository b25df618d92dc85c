// Conversion between the program's GBK texts and Qt's Unicode strings; used
// where texts meet widgets, and for the program's own fixed texts.
#pragma once

#include "core/gbk_text.h"

#include <QString>
#include <string_view>

namespace teaser {

// Bytes that are not valid GBK come out as U+FFFD; the rest of the text is kept.
QString decodeGbk(std::string_view gbk);

struct GbkEncoding {
    Text bytes;
    bool exact = true; // false when a character had no GBK form and became "?"
};
GbkEncoding encodeGbk(QStringView text);

// A fixed text of the program, written in UTF-8 in the source.
Text gbk(std::u8string_view utf8);

}

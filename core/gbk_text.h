// The program's text type: GBK (code page 936) bytes, compared byte for byte.
#pragma once

#include <string>

namespace teaser {

using Text = std::string;

}

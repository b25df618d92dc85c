# Script mode: writes OUTPUT, a C++ source that holds the bytes of INPUT.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}"
"// Generated from ${INPUT}; do not edit.
#include <cstdint>
#include <span>

namespace ${NAMESPACE} {
namespace {
const std::uint8_t bytes[${size}] = {
    ${bytes}
};
}
std::span<const std::uint8_t> ${NAME}() { return bytes; }
}
")

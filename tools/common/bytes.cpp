#include "common/bytes.h"

#include <fstream>
#include <stdexcept>

namespace tools {

void appendLittleEndian(Bytes &out, std::uint32_t value, int byteCount)
{
    for (int shift = 0; shift < 8 * byteCount; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendBigEndian(Bytes &out, std::uint32_t value, int byteCount)
{
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendVariableLength(Bytes &out, std::uint32_t value)
{
    Bytes reversed{static_cast<std::uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0)
        reversed.push_back(static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    out.insert(out.end(), reversed.rbegin(), reversed.rend());
}

void appendText(Bytes &out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

void append(Bytes &out, const Bytes &more)
{
    out.insert(out.end(), more.begin(), more.end());
}

void writeFile(const std::filesystem::path &path, const Bytes &bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

}

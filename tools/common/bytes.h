// Byte writing shared by the asset generators: integers in either byte
// order, MIDI's variable-length quantities, and writing a finished file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace tools {

using Bytes = std::vector<std::uint8_t>;

void appendLittleEndian(Bytes &out, std::uint32_t value, int byteCount);
void appendBigEndian(Bytes &out, std::uint32_t value, int byteCount);
// Seven bits a byte, most significant first, the high bit set on all but the last.
void appendVariableLength(Bytes &out, std::uint32_t value);
void appendText(Bytes &out, std::string_view text);
void append(Bytes &out, const Bytes &more);

// Throws std::runtime_error when the file cannot be written whole.
void writeFile(const std::filesystem::path &path, const Bytes &bytes);

}

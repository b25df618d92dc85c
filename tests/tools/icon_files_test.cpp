// Checks the committed icon files: the verdict faces are built into the
// program as whole ICO files of fixed size, and the program icon has to load
// at every size in any ICO or PNG reader.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t icondir_size = 6;
constexpr std::size_t entry_size = 16;
constexpr std::size_t info_header_size = 40;
constexpr std::array<int, 6> program_icon_sizes{16, 32, 48, 64, 72, 128};

Bytes read_bytes(const std::string &relative_path)
{
    std::ifstream file(std::string(TEASER_SOURCE_DIR) + "/" + relative_path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t read_le16(const Bytes &bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

std::uint32_t read_le32(const Bytes &bytes, std::size_t offset)
{
    return read_le16(bytes, offset) | read_le16(bytes, offset + 2) << 16;
}

std::uint32_t read_be32(const Bytes &bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes.at(offset)) << 24 | static_cast<std::uint32_t>(bytes.at(offset + 1)) << 16
           | static_cast<std::uint32_t>(bytes.at(offset + 2)) << 8 | bytes.at(offset + 3);
}

std::size_t row_bytes(int width, int bits_per_pixel)
{
    return static_cast<std::size_t>((width * bits_per_pixel + 31) / 32 * 4);
}

// ---------------------------------------------------------------- ICO parsing

struct DirectoryEntry {
    int width;
    int height;
    int colour_count;
    int reserved;
    int planes;
    int bit_count;
    std::size_t bytes_in_resource;
    std::size_t offset;
};

std::vector<DirectoryEntry> read_directory(const Bytes &ico)
{
    std::vector<DirectoryEntry> entries;
    const std::uint32_t count = read_le16(ico, 4);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = icondir_size + i * entry_size;
        entries.push_back({ico.at(at), ico.at(at + 1), ico.at(at + 2), ico.at(at + 3),
                           static_cast<int>(read_le16(ico, at + 4)), static_cast<int>(read_le16(ico, at + 6)),
                           read_le32(ico, at + 8), read_le32(ico, at + 12)});
    }
    return entries;
}

// The size each entry's resource must have: header, palette, XOR bitmap, AND mask.
std::size_t expected_resource_size(int size, int bits_per_pixel)
{
    const std::size_t palette_bytes = bits_per_pixel == 4 ? 16 * 4 : 0;
    const auto rows = static_cast<std::size_t>(size);
    return info_header_size + palette_bytes + rows * row_bytes(size, bits_per_pixel) + rows * row_bytes(size, 1);
}

void expect_directory_consistent(const Bytes &ico, const std::vector<DirectoryEntry> &entries)
{
    EXPECT_EQ(read_le16(ico, 0), 0u);
    EXPECT_EQ(read_le16(ico, 2), 1u) << "type must be icon";
    std::size_t next = icondir_size + entries.size() * entry_size;
    for (const DirectoryEntry &entry : entries) {
        EXPECT_EQ(entry.width, entry.height);
        EXPECT_EQ(entry.reserved, 0);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.colour_count, entry.bit_count == 4 ? 16 : 0);
        EXPECT_EQ(entry.bytes_in_resource, expected_resource_size(entry.width, entry.bit_count));
        EXPECT_EQ(entry.offset, next) << "resources follow each other without gaps";
        next = entry.offset + entry.bytes_in_resource;
    }
    EXPECT_EQ(next, ico.size()) << "the last resource ends the file";
}

void expect_info_header_matches(const Bytes &ico, const DirectoryEntry &entry)
{
    const std::size_t at = entry.offset;
    EXPECT_EQ(read_le32(ico, at), info_header_size);
    EXPECT_EQ(read_le32(ico, at + 4), static_cast<std::uint32_t>(entry.width));
    EXPECT_EQ(read_le32(ico, at + 8), static_cast<std::uint32_t>(2 * entry.height)) << "XOR and AND halves";
    EXPECT_EQ(read_le16(ico, at + 12), 1u);
    EXPECT_EQ(read_le16(ico, at + 14), static_cast<std::uint32_t>(entry.bit_count));
    EXPECT_EQ(read_le32(ico, at + 16), 0u) << "uncompressed";
}

// One image of an ICO file, top row first.
struct Rgba {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    std::uint8_t a;

    bool operator==(const Rgba &) const = default;
};

struct IconImage {
    int size;
    std::vector<int> palette_index; // 4-bit images only
    std::vector<Rgba> colour;
    std::vector<bool> masked; // AND mask bit: see-through

    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * size + x); }
    Rgba at(int x, int y) const { return colour[index(x, y)]; }
    bool opaque(int x, int y) const { return !masked[index(x, y)] && colour[index(x, y)].a == 255; }
};

void PrintTo(const Rgba &c, std::ostream *out)
{
    *out << "rgba(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ", " << int{c.a} << ")";
}

IconImage decode_image(const Bytes &ico, const DirectoryEntry &entry)
{
    const int size = entry.width;
    const int bits = entry.bit_count;
    const std::size_t palette_at = entry.offset + info_header_size;
    const std::size_t xor_at = palette_at + (bits == 4 ? 64 : 0);
    const std::size_t and_at = xor_at + static_cast<std::size_t>(size) * row_bytes(size, bits);

    IconImage image{size, {}, {}, {}};
    for (int y = 0; y < size; ++y) {
        const auto stored_row = static_cast<std::size_t>(size - 1 - y); // rows are stored bottom-up
        const std::size_t xor_row = xor_at + stored_row * row_bytes(size, bits);
        const std::size_t and_row = and_at + stored_row * row_bytes(size, 1);
        for (int x = 0; x < size; ++x) {
            const auto column = static_cast<std::size_t>(x);
            const bool see_through = (ico.at(and_row + column / 8) >> (7 - column % 8) & 1) != 0;
            image.masked.push_back(see_through);
            if (bits == 4) {
                const std::uint8_t pair = ico.at(xor_row + column / 2);
                const int index = column % 2 == 0 ? pair >> 4 : pair & 0x0F;
                const std::size_t quad = palette_at + static_cast<std::size_t>(index) * 4;
                image.palette_index.push_back(index);
                image.colour.push_back({ico.at(quad + 2), ico.at(quad + 1), ico.at(quad),
                                        static_cast<std::uint8_t>(see_through ? 0 : 255)});
            } else {
                const std::size_t pixel = xor_row + column * 4;
                image.colour.push_back({ico.at(pixel + 2), ico.at(pixel + 1), ico.at(pixel), ico.at(pixel + 3)});
            }
        }
    }
    return image;
}

constexpr Rgba yellow{255, 255, 0, 255};
constexpr Rgba black{0, 0, 0, 255};

// ---------------------------------------------------------------- verdict icons

class VerdictIcon : public ::testing::Test {
protected:
    const Bytes correct = read_bytes("ui/icons/correct.ico");
    const Bytes wrong = read_bytes("ui/icons/wrong.ico");

    IconImage image(const Bytes &ico, std::size_t which) const
    {
        return decode_image(ico, read_directory(ico).at(which));
    }
};

TEST_F(VerdictIcon, FilesHaveTheSizesBuiltIntoTheProgram)
{
    EXPECT_EQ(correct.size(), 1078u);
    EXPECT_EQ(wrong.size(), 766u);
}

TEST_F(VerdictIcon, CorrectHoldsSixteenColourImagesOf32And16Pixels)
{
    const std::vector<DirectoryEntry> entries = read_directory(correct);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].width, 32);
    EXPECT_EQ(entries[1].width, 16);
    expect_directory_consistent(correct, entries);
    for (const DirectoryEntry &entry : entries) {
        EXPECT_EQ(entry.bit_count, 4);
        expect_info_header_matches(correct, entry);
    }
}

TEST_F(VerdictIcon, WrongHoldsOneSixteenColourImageOf32Pixels)
{
    const std::vector<DirectoryEntry> entries = read_directory(wrong);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].width, 32);
    EXPECT_EQ(entries[0].bit_count, 4);
    expect_directory_consistent(wrong, entries);
    expect_info_header_matches(wrong, entries[0]);
}

TEST_F(VerdictIcon, FacesAreOpaqueYellowWithABlackRimAndSeeThroughCorners)
{
    for (const IconImage &face : {image(correct, 0), image(correct, 1), image(wrong, 0)}) {
        SCOPED_TRACE(face.size);
        const int middle = face.size / 2;
        const int last = face.size - 1;
        EXPECT_EQ(face.at(middle, middle), yellow);
        EXPECT_TRUE(face.opaque(middle, middle));
        EXPECT_EQ(face.at(0, middle), black) << "left rim";
        EXPECT_EQ(face.at(last, middle), black) << "right rim";
        EXPECT_EQ(face.at(middle, 0), black) << "top rim";
        for (const auto &[x, y] :
             {std::array{0, 0}, std::array{last, 0}, std::array{0, last}, std::array{last, last}}) {
            EXPECT_TRUE(face.masked[face.index(x, y)]) << "corner " << x << "," << y;
        }
    }
}

TEST_F(VerdictIcon, FacesHaveTwoEyesAboveTheMiddle)
{
    for (const IconImage &face : {image(correct, 0), image(correct, 1), image(wrong, 0)}) {
        SCOPED_TRACE(face.size);
        // A row through the eyes crosses the rim, eye, yellow, eye, rim.
        int best_runs = 0;
        for (int y = 2; y < face.size / 2; ++y) {
            int runs = 0;
            for (int x = 0; x < face.size; ++x) {
                const bool dark = face.at(x, y) == black;
                const bool was_dark = x > 0 && face.at(x - 1, y) == black;
                runs += dark && !was_dark ? 1 : 0;
            }
            best_runs = std::max(best_runs, runs);
        }
        EXPECT_EQ(best_runs, 4);
    }
}

// Row of the first dark pixel below the middle, away from the rim.
int mouth_row(const IconImage &face, int x)
{
    for (int y = face.size / 2; y < face.size - 3; ++y) {
        if (face.at(x, y) == black) {
            return y;
        }
    }
    return -1;
}

TEST_F(VerdictIcon, CorrectSmilesAndWrongFrowns)
{
    const IconImage happy = image(correct, 0);
    const IconImage sad = image(wrong, 0);
    const int middle = happy.size / 2;
    const int aside = middle - happy.size / 6;
    ASSERT_NE(mouth_row(happy, middle), -1);
    ASSERT_NE(mouth_row(sad, middle), -1);
    EXPECT_GT(mouth_row(happy, middle), mouth_row(happy, aside)) << "a smile dips in the middle";
    EXPECT_LT(mouth_row(sad, middle), mouth_row(sad, aside)) << "a frown rises in the middle";

    const IconImage small_happy = image(correct, 1);
    const int small_middle = small_happy.size / 2;
    EXPECT_GT(mouth_row(small_happy, small_middle), mouth_row(small_happy, small_middle - 3));
}

TEST_F(VerdictIcon, OnlyTheMouthDiffersBetweenTheFaces)
{
    const IconImage happy = image(correct, 0);
    const IconImage sad = image(wrong, 0);
    const std::size_t half = happy.colour.size() / 2;
    const std::vector<int> happy_top(happy.palette_index.begin(), happy.palette_index.begin() + half);
    const std::vector<int> sad_top(sad.palette_index.begin(), sad.palette_index.begin() + half);
    const std::vector<int> happy_bottom(happy.palette_index.begin() + half, happy.palette_index.end());
    const std::vector<int> sad_bottom(sad.palette_index.begin() + half, sad.palette_index.end());
    EXPECT_EQ(happy_top, sad_top);
    EXPECT_NE(happy_bottom, sad_bottom);
    EXPECT_EQ(happy.masked, sad.masked);
}

// ---------------------------------------------------------------- program icon

class ProgramIcon : public ::testing::Test {
protected:
    const Bytes ico = read_bytes("ui/icons/teaser.ico");
    const std::vector<DirectoryEntry> entries = read_directory(ico);
};

TEST_F(ProgramIcon, HoldsSixTrueColourImagesOfTheListedSizes)
{
    ASSERT_EQ(entries.size(), program_icon_sizes.size());
    expect_directory_consistent(ico, entries);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].width, program_icon_sizes[i]);
        EXPECT_EQ(entries[i].bit_count, 32);
        expect_info_header_matches(ico, entries[i]);
    }
}

TEST_F(ProgramIcon, OpaqueInsideClearInTheCornersAndMaskFollowsAlpha)
{
    for (const DirectoryEntry &entry : entries) {
        SCOPED_TRACE(entry.width);
        const IconImage icon = decode_image(ico, entry);
        const int middle = icon.size / 2;
        EXPECT_EQ(icon.at(middle - icon.size / 8, middle + icon.size / 8).a, 255) << "inside the face";
        EXPECT_EQ(icon.at(0, 0), (Rgba{0, 0, 0, 0})) << "top-left corner";
        EXPECT_EQ(icon.at(0, icon.size - 1).a, 0) << "bottom-left corner";
        for (std::size_t i = 0; i < icon.colour.size(); ++i) {
            ASSERT_EQ(icon.masked[i], icon.colour[i].a == 0) << "pixel " << i;
        }
    }
}

TEST_F(ProgramIcon, EdgesAreAntiAliased)
{
    for (const DirectoryEntry &entry : entries) {
        SCOPED_TRACE(entry.width);
        const IconImage icon = decode_image(ico, entry);
        const auto partial =
            std::count_if(icon.colour.begin(), icon.colour.end(), [](const Rgba &c) { return c.a > 0 && c.a < 255; });
        EXPECT_GE(partial, icon.size) << "a circle's edge crosses at least one pixel per row";
    }
}

TEST_F(ProgramIcon, EverySizeShowsTheYellowFaceAndTheBlueBadge)
{
    for (const DirectoryEntry &entry : entries) {
        SCOPED_TRACE(entry.width);
        const IconImage icon = decode_image(ico, entry);
        const auto warm = std::count_if(icon.colour.begin(), icon.colour.end(), [](const Rgba &c) {
            return c.a == 255 && c.r > 200 && c.g > 150 && c.b < 120;
        });
        const auto blue = std::count_if(icon.colour.begin(), icon.colour.end(),
                                        [](const Rgba &c) { return c.a == 255 && c.b > 200 && c.r < 100; });
        const auto area = static_cast<long>(icon.colour.size());
        EXPECT_GT(warm, area / 8) << "the yellow face";
        EXPECT_GT(blue, area / 20) << "the blue question badge";
    }
}

// ---------------------------------------------------------------- PNG copies

std::uint32_t crc32(const Bytes &bytes, std::size_t begin, std::size_t end)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = begin; i < end; ++i) {
        crc ^= bytes.at(i);
        for (int bit = 0; bit < 8; ++bit) {
            crc = crc & 1u ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        }
    }
    return ~crc;
}

std::uint32_t adler32(const Bytes &bytes)
{
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : bytes) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return b << 16 | a;
}

struct Chunk {
    std::string type;
    Bytes data;
};

class ProgramIconPng : public ::testing::TestWithParam<int> {
protected:
    const Bytes png = read_bytes("ui/icons/teaser-" + std::to_string(GetParam()) + ".png");

    // Walks the chunks, checking each CRC on the way.
    std::vector<Chunk> chunks() const
    {
        std::vector<Chunk> found;
        std::size_t at = 8;
        while (at + 12 <= png.size()) {
            const std::size_t length = read_be32(png, at);
            const std::size_t data_at = at + 8;
            const std::size_t end = data_at + length;
            EXPECT_LE(end + 4, png.size());
            if (end + 4 > png.size()) {
                break;
            }
            Chunk chunk{std::string(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                    png.begin() + static_cast<std::ptrdiff_t>(data_at)),
                        Bytes(png.begin() + static_cast<std::ptrdiff_t>(data_at),
                              png.begin() + static_cast<std::ptrdiff_t>(end))};
            EXPECT_EQ(read_be32(png, end), crc32(png, at + 4, end)) << chunk.type << " CRC";
            found.push_back(chunk);
            at = end + 4;
        }
        EXPECT_EQ(at, png.size()) << "nothing after the last chunk";
        return found;
    }
};

// Undoes a zlib stream of stored (uncompressed) deflate blocks, checking the
// block lengths and the Adler-32 trailer.
Bytes inflate_stored(const Bytes &stream)
{
    EXPECT_EQ(stream.at(0) & 0x0F, 8) << "deflate";
    EXPECT_EQ((stream.at(0) << 8 | stream.at(1)) % 31, 0) << "zlib header check bits";
    Bytes raw;
    std::size_t at = 2;
    bool last = false;
    while (!last) {
        const std::uint8_t block = stream.at(at);
        last = (block & 1) != 0;
        EXPECT_EQ(block >> 1 & 3, 0) << "stored block";
        const std::uint32_t length = read_le16(stream, at + 1);
        EXPECT_EQ(length ^ read_le16(stream, at + 3), 0xFFFFu) << "NLEN is the complement of LEN";
        const auto data = stream.begin() + static_cast<std::ptrdiff_t>(at + 5);
        raw.insert(raw.end(), data, data + length);
        at += 5 + length;
    }
    EXPECT_EQ(at + 4, stream.size());
    EXPECT_EQ(read_be32(stream, at), adler32(raw));
    return raw;
}

TEST_P(ProgramIconPng, HasSignatureAndHeaderOfItsSize)
{
    const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(png.size(), signature.size());
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));

    const std::vector<Chunk> found = chunks();
    ASSERT_FALSE(found.empty());
    const Chunk &header = found.front();
    EXPECT_EQ(header.type, "IHDR");
    ASSERT_EQ(header.data.size(), 13u);
    EXPECT_EQ(read_be32(header.data, 0), static_cast<std::uint32_t>(GetParam()));
    EXPECT_EQ(read_be32(header.data, 4), static_cast<std::uint32_t>(GetParam()));
    EXPECT_EQ(header.data[8], 8) << "bits per channel";
    EXPECT_EQ(header.data[9], 6) << "RGBA";
    EXPECT_EQ(header.data[10], 0);
    EXPECT_EQ(header.data[11], 0);
    EXPECT_EQ(header.data[12], 0) << "not interlaced";
    EXPECT_EQ(found.back().type, "IEND");
    EXPECT_TRUE(found.back().data.empty());
}

TEST_P(ProgramIconPng, PixelsMatchTheIconEntryOfTheSameSize)
{
    Bytes stream;
    for (const Chunk &chunk : chunks()) {
        if (chunk.type == "IDAT") {
            stream.insert(stream.end(), chunk.data.begin(), chunk.data.end());
        }
    }
    ASSERT_FALSE(stream.empty());
    const Bytes raw = inflate_stored(stream);
    const int size = GetParam();
    const auto stride = static_cast<std::size_t>(1 + 4 * size);
    ASSERT_EQ(raw.size(), stride * static_cast<std::size_t>(size));

    const Bytes ico = read_bytes("ui/icons/teaser.ico");
    const std::vector<DirectoryEntry> entries = read_directory(ico);
    const auto entry =
        std::find_if(entries.begin(), entries.end(), [&](const DirectoryEntry &e) { return e.width == size; });
    ASSERT_NE(entry, entries.end());
    const IconImage icon = decode_image(ico, *entry);

    for (int y = 0; y < size; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * stride;
        ASSERT_EQ(raw[row], 0) << "filter type of row " << y;
        for (int x = 0; x < size; ++x) {
            const std::size_t p = row + 1 + static_cast<std::size_t>(x) * 4;
            ASSERT_EQ((Rgba{raw[p], raw[p + 1], raw[p + 2], raw[p + 3]}), icon.at(x, y)) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EverySize, ProgramIconPng, ::testing::ValuesIn(program_icon_sizes));

} // namespace

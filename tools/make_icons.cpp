// Draws teaser's icons: the happy and sad answer faces (16-colour ICO) and the
// program icon (32-bit ICO plus PNG copies). Usage: make_icons OUTDIR
//
// Everything is drawn from signed distance functions (negative inside), so the
// same shapes serve both the pixel-exact palette icons and the anti-aliased
// program icon. Output is byte-for-byte deterministic.

#include "common/bytes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

namespace {

using tools::append;
using tools::Bytes;

// ---------------------------------------------------------------- geometry

struct Point {
    double x;
    double y;
};

Point operator-(Point a, Point b)
{
    return {a.x - b.x, a.y - b.y};
}
Point operator+(Point a, Point b)
{
    return {a.x + b.x, a.y + b.y};
}
Point operator*(Point a, double k)
{
    return {a.x * k, a.y * k};
}
double length(Point p)
{
    return std::hypot(p.x, p.y);
}

double circle_distance(Point p, Point centre, double radius)
{
    return length(p - centre) - radius;
}

// Not exact away from the edge, but exact enough for a one-pixel ramp.
double ellipse_distance(Point p, Point centre, double radius_x, double radius_y)
{
    const Point d = p - centre;
    return (std::hypot(d.x / radius_x, d.y / radius_y) - 1.0) * std::min(radius_x, radius_y);
}

double segment_distance(Point p, Point a, Point b)
{
    const Point ab = b - a;
    const Point ap = p - a;
    const double t = std::clamp((ap.x * ab.x + ap.y * ab.y) / (ab.x * ab.x + ab.y * ab.y), 0.0, 1.0);
    return length(ap - ab * t);
}

// Angles in radians, y pointing down, so increasing angles turn clockwise on screen.
struct Arc {
    Point centre;
    double radius;
    double start_angle;
    double sweep;

    Point point_at(double angle) const { return centre + Point{std::cos(angle), std::sin(angle)} * radius; }
    Point end() const { return point_at(start_angle + sweep); }
};

// Distance to the arc's centre line (unsigned).
double arc_distance(Point p, const Arc &arc)
{
    const Point d = p - arc.centre;
    const double full_turn = 2.0 * std::numbers::pi;
    double along = std::fmod(std::atan2(d.y, d.x) - arc.start_angle, full_turn);
    if (along < 0.0) {
        along += full_turn;
    }
    if (along <= arc.sweep) {
        return std::abs(length(d) - arc.radius);
    }
    return std::min(length(p - arc.point_at(arc.start_angle)), length(p - arc.end()));
}

double degrees(double value)
{
    return value * std::numbers::pi / 180.0;
}

// ---------------------------------------------------------------- the face
// Face frame: centre at the origin, radius 1, y down.

enum class Mood { happy, sad };

double eyes_distance(Point p)
{
    const double radius_x = 0.13;
    const double radius_y = 0.21;
    return std::min(ellipse_distance(p, {-0.34, -0.28}, radius_x, radius_y),
                    ellipse_distance(p, {0.34, -0.28}, radius_x, radius_y));
}

// The sad mouth is the happy one flipped about its own middle line, so both
// sit in the same place and only the curve changes.
double mouth_distance(Point p, Mood mood, double half_width)
{
    const Arc smile{{0.0, -0.05}, 0.58, degrees(32.0), degrees(116.0)};
    const double lowest = smile.centre.y + smile.radius;
    const double middle = (smile.point_at(smile.start_angle).y + lowest) / 2.0;
    if (mood == Mood::sad) {
        p.y = 2.0 * middle - p.y;
    }
    return arc_distance(p, smile) - half_width;
}

double features_distance(Point p, Mood mood, double mouth_half_width)
{
    return std::min(eyes_distance(p), mouth_distance(p, mood, mouth_half_width));
}

// ---------------------------------------------------------------- ICO files

int row_bytes(int width, int bits_per_pixel)
{
    return (width * bits_per_pixel + 31) / 32 * 4;
}

struct IconEntry {
    int size;
    int bits_per_pixel;
    Bytes resource; // BITMAPINFOHEADER, palette, XOR bitmap, AND mask
};

Bytes bitmap_info_header(int size, int bits_per_pixel, std::uint32_t image_bytes)
{
    Bytes out;
    tools::appendLittleEndian(out, 40, 4);
    tools::appendLittleEndian(out, static_cast<std::uint32_t>(size), 4);
    tools::appendLittleEndian(out, static_cast<std::uint32_t>(2 * size), 4); // XOR bitmap and AND mask stacked
    tools::appendLittleEndian(out, 1, 2);
    tools::appendLittleEndian(out, static_cast<unsigned>(bits_per_pixel), 2);
    tools::appendLittleEndian(out, 0, 4); // BI_RGB
    tools::appendLittleEndian(out, image_bytes, 4);
    tools::appendLittleEndian(out, 0, 4);
    tools::appendLittleEndian(out, 0, 4);
    tools::appendLittleEndian(out, 0, 4);
    tools::appendLittleEndian(out, 0, 4);
    return out;
}

// Bottom-up rows, one bit per pixel, set where the pixel is see-through.
template <typename IsTransparent> Bytes and_mask(int size, IsTransparent is_transparent)
{
    Bytes out;
    const int stride = row_bytes(size, 1);
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < size; ++x) {
            if (is_transparent(x, y)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
            }
        }
        append(out, row);
    }
    return out;
}

IconEntry icon_entry(int size, int bits_per_pixel, const Bytes &colour_table, const Bytes &xor_bitmap,
                     const Bytes &mask)
{
    const auto image_bytes = static_cast<std::uint32_t>(xor_bitmap.size() + mask.size());
    Bytes resource = bitmap_info_header(size, bits_per_pixel, image_bytes);
    append(resource, colour_table);
    append(resource, xor_bitmap);
    append(resource, mask);
    return {size, bits_per_pixel, resource};
}

Bytes ico_file(const std::vector<IconEntry> &entries)
{
    Bytes out;
    tools::appendLittleEndian(out, 0, 2);
    tools::appendLittleEndian(out, 1, 2); // icon, not cursor
    tools::appendLittleEndian(out, static_cast<unsigned>(entries.size()), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const IconEntry &entry : entries) {
        tools::appendLittleEndian(out, static_cast<unsigned>(entry.size),
                                  1); // width and height; all our sizes fit a byte
        tools::appendLittleEndian(out, static_cast<unsigned>(entry.size), 1);
        tools::appendLittleEndian(out, entry.bits_per_pixel == 4 ? 16u : 0u, 1);
        tools::appendLittleEndian(out, 0, 1);
        tools::appendLittleEndian(out, 1, 2);
        tools::appendLittleEndian(out, static_cast<unsigned>(entry.bits_per_pixel), 2);
        tools::appendLittleEndian(out, static_cast<std::uint32_t>(entry.resource.size()), 4);
        tools::appendLittleEndian(out, offset, 4);
        offset += static_cast<std::uint32_t>(entry.resource.size());
    }
    for (const IconEntry &entry : entries) {
        append(out, entry.resource);
    }
    return out;
}

// ---------------------------------------------------------------- 16-colour faces

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

// The standard 16-colour palette.
constexpr std::array<Rgb, 16> palette{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};
constexpr int black_index = 0;
constexpr int yellow_index = 11;
constexpr int transparent_index = -1;

struct PalettedImage {
    int size;
    std::vector<int> pixels; // palette index or transparent_index, top row first

    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

// Each pixel takes the colour of the shape under its centre; the outline and
// strokes are about one pixel wide whatever the size.
PalettedImage draw_paletted_face(int size, Mood mood)
{
    const double pixel = 2.0 / size; // in face units
    PalettedImage image{size, {}};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Point p{(x + 0.5) * pixel - 1.0, (y + 0.5) * pixel - 1.0};
            const double edge = circle_distance(p, {0.0, 0.0}, 1.0);
            int index = yellow_index;
            if (edge > 0.0) {
                index = transparent_index;
            } else if (edge > -pixel || features_distance(p, mood, 0.55 * pixel) <= 0.0) {
                index = black_index;
            }
            image.pixels.push_back(index);
        }
    }
    return image;
}

IconEntry paletted_entry(const PalettedImage &image)
{
    Bytes xor_bitmap;
    const int stride = row_bytes(image.size, 4);
    for (int y = image.size - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < image.size; ++x) {
            const unsigned index = static_cast<unsigned>(std::max(image.at(x, y), black_index));
            row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        append(xor_bitmap, row);
    }
    const Bytes mask = and_mask(image.size, [&](int x, int y) { return image.at(x, y) == transparent_index; });

    Bytes colour_table;
    for (const Rgb &colour : palette) {
        for (const std::uint8_t byte : {colour.b, colour.g, colour.r, std::uint8_t{0}}) {
            tools::appendLittleEndian(colour_table, byte, 1);
        }
    }
    return icon_entry(image.size, 4, colour_table, xor_bitmap, mask);
}

// ---------------------------------------------------------------- anti-aliased canvas

struct Colour {
    double r;
    double g;
    double b;
    double a;
};

Colour mix(Colour from, Colour to, double t)
{
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Colour rgb(int r, int g, int b)
{
    return {r / 255.0, g / 255.0, b / 255.0, 1.0};
}

// Straight (not premultiplied) alpha, as both PNG and ICO store it.
struct Canvas {
    int size;
    std::vector<Colour> pixels;

    explicit Canvas(int side)
        : size(side)
        , pixels(static_cast<std::size_t>(side * side), Colour{0, 0, 0, 0})
    {
    }

    double pixel() const { return 1.0 / size; } // in canvas units, where the canvas spans 0..1
};

void blend_over(Colour &dst, Colour src, double coverage)
{
    const double src_alpha = src.a * coverage;
    const double out_alpha = src_alpha + dst.a * (1.0 - src_alpha);
    if (out_alpha <= 0.0) {
        return;
    }
    const auto channel = [&](double s, double d) {
        return (s * src_alpha + d * dst.a * (1.0 - src_alpha)) / out_alpha;
    };
    dst = {channel(src.r, dst.r), channel(src.g, dst.g), channel(src.b, dst.b), out_alpha};
}

// Covers each pixel by how far its centre lies inside the shape, over a one
// pixel ramp: cheap, smooth anti-aliasing for distance-field shapes.
template <typename Shape, typename Shade> void paint(Canvas &canvas, Shape distance, Shade shade)
{
    for (int y = 0; y < canvas.size; ++y) {
        for (int x = 0; x < canvas.size; ++x) {
            const Point p{(x + 0.5) * canvas.pixel(), (y + 0.5) * canvas.pixel()};
            const double coverage = std::clamp(0.5 - distance(p) / canvas.pixel(), 0.0, 1.0);
            if (coverage > 0.0) {
                blend_over(canvas.pixels[static_cast<std::size_t>(y * canvas.size + x)], shade(p), coverage);
            }
        }
    }
}

auto flat(Colour colour)
{
    return [colour](Point) { return colour; };
}

// Puts a shape drawn in its own unit frame (centre at the origin, radius 1)
// onto the canvas, keeping distances in canvas units.
template <typename LocalShape> auto placed(Point centre, double radius, LocalShape shape)
{
    return [=](Point p) { return shape((p - centre) * (1.0 / radius)) * radius; };
}

// A disc with a darker rim; the rim never gets thinner than a pixel so small
// sizes keep a crisp edge.
template <typename Shade> void paint_rimmed_disc(Canvas &canvas, Point centre, double radius, Colour rim, Shade fill)
{
    const double rim_width = std::max(0.035, 1.1 * canvas.pixel());
    paint(
        canvas, [=](Point p) { return circle_distance(p, centre, radius); }, flat(rim));
    paint(
        canvas, [=](Point p) { return circle_distance(p, centre, radius - rim_width); }, fill);
}

void paint_face(Canvas &canvas)
{
    const Point centre{0.4, 0.6};
    const double radius = 0.39;
    const Colour highlight = rgb(255, 240, 130);
    const Colour body = rgb(255, 200, 20);
    const Point light = centre + Point{-0.45, -0.5} * radius;
    // Lit from the top left so the face reads as a ball rather than a flat disc.
    const auto shading = [=](Point p) {
        return mix(highlight, body, std::min(1.0, length(p - light) / (1.5 * radius)));
    };
    paint_rimmed_disc(canvas, centre, radius, rgb(125, 70, 0), shading);

    const double mouth_half_width = std::max(0.075, 0.6 * canvas.pixel() / radius);
    const auto features = [=](Point p) { return features_distance(p, Mood::happy, mouth_half_width); };
    paint(canvas, placed(centre, radius, features), flat(rgb(80, 40, 0)));
}

// In badge units: centre at the origin, radius 1.
double question_mark_distance(Point p, double half_width)
{
    const Arc hook{{0.0, -0.27}, 0.35, degrees(170.0), degrees(230.0)};
    const Point stem_bottom{0.0, 0.22};
    const double centre_line = std::min(arc_distance(p, hook), segment_distance(p, hook.end(), stem_bottom));
    const double stroke = centre_line - half_width;
    const double dot = circle_distance(p, {0.0, 0.56}, 1.15 * half_width);
    return std::min(stroke, dot);
}

void paint_question_badge(Canvas &canvas)
{
    // Grows at tiny sizes so the question mark keeps enough pixels to read.
    const double radius = std::max(0.245, 4.9 * canvas.pixel());
    const Point centre{1.0 - radius, radius};
    paint_rimmed_disc(canvas, centre, radius, rgb(20, 45, 120), flat(rgb(40, 120, 235)));
    const double half_width = std::max(0.13, 0.6 * canvas.pixel() / radius);
    const auto question_mark = [=](Point p) { return question_mark_distance(p, half_width); };
    paint(canvas, placed(centre, radius, question_mark), flat(rgb(255, 255, 255)));
}

Canvas draw_program_icon(int size)
{
    Canvas canvas(size);
    paint_face(canvas);
    paint_question_badge(canvas);
    return canvas;
}

struct Rgba8 {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    std::uint8_t a;
};

std::uint8_t to_byte(double value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

// Fully transparent pixels become all zero so no stray colour is stored.
Rgba8 quantise(Colour c)
{
    const Rgba8 out{to_byte(c.r), to_byte(c.g), to_byte(c.b), to_byte(c.a)};
    return out.a == 0 ? Rgba8{0, 0, 0, 0} : out;
}

Rgba8 pixel_at(const Canvas &canvas, int x, int y)
{
    return quantise(canvas.pixels[static_cast<std::size_t>(y * canvas.size + x)]);
}

IconEntry true_colour_entry(const Canvas &canvas)
{
    Bytes xor_bitmap;
    for (int y = canvas.size - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.size; ++x) {
            const Rgba8 p = pixel_at(canvas, x, y);
            for (const std::uint8_t byte : {p.b, p.g, p.r, p.a}) {
                tools::appendLittleEndian(xor_bitmap, byte, 1);
            }
        }
    }
    // Readers that ignore alpha fall back on the mask.
    const Bytes mask = and_mask(canvas.size, [&](int x, int y) { return pixel_at(canvas, x, y).a == 0; });
    return icon_entry(canvas.size, 32, {}, xor_bitmap, mask);
}

// ---------------------------------------------------------------- PNG

std::uint32_t crc32(const Bytes &data, std::size_t begin)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = begin; i < data.size(); ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

std::uint32_t adler32(const Bytes &data)
{
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

void put_chunk(Bytes &png, const char *type, const Bytes &data)
{
    tools::appendBigEndian(png, static_cast<std::uint32_t>(data.size()), 4);
    const std::size_t type_start = png.size();
    png.insert(png.end(), type, type + 4);
    append(png, data);
    tools::appendBigEndian(png, crc32(png, type_start), 4);
}

// A zlib stream of uncompressed deflate blocks.
Bytes zlib_stored(const Bytes &raw)
{
    const std::size_t max_block = 65535;
    Bytes out{0x78, 0x01};
    std::size_t done = 0;
    do {
        const std::size_t length = std::min(max_block, raw.size() - done);
        const bool last = done + length == raw.size();
        tools::appendLittleEndian(out, last ? 1u : 0u, 1);
        tools::appendLittleEndian(out, static_cast<unsigned>(length), 2);
        tools::appendLittleEndian(out, static_cast<unsigned>(~length & 0xFFFFu), 2);
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(done),
                   raw.begin() + static_cast<std::ptrdiff_t>(done + length));
        done += length;
    } while (done < raw.size());
    tools::appendBigEndian(out, adler32(raw), 4);
    return out;
}

Bytes png_file(const Canvas &canvas)
{
    Bytes header;
    tools::appendBigEndian(header, static_cast<std::uint32_t>(canvas.size), 4);
    tools::appendBigEndian(header, static_cast<std::uint32_t>(canvas.size), 4);
    for (const unsigned field : {8u, 6u, 0u, 0u, 0u}) { // 8-bit RGBA, deflate, no filter, no interlace
        tools::appendLittleEndian(header, field, 1);
    }

    Bytes scanlines;
    for (int y = 0; y < canvas.size; ++y) {
        tools::appendLittleEndian(scanlines, 0, 1); // filter: none
        for (int x = 0; x < canvas.size; ++x) {
            const Rgba8 p = pixel_at(canvas, x, y);
            for (const std::uint8_t byte : {p.r, p.g, p.b, p.a}) {
                tools::appendLittleEndian(scanlines, byte, 1);
            }
        }
    }

    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    put_chunk(png, "IHDR", header);
    put_chunk(png, "IDAT", zlib_stored(scanlines));
    put_chunk(png, "IEND", {});
    return png;
}

// ---------------------------------------------------------------- output

bool write_file(const std::filesystem::path &path, const Bytes &bytes)
{
    try {
        tools::writeFile(path, bytes);
    } catch (const std::exception &error) {
        std::cerr << "make_icons: " << error.what() << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_icons OUTDIR\n";
        return 2;
    }
    const std::filesystem::path out_dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(out_dir, error);
    if (error) {
        std::cerr << "make_icons: cannot create " << out_dir << ": " << error.message() << '\n';
        return 1;
    }

    bool ok = write_file(out_dir / "correct.ico", ico_file({paletted_entry(draw_paletted_face(32, Mood::happy)),
                                                            paletted_entry(draw_paletted_face(16, Mood::happy))}));
    ok = write_file(out_dir / "wrong.ico", ico_file({paletted_entry(draw_paletted_face(32, Mood::sad))})) && ok;

    std::vector<IconEntry> program_entries;
    for (const int size : {16, 32, 48, 64, 72, 128}) {
        const Canvas canvas = draw_program_icon(size);
        program_entries.push_back(true_colour_entry(canvas));
        ok = write_file(out_dir / ("teaser-" + std::to_string(size) + ".png"), png_file(canvas)) && ok;
    }
    ok = write_file(out_dir / "teaser.ico", ico_file(program_entries)) && ok;
    return ok ? 0 : 1;
}

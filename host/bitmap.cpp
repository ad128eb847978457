#include "host/bitmap.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace vkhost {

namespace {

Palette make_palette() {
    Palette p{};
    int n = 0;
    p[n++] = kKeyColour;
    static constexpr uint8_t kLevels[6] = {0, 51, 102, 153, 204, 255};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                if (r || g || b) p[n++] = {kLevels[r], kLevels[g], kLevels[b]};
    // 215 cube colours so far, 216 entries: a grey ramp from near-black.
    for (int i = 0; i < 32; ++i) {
        const auto v = static_cast<uint8_t>(6 + i * 8);  // 6 .. 254
        p[n++] = {v, v, v};
    }
    // Panel colours: instrument black, panel greys, lamp colours.
    static constexpr Rgb kExtra[8] = {{20, 22, 24},   {52, 58, 62},   {70, 76, 80},
                                      {255, 176, 0},  {40, 200, 60},  {230, 40, 30},
                                      {90, 160, 255}, {250, 235, 180}};
    for (const Rgb& c : kExtra) p[n++] = c;
    return p;
}

uint32_t distance(Rgb a, Rgb b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return static_cast<uint32_t>(3 * dr * dr + 4 * dg * dg + 2 * db * db);
}

void put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}
uint32_t get16(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8;
}
uint32_t get32(const uint8_t* p) {
    return get16(p) | get16(p + 2) << 16;
}

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;

}  // namespace

const Palette& fixed_palette() {
    static const Palette p = make_palette();
    return p;
}

uint8_t nearest_index(Rgb c) {
    // A cache over 5 bits per channel keeps quantizing whole pictures cheap.
    static std::vector<uint8_t> cache = [] {
        std::vector<uint8_t> t(32 * 32 * 32);
        const Palette& p = fixed_palette();
        for (int i = 0; i < 32 * 32 * 32; ++i) {
            const Rgb q{static_cast<uint8_t>((i >> 10) * 8 + 4),
                        static_cast<uint8_t>(((i >> 5) & 31) * 8 + 4),
                        static_cast<uint8_t>((i & 31) * 8 + 4)};
            uint32_t best = UINT32_MAX;
            for (int k = 1; k < 256; ++k)
                if (const uint32_t d = distance(q, p[k]); d < best) {
                    best = d;
                    t[i] = static_cast<uint8_t>(k);
                }
        }
        return t;
    }();
    return cache[(c.r >> 3) << 10 | (c.g >> 3) << 5 | (c.b >> 3)];
}

std::vector<uint8_t> encode_bmp(const Bitmap8& b) {
    const uint32_t stride = (static_cast<uint32_t>(b.width) + 3) & ~3u;
    const uint32_t image = stride * static_cast<uint32_t>(b.height);
    const uint32_t offset = kFileHeader + kInfoHeader + 256 * 4;
    std::vector<uint8_t> v;
    v.reserve(offset + image);
    v.push_back('B');
    v.push_back('M');
    put32(v, offset + image);
    put32(v, 0);
    put32(v, offset);
    put32(v, kInfoHeader);
    put32(v, static_cast<uint32_t>(b.width));
    put32(v, static_cast<uint32_t>(b.height));  // positive: rows bottom-up
    put16(v, 1);                                // planes
    put16(v, 8);                                // bits per pixel
    put32(v, 0);                                // no compression
    put32(v, image);
    put32(v, 2835);  // 72 dpi
    put32(v, 2835);
    put32(v, 256);  // colours used
    put32(v, 0);    // all important
    for (const Rgb& c : b.palette) {
        v.push_back(c.b);
        v.push_back(c.g);
        v.push_back(c.r);
        v.push_back(0);
    }
    for (int y = b.height - 1; y >= 0; --y) {
        const uint8_t* row = b.pixels.data() + static_cast<size_t>(y) * b.width;
        v.insert(v.end(), row, row + b.width);
        v.insert(v.end(), stride - static_cast<uint32_t>(b.width), 0);
    }
    return v;
}

bool decode_bmp(const uint8_t* d, size_t size, Bitmap8& out, std::string& error) {
    auto fail = [&](const std::string& what) {
        error = what;
        return false;
    };
    if (!d || size < kFileHeader + kInfoHeader) return fail("too short for the BMP headers");
    if (d[0] != 'B' || d[1] != 'M') return fail("not a BMP file (no \"BM\" signature)");
    const uint32_t offset = get32(d + 10);
    const uint32_t info = get32(d + 14);
    if (info < kInfoHeader || info > size - kFileHeader)
        return fail("unsupported info header of " + std::to_string(info) + " bytes");
    const auto width = static_cast<int32_t>(get32(d + 18));
    const auto raw_height = static_cast<int32_t>(get32(d + 22));
    const uint32_t bits = get16(d + 28);
    const uint32_t compression = get32(d + 30);
    uint32_t colours = get32(d + 46);
    if (bits != 8) return fail("only 8-bit pictures are supported, not " + std::to_string(bits));
    if (compression != 0) return fail("compressed pictures are not supported");
    if (raw_height == INT32_MIN) return fail("picture height out of range");
    const int32_t height = raw_height < 0 ? -raw_height : raw_height;
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        return fail("picture size " + std::to_string(width) + "x" + std::to_string(raw_height) +
                    " out of range");
    if (colours == 0) colours = 256;
    if (colours > 256) return fail("palette of " + std::to_string(colours) + " colours");
    const size_t palette_at = kFileHeader + info;
    if (palette_at + size_t{colours} * 4 > size) return fail("palette runs past the end");
    const size_t stride = (static_cast<size_t>(width) + 3) & ~size_t{3};
    const size_t image = stride * static_cast<size_t>(height);
    if (offset < palette_at || offset > size || size - offset < image)
        return fail("pixel rows run past the end of the file");

    Bitmap8 b;
    b.width = width;
    b.height = height;
    for (uint32_t i = 0; i < colours; ++i) {
        const uint8_t* c = d + palette_at + i * 4;
        b.palette[i] = {c[2], c[1], c[0]};
    }
    b.pixels.resize(static_cast<size_t>(width) * height);
    for (int32_t y = 0; y < height; ++y) {
        const int32_t file_row = raw_height > 0 ? height - 1 - y : y;
        std::memcpy(b.pixels.data() + static_cast<size_t>(y) * width,
                    d + offset + static_cast<size_t>(file_row) * stride,
                    static_cast<size_t>(width));
    }
    for (uint8_t& p : b.pixels)
        if (p >= colours) p = 0;  // an index past the palette reads as the key
    out = std::move(b);
    return true;
}

bool write_bmp_file(const std::string& path, const Bitmap8& bitmap, std::string& error) {
    const std::vector<uint8_t> bytes = encode_bmp(bitmap);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (f)
        f.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    if (!f) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool read_bmp_file(const std::string& path, Bitmap8& out, std::string& error) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = "cannot open " + path;
        return false;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(f),
                                     std::istreambuf_iterator<char>()};
    if (!decode_bmp(bytes.data(), bytes.size(), out, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

}  // namespace vkhost

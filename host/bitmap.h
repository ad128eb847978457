#pragma once
// The module's pictures: 8-bit palette bitmaps (BMP files, one per resource
// id), the fixed palette every generated picture uses, and the colour key
// that the transparency flag removes.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vkhost {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Palette index 0 is the colour key: pure black. Drawn with transparency
// (image flag 0x1) its pixels leave what lies beneath; in a mask they hide
// the masked picture. No other palette entry is pure black, so generated
// pictures use near-black where they mean dark but opaque.
inline constexpr uint8_t kKeyIndex = 0;
inline constexpr Rgb kKeyColour{0, 0, 0};

using Palette = std::array<Rgb, 256>;

// The fixed palette: the key, a 6x6x6 colour cube without its black, a grey
// ramp, and a few panel colours.
const Palette& fixed_palette();

// The nearest entry of the fixed palette other than the key.
uint8_t nearest_index(Rgb c);

// An 8-bit palette picture, rows top to bottom.
struct Bitmap8 {
    int width = 0;
    int height = 0;
    Palette palette{};
    std::vector<uint8_t> pixels;  // width * height indices

    uint8_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    Rgb colour(int x, int y) const { return palette[at(x, y)]; }
    bool is_key(int x, int y) const { return colour(x, y) == kKeyColour; }
};

// Largest picture side the reader accepts; generated pictures stay far below.
inline constexpr int kMaxBitmapSide = 8192;

// The BMP file of a picture: BITMAPFILEHEADER, BITMAPINFOHEADER (8 bits per
// pixel, uncompressed, 256 colours), the palette, rows bottom-up padded to
// four bytes.
std::vector<uint8_t> encode_bmp(const Bitmap8& bitmap);

// Reads an 8-bit uncompressed BMP (rows bottom-up or top-down). Any other
// content gives false and a message in `error`; no input makes it read
// outside `data`.
bool decode_bmp(const uint8_t* data, size_t size, Bitmap8& out, std::string& error);

bool write_bmp_file(const std::string& path, const Bitmap8& bitmap, std::string& error);
bool read_bmp_file(const std::string& path, Bitmap8& out, std::string& error);

}  // namespace vkhost

// The module's picture files: the fixed palette and its colour key, BMP
// writing and reading, and a reader that survives any bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "host/bitmap.h"

namespace vktest {
namespace {

using vkhost::Bitmap8;

Bitmap8 pattern(int w, int h) {
    Bitmap8 b;
    b.width = w;
    b.height = h;
    b.palette = vkhost::fixed_palette();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.pixels.push_back(static_cast<uint8_t>((x * 7 + y * 13) & 255));
    return b;
}

TEST(Palette, OnlyTheKeyIsPureBlackAndQuantizingNeverGivesIt) {
    const auto& p = vkhost::fixed_palette();
    EXPECT_EQ(p[vkhost::kKeyIndex], vkhost::kKeyColour);
    for (int i = 1; i < 256; ++i) EXPECT_FALSE(p[i] == vkhost::kKeyColour) << "entry " << i;
    // Dark but opaque colours stay opaque; exact entries map to themselves.
    EXPECT_NE(vkhost::nearest_index({0, 0, 0}), vkhost::kKeyIndex);
    EXPECT_NE(vkhost::nearest_index({3, 2, 1}), vkhost::kKeyIndex);
    // Colours are looked up at 5 bits a channel: an entry finds itself or a
    // close neighbour.
    for (int i = 1; i < 256; ++i) {
        const vkhost::Rgb c = p[vkhost::nearest_index(p[i])];
        EXPECT_LE(std::abs(c.r - p[i].r) + std::abs(c.g - p[i].g) + std::abs(c.b - p[i].b), 30)
            << "entry " << i;
    }
}

TEST(BmpFile, RoundTripsEveryRowPaddingAndHeader) {
    for (int w : {1, 2, 3, 4, 5, 17}) {
        const Bitmap8 b = pattern(w, 3);
        const std::vector<uint8_t> bytes = vkhost::encode_bmp(b);
        const size_t stride = (static_cast<size_t>(w) + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 14 + 40 + 1024 + stride * 3);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[28], 8);  // bits per pixel
        // Rows are stored bottom-up: the first stored row is the picture's last.
        EXPECT_EQ(bytes[14 + 40 + 1024], b.at(0, 2));
        Bitmap8 back;
        std::string error;
        ASSERT_TRUE(vkhost::decode_bmp(bytes.data(), bytes.size(), back, error)) << error;
        EXPECT_EQ(back.width, w);
        EXPECT_EQ(back.height, 3);
        EXPECT_EQ(back.pixels, b.pixels);
        EXPECT_EQ(back.palette, b.palette);
    }
    // Top-down files (negative height) read the right way up.
    const Bitmap8 b = pattern(4, 2);
    std::vector<uint8_t> bytes = vkhost::encode_bmp(b);
    const int32_t minus_two = -2;
    std::memcpy(&bytes[22], &minus_two, 4);
    Bitmap8 back;
    std::string error;
    ASSERT_TRUE(vkhost::decode_bmp(bytes.data(), bytes.size(), back, error));
    EXPECT_EQ(back.at(0, 0), b.at(0, 1));
}

TEST(BmpFile, RejectsWhatItCannotReadWithAReason) {
    const std::vector<uint8_t> good = vkhost::encode_bmp(pattern(5, 4));
    auto reject = [&](std::vector<uint8_t> bytes, const std::string& reason) {
        Bitmap8 out;
        std::string error;
        EXPECT_FALSE(vkhost::decode_bmp(bytes.data(), bytes.size(), out, error)) << reason;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    };
    auto with = [&](size_t at, uint32_t v, int bytes = 4) {
        std::vector<uint8_t> b = good;
        for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
        return b;
    };
    reject({good.begin(), good.begin() + 20}, "too short");
    reject(with(0, 'X', 1), "signature");
    reject(with(28, 24, 2), "only 8-bit");
    reject(with(30, 1), "compressed");
    reject(with(18, 0), "out of range");
    reject(with(18, 0x80000000u), "out of range");
    reject(with(22, 100000), "out of range");
    reject(with(46, 300), "palette of 300");
    reject({good.begin(), good.end() - 1}, "past the end");
    reject(with(10, 0xFFFFFFF0u), "past the end");
    reject(with(14, 0xFFFFFF00u), "info header");
}

TEST(BmpFile, AnyBytesAreReadOrRefusedNeverOverrun) {
    const std::vector<uint8_t> good = vkhost::encode_bmp(pattern(7, 5));
    std::mt19937 rng(1234);
    int read = 0;
    for (int round = 0; round < 4000; ++round) {
        std::vector<uint8_t> b = good;
        const int changes = 1 + static_cast<int>(rng() % 6);
        for (int c = 0; c < changes; ++c) {
            // Headers get most of the damage: that is where lengths live.
            const size_t at = rng() % 3 ? rng() % 60 : rng() % b.size();
            b[at] = static_cast<uint8_t>(rng());
        }
        if (rng() % 4 == 0) b.resize(rng() % b.size());
        // A copy of exactly the bytes, so that the sanitizers see any overrun.
        std::vector<uint8_t> exact(b);
        Bitmap8 out;
        std::string error;
        if (vkhost::decode_bmp(exact.data(), exact.size(), out, error)) {
            ++read;
            EXPECT_EQ(out.pixels.size(), static_cast<size_t>(out.width) * out.height);
        } else {
            EXPECT_FALSE(error.empty());
        }
    }
    EXPECT_GT(read, 0);
}

}  // namespace
}  // namespace vktest

// Parsing recordings: well-formed layouts give exactly their samples; every
// malformed one is refused without a read outside the bytes (the asan preset
// checks the reads, each case parses from a heap block of exactly its size).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "sound/wave.h"
#include "sound/wave_builder.h"

namespace vktest {
namespace {

// Parses from a heap copy of exactly the bytes, so that any read past the end
// is caught by AddressSanitizer.
std::optional<vk::Wave> parse(const std::vector<uint8_t>& bytes, const uint8_t** base = nullptr) {
    static std::unique_ptr<uint8_t[]> copy;  // kept alive for the returned pointers
    copy = std::make_unique<uint8_t[]>(bytes.size() + 1);
    std::copy(bytes.begin(), bytes.end(), copy.get());
    if (base) *base = copy.get();
    return vk::parse_wave(bytes.empty() ? nullptr : copy.get(), bytes.size());
}

const std::vector<uint8_t> kPcm = samples16({100, -100, 200, -200});

TEST(Wave, ChunksAreWalkedInAnyOrderWithPadBytesSkipped) {
    const uint8_t* base = nullptr;
    // An odd-sized "fmt " (17 bytes) and an odd LIST chunk: their pad bytes
    // must be skipped, or "data" is never found.
    auto w = parse(WaveBytes()
                       .header()
                       .chunk("LIST", {'I', 'N', 'F', 'O', 'x'})
                       .fmt(1, 22050, 16, 17)
                       .chunk("data", kPcm)
                       .done(),
                   &base);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->format.samples_per_sec, 22050u);
    EXPECT_EQ(w->bytes, 8u);
    EXPECT_EQ(w->data, base + 12 + 8 + 6 + 8 + 18 + 8);
    EXPECT_EQ(w->format.extra_size, 0);

    // "data" before "fmt ": the walk goes on until it has both.
    w = parse(WaveBytes().header().chunk("data", kPcm).fmt(2, 11025, 8).done());
    ASSERT_TRUE(w);
    EXPECT_EQ(w->format.channels, 2);
    EXPECT_EQ(w->format.block_align, 2);
    EXPECT_EQ(w->format.avg_bytes_per_sec, 22050u);

    // Only the first "fmt " and the first "data" count.
    w = parse(WaveBytes()
                  .header()
                  .fmt(1, 8000, 16)
                  .chunk("data", kPcm)
                  .fmt(2, 44100, 16)
                  .chunk("data", samples16({1}))
                  .done());
    ASSERT_TRUE(w);
    EXPECT_EQ(w->format.samples_per_sec, 8000u);
    EXPECT_EQ(w->bytes, 8u);
}

TEST(Wave, ShortFormatBlocksAreReadIntoAZeroedBlock) {
    // A 14-byte block has no bits field: worked out from the block alignment,
    // nothing read past the chunk (here the last bytes of the buffer).
    auto w = parse(WaveBytes().header().chunk("data", kPcm).fmt(1, 22050, 16, 14).done());
    ASSERT_TRUE(w);
    EXPECT_EQ(w->format.bits_per_sample, 16);
    EXPECT_EQ(w->format.extra_size, 0);
    // A 16-byte block is not read as 18 bytes: the size field stays 0 even
    // though bytes follow it.
    w = parse(WaveBytes().header().fmt(2, 22050, 16, 16).chunk("data", {7, 7, 7, 7}).done());
    ASSERT_TRUE(w);
    EXPECT_EQ(w->format.extra_size, 0);
    // An extended block keeps only the PCM fields.
    w = parse(WaveBytes().header().fmt(1, 22050, 8, 40).chunk("data", {1, 2, 3}).done());
    ASSERT_TRUE(w);
    EXPECT_EQ(w->format.extra_size, 0);
    EXPECT_EQ(w->bytes, 3u);
    // Under 14 bytes fails, even with a good "data".
    EXPECT_FALSE(parse(WaveBytes().header().fmt(1, 22050, 16, 12).chunk("data", kPcm).done()));
}

TEST(Wave, OnlyPlayablePcmIsAcceptedAndCutToWholeFrames) {
    auto with = [](uint16_t channels, uint32_t rate, uint16_t bits, uint16_t tag = 1) {
        return parse(
            WaveBytes().header().fmt(channels, rate, bits, 16, tag).chunk("data", kPcm).done());
    };
    EXPECT_TRUE(with(1, 22050, 8));
    EXPECT_TRUE(with(2, 44100, 16));
    EXPECT_FALSE(with(1, 22050, 16, 3));  // float
    EXPECT_FALSE(with(0, 22050, 16));
    EXPECT_FALSE(with(3, 22050, 16));
    EXPECT_FALSE(with(1, 22050, 24));
    EXPECT_FALSE(with(1, 22050, 12));
    EXPECT_FALSE(with(1, 0, 16));
    EXPECT_FALSE(with(1, 4000000, 16));

    // A block alignment that does not match channels and bits.
    WaveBytes odd;
    odd.header().tag("fmt ").u32(16).u16(1).u16(2).u32(22050).u32(88200).u16(3).u16(16);
    EXPECT_FALSE(parse(odd.chunk("data", kPcm).done()));

    // 7 bytes of 16-bit stereo hold one whole frame (4 bytes).
    auto w =
        parse(WaveBytes().header().fmt(2, 22050, 16).chunk("data", {1, 2, 3, 4, 5, 6, 7}).done());
    ASSERT_TRUE(w);
    EXPECT_EQ(w->bytes, 4u);
    // Less than one frame, or none, is nothing to play.
    EXPECT_FALSE(parse(WaveBytes().header().fmt(2, 22050, 16).chunk("data", {1, 2, 3}).done()));
    EXPECT_FALSE(parse(WaveBytes().header().fmt(1, 22050, 8).chunk("data", {}).done()));
}

TEST(Wave, MalformedBytesAreRefusedWithoutReadingOutsideThem) {
    const auto good = WaveBytes().header().fmt(1, 22050, 16).chunk("data", kPcm).done();
    ASSERT_TRUE(parse(good));

    EXPECT_FALSE(parse({}));
    EXPECT_FALSE(vk::parse_wave(nullptr, 100));
    // Every truncation of a good file: refused (or, past the data, accepted).
    for (size_t n = 0; n < good.size(); ++n) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
        EXPECT_FALSE(parse(cut)) << "cut to " << n << " bytes";
    }
    // A data chunk whose size runs past the end of the bytes.
    auto past = good;
    past[40] = 0xFF;  // data size low byte: 255 bytes where 8 are
    EXPECT_FALSE(parse(past));
    past[43] = 0xFF;  // near 4 GiB: 32-bit offsets would wrap round
    EXPECT_FALSE(parse(past));
    // A chunk size of 0xFFFFFFF8 before "fmt ": the walk must not wrap to the start.
    EXPECT_FALSE(parse(WaveBytes().header().tag("JUNK").u32(0xFFFFFFF8).raw(good).done()));

    // A RIFF size far larger than the bytes: walked to the end of the bytes only.
    EXPECT_TRUE(parse(WaveBytes().header(0xFFFFFFF0).fmt(1, 22050, 16).chunk("data", kPcm).done()));
    EXPECT_FALSE(parse(WaveBytes().header(0xFFFFFFF0).fmt(1, 22050, 16).done()));
    // A RIFF size that ends before "data" ends the walk there.
    EXPECT_FALSE(parse(WaveBytes().header(4 + 24).fmt(1, 22050, 16).chunk("data", kPcm).done()));

    // Wrong magic.
    auto bad = good;
    bad[8] = 'X';
    EXPECT_FALSE(parse(bad));
    bad = good;
    bad[0] = 'r';
    EXPECT_FALSE(parse(bad));
}

// Every input of the fuzz corpus parses or is refused, and an accepted one
// lies inside its bytes.
TEST(Wave, FuzzSeedCorpusStaysInsideItsBytes) {
    int count = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(VK_SOURCE_DIR "/tests/fuzz/corpus")) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        const uint8_t* base = nullptr;
        const auto w = parse(bytes, &base);
        if (w) {
            EXPECT_GE(w->data, base);
            EXPECT_LE(w->data + w->bytes, base + bytes.size()) << entry.path();
            EXPECT_EQ(w->bytes % w->format.block_align, 0u);
        }
        ++count;
    }
    EXPECT_GE(count, 8);
}

}  // namespace
}  // namespace vktest

#include "sound/wave.h"

#include <algorithm>
#include <cstring>

namespace vk {
namespace {

uint16_t le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
bool is_tag(const uint8_t* p, const char (&tag)[5]) {
    return std::memcmp(p, tag, 4) == 0;
}

// The sample rates a static buffer can be played at.
constexpr uint32_t kMinRate = 100;
constexpr uint32_t kMaxRate = 200000;

// Reads a "fmt " body of `size` (at least 14) bytes into a zeroed format
// block: a 14-byte block has no bits-per-sample field, which is then worked
// out from the block alignment; any extension beyond 16 bytes is not
// carried over, since PCM has none. Null unless it is plain PCM that a
// static buffer can play.
std::optional<VkAudioFormat> read_format(const uint8_t* body, uint32_t size) {
    VkAudioFormat f{};
    f.format_tag = le16(body);
    f.channels = le16(body + 2);
    f.samples_per_sec = le32(body + 4);
    f.block_align = le16(body + 12);
    if (size >= 16)
        f.bits_per_sample = le16(body + 14);
    else if (f.channels != 0)
        f.bits_per_sample = static_cast<uint16_t>(f.block_align * 8 / f.channels);
    if (f.format_tag != 1 || f.channels < 1 || f.channels > 2) return std::nullopt;
    if (f.bits_per_sample != 8 && f.bits_per_sample != 16) return std::nullopt;
    if (f.block_align != f.channels * f.bits_per_sample / 8) return std::nullopt;
    if (f.samples_per_sec < kMinRate || f.samples_per_sec > kMaxRate) return std::nullopt;
    f.avg_bytes_per_sec = f.samples_per_sec * f.block_align;
    return f;
}

}  // namespace

std::optional<Wave> parse_wave(const uint8_t* bytes, uint64_t size) {
    if (!bytes || size < 12) return std::nullopt;
    if (!is_tag(bytes, "RIFF") || !is_tag(bytes + 8, "WAVE")) return std::nullopt;
    const uint64_t riff_end = 8 + uint64_t{le32(bytes + 4)};

    std::optional<VkAudioFormat> format;
    const uint8_t* data = nullptr;
    uint64_t data_bytes = 0;
    // Offsets are 64-bit, so no chunk size can wrap them around.
    for (uint64_t at = 12; at < riff_end && at + 8 <= size;) {
        const uint8_t* chunk = bytes + at;
        const uint32_t chunk_size = le32(chunk + 4);
        const uint64_t body = at + 8;
        if (body + chunk_size > size) return std::nullopt;  // runs past the bytes
        if (!format && is_tag(chunk, "fmt ")) {
            if (chunk_size < 14) return std::nullopt;
            format = read_format(bytes + body, chunk_size);
            if (!format) return std::nullopt;
        } else if (!data && is_tag(chunk, "data")) {
            data = bytes + body;
            data_bytes = chunk_size;
        }
        if (format && data) {
            const uint64_t whole = data_bytes - data_bytes % format->block_align;
            if (whole == 0 || whole > kMaxWaveBytes) return std::nullopt;
            return Wave{*format, data, static_cast<uint32_t>(whole)};
        }
        at = body + chunk_size + (chunk_size & 1);  // bodies are padded to even sizes
    }
    return std::nullopt;
}

}  // namespace vk

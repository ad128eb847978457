#pragma once
// Builds RIFF WAVE bytes chunk by chunk, for tests that need exact layouts,
// malformed ones included.
#include <cstdint>
#include <string>
#include <vector>

namespace vktest {

class WaveBytes {
  public:
    WaveBytes& u16(uint32_t v) {
        bytes.push_back(static_cast<uint8_t>(v));
        bytes.push_back(static_cast<uint8_t>(v >> 8));
        return *this;
    }
    WaveBytes& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    WaveBytes& tag(const char* t) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(t[i]));
        return *this;
    }
    WaveBytes& raw(const std::vector<uint8_t>& b) {
        bytes.insert(bytes.end(), b.begin(), b.end());
        return *this;
    }
    // "RIFF", the size of what follows (or the given one), "WAVE".
    WaveBytes& header(int64_t riff_size = -1) {
        riff_at_ = bytes.size() + 4;
        riff_fixed_ = riff_size >= 0;
        return tag("RIFF").u32(riff_fixed_ ? static_cast<uint32_t>(riff_size) : 0).tag("WAVE");
    }
    // A chunk with its body and, for an odd body, the pad byte.
    WaveBytes& chunk(const char* id, const std::vector<uint8_t>& body, bool pad = true) {
        tag(id).u32(static_cast<uint32_t>(body.size())).raw(body);
        if (pad && body.size() % 2) bytes.push_back(0xEE);
        return *this;
    }
    // A PCM "fmt " chunk of `size` bytes (14, 16, 18 or more).
    WaveBytes& fmt(uint16_t channels, uint32_t rate, uint16_t bits, uint32_t size = 16,
                   uint16_t tag_value = 1) {
        WaveBytes body;
        const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
        body.u16(tag_value).u16(channels).u32(rate).u32(rate * align).u16(align).u16(bits);
        body.bytes.resize(size, 0);
        return chunk("fmt ", body.bytes);
    }
    std::vector<uint8_t> done() {
        if (!riff_fixed_ && riff_at_) {
            const uint32_t size = static_cast<uint32_t>(bytes.size() - riff_at_ - 4);
            for (int i = 0; i < 4; ++i) bytes[riff_at_ + i] = static_cast<uint8_t>(size >> (8 * i));
        }
        return bytes;
    }

    std::vector<uint8_t> bytes;

  private:
    size_t riff_at_ = 0;
    bool riff_fixed_ = false;
};

inline std::vector<uint8_t> samples16(std::initializer_list<int16_t> s) {
    WaveBytes b;
    for (int16_t v : s) b.u16(static_cast<uint16_t>(v));
    return b.bytes;
}

}  // namespace vktest

#pragma once
// RIFF/WAVE parsing of a recording held in memory.
#include <cstdint>
#include <optional>

#include "sound/audio_device.h"

namespace vk {

// A playable recording: its format and its PCM samples inside the parsed bytes.
struct Wave {
    VkAudioFormat format{};
    const uint8_t* data = nullptr;
    uint32_t bytes = 0;  // whole sample frames only, never 0
};

// The largest recording a static buffer holds.
inline constexpr uint32_t kMaxWaveBytes = 0x0FFFFFFF;

// Parses `size` bytes as a RIFF WAVE. Walks the chunks from byte 12 while a
// chunk header fits before the end of the RIFF body and of the bytes; the
// first "fmt " chunk (at least 14 bytes) gives the format and the first
// "data" chunk the samples. Any chunk whose body runs past the bytes ends the
// walk as a failure. Only PCM with 1 or 2 channels of 8 or 16 bits and a
// matching block alignment is accepted; the data is cut down to whole sample
// frames. Never reads outside [bytes, bytes + size).
std::optional<Wave> parse_wave(const uint8_t* bytes, uint64_t size);

}  // namespace vk

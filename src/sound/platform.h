#pragma once
// What each platform supplies to the sound player: its audio output and its
// way of finding a recording's bytes.
#include <cstdint>
#include <functional>

#include "sound/audio_device.h"

namespace vk {

// The platform's output: DirectSound on Windows; on Linux the one the
// program lends, or null.
const VkAudioDevice* platform_audio_device();

// The largest recording file or resource read.
inline constexpr uint64_t kMaxRecordingBytes = 0x10000000;

// Lends the bytes of the recording `name` to `use`: first the module's own
// resource of that name, then a file of that name. Each source is released
// when `use` returns; the first one `use` accepts ends the search. Returns
// whether one was accepted.
using RecordingUse = std::function<bool(const uint8_t* bytes, uint64_t size)>;
bool with_recording(uintptr_t module, const char* name, const RecordingUse& use);

}  // namespace vk

#pragma once
// The sound player: one audio device per module, one static buffer per
// recording. Every operation is harmless without a device or with a null
// handle, so that a module whose output could not be opened stays silent.
#include <cstdint>

#include "sound/audio_device.h"

namespace vk {

struct SoundBuffer;                // a buffer of the audio device, never looked into
using SoundHandle = SoundBuffer*;  // null when the recording did not load

inline constexpr int32_t kPlayOnce = 0;
inline constexpr int32_t kPlayLooping = 1;
inline constexpr int32_t kVolumeSilent = -10000;  // hundredths of a decibel
inline constexpr int32_t kVolumeFull = 0;

// Keeps the module handle (whose resources hold the recordings) and opens the
// default output. Returns 1, with or without an output.
int32_t sound_init(uintptr_t module);
// Loads one recording, from a resource or a file of that name, into a new
// static buffer; null when it cannot be found, parsed or buffered.
SoundHandle sound_load(const char* name);
// Starts the buffer from where it stands: flags kPlayOnce or kPlayLooping.
int32_t sound_play(SoundHandle sound, int32_t flags);
// Stops the buffer where it is, without rewinding it.
int32_t sound_stop(SoundHandle sound);
// Sets the volume, clamped to kVolumeSilent..kVolumeFull.
int32_t sound_set_volume(SoundHandle sound, int32_t volume);
// Releases the buffer; the handle must not be used again.
int32_t sound_release(SoundHandle sound);
// Closes the output and forgets it.
int32_t sound_shutdown();

// The player's own state.
struct PlayerState {
    uintptr_t module = 0;
    const VkAudioDevice* backend = nullptr;  // the platform's output, if any
    void* device = nullptr;                  // open output, or null
};
extern PlayerState sound_player;

// Forgets the device without closing it: for tests that begin again while the
// output of an earlier test host is gone. The simulator never needs it.
void reset_player();

}  // namespace vk

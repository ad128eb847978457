#pragma once
// The one interface behind the sound player: an audio output that holds one
// static buffer per recording and starts, loops, stops and attenuates it.
// The Windows build implements it with DirectSound 8; on Linux a program that
// loads the module may lend it one (see device_posix.cpp). The layout is plain
// C so that a device can live on either side of a library boundary.
#include <cstdint>

extern "C" {

// A PCM format block in the layout of the system's 18-byte WAVEFORMATEX.
#pragma pack(push, 2)
struct VkAudioFormat {
    uint16_t format_tag;  // 1 for PCM
    uint16_t channels;
    uint32_t samples_per_sec;
    uint32_t avg_bytes_per_sec;
    uint16_t block_align;  // bytes per sample frame, all channels
    uint16_t bits_per_sample;
    uint16_t extra_size;  // 0: nothing follows
};
#pragma pack(pop)
static_assert(sizeof(VkAudioFormat) == 18);

inline constexpr uint32_t kVkAudioDeviceVersion = 1;

// Every function is called on the panel thread only. A null device or buffer
// is never passed in.
struct VkAudioDevice {
    uint32_t version;  // kVkAudioDeviceVersion
    // Opens the default output for the module whose handle is given; null
    // when there is none.
    void* (*open)(uintptr_t module);
    // A new, silent, stopped static buffer of `bytes` bytes in `format`, at
    // full volume; null on failure. `name` labels it (recordings are named).
    void* (*create_buffer)(void* device, const char* name, const VkAudioFormat* format,
                           uint32_t bytes);
    // Copies the recording into the whole buffer; 0 when the buffer cannot
    // be written (and is then released by the caller).
    int32_t (*fill)(void* buffer, const void* data, uint32_t bytes);
    // Starts the buffer from where it stands: once (loop 0) or looping (1).
    void (*play)(void* buffer, int32_t loop);
    // Stops the buffer where it is, without rewinding it.
    void (*stop)(void* buffer);
    // Volume in hundredths of a decibel, -10000 (silence) to 0 (full).
    void (*set_volume)(void* buffer, int32_t volume);
    void (*release)(void* buffer);
    void (*close)(void* device);
};

// What a program exports, under the name "vkhost_audio_device", to lend the
// Linux module an output.
using VkAudioDeviceSource = const VkAudioDevice* (*)();
}

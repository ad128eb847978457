// The Windows output: DirectSound 8 on the default device, one static
// secondary buffer per recording.
#if defined(_WIN32)
#include <dsound.h>
#include <mmsystem.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "sound/platform.h"

namespace vk {
namespace {

// Volume, pan and frequency control, a static buffer, and the second kind of
// current-position reporting.
constexpr DWORD kBufferFlags = 0x100E2;
static_assert(kBufferFlags == (DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_CTRLFREQUENCY |
                               DSBCAPS_STATIC | DSBCAPS_GETCURRENTPOSITION2));
static_assert(sizeof(DSBUFFERDESC) == 36);
static_assert(sizeof(WAVEFORMATEX) == sizeof(VkAudioFormat));

IDirectSound8* as_device(void* d) {
    return static_cast<IDirectSound8*>(d);
}
IDirectSoundBuffer* as_buffer(void* b) {
    return static_cast<IDirectSoundBuffer*>(b);
}

void* open(uintptr_t) {
    IDirectSound8* device = nullptr;
    if (FAILED(DirectSoundCreate8(nullptr, &device, nullptr)) || !device) return nullptr;
    device->SetCooperativeLevel(GetActiveWindow(), DSSCL_NORMAL);
    return device;
}

void* create_buffer(void* device, const char*, const VkAudioFormat* format, uint32_t bytes) {
    WAVEFORMATEX wfx;
    std::memcpy(&wfx, format, sizeof wfx);
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = kBufferFlags;
    desc.dwBufferBytes = bytes;
    desc.lpwfxFormat = &wfx;
    IDirectSoundBuffer* buffer = nullptr;
    if (FAILED(as_device(device)->CreateSoundBuffer(&desc, &buffer, nullptr))) return nullptr;
    return buffer;
}

int32_t fill(void* buffer, const void* data, uint32_t bytes) {
    void* first = nullptr;
    void* second = nullptr;
    DWORD first_bytes = 0, second_bytes = 0;
    if (FAILED(as_buffer(buffer)->Lock(0, bytes, &first, &first_bytes, &second, &second_bytes,
                                       DSBLOCK_ENTIREBUFFER)))
        return 0;
    const auto* from = static_cast<const uint8_t*>(data);
    const DWORD a = std::min<DWORD>(first_bytes, bytes);
    if (first) std::memcpy(first, from, a);
    if (second) std::memcpy(second, from + a, std::min<DWORD>(second_bytes, bytes - a));
    as_buffer(buffer)->Unlock(first, first_bytes, second, second_bytes);
    return 1;
}

void play(void* buffer, int32_t loop) {
    as_buffer(buffer)->Play(0, 0, loop ? DSBPLAY_LOOPING : 0);
}
void stop(void* buffer) {
    as_buffer(buffer)->Stop();
}
void set_volume(void* buffer, int32_t volume) {
    as_buffer(buffer)->SetVolume(volume);
}
void release(void* buffer) {
    as_buffer(buffer)->Release();
}
void close(void* device) {
    as_device(device)->Release();
}

constexpr VkAudioDevice kDirectSound = {
    kVkAudioDeviceVersion, open, create_buffer, fill, play, stop, set_volume, release, close,
};

}  // namespace

const VkAudioDevice* platform_audio_device() {
    return &kDirectSound;
}

}  // namespace vk
#endif

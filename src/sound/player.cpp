#include "sound/player.h"

#include <algorithm>

#include "sound/platform.h"
#include "sound/wave.h"

namespace vk {

PlayerState sound_player;

namespace {

void* buffer_of(SoundHandle sound) {
    return static_cast<void*>(sound);
}

// A buffer made from a parsed recording, or null (nothing left behind).
SoundHandle make_buffer(const char* name, const Wave& wave) {
    const VkAudioDevice* b = sound_player.backend;
    void* buffer = b->create_buffer(sound_player.device, name, &wave.format, wave.bytes);
    if (!buffer) return nullptr;
    if (!b->fill(buffer, wave.data, wave.bytes)) {
        b->release(buffer);
        return nullptr;
    }
    return static_cast<SoundHandle>(buffer);
}

bool usable(SoundHandle sound) {
    return sound && sound_player.backend && sound_player.device;
}

}  // namespace

int32_t sound_init(uintptr_t module) {
    if (sound_player.device) return 1;  // one output per module
    sound_player.module = module;
    sound_player.backend = platform_audio_device();
    sound_player.device = sound_player.backend ? sound_player.backend->open(module) : nullptr;
    return 1;
}

SoundHandle sound_load(const char* name) {
    if (!name || !sound_player.backend || !sound_player.device) return nullptr;
    SoundHandle sound = nullptr;
    with_recording(sound_player.module, name, [&](const uint8_t* bytes, uint64_t size) {
        const auto wave = parse_wave(bytes, size);
        if (!wave) return false;  // try the next source
        sound = make_buffer(name, *wave);
        return true;
    });
    return sound;
}

int32_t sound_play(SoundHandle sound, int32_t flags) {
    if (usable(sound)) sound_player.backend->play(buffer_of(sound), flags == kPlayLooping ? 1 : 0);
    return 1;
}

int32_t sound_stop(SoundHandle sound) {
    if (usable(sound)) sound_player.backend->stop(buffer_of(sound));
    return 1;
}

int32_t sound_set_volume(SoundHandle sound, int32_t volume) {
    if (usable(sound))
        sound_player.backend->set_volume(buffer_of(sound),
                                         std::clamp(volume, kVolumeSilent, kVolumeFull));
    return 1;
}

int32_t sound_release(SoundHandle sound) {
    if (usable(sound)) sound_player.backend->release(buffer_of(sound));
    return 1;
}

int32_t sound_shutdown() {
    if (sound_player.backend && sound_player.device)
        sound_player.backend->close(sound_player.device);
    sound_player.device = nullptr;
    sound_player.backend = nullptr;
    return 1;
}

void reset_player() {
    sound_player = {};
}

}  // namespace vk

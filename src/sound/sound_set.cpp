#include "sound/sound_set.h"

namespace vk {

SoundSetState sound_set;

namespace {

constexpr const char* kNames[kSoundCount] = {
    "CLICK",     "HI",       "LO",         "GONGMONO",    "KLAXONCONT", "SONNERIE",
    "BRAKESSND", "CRECELLE", "KLAXONGEAR", "CACHEMETAL",  "V80KTS",     "V1KTS",
    "VRKTS",     "AIRCOND",  "AIRCONDENT", "AIRCONDSORT",
};

bool valid(Sound s) {
    const auto i = static_cast<int>(s);
    return i >= 0 && i < kSoundCount;
}

// Moves every stored volume by `delta` and applies each to its loaded sound.
void shift_volumes(int delta) {
    for (int i = 0; i < kSoundCount; ++i) {
        sound_set.volumes[i] = static_cast<int16_t>(sound_set.volumes[i] + delta);
        if (sound_set.handles[i]) sound_set_volume(sound_set.handles[i], sound_set.volumes[i]);
    }
}

}  // namespace

const char* sound_name(Sound s) {
    return valid(s) ? kNames[static_cast<int>(s)] : "";
}

void play(Sound s) {
    if (valid(s) && handle(s)) sound_play(handle(s), kPlayOnce);
}
void loop(Sound s) {
    if (valid(s) && handle(s)) sound_play(handle(s), kPlayLooping);
}
void stop(Sound s) {
    if (valid(s) && handle(s)) sound_stop(handle(s));
}

void install_sound_set(uintptr_t module) {
    if (sound_set.installed) return;
    sound_set.installed = true;
    sound_init(module);
    for (int i = 0; i < kSoundCount; ++i) sound_set.handles[i] = sound_load(kNames[i]);
    // The stored volumes: the table's, moved by any master volume steps taken
    // before the set was installed.
    for (int i = 0; i < kSoundCount; ++i)
        if (sound_set.handles[i]) sound_set_volume(sound_set.handles[i], sound_set.volumes[i]);
}

void kill_sound_set() {
    for (int i = kSoundCount - 1; i >= 0; --i) {
        if (sound_set.handles[i]) sound_release(sound_set.handles[i]);
        sound_set.handles[i] = nullptr;  // a play or stop after the kill does nothing
    }
    if (sound_set.installed) sound_shutdown();
    sound_set.installed = false;
}

void master_volume_decrease() {
    if (sound_set.master_step < kMasterStepMin + 1) {
        sound_set.master_step = kMasterStepMin;
        return;
    }
    --sound_set.master_step;
    shift_volumes(-kMasterStepVolume);
}

void master_volume_increase() {
    if (sound_set.master_step >= kMasterStepMax) return;
    ++sound_set.master_step;
    shift_volumes(kMasterStepVolume);
}

void reset_sound() {
    sound_set = {};
    reset_player();
}

}  // namespace vk

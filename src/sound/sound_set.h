#pragma once
// The cockpit's sixteen recordings, by name. Every operation is safe to call
// at any time: while the set is not loaded (before the install of the gauge
// that owns it, after its kill, or when a recording failed to load) a sound is
// silent and nothing else changes.
#include <cstdint>

#include "sound/player.h"

namespace vk {

enum class Sound : uint8_t {
    click,        // "CLICK": switches, push buttons, selectors
    hi,           // "HI": crew call high chime
    lo,           // "LO": crew call low chime
    gongmono,     // "GONGMONO": single gong
    klaxoncont,   // "KLAXONCONT": continuous stall horn
    sonnerie,     // "SONNERIE": continuous bell
    brakessnd,    // "BRAKESSND": continuous brake noise
    crecelle,     // "CRECELLE": rattle, loaded but never played
    klaxongear,   // "KLAXONGEAR": continuous gear horn
    cachemetal,   // "CACHEMETAL": guarded switches and covers
    v80kts,       // "V80KTS": 80-knot call-out
    v1kts,        // "V1KTS": V1 call-out
    vrkts,        // "VRKTS": rotation call-out
    aircond,      // "AIRCOND": continuous air-conditioning noise
    aircondent,   // "AIRCONDENT": air-conditioning start
    aircondsort,  // "AIRCONDSORT": air-conditioning stop
};
inline constexpr int kSoundCount = 16;

const char* sound_name(Sound s);

void play(Sound s);  // once from where it stands
void loop(Sound s);  // until stopped
void stop(Sound s);  // where it is, without rewinding

// ---------------------------------------------------------------- the set's life

// Opens the output with `module` (the handle of the module whose resources
// hold the recordings), loads the sixteen recordings in table order and
// applies their volumes. Does nothing while the set is installed.
void install_sound_set(uintptr_t module);
// Releases the recordings in reverse order and closes the output. Harmless
// when the set is not installed.
void kill_sound_set();

// ---------------------------------------------------------------- master volume

// The master volume step, -15 to +15, 0 at load. Every step moves every
// stored volume by 100 (a decibel); the stored volumes are not clamped, the
// applied ones are, so a volume raised past 0 plays at full volume.
inline constexpr int8_t kMasterStepMin = -15;
inline constexpr int8_t kMasterStepMax = 15;
inline constexpr int16_t kMasterStepVolume = 100;
void master_volume_decrease();
void master_volume_increase();

// ---------------------------------------------------------------- state

struct SoundSetState {
    SoundHandle handles[kSoundCount] = {};  // null: not loaded, or released
    // Stored volumes in hundredths of a decibel, in table order.
    int16_t volumes[kSoundCount] = {-2000, -2600, -2600, -1500, -800,  -1500, -1500, -1500,
                                    -1500, -1000, -1000, -1000, -1000, -1000, -1000, -1000};
    int8_t master_step = 0;
    bool installed = false;
};
extern SoundSetState sound_set;

inline SoundHandle handle(Sound s) {
    return sound_set.handles[static_cast<int>(s)];
}

// Puts the set and the player back to their load-time state without
// releasing anything: the buffers belong to an output that may be gone. For
// tests that keep one module loaded; reset_state() calls it.
void reset_sound();

}  // namespace vk

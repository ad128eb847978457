#pragma once
// The cockpit's sixteen recordings, by name. Every operation is safe to call
// at any time: while the set is not loaded (before the install of the gauge
// that owns it, after its kill, or when a recording failed to load) a sound is
// silent and nothing else changes.
#include <cstdint>

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

}  // namespace vk

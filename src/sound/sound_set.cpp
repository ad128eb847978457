#include "sound/sound_set.h"

namespace vk {
namespace {

constexpr const char* kNames[kSoundCount] = {
    "CLICK",     "HI",       "LO",         "GONGMONO",    "KLAXONCONT", "SONNERIE",
    "BRAKESSND", "CRECELLE", "KLAXONGEAR", "CACHEMETAL",  "V80KTS",     "V1KTS",
    "VRKTS",     "AIRCOND",  "AIRCONDENT", "AIRCONDSORT",
};

}  // namespace

const char* sound_name(Sound s) {
    const auto i = static_cast<int>(s);
    return i >= 0 && i < kSoundCount ? kNames[i] : "";
}

// No recording is loaded until the sound player exists; until then every
// sound is silent, exactly as for a panel without the gauge that owns the set.
void play(Sound) {}
void loop(Sound) {}
void stop(Sound) {}

}  // namespace vk

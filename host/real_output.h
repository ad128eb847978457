#pragma once
// The machine's audio device through SDL2: a small mixer in which every
// recording is one voice that plays once or loops at its own volume, and
// stops where it is. Built where SDL2 is found; elsewhere it never opens.
#include <cstdint>
#include <memory>
#include <string>

#include "sound/audio_device.h"

namespace vkhost {

class RealOutput {
  public:
    // The default device, or null (with the reason in `why`) when SDL's audio
    // cannot start or no device opens. SDL_AUDIODRIVER chooses the driver.
    static std::unique_ptr<RealOutput> open(std::string& why);
    // Whether this build has it at all.
    static bool available();
    virtual ~RealOutput() = default;

    // A voice holding a recording, or -1 when it cannot be converted.
    virtual int add(const VkAudioFormat& format, const uint8_t* data, uint32_t bytes) = 0;
    virtual void play(int voice, bool loop) = 0;
    virtual void stop(int voice) = 0;
    virtual void set_volume(int voice, int32_t volume) = 0;  // hundredths of a decibel
    virtual void remove(int voice) = 0;
    // Sample frames handed to the device so far, and how many of them
    // carried sound.
    virtual uint64_t frames_mixed() const = 0;
    virtual uint64_t frames_sounding() const = 0;
};

}  // namespace vkhost

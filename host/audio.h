#pragma once
// The test host's audio output, lent to the module through the exported
// function vkhost_audio_device (the module looks it up in the process). It
// records every buffer the module makes and every play, stop and volume it
// applies; it can also sound them through the machine's audio device (SDL2),
// or refuse to open, as a machine without any sound output does.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sound/audio_device.h"

namespace vkhost {

class TestHost;
class RealOutput;

enum class AudioOutput {
    recording,  // record only (the default: silent, for tests)
    sdl,        // record, and play aloud through SDL2 where a device opens
    none,       // no output: the module's device cannot be created
};

enum class SoundAction { once, looped, stopped };

// One start or stop of a recording, with the volume applied to its buffer at
// that moment (hundredths of a decibel).
struct SoundEvent {
    std::string name;
    SoundAction action;
    int32_t volume;
    uint64_t frame;
};

// Every call the module made on the output, in order.
enum class AudioOp { open, create, fill, play, stop, volume, release, close };
struct AudioCall {
    AudioOp op;
    std::string name;   // the buffer's recording, empty for open and close
    int32_t value = 0;  // play: 1 looped; volume: the volume; create: bytes
};

struct RecordedBuffer {
    std::string name;
    VkAudioFormat format{};
    std::vector<uint8_t> data;
    int32_t volume = 0;
    bool filled = false;
    bool playing = false;  // started and not stopped (a once-play ends by itself too)
    bool looping = false;
    bool released = false;
    uint64_t started_frame = 0;
    int voice = -1;  // its twin in the real output

    double seconds() const;
    // Still sounding at `frame`: looping, or played once and not yet at its end.
    bool sounding(uint64_t frame) const;
};

// Failures a test can ask of the output.
struct AudioFaults {
    bool open = false;    // no device
    bool create = false;  // no buffer
    bool fill = false;    // buffers cannot be written
};

class Audio {
  public:
    explicit Audio(TestHost& host);
    ~Audio();
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    // Which output the next open gives; the default is recording.
    void choose(AudioOutput output) { output_ = output; }
    AudioOutput output() const { return output_; }
    AudioFaults faults;

    // ---- the device, as the module reaches it
    void* open();
    void close(void* device);
    void* create_buffer(void* device, const char* name, const VkAudioFormat* format,
                        uint32_t bytes);
    int32_t fill(void* buffer, const void* data, uint32_t bytes);
    void play(void* buffer, bool loop);
    void stop(void* buffer);
    void set_volume(void* buffer, int32_t volume);
    void release(void* buffer);

    // ---- what it saw
    bool is_open() const { return open_; }
    const std::vector<AudioCall>& calls() const { return calls_; }
    // Calls the module should never make: on a released or unknown buffer,
    // with the device closed, or with a volume out of range.
    const std::vector<std::string>& misuse() const { return misuse_; }
    // The unreleased buffer of that recording, or null.
    const RecordedBuffer* buffer(const std::string& name) const;
    // The recordings with a live, filled buffer, in the order they were made.
    std::vector<std::string> loaded() const;
    // Whether the real output plays, and if not why.
    std::string real_output_status() const { return real_status_; }
    RealOutput* real() const { return real_.get(); }

  private:
    RecordedBuffer* live(void* buffer, const char* operation);

    TestHost& host_;
    AudioOutput output_ = AudioOutput::recording;
    bool open_ = false;
    // Buffers are kept (released ones too) as long as the host lives, so that
    // a stale handle is caught as misuse, never followed into freed memory.
    std::vector<std::unique_ptr<RecordedBuffer>> buffers_;
    std::vector<AudioCall> calls_;
    std::vector<std::string> misuse_;
    std::unique_ptr<RealOutput> real_;
    std::string real_status_ = "not requested";
};

}  // namespace vkhost

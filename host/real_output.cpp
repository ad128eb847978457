#include "host/real_output.h"

#if VK_HAVE_SDL2
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace vkhost {
namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;

class SdlOutput final : public RealOutput {
  public:
    SdlOutput() = default;
    ~SdlOutput() override {
        if (!device_) return;  // start() failed and has already cleaned up
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool start(std::string& why) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            why = std::string("no audio: ") + SDL_GetError();
            return false;
        }
        SDL_AudioSpec want{};
        want.freq = kRate;
        want.format = AUDIO_F32SYS;
        want.channels = kChannels;
        want.samples = 1024;
        want.callback = &SdlOutput::mix;
        want.userdata = this;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, 0);
        if (!device_) {
            why = std::string("no audio device: ") + SDL_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    int add(const VkAudioFormat& f, const uint8_t* data, uint32_t bytes) override {
        const SDL_AudioFormat from = f.bits_per_sample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
        SDL_AudioCVT cvt;
        if (SDL_BuildAudioCVT(&cvt, from, static_cast<Uint8>(f.channels),
                              static_cast<int>(f.samples_per_sec), AUDIO_F32SYS, kChannels,
                              spec_.freq) < 0)
            return -1;
        std::vector<uint8_t> work(static_cast<size_t>(bytes) * std::max(1, cvt.len_mult));
        std::memcpy(work.data(), data, bytes);
        cvt.buf = work.data();
        cvt.len = static_cast<int>(bytes);
        if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) return -1;
        const size_t out_bytes = cvt.needed ? static_cast<size_t>(cvt.len_cvt) : bytes;
        Voice v;
        v.samples.resize(out_bytes / sizeof(float));
        std::memcpy(v.samples.data(), work.data(), v.samples.size() * sizeof(float));
        SDL_LockAudioDevice(device_);
        voices_.push_back(std::move(v));
        const int id = static_cast<int>(voices_.size()) - 1;
        SDL_UnlockAudioDevice(device_);
        return id;
    }

    void play(int id, bool loop) override {
        with_voice(id, [&](Voice& v) {
            v.playing = true;
            v.loop = loop;
        });
    }
    void stop(int id) override {
        with_voice(id, [](Voice& v) { v.playing = false; });
    }
    void set_volume(int id, int32_t volume) override {
        // Hundredths of a decibel to a gain; the bottom of the range is silence.
        const float gain = volume <= -10000 ? 0.0f : std::pow(10.0f, volume / 2000.0f);
        with_voice(id, [&](Voice& v) { v.gain = gain; });
    }
    void remove(int id) override {
        with_voice(id, [](Voice& v) {
            v.playing = false;
            v.samples.clear();
            v.samples.shrink_to_fit();
        });
    }
    uint64_t frames_mixed() const override { return read(mixed_); }
    uint64_t frames_sounding() const override { return read(sounding_); }

  private:
    struct Voice {
        std::vector<float> samples;  // interleaved stereo at the device rate
        size_t at = 0;               // where it stands, in samples
        float gain = 1.0f;
        bool playing = false;
        bool loop = false;
    };

    template <class F>
    void with_voice(int id, F&& f) {
        SDL_LockAudioDevice(device_);
        if (id >= 0 && static_cast<size_t>(id) < voices_.size()) f(voices_[id]);
        SDL_UnlockAudioDevice(device_);
    }

    uint64_t read(const uint64_t& counter) const {
        SDL_LockAudioDevice(device_);
        const uint64_t v = counter;
        SDL_UnlockAudioDevice(device_);
        return v;
    }

    // Runs on SDL's audio thread, with the device locked.
    static void SDLCALL mix(void* self, Uint8* stream, int len) {
        auto& o = *static_cast<SdlOutput*>(self);
        auto* out = reinterpret_cast<float*>(stream);
        const size_t n = static_cast<size_t>(len) / sizeof(float);
        std::fill(out, out + n, 0.0f);
        bool any = false;
        for (Voice& v : o.voices_) {
            if (!v.playing || v.samples.empty()) continue;
            any = true;
            for (size_t i = 0; i < n && v.playing; ++i) {
                out[i] += v.samples[v.at] * v.gain;
                if (++v.at == v.samples.size()) {
                    v.at = 0;  // a once-played recording ends rewound, as a static buffer does
                    v.playing = v.loop;
                }
            }
        }
        for (size_t i = 0; i < n; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
        const uint64_t frames = n / static_cast<size_t>(o.spec_.channels ? o.spec_.channels : 1);
        o.mixed_ += frames;
        if (any) o.sounding_ += frames;
    }

    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    std::vector<Voice> voices_;
    uint64_t mixed_ = 0;
    uint64_t sounding_ = 0;
};

}  // namespace

bool RealOutput::available() {
    return true;
}

std::unique_ptr<RealOutput> RealOutput::open(std::string& why) {
    auto out = std::make_unique<SdlOutput>();
    if (!out->start(why)) return nullptr;
    return out;
}

}  // namespace vkhost

#else

namespace vkhost {

bool RealOutput::available() {
    return false;
}

std::unique_ptr<RealOutput> RealOutput::open(std::string& why) {
    why = "this build of the test host has no SDL2 audio";
    return nullptr;
}

}  // namespace vkhost

#endif

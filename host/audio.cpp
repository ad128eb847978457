#include "host/audio.h"

#include <cmath>
#include <cstring>

#include "frame/abi.h"
#include "host/real_output.h"
#include "host/test_host.h"

namespace vkhost {

double RecordedBuffer::seconds() const {
    return format.avg_bytes_per_sec ? static_cast<double>(data.size()) / format.avg_bytes_per_sec
                                    : 0.0;
}

bool RecordedBuffer::sounding(uint64_t frame) const {
    if (!playing || released) return false;
    if (looping) return true;
    const double elapsed = static_cast<double>(frame - started_frame) / TestHost::kFramesPerSecond;
    return elapsed < seconds();
}

Audio::Audio(TestHost& host) : host_(host) {}
Audio::~Audio() = default;

RecordedBuffer* Audio::live(void* buffer, const char* operation) {
    for (auto& b : buffers_) {
        if (b.get() != buffer) continue;
        if (b->released) {
            misuse_.push_back(std::string(operation) + " on released " + b->name);
            return nullptr;
        }
        if (!open_) {
            misuse_.push_back(std::string(operation) + " on " + b->name +
                              " with the device closed");
            return nullptr;
        }
        return b.get();
    }
    misuse_.push_back(std::string(operation) + " on an unknown buffer");
    return nullptr;
}

void* Audio::open() {
    if (output_ == AudioOutput::none || faults.open) return nullptr;
    if (open_) {
        misuse_.push_back("open while open");
        return nullptr;
    }
    open_ = true;
    calls_.push_back({AudioOp::open, {}, 0});
    if (output_ == AudioOutput::sdl) {
        std::string why;
        real_ = RealOutput::open(why);
        real_status_ = real_ ? "playing through the audio device" : why;
    }
    return this;
}

void Audio::close(void* device) {
    if (device != this || !open_) {
        misuse_.push_back("close of a device that is not open");
        return;
    }
    calls_.push_back({AudioOp::close, {}, 0});
    for (auto& b : buffers_)
        if (!b->released) misuse_.push_back("device closed with " + b->name + " not released");
    real_.reset();
    open_ = false;
}

void* Audio::create_buffer(void* device, const char* name, const VkAudioFormat* format,
                           uint32_t bytes) {
    if (device != this || !open_) {
        misuse_.push_back("buffer made without an open device");
        return nullptr;
    }
    if (faults.create || !format || bytes == 0) return nullptr;
    auto b = std::make_unique<RecordedBuffer>();
    b->name = name ? name : "";
    b->format = *format;
    b->data.assign(bytes, 0);
    calls_.push_back({AudioOp::create, b->name, static_cast<int32_t>(bytes)});
    buffers_.push_back(std::move(b));
    return buffers_.back().get();
}

int32_t Audio::fill(void* buffer, const void* data, uint32_t bytes) {
    RecordedBuffer* b = live(buffer, "fill");
    if (!b || faults.fill) return 0;
    if (bytes != b->data.size()) misuse_.push_back("fill of " + b->name + " with another size");
    std::memcpy(b->data.data(), data, std::min<size_t>(bytes, b->data.size()));
    b->filled = true;
    calls_.push_back({AudioOp::fill, b->name, static_cast<int32_t>(bytes)});
    if (real_)
        b->voice = real_->add(b->format, b->data.data(), static_cast<uint32_t>(b->data.size()));
    if (b->voice >= 0) real_->set_volume(b->voice, b->volume);
    return 1;
}

void Audio::play(void* buffer, bool loop) {
    RecordedBuffer* b = live(buffer, "play");
    if (!b) return;
    b->playing = true;
    b->looping = loop;
    b->started_frame = host_.frame();
    calls_.push_back({AudioOp::play, b->name, loop ? 1 : 0});
    if (real_ && b->voice >= 0) real_->play(b->voice, loop);
    host_.on_sound(*b, loop ? SoundAction::looped : SoundAction::once);
}

void Audio::stop(void* buffer) {
    RecordedBuffer* b = live(buffer, "stop");
    if (!b) return;
    b->playing = false;
    calls_.push_back({AudioOp::stop, b->name, 0});
    if (real_ && b->voice >= 0) real_->stop(b->voice);
    host_.on_sound(*b, SoundAction::stopped);
}

void Audio::set_volume(void* buffer, int32_t volume) {
    RecordedBuffer* b = live(buffer, "volume");
    if (!b) return;
    if (volume < -10000 || volume > 0) {
        // A DirectSound buffer refuses it and keeps its volume.
        misuse_.push_back("volume " + std::to_string(volume) + " on " + b->name);
        return;
    }
    b->volume = volume;
    calls_.push_back({AudioOp::volume, b->name, volume});
    if (real_ && b->voice >= 0) real_->set_volume(b->voice, volume);
}

void Audio::release(void* buffer) {
    RecordedBuffer* b = live(buffer, "release");
    if (!b) return;
    b->released = true;
    b->playing = false;
    calls_.push_back({AudioOp::release, b->name, 0});
    if (real_ && b->voice >= 0) real_->remove(b->voice);
    b->voice = -1;
}

const RecordedBuffer* Audio::buffer(const std::string& name) const {
    for (const auto& b : buffers_)
        if (!b->released && b->name == name) return b.get();
    return nullptr;
}

std::vector<std::string> Audio::loaded() const {
    std::vector<std::string> names;
    for (const auto& b : buffers_)
        if (!b->released && b->filled) names.push_back(b->name);
    return names;
}

// ---------------------------------------------------------------- the exported device

namespace {

Audio* current() {
    TestHost* h = TestHost::current();
    return h ? &h->audio() : nullptr;
}

void* dev_open(uintptr_t) {
    Audio* a = current();
    return a ? a->open() : nullptr;
}
void* dev_create(void* device, const char* name, const VkAudioFormat* format, uint32_t bytes) {
    Audio* a = current();
    return a ? a->create_buffer(device, name, format, bytes) : nullptr;
}
int32_t dev_fill(void* buffer, const void* data, uint32_t bytes) {
    Audio* a = current();
    return a ? a->fill(buffer, data, bytes) : 0;
}
void dev_play(void* buffer, int32_t loop) {
    if (Audio* a = current()) a->play(buffer, loop != 0);
}
void dev_stop(void* buffer) {
    if (Audio* a = current()) a->stop(buffer);
}
void dev_set_volume(void* buffer, int32_t volume) {
    if (Audio* a = current()) a->set_volume(buffer, volume);
}
void dev_release(void* buffer) {
    if (Audio* a = current()) a->release(buffer);
}
void dev_close(void* device) {
    if (Audio* a = current()) a->close(device);
}

constexpr VkAudioDevice kDevice = {
    kVkAudioDeviceVersion, dev_open,    dev_create, dev_fill, dev_play, dev_stop,
    dev_set_volume,        dev_release, dev_close,
};

}  // namespace

}  // namespace vkhost

// Found by the module with dlsym in the whole process, whether the module is
// linked into the program or loaded from its library.
extern "C" VK_EXPORT const VkAudioDevice* vkhost_audio_device() {
    return &vkhost::kDevice;
}

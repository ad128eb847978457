// The test host's real output (SDL2): it mixes what plays and nothing else,
// and where no device opens the host goes on recording while staying silent.
#include <chrono>
#include <cstdlib>
#include <thread>

#include "host/real_output.h"
#include "support.h"

namespace vktest {
namespace {

// Chooses an SDL audio driver for one test.
class SdlDriver {
  public:
    explicit SdlDriver(const char* name) { setenv("SDL_AUDIODRIVER", name, 1); }
    ~SdlDriver() { unsetenv("SDL_AUDIODRIVER"); }
};

// Waits up to two seconds for a condition that SDL's audio thread brings about.
template <class F>
bool eventually(F&& condition) {
    for (int i = 0; i < 200; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

TEST(RealOutput, MixesOnlyWhatPlaysAndStopsWhereItIs) {
    if (!vkhost::RealOutput::available()) GTEST_SKIP() << "this build has no SDL2";
    SdlDriver driver("dummy");
    std::string why;
    auto out = vkhost::RealOutput::open(why);
    ASSERT_TRUE(out) << why;

    // A 100 ms square wave, 8-bit mono at 22050 Hz.
    std::vector<uint8_t> pcm(2205);
    for (size_t i = 0; i < pcm.size(); ++i) pcm[i] = (i / 25) % 2 ? 200 : 56;
    const VkAudioFormat format{1, 1, 22050, 22050, 1, 8, 0};
    const int voice = out->add(format, pcm.data(), static_cast<uint32_t>(pcm.size()));
    ASSERT_GE(voice, 0);

    ASSERT_TRUE(eventually([&] { return out->frames_mixed() > 4096; }));
    EXPECT_EQ(out->frames_sounding(), 0u);  // loaded, not played

    out->play(voice, true);
    ASSERT_TRUE(eventually([&] { return out->frames_sounding() > 4096; }));
    out->stop(voice);
    const uint64_t sounding = out->frames_sounding();
    const uint64_t mixed = out->frames_mixed();
    ASSERT_TRUE(eventually([&] { return out->frames_mixed() > mixed + 4096; }));
    EXPECT_EQ(out->frames_sounding(), sounding);

    out->set_volume(voice, -10000);
    out->remove(voice);
    out->play(voice, false);  // a removed voice stays silent
    const uint64_t later = out->frames_mixed();
    ASSERT_TRUE(eventually([&] { return out->frames_mixed() > later + 4096; }));
    EXPECT_EQ(out->frames_sounding(), sounding);
}

TEST(RealOutput, WithoutADeviceTheHostRecordsAndStaysSilent) {
    SdlDriver driver("no-such-driver");
    vkhost::TestHost host(vkhost::Module::linked(&Linkage, &ImportTable),
                          [] { vk::reset_state(); });
    host.set_audio_output(vkhost::AudioOutput::sdl);
    host.place("toggle_pan_start");
    EXPECT_EQ(host.audio().real(), nullptr);
    EXPECT_FALSE(host.audio().real_output_status().empty());
    EXPECT_EQ(host.audio().loaded().size(), 16u);
    host.unload();
    EXPECT_TRUE(host.audio().misuse().empty());
}

}  // namespace
}  // namespace vktest

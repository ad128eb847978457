// The cockpit's sound set through the test host's recording output: loaded
// from the real recordings at the install of the start panel's toggle gauge,
// played, looped and stopped by name, attenuated by the master volume, and
// released at its kill, with nothing touched afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "frame/controls.h"
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "sound/sound_set.h"
#include "sound/wave_builder.h"
#include "support.h"

namespace vktest {
namespace {

using vk::Sound;
using vkhost::AudioCall;
using vkhost::AudioOp;
using vkhost::SoundAction;

const std::vector<std::string> kTableOrder = {
    "CLICK",     "HI",       "LO",         "GONGMONO",   "KLAXONCONT", "SONNERIE",
    "BRAKESSND", "CRECELLE", "KLAXONGEAR", "CACHEMETAL", "V80KTS",     "V1KTS",
    "VRKTS",     "AIRCOND",  "AIRCONDENT", "AIRCONDSORT"};
const int16_t kTableVolumes[16] = {-2000, -2600, -2600, -1500, -800,  -1500, -1500, -1500,
                                   -1500, -1000, -1000, -1000, -1000, -1000, -1000, -1000};

std::vector<std::string> names_of(const std::vector<AudioCall>& calls, AudioOp op) {
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.op == op) out.push_back(c.name);
    return out;
}

class SoundSet : public LinkedHost {
  protected:
    void install() { host.place("toggle_pan_start"); }
    void kill() {
        vk::GaugeHeader* g = host.require("toggle_pan_start");
        g->callback(g, static_cast<int32_t>(vk::Service::kill), 0);
    }
    const vkhost::RecordedBuffer& buffer(const std::string& name) {
        const auto* b = host.audio().buffer(name);
        if (!b) throw std::runtime_error(name + " is not loaded");
        return *b;
    }
    ~SoundSet() override { EXPECT_EQ(host.audio().misuse(), std::vector<std::string>{}); }
};

TEST_F(SoundSet, InstallLoadsTheSixteenInTableOrderThenSetsTheirVolumesOnce) {
    install();
    const auto& calls = host.audio().calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().op, AudioOp::open);
    EXPECT_EQ(names_of(calls, AudioOp::create), kTableOrder);
    EXPECT_EQ(names_of(calls, AudioOp::volume), kTableOrder);
    // Every volume after every load.
    size_t last_create = 0, first_volume = calls.size();
    for (size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].op == AudioOp::create) last_create = i;
        if (calls[i].op == AudioOp::volume) first_volume = std::min(first_volume, i);
    }
    EXPECT_LT(last_create, first_volume);
    for (int i = 0; i < 16; ++i) {
        const auto& b = buffer(kTableOrder[i]);
        EXPECT_EQ(b.volume, kTableVolumes[i]) << kTableOrder[i];
        EXPECT_EQ(b.format.samples_per_sec, 22050u);
        EXPECT_GT(b.data.size(), 1000u);
        EXPECT_FALSE(b.playing) << kTableOrder[i];
    }
    EXPECT_TRUE(host.sounds().empty());
    // A second install loads nothing more.
    vk::GaugeHeader* g = host.require("toggle_pan_start");
    g->callback(g, static_cast<int32_t>(vk::Service::install), 0);
    EXPECT_EQ(names_of(host.audio().calls(), AudioOp::create).size(), 16u);
    EXPECT_EQ(names_of(host.audio().calls(), AudioOp::open).size(), 1u);
}

TEST_F(SoundSet, KillReleasesInReverseOrderThenClosesAndNothingIsTouchedAfter) {
    install();
    vk::loop(Sound::klaxongear);
    kill();
    auto released = names_of(host.audio().calls(), AudioOp::release);
    std::vector<std::string> reverse(kTableOrder.rbegin(), kTableOrder.rend());
    EXPECT_EQ(released, reverse);  // CRECELLE too, never played
    EXPECT_EQ(host.audio().calls().back().op, AudioOp::close);
    EXPECT_FALSE(host.audio().is_open());
    for (int i = 0; i < vk::kSoundCount; ++i) EXPECT_EQ(vk::sound_set.handles[i], nullptr);

    // After the kill: plays, stops, volume steps and a second kill reach
    // nothing (the fixture checks that no released buffer was touched).
    const size_t calls = host.audio().calls().size();
    const size_t m = host.mark();
    vk::play(Sound::click);
    vk::loop(Sound::sonnerie);
    vk::stop(Sound::klaxongear);
    vk::master_volume_decrease();
    vk::master_volume_increase();
    kill();
    EXPECT_EQ(host.audio().calls().size(), calls);
    EXPECT_TRUE(host.sounds_since(m).empty());

    // A new install after the kill loads a fresh set.
    host.run_frames(1);
    vk::GaugeHeader* g = host.require("toggle_pan_start");
    g->callback(g, static_cast<int32_t>(vk::Service::install), 0);
    EXPECT_EQ(host.audio().loaded(), kTableOrder);
}

TEST_F(SoundSet, PlayLoopAndStopReachTheirBuffers) {
    install();
    host.run_frames(3);
    size_t m = host.mark();
    vk::play(Sound::click);
    vk::loop(Sound::klaxoncont);
    host.run_frames(1);
    vk::stop(Sound::klaxoncont);
    const auto s = host.sounds_since(m);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].name, "CLICK");
    EXPECT_EQ(s[0].action, SoundAction::once);
    EXPECT_EQ(s[0].volume, -2000);
    EXPECT_EQ(s[0].frame, 3u);
    EXPECT_EQ(s[1].name, "KLAXONCONT");
    EXPECT_EQ(s[1].action, SoundAction::looped);
    EXPECT_EQ(s[1].volume, -800);
    EXPECT_EQ(s[2].action, SoundAction::stopped);
    EXPECT_EQ(s[2].frame, 4u);

    // A loop sounds until stopped; a click ends by itself.
    vk::loop(Sound::klaxongear);
    vk::play(Sound::click);
    host.run_frames(36);
    EXPECT_TRUE(host.sounding("KLAXONGEAR"));
    EXPECT_FALSE(host.sounding("CLICK"));
    m = host.mark();
    vk::stop(Sound::klaxongear);
    EXPECT_FALSE(host.sounding("KLAXONGEAR"));
    EXPECT_EQ(host.sounds_since(m).size(), 1u);
}

TEST_F(SoundSet, FifteenDecreasesLowerEveryVolumeBy1500AndASixteenthChangesNothing) {
    install();
    for (int i = 0; i < 15; ++i) vk::master_volume_decrease();
    EXPECT_EQ(vk::sound_set.master_step, -15);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(vk::sound_set.volumes[i], kTableVolumes[i] - 1500);
        EXPECT_EQ(buffer(kTableOrder[i]).volume, kTableVolumes[i] - 1500);
    }
    const size_t calls = host.audio().calls().size();
    vk::master_volume_decrease();
    EXPECT_EQ(vk::sound_set.master_step, -15);
    EXPECT_EQ(vk::sound_set.volumes[0], -3500);
    EXPECT_EQ(host.audio().calls().size(), calls);  // nothing applied again
}

TEST_F(SoundSet, StepsBeforeTheInstallCountAndIncreasesPastFullVolumeComeBackStepByStep) {
    vk::master_volume_decrease();
    vk::master_volume_decrease();
    EXPECT_TRUE(host.audio().calls().empty());
    install();
    EXPECT_EQ(buffer("CLICK").volume, -2200);
    EXPECT_EQ(buffer("KLAXONCONT").volume, -1000);
    for (int i = 0; i < 18; ++i) vk::master_volume_increase();  // the 18th does nothing
    EXPECT_EQ(vk::sound_set.master_step, 15);
    EXPECT_EQ(vk::sound_set.volumes[4], 700);  // KLAXONCONT, stored unclamped
    EXPECT_EQ(buffer("KLAXONCONT").volume, 0);
    EXPECT_EQ(buffer("CLICK").volume, -500);
    for (int i = 0; i < 7; ++i) vk::master_volume_decrease();
    EXPECT_EQ(buffer("KLAXONCONT").volume, 0);  // stored 0
    vk::master_volume_decrease();
    EXPECT_EQ(buffer("KLAXONCONT").volume, -100);
    EXPECT_EQ(vk::sound_set.master_step, 7);
}

TEST_F(SoundSet, WithoutAnOutputEverySoundOperationIsHarmless) {
    host.set_audio_output(vkhost::AudioOutput::none);
    install();
    for (int i = 0; i < vk::kSoundCount; ++i) EXPECT_EQ(vk::sound_set.handles[i], nullptr);
    vk::play(Sound::click);
    vk::loop(Sound::aircond);
    vk::stop(Sound::aircond);
    vk::master_volume_increase();
    kill();
    kill();
    EXPECT_TRUE(host.audio().calls().empty());
    EXPECT_TRUE(host.sounds().empty());
    EXPECT_EQ(vk::sound_set.master_step, 1);
}

TEST_F(SoundSet, ABufferThatCannotBeWrittenIsReleasedAndLeftNull) {
    host.audio().faults.fill = true;
    install();
    EXPECT_EQ(names_of(host.audio().calls(), AudioOp::release), kTableOrder);
    EXPECT_TRUE(names_of(host.audio().calls(), AudioOp::volume).empty());
    for (int i = 0; i < vk::kSoundCount; ++i) EXPECT_EQ(vk::sound_set.handles[i], nullptr);
    kill();
    EXPECT_EQ(host.audio().calls().back().op, AudioOp::close);
}

// ---------------------------------------------------------------- loading from files

class SoundFiles : public SoundSet {
  protected:
    SoundFiles() {
        dir = std::filesystem::temp_directory_path() /
              ("vk_sound_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "sounds");
    }
    ~SoundFiles() override {
        unsetenv("VKMORL1_RESOURCES");
        std::filesystem::remove_all(dir);
    }
    void write(const std::filesystem::path& p, const std::vector<uint8_t>& bytes) {
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::filesystem::path dir;
};

TEST_F(SoundFiles, TheResourcesDirectoryCanBeChosenAndAMissingRecordingIsSilent) {
    std::filesystem::copy_file(VK_SOURCE_DIR "/resources/sounds/CLICK.wav",
                               dir / "sounds" / "CLICK.wav");
    write(dir / "sounds" / "HI.wav", {'R', 'I', 'F', 'F', 1, 0, 0, 0, 'W', 'A', 'V', 'E'});
    setenv("VKMORL1_RESOURCES", dir.c_str(), 1);
    install();
    EXPECT_EQ(host.audio().loaded(), std::vector<std::string>{"CLICK"});
    EXPECT_EQ(names_of(host.audio().calls(), AudioOp::volume), std::vector<std::string>{"CLICK"});
    vk::master_volume_decrease();  // applied to the loaded sound only
    EXPECT_EQ(names_of(host.audio().calls(), AudioOp::volume).size(), 2u);
    const size_t m = host.mark();
    vk::play(Sound::hi);
    vk::play(Sound::click);
    ASSERT_EQ(host.sounds_since(m).size(), 1u);
    EXPECT_EQ(host.sounds_since(m)[0].name, "CLICK");
    kill();
    EXPECT_EQ(names_of(host.audio().calls(), AudioOp::release), std::vector<std::string>{"CLICK"});
}

TEST_F(SoundFiles, AFileGivenByPathLoadsOnlyWhenItIsAPlayableWave) {
    vk::sound_init(0);
    const auto good = WaveBytes().header().fmt(1, 8000, 8).chunk("data", {1, 2, 3, 4, 5}).done();
    write(dir / "good.wav", good);
    vk::SoundHandle h = vk::sound_load((dir / "good.wav").c_str());
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(host.audio().buffer((dir / "good.wav").string())->data,
              std::vector<uint8_t>({1, 2, 3, 4, 5}));
    vk::sound_release(h);

    write(dir / "empty.wav", {});
    auto cut = good;
    cut.resize(good.size() - 2);  // the pad byte and the last sample
    write(dir / "cut.wav", cut);
    for (const char* name : {"empty.wav", "cut.wav", "missing.wav", "sounds"})
        EXPECT_EQ(vk::sound_load((dir / name).c_str()), nullptr) << name;
    EXPECT_EQ(vk::sound_load(nullptr), nullptr);
    EXPECT_EQ(vk::sound_load(""), nullptr);
    vk::sound_shutdown();
    EXPECT_EQ(vk::sound_load((dir / "good.wav").c_str()), nullptr);  // no output: no buffer
}

// ---------------------------------------------------------------- gauges that click

uint8_t probe_switch = 0;
int32_t VKCALL flip(const vk::MousePoint*, uint32_t) {
    vk::set_switch(probe_switch, probe_switch ? 0 : 1);
    return 0;
}
extern vk::GaugeHeader switch_probe;
constinit vk::Chain switch_elements{&switch_probe, vk::image(100)};
constexpr auto kSwitchMouse =
    vk::mouse_list(vk::kNoHelp, vk::area(0, 0, 20, 20, vk::kCursorHand, vk::kMouseLeft, flip));
vk::GaugeHeader switch_probe = [] {
    vk::GaugeHeader h = vk::gauge_header(vk::GaugeId::testgauge2k, switch_elements.list,
                                         kSwitchMouse.data(), nullptr);
    h.name = "switch probe";
    return h;
}();

TEST_F(SoundSet, AGaugePlacedWithoutTheStartToggleClicksSilently) {
    probe_switch = 0;
    host.place(&switch_probe);
    host.click(&switch_probe, 0);
    host.run_frames(1);
    EXPECT_EQ(probe_switch, 1);  // the switch works
    EXPECT_TRUE(host.sounds().empty());

    install();
    host.click(&switch_probe, 0);
    EXPECT_EQ(probe_switch, 0);
    ASSERT_EQ(host.sounds().size(), 1u);
    EXPECT_EQ(host.sounds()[0].name, "CLICK");
    EXPECT_EQ(host.sounds()[0].action, SoundAction::once);
}

// ---------------------------------------------------------------- the library

TEST(SoundLibrary, TheLoadedLibraryFindsItsRecordingsAndTheHostsOutput) {
    vkhost::TestHost host(load_library());
    host.place("toggle_pan_start");
    EXPECT_EQ(host.audio().loaded(), kTableOrder);
    host.unload();
    EXPECT_FALSE(host.audio().is_open());
    EXPECT_EQ(host.audio().misuse(), std::vector<std::string>{});
}

}  // namespace
}  // namespace vktest

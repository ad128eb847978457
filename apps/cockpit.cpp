// Runs the cockpit module in the test host: loads it as the simulator does and
// runs scenarios (all of them, or the ones named), each on a fresh load,
// printing what happened.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "apps/scenario.h"
#include "host/module.h"
#include "host/real_output.h"
#include "host/test_host.h"

namespace {

void usage(const char* argv0) {
    std::fprintf(stderr,
                 "usage: %s [--module PATH] [--scenario NAME]... [--list] [--audio OUTPUT]\n"
                 "          [--sound-check]\n"
                 "  --module PATH    the module library (default: $VKMORL1_MODULE, or\n"
                 "                   vkmorl1.so beside this program)\n"
                 "  --scenario NAME  run this scenario (repeatable; default: all of them)\n"
                 "  --list           list the scenarios and stop\n"
                 "  --audio OUTPUT   record (default: silent), sdl (also play aloud through\n"
                 "                   the audio device; SDL_AUDIODRIVER chooses the driver) or\n"
                 "                   none (no audio device at all)\n"
                 "  --sound-check    play every loaded recording once, in turn, and stop\n",
                 argv0);
}

const vkapp::Scenario* find(const std::string& name) {
    for (const auto& s : vkapp::scenarios())
        if (name == s.name) return &s;
    return nullptr;
}

// All scenarios, told as one story when run together: the cold aircraft of
// the start-up, its engines started, the other start-ups, then the flights;
// scenarios not named here follow in their own order.
std::vector<const vkapp::Scenario*> in_story_order(const std::vector<vkapp::Scenario>& all) {
    static const std::string kStory[] = {"cold_start",     "engine_start", "running_start",
                                         "airborne_start", "approach",     "green_loss"};
    const auto rank = [](const vkapp::Scenario* s) {
        return std::find(std::begin(kStory), std::end(kStory), s->name) - std::begin(kStory);
    };
    std::vector<const vkapp::Scenario*> chosen;
    for (const auto& s : all) chosen.push_back(&s);
    std::stable_sort(chosen.begin(), chosen.end(),
                     [&](const auto* a, const auto* b) { return rank(a) < rank(b); });
    return chosen;
}

// Installs the sound set and plays every loaded recording once, in turn.
int play_sound_check(const std::string& module_path, vkhost::AudioOutput audio) {
    vkhost::TestHost host(vkhost::Module::load(module_path));
    host.set_audio_output(audio);
    host.place("toggle_pan_start");
    host.run_frames(1);
    const auto loaded = host.audio().loaded();
    std::printf("sound check: %zu of 16 recordings loaded", loaded.size());
    if (audio == vkhost::AudioOutput::sdl)
        std::printf(" (real output: %s)", host.audio().real_output_status().c_str());
    std::printf("\n");
    vkhost::RealOutput* real = host.audio().real();
    for (const auto& name : loaded) {
        const vkhost::RecordedBuffer* b = host.audio().buffer(name);
        std::printf("  %-12s %5.2f s, volume %d\n", name.c_str(), b->seconds(), b->volume);
        std::fflush(stdout);
        if (!real || b->voice < 0) continue;
        real->play(b->voice, false);
        std::this_thread::sleep_for(std::chrono::duration<double>(b->seconds() + 0.3));
        real->stop(b->voice);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string module_path;
    std::vector<const vkapp::Scenario*> chosen;
    vkhost::AudioOutput audio = vkhost::AudioOutput::recording;
    bool sound_check = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(argv[0]);
            return 0;
        } else if (arg == "--list") {
            for (const auto& s : vkapp::scenarios())
                std::printf("%-20s %s\n", s.name, s.description);
            return 0;
        } else if (arg == "--module" && i + 1 < argc) {
            module_path = argv[++i];
        } else if (arg == "--scenario" && i + 1 < argc) {
            const vkapp::Scenario* s = find(argv[++i]);
            if (!s) {
                std::fprintf(stderr, "%s: no scenario named \"%s\" (--list shows them)\n", argv[0],
                             argv[i]);
                return 2;
            }
            chosen.push_back(s);
        } else if (arg == "--audio" && i + 1 < argc) {
            const std::string out = argv[++i];
            if (out == "record") {
                audio = vkhost::AudioOutput::recording;
            } else if (out == "sdl") {
                audio = vkhost::AudioOutput::sdl;
            } else if (out == "none") {
                audio = vkhost::AudioOutput::none;
            } else {
                std::fprintf(stderr, "%s: --audio wants record, sdl or none, not \"%s\"\n", argv[0],
                             out.c_str());
                return 2;
            }
        } else if (arg == "--sound-check") {
            sound_check = true;
        } else {
            std::fprintf(stderr, "%s: unknown or incomplete option \"%s\"\n", argv[0], arg.c_str());
            usage(argv[0]);
            return 2;
        }
    }
    if (module_path.empty()) module_path = vkhost::default_module_path(argv[0]);
    if (chosen.empty()) chosen = in_story_order(vkapp::scenarios());

    try {
        if (sound_check) return play_sound_check(module_path, audio);
        for (const vkapp::Scenario* s : chosen) {
            std::printf("== %s: %s\n", s->name, s->description);
            std::printf("module   %s\n", module_path.c_str());
            vkhost::TestHost host(vkhost::Module::load(module_path));
            host.set_audio_output(audio);
            s->run(host, stdout);
            std::printf("\n");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}

// Runs the cockpit module in the test host: loads it as the simulator does,
// places every gauge, runs some seconds of frames and reports what happened.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>
#include <string>
#include <thread>

#include "frame/host_vars.h"
#include "host/module.h"
#include "host/real_output.h"
#include "host/test_host.h"

namespace {

void usage(const char* argv0) {
    std::fprintf(stderr,
                 "usage: %s [--module PATH] [--seconds N] [--audio OUTPUT] [--sound-check]\n"
                 "  --module PATH   the module library (default: $VKMORL1_MODULE, or vkmorl1.so\n"
                 "                  beside this program)\n"
                 "  --seconds N     simulated seconds to run, 0 to 3600 (default 5)\n"
                 "  --audio OUTPUT  record (default: silent), sdl (also play aloud through\n"
                 "                  the audio device; SDL_AUDIODRIVER chooses the driver) or\n"
                 "                  none (no audio device at all)\n"
                 "  --sound-check   after the run, play every loaded recording once, in turn\n",
                 argv0);
}

bool parse_seconds(const char* text, double& out) {
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(v >= 0.0 && v <= 3600.0)) return false;
    out = v;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string module_path;
    double seconds = 5.0;
    vkhost::AudioOutput audio = vkhost::AudioOutput::recording;
    bool sound_check = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(argv[0]);
            return 0;
        } else if (arg == "--module" && i + 1 < argc) {
            module_path = argv[++i];
        } else if (arg == "--seconds" && i + 1 < argc) {
            if (!parse_seconds(argv[++i], seconds)) {
                std::fprintf(stderr, "%s: --seconds wants a number from 0 to 3600, not \"%s\"\n",
                             argv[0], argv[i]);
                return 2;
            }
        } else if (arg == "--audio" && i + 1 < argc) {
            const std::string out = argv[++i];
            if (out == "record")
                audio = vkhost::AudioOutput::recording;
            else if (out == "sdl")
                audio = vkhost::AudioOutput::sdl;
            else if (out == "none")
                audio = vkhost::AudioOutput::none;
            else {
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

    try {
        vkhost::TestHost host(vkhost::Module::load(module_path));
        std::printf("module   %s\n", module_path.c_str());
        std::printf("gauges   %d in the gauge table\n", host.gauge_count());

        const auto built = host.built_gauges();
        const auto pending = host.pending_gauges();
        std::printf("built    %zu:", built.size());
        for (const auto& name : built) std::printf(" %s", name.c_str());
        std::printf("\nwaiting  %zu gauges (header only, not built yet)\n", pending.size());

        host.set_audio_output(audio);
        host.place_all();
        const int frames = static_cast<int>(seconds * vkhost::TestHost::kFramesPerSecond);
        host.run_frames(frames);
        std::printf("ran      %d frames (%.1f simulated seconds)\n", frames, seconds);

        std::printf("\ndebug gauge (testgauge2k), host-variable view:\n");
        for (int k = 2; k < 6; ++k)
            std::printf("  line %d  %s\n", k - 1, host.text("testgauge2k", k).c_str());
        host.click("testgauge2k", 0);
        host.run_frames(1);
        std::printf("debug gauge after a click, battery view:\n");
        for (int k = 2; k < 6; ++k)
            std::printf("  line %d  %s\n", k - 1, host.text("testgauge2k", k).c_str());

        std::printf("\nhost variables read (id: refreshes, value now):\n");
        for (const auto& [id, count] : host.lookup_counts())
            std::printf("  0x%03X: %llu, %g\n", static_cast<unsigned>(id),
                        static_cast<unsigned long long>(count), host.get(id));

        std::printf("\nkey events sent: %zu\n", host.keys().size());
        std::map<int32_t, int> per_event;
        for (const auto& k : host.keys()) ++per_event[k.id];
        for (const auto& [id, n] : per_event)
            std::printf("  0x%05X x %d\n", static_cast<unsigned>(id), n);

        const auto loaded = host.audio().loaded();
        std::printf("\nsound set: %zu of 16 recordings loaded", loaded.size());
        if (audio == vkhost::AudioOutput::none) std::printf(" (no audio device)");
        if (audio == vkhost::AudioOutput::sdl)
            std::printf(" (real output: %s)", host.audio().real_output_status().c_str());
        std::printf("\nsounds started or stopped: %zu\n", host.sounds().size());
        std::map<std::string, int> per_sound;
        for (const auto& s : host.sounds()) ++per_sound[s.name];
        for (const auto& [name, n] : per_sound) std::printf("  %s x %d\n", name.c_str(), n);
        for (const auto& m : host.audio().misuse()) std::printf("  misuse: %s\n", m.c_str());

        if (sound_check) {
            std::printf("\nsound check:\n");
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
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}

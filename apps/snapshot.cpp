// Writes PNG pictures of the cockpit: named gauges, panel windows, or every
// open window, after a number of frames in the test host.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "apps/scenario.h"
#include "host/module.h"
#include "host/render/render.h"
#include "host/test_host.h"

namespace {

void usage(const char* argv0) {
    std::fprintf(
        stderr,
        "usage: %s [what] [options]\n"
        "what (any mix; at least one):\n"
        "  --gauge NAME      one gauge (full name or without \"morvalde \"); repeatable\n"
        "  --window IDENT    one panel window by ident (MAIN_PANEL or a number); repeatable\n"
        "  --all-open        every window open after the frames\n"
        "  --all-gauges      every built gauge\n"
        "  --all-windows     every window of the panel configuration\n"
        "options:\n"
        "  --scenario NAME   run this scenario of the cockpit program first (its timeline goes\n"
        "                    to standard output)\n"
        "  --frames N        frames to run first (after the scenario), 0 to 100000\n"
        "                    (default 18, one second; 0 after a scenario)\n"
        "  --set ID=VALUE    a host variable before the frames (hex 0x.. or decimal id); "
        "repeatable\n"
        "  --out DIR         where the PNGs go (default: snapshots)\n"
        "  --module PATH     the module library (default: $VKMORL1_MODULE or vkmorl1.so beside\n"
        "                    this program)\n"
        "  --bitmaps DIR     the module's bitmaps (default: $VKMORL1_BITMAPS or bitmaps/ beside\n"
        "                    the module)\n"
        "  --panel PATH      the panel configuration (default: panel.cfg beside this program)\n"
        "  --no-placeholders draw nothing where a gauge is not built yet\n",
        argv0);
}

// A decimal number, or a hexadecimal one written 0x...
bool parse_long(const std::string& text, long lo, long hi, long& out) {
    errno = 0;
    char* end = nullptr;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const long v = std::strtol(text.c_str(), &end, hex ? 16 : 10);
    if (text.empty() || *end != '\0' || errno != 0 || v < lo || v > hi) return false;
    out = v;
    return true;
}

std::string file_name(const std::string& s) {
    std::string out;
    for (char c : s)
        out += (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-') ? c : '_';
    return out;
}

std::string beside(const char* argv0, const std::string& name) {
    const std::string self = argv0;
    const size_t slash = self.find_last_of('/');
    return (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/" + name;
}

}  // namespace

int main(int argc, char** argv) {
    const char* me = argv[0];
    std::vector<std::string> gauges;
    std::vector<int32_t> windows;
    std::vector<std::pair<int32_t, double>> sets;
    bool all_open = false, all_gauges = false, all_windows = false;
    vkhost::RenderOptions options;
    long frames = -1;
    const vkapp::Scenario* scenario = nullptr;
    std::string out = "snapshots", module_path, bitmap_dir, panel_path;
    auto bad = [&](const std::string& what) {
        std::fprintf(stderr, "%s: %s\n", me, what.c_str());
        return 2;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            usage(me);
            return 0;
        } else if (arg == "--gauge" && has_value) {
            gauges.push_back(argv[++i]);
        } else if (arg == "--window" && has_value) {
            const std::string v = argv[++i];
            long ident = 0;
            if (v == "MAIN_PANEL" || v == "main_panel")
                ident = vkhost::kMainPanelIdent;
            else if (!parse_long(v, 0, 0x7FFFFFFF, ident))
                return bad("--window wants MAIN_PANEL or a window ident number, not \"" + v + "\"");
            windows.push_back(static_cast<int32_t>(ident));
        } else if (arg == "--all-open") {
            all_open = true;
        } else if (arg == "--all-gauges") {
            all_gauges = true;
        } else if (arg == "--all-windows") {
            all_windows = true;
        } else if (arg == "--frames" && has_value) {
            if (!parse_long(argv[++i], 0, 100000, frames))
                return bad(std::string("--frames wants a number from 0 to 100000, not \"") +
                           argv[i] + "\"");
        } else if (arg == "--scenario" && has_value) {
            const std::string name = argv[++i];
            for (const auto& sc : vkapp::scenarios())
                if (name == sc.name) scenario = &sc;
            if (!scenario) {
                std::string known;
                for (const auto& sc : vkapp::scenarios()) known += std::string(" ") + sc.name;
                return bad("no scenario named \"" + name + "\"; there are:" + known);
            }
        } else if (arg == "--set" && has_value) {
            const std::string v = argv[++i];
            const size_t eq = v.find('=');
            long id = 0;
            char* end = nullptr;
            const double value =
                eq == std::string::npos ? 0 : std::strtod(v.c_str() + eq + 1, &end);
            if (eq == std::string::npos || !parse_long(v.substr(0, eq), 1, 0xFFFF, id) ||
                end == v.c_str() + eq + 1 || *end != '\0')
                return bad("--set wants ID=VALUE, e.g. 0x266=120.5, not \"" + v + "\"");
            sets.emplace_back(static_cast<int32_t>(id), value);
        } else if (arg == "--out" && has_value) {
            out = argv[++i];
        } else if (arg == "--module" && has_value) {
            module_path = argv[++i];
        } else if (arg == "--bitmaps" && has_value) {
            bitmap_dir = argv[++i];
        } else if (arg == "--panel" && has_value) {
            panel_path = argv[++i];
        } else if (arg == "--no-placeholders") {
            options.placeholders = false;
        } else {
            usage(me);
            return bad("unknown or incomplete option \"" + arg + "\"");
        }
    }
    if (gauges.empty() && windows.empty() && !all_open && !all_gauges && !all_windows) {
        usage(me);
        return bad(
            "nothing to draw: give --gauge, --window, --all-open, --all-gauges or --all-windows");
    }
    if (frames < 0) frames = scenario ? 0 : 18;
    if (module_path.empty()) module_path = vkhost::default_module_path(me);
    if (bitmap_dir.empty()) bitmap_dir = vkhost::default_bitmap_dir(module_path);
    if (panel_path.empty()) panel_path = beside(me, "panel.cfg");

    try {
        vkhost::TestHost host(vkhost::Module::load(module_path));
        host.load_panel_config(panel_path);
        if (all_gauges)
            for (const std::string& name : host.built_gauges())
                if (std::find(gauges.begin(), gauges.end(), name) == gauges.end())
                    gauges.push_back(name);
        // A gauge drawn on its own runs like a placed one.
        for (const std::string& name : gauges) host.place(name);  // throws for unknown names
        for (int32_t ident : windows)
            if (!host.panel().find(ident))
                throw std::invalid_argument("the panel configuration has no window with ident " +
                                            std::to_string(ident));
        for (const auto& [id, value] : sets) host.set(id, value);
        if (scenario) {
            std::printf("scenario %s: %s\n", scenario->name, scenario->description);
            scenario->run(host, stdout);
        }
        std::printf("running %ld frames...\n", frames);
        for (long done = 0; done < frames;) {
            const long step = std::min(frames - done, 1800L);
            host.run_frames(static_cast<int>(step));
            done += step;
            if (frames > 1800) std::printf("  %ld of %ld frames\n", done, frames);
        }

        std::error_code ec;
        std::filesystem::create_directories(out, ec);
        if (ec) throw std::runtime_error("cannot create " + out + ": " + ec.message());
        vkhost::BitmapStore bitmaps(bitmap_dir);
        int written = 0;
        auto save = [&](const vkhost::Canvas& c, const std::string& name) {
            std::string error;
            const std::string path = out + "/" + name + ".png";
            if (!c.write_png(path, error)) throw std::runtime_error(error);
            std::printf("  %s (%dx%d)\n", path.c_str(), c.width(), c.height());
            ++written;
        };
        for (const std::string& name : gauges) {
            const vk::GaugeHeader* g = host.require(name);
            if (!host.built(g))
                std::printf("  %s is not built yet: nothing to draw\n", g->name);
            else
                save(vkhost::render_gauge(host, g, bitmaps), "gauge_" + file_name(g->name));
        }
        std::vector<int32_t> want = windows;
        auto add = [&](int32_t ident) {
            if (std::find(want.begin(), want.end(), ident) == want.end()) want.push_back(ident);
        };
        if (all_open)
            for (int32_t ident : host.open_windows()) add(ident);
        if (all_windows)
            for (const vkhost::PanelWindow& w : host.panel().windows)
                if (w.ident) add(*w.ident);
        for (int32_t ident : want) {
            const vkhost::PanelWindow* w = host.panel().find(ident);
            if (!w) {
                std::printf("  window %d is open but not in the panel configuration\n", ident);
                continue;
            }
            save(vkhost::render_window(host, *w, bitmaps, options),
                 "window_" + std::to_string(ident) + "_" + file_name(w->title));
        }
        for (const std::string& p : bitmaps.problems())
            std::fprintf(stderr, "%s: warning: %s\n", me, p.c_str());
        std::printf("%d pictures in %s\n", written, out.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", me, e.what());
        return 1;
    }
    return 0;
}

#pragma once
// A frame-by-frame timeline of what the cockpit does to its host: the panel
// windows it opens and closes and the key events it sends. Frames that do the
// same thing in a row are printed once, as a range.
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "apps/scenario.h"
#include "host/aircraft.h"
#include "host/test_host.h"

namespace vkapp {

class PanelTimeline {
  public:
    PanelTimeline(vkhost::TestHost& host, std::FILE* out) : host_(host), out_(out) {}
    ~PanelTimeline() { flush(); }

    // Runs `frames` frames, one at a time, and records what each one did.
    void run(int frames) {
        for (int f = 0; f < frames; ++f) {
            const std::set<int32_t> before = open_windows();
            const size_t mark = host_.mark();
            host_.run_frames(1);
            record(describe(before, open_windows(), host_.keys_since(mark)));
        }
    }

    // A line of its own, at the current time.
    void note(const std::string& text) {
        flush();
        std::fprintf(out_, "%s  %s\n", timestamp(host_).c_str(), text.c_str());
    }

    std::set<int32_t> open_windows() const {
        std::set<int32_t> open;
        for (int32_t w : host_.open_windows())
            if (w != vkhost::kMainPanelIdent) open.insert(w);
        return open;
    }

    // The windows by name and ident, wrapped under the first one's column.
    std::string window_list(const std::set<int32_t>& windows, size_t indent = 13) const {
        std::string text;
        size_t line = indent;
        for (int32_t w : windows) {
            const std::string label = vkhost::window_label(host_, w);
            if (!text.empty()) {
                text += ",";
                if (line + label.size() + 2 > 100) {
                    text += "\n" + std::string(indent, ' ');
                    line = indent;
                } else {
                    text += " ";
                    line += 2;
                }
            }
            text += label;
            line += label.size();
        }
        return text.empty() ? "none" : text;
    }

  private:
    static std::string key_name(int32_t id, int32_t value) {
        static const std::map<int32_t, const char*> kRoles = {
            {0x101F5, "cold-aircraft setup"}, {0x10208, "panel light on"},
            {0x10209, "panel light off"},     {0x10348, "light A shed"},
            {0x10349, "light B shed"},        {0x10413, "cabin light shed"},
            {0x103CA, "window toggle"},       {0x103CB, "window open"},
            {0x103CC, "window close"},        {0x103D1, "ATC window shown"},
            {0x103D2, "ATC window hidden"},
        };
        char text[96];
        const auto it = kRoles.find(id);
        const bool window = id >= 0x103CA && id <= 0x103CC;
        if (window)
            std::snprintf(text, sizeof text, "0x%05X %s", static_cast<unsigned>(id), it->second);
        else if (it != kRoles.end())
            std::snprintf(text, sizeof text, "0x%05X(%d) %s", static_cast<unsigned>(id), value,
                          it->second);
        else
            std::snprintf(text, sizeof text, "0x%05X(%d)", static_cast<unsigned>(id), value);
        return text;
    }

    std::string describe(const std::set<int32_t>& before, const std::set<int32_t>& after,
                         const std::vector<vkhost::KeyEventRecord>& keys) const {
        std::set<int32_t> opened, closed;
        for (int32_t w : after)
            if (!before.count(w)) opened.insert(w);
        for (int32_t w : before)
            if (!after.count(w)) closed.insert(w);
        // Key events in the order first sent, with how many times.
        std::vector<std::pair<std::string, int>> counted;
        for (const auto& k : keys) {
            const std::string name = key_name(k.id, k.value);
            bool found = false;
            for (auto& [n, c] : counted)
                if (n == name) found = ++c;
            if (!found) counted.emplace_back(name, 1);
        }
        std::string text;
        if (!opened.empty()) text += "\n      opened " + window_list(opened);
        if (!closed.empty()) text += "\n      closed " + window_list(closed);
        if (!counted.empty()) {
            text += "\n      keys  ";
            for (size_t i = 0; i < counted.size(); ++i)
                text += (i ? ", " : "") + counted[i].first +
                        (counted[i].second > 1 ? " x" + std::to_string(counted[i].second) : "");
        }
        return text;
    }

    void record(const std::string& what) {
        const uint64_t frame = host_.frame();
        if (run_frames_ > 0 && what == run_what_) {
            ++run_frames_;
            return;
        }
        flush();
        run_first_ = frame;
        run_frames_ = 1;
        run_what_ = what;
    }

    void flush() {
        if (run_frames_ == 0) return;
        const double t = static_cast<double>(run_first_) / vkhost::TestHost::kFramesPerSecond;
        char head[64];
        if (run_frames_ == 1)
            std::snprintf(head, sizeof head, "t=%6.2fs  frame %llu", t,
                          static_cast<unsigned long long>(run_first_));
        else
            std::snprintf(head, sizeof head, "t=%6.2fs  frames %llu-%llu", t,
                          static_cast<unsigned long long>(run_first_),
                          static_cast<unsigned long long>(run_first_ + run_frames_ - 1));
        std::fprintf(out_, "%s%s%s\n", head,
                     run_frames_ > 1 && !run_what_.empty() ? ", each:" : ":",
                     run_what_.empty() ? " nothing" : run_what_.c_str());
        run_frames_ = 0;
    }

    vkhost::TestHost& host_;
    std::FILE* out_;
    uint64_t run_first_ = 0;
    uint64_t run_frames_ = 0;
    std::string run_what_;
};

// The frames in which the module sent a key event (with that value, or any
// value when `value` is negative), each frame once.
inline std::vector<uint64_t> frames_with(const vkhost::TestHost& host, int32_t key,
                                         int32_t value = -1) {
    std::vector<uint64_t> frames;
    for (const auto& k : host.keys())
        if (k.id == key && (value < 0 || k.value == value) &&
            (frames.empty() || frames.back() != k.frame))
            frames.push_back(k.frame);
    return frames;
}

// "frames 14-21 (8)", "frame 22", or "no frames".
inline std::string frame_span(const std::vector<uint64_t>& frames) {
    if (frames.empty()) return "no frames";
    if (frames.size() == 1) return "frame " + std::to_string(frames.front());
    return "frames " + std::to_string(frames.front()) + "-" + std::to_string(frames.back()) + " (" +
           std::to_string(frames.size()) + ")";
}

// Notes the running-aircraft start-up's steps (its windows opened, the
// electrical panel and then the others closed, no cold settings sent) and the
// windows left open once it is over.
inline void note_running_start_up(PanelTimeline& timeline, const vkhost::TestHost& host) {
    timeline.note("start-up steps: running-aircraft windows opened on " +
                  frame_span(frames_with(host, 0x103CB, 10170)) +
                  ", the electrical panel closed on " +
                  frame_span(frames_with(host, 0x103CC, 10080)) + ", the other windows on " +
                  frame_span(frames_with(host, 0x103CC, 10040)) + "; cold-aircraft settings on " +
                  frame_span(frames_with(host, 0x101F5)));
    timeline.note("start-up over; windows open: " +
                  timeline.window_list(timeline.open_windows(), 11));
}

// How many of the module's gauges the host has placed (installed) so far.
inline int placed_gauges(const vkhost::TestHost& host) {
    int n = 0;
    for (int i = 0; i < host.gauge_count(); ++i) n += host.placed(host.gauge(i));
    return n;
}

}  // namespace vkapp

#include "host/panel_config.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

namespace vkhost {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Text made printable for an error message, cut to a sensible length.
std::string shown(std::string_view s) {
    std::string out;
    for (char c : s.substr(0, 60)) {
        const auto u = static_cast<unsigned char>(c);
        out += (u >= 0x20 && u < 0x7F) ? c : '?';
    }
    if (s.size() > 60) out += "...";
    return "\"" + out + "\"";
}

// An integer within +-1,000,000, the whole text and nothing else.
std::optional<int> to_int(std::string_view s) {
    s = trim(s);
    if (s.empty() || s.size() > 12) return std::nullopt;
    const std::string t(s);
    char* end = nullptr;
    const long v = std::strtol(t.c_str(), &end, 10);
    if (end != t.c_str() + t.size() || v < -1000000 || v > 1000000) return std::nullopt;
    return static_cast<int>(v);
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i <= s.size(); ++i)
        if (i == s.size() || s[i] == sep) {
            out.push_back(trim(s.substr(start, i - start)));
            start = i + 1;
        }
    return out;
}

// "window07" -> 7; the prefix compared without regard to case.
std::optional<int> numbered(std::string_view key, std::string_view prefix) {
    if (key.size() <= prefix.size() || lower(key.substr(0, prefix.size())) != prefix)
        return std::nullopt;
    const std::string_view digits = key.substr(prefix.size());
    if (digits.size() > 3) return std::nullopt;
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    return std::atoi(std::string(digits).c_str());
}

class Parser {
  public:
    Parser(std::string_view text, const std::string& file) : text_(text) {
        result_.config.file = file;
    }

    PanelConfigResult run() {
        int number = 0;
        size_t pos = 0;
        while (pos <= text_.size()) {
            size_t end = text_.find('\n', pos);
            if (end == std::string_view::npos) end = text_.size();
            line(++number, text_.substr(pos, end - pos));
            pos = end + 1;
        }
        // Titles may come before their windows.
        for (PanelWindow& w : result_.config.windows)
            for (const auto& [n, title] : titles_)
                if (n == w.number) w.title = title;
        return std::move(result_);
    }

  private:
    enum class Section { none, titles, window, other };

    void error(int line, const std::string& what) {
        result_.errors.push_back(result_.config.file + ":" + std::to_string(line) + ": " + what);
    }

    void line(int n, std::string_view raw) {
        std::string_view s = raw;
        if (const size_t c = s.find("//"); c != std::string_view::npos) s = s.substr(0, c);
        s = trim(s);
        if (s.empty() || s.front() == ';') return;
        if (s.front() == '[') return section(n, s);
        const size_t eq = s.find('=');
        if (eq == std::string_view::npos) {
            error(n, "expected a [section] or key=value, found " + shown(s));
            return;
        }
        const std::string_view key = trim(s.substr(0, eq));
        const std::string_view value = trim(s.substr(eq + 1));
        if (key.empty()) {
            error(n, "expected a key before '='");
            return;
        }
        switch (section_) {
            case Section::none:
                error(n, "expected a [section] before " + shown(key));
                break;
            case Section::titles:
                title(n, key, value);
                break;
            case Section::window:
                window_key(n, key, value);
                break;
            case Section::other:
                break;
        }
    }

    void section(int n, std::string_view s) {
        window_ = nullptr;
        if (s.back() != ']') {
            error(n, "expected ']' to close the section name " + shown(s));
            section_ = Section::other;  // its keys are skipped, not reported one by one
            return;
        }
        const std::string_view name = trim(s.substr(1, s.size() - 2));
        if (name.empty()) {
            error(n, "expected a section name between '[' and ']'");
            section_ = Section::other;
            return;
        }
        if (!seen_sections_.insert(lower(name)).second) {
            error(n, "section [" + std::string(name) + "] appears twice");
            section_ = Section::other;
            return;
        }
        if (lower(name) == "window titles") {
            section_ = Section::titles;
        } else if (const auto k = numbered(name, "window")) {
            section_ = Section::window;
            PanelWindow w;
            w.number = *k;
            w.line = n;
            result_.config.windows.push_back(std::move(w));
            window_ = &result_.config.windows.back();
            gauge_keys_.clear();
        } else {
            section_ = Section::other;
        }
    }

    void title(int n, std::string_view key, std::string_view value) {
        const auto k = numbered(key, "window");
        if (!k) {
            error(n, "expected WindowNN=title in [Window Titles], found " + shown(key));
            return;
        }
        titles_.emplace_back(*k, std::string(value));
    }

    void window_key(int n, std::string_view key, std::string_view value) {
        PanelWindow& w = *window_;
        const std::string k = lower(key);
        if (k == "ident") {
            if (lower(value) == "main_panel") {
                w.ident = kMainPanelIdent;
            } else if (const auto v = to_int(value); v && *v >= 0) {
                w.ident = *v;
            } else {
                error(n, "ident: expected MAIN_PANEL or a number, found " + shown(value));
            }
        } else if (k == "size_mm") {
            const auto parts = split(value, ',');
            const auto a = to_int(parts[0]);
            const auto b = parts.size() > 1 ? to_int(parts[1]) : std::optional<int>(0);
            if (parts.size() > 2 || !a || !b || *a <= 0 || *b < 0) {
                error(n,
                      "size_mm: expected a width or width,height in positive whole numbers, "
                      "found " +
                          shown(value));
                return;
            }
            w.size_w = *a;
            w.size_h = *b;
        } else if (k == "position") {
            const auto v = to_int(value);
            if (!v || *v < 0 || *v > 8) {
                error(n, "position: expected a number from 0 to 8, found " + shown(value));
                return;
            }
            w.position = *v;
        } else if (k == "visible") {
            const auto v = to_int(value);
            if (!v || (*v != 0 && *v != 1)) {
                error(n, "visible: expected 0 or 1, found " + shown(value));
                return;
            }
            w.visible = *v == 1;
        } else if (numbered(key, "gauge")) {
            if (!gauge_keys_.insert(k).second) {
                error(n, std::string(key) + " appears twice in [Window" + std::to_string(w.number) +
                             "]");
                return;
            }
            gauge(n, key, value);
        }
    }

    void gauge(int n, std::string_view key, std::string_view value) {
        const std::string what(key);
        const auto parts = split(value, ',');
        if (parts.size() < 3 || parts.size() > 5) {
            error(n,
                  what + ": expected module!gauge, x, y[, width[, height]], found " + shown(value));
            return;
        }
        const size_t bang = parts[0].find('!');
        if (bang == std::string_view::npos || bang == 0 || bang + 1 == parts[0].size()) {
            error(n,
                  what + ": expected module!gauge before the first ',', found " + shown(parts[0]));
            return;
        }
        PanelGauge g;
        g.module = std::string(trim(parts[0].substr(0, bang)));
        g.name = std::string(trim(parts[0].substr(bang + 1)));
        g.line = n;
        static constexpr const char* kField[] = {"", "x", "y", "width", "height"};
        for (size_t i = 1; i < parts.size(); ++i) {
            const auto v = to_int(parts[i]);
            const bool size = i >= 3;
            if (!v || (size && *v <= 0)) {
                error(n, what + ": expected " +
                             (size ? "a positive whole number" : std::string("a whole number")) +
                             " for " + kField[i] + ", found " + shown(parts[i]));
                return;
            }
            if (i == 1) g.x = *v;
            if (i == 2) g.y = *v;
            if (i == 3) g.width = *v;
            if (i == 4) g.height = *v;
        }
        window_->gauges.push_back(std::move(g));
    }

    std::string_view text_;
    PanelConfigResult result_;
    Section section_ = Section::none;
    PanelWindow* window_ = nullptr;
    std::set<std::string> seen_sections_;
    std::set<std::string> gauge_keys_;
    std::vector<std::pair<int, std::string>> titles_;
};

}  // namespace

const PanelWindow* PanelConfig::find(int32_t ident) const {
    for (const PanelWindow& w : windows)
        if (w.ident && *w.ident == ident) return &w;
    return nullptr;
}

PanelConfigResult parse_panel_config(std::string_view text, const std::string& file) {
    PanelConfigResult r = Parser(text, file).run();
    // Two windows claiming one ident leave the host unable to tell them apart.
    std::set<int32_t> idents;
    for (const PanelWindow& w : r.config.windows)
        if (w.ident && !idents.insert(*w.ident).second)
            r.errors.push_back(file + ":" + std::to_string(w.line) + ": ident " +
                               std::to_string(*w.ident) + " is used by an earlier window");
    return r;
}

PanelConfigResult read_panel_config(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        PanelConfigResult r;
        r.config.file = path;
        r.errors.push_back(path + ": cannot be read");
        return r;
    }
    const std::string text{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    return parse_panel_config(text, path);
}

}  // namespace vkhost

// Painting the planned pictures with cairo, then quantizing them to the fixed
// palette: transparent pixels become the colour key.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "tools/artwork/artwork.h"

namespace vkart {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Colour {
    double r, g, b;
};
constexpr Colour kPanel{52 / 255., 58 / 255., 62 / 255.};
constexpr Colour kBevelLight{96 / 255., 104 / 255., 110 / 255.};
constexpr Colour kBevelDark{26 / 255., 28 / 255., 30 / 255.};
constexpr Colour kFace{20 / 255., 22 / 255., 24 / 255.};
constexpr Colour kMarking{0.94, 0.94, 0.94};
constexpr Colour kNightMarking{0.78, 0.9, 0.47};
constexpr Colour kAreaLine{84 / 255., 92 / 255., 98 / 255.};
constexpr Colour kAreaGlyph{150 / 255., 160 / 255., 168 / 255.};
constexpr Colour kNearBlack{24 / 255., 24 / 255., 24 / 255.};
constexpr Colour kLampColours[] = {
    {1.0, 0.69, 0.0}, {0.16, 0.8, 0.24}, {0.9, 0.16, 0.12}, {0.98, 0.92, 0.7}, {0.35, 0.63, 1.0}};

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

void set(cairo_t* cr, Colour c, double a = 1.0) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, a);
}

std::string format_value(double v) {
    char buf[32];
    if (std::fabs(v - std::round(v)) < 1e-9 && std::fabs(v) < 1e9)
        std::snprintf(buf, sizeof buf, "%.0f", v);
    else
        std::snprintf(buf, sizeof buf, "%.3g", v);
    return buf;
}

void text_at(cairo_t* cr, const std::string& s, double cx, double cy, double size,
             bool bold = false) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t te;
    cairo_text_extents(cr, s.c_str(), &te);
    cairo_move_to(cr, cx - te.width / 2 - te.x_bearing, cy - te.height / 2 - te.y_bearing);
    cairo_show_text(cr, s.c_str());
}

// ---- backgrounds and overlays

struct Placed {
    double x0, y0, x1, y1;
};

void dial_markings(cairo_t* cr, const Dial& d, Colour c, std::vector<Placed>& labels) {
    const double tick = std::clamp(d.reach * 0.14, 3.0, 10.0);
    const double font = std::clamp(d.reach * 0.16, 7.0, 13.0);
    set(cr, c);
    cairo_set_line_width(cr, std::clamp(d.reach / 40, 1.0, 2.0));
    // An arc through the ticks when the points lie on one circle.
    double rmin = 1e9, rmax = 0;
    for (const DialPoint& p : d.points) {
        const double r = std::hypot(p.x - d.cx, p.y - d.cy);
        rmin = std::min(rmin, r);
        rmax = std::max(rmax, r);
    }
    if (d.points.size() >= 2 && rmax - rmin < 0.12 * rmax && rmax > 12) {
        // Screen angles of successive points, unwrapped, drawn as one arc.
        double prev = 0;
        cairo_new_path(cr);
        for (size_t i = 0; i < d.points.size(); ++i) {
            double a = std::atan2(d.points[i].y - d.cy, d.points[i].x - d.cx);
            if (i > 0) {
                while (a - prev > kPi) a -= 2 * kPi;
                while (a - prev < -kPi) a += 2 * kPi;
                if (a >= prev)
                    cairo_arc(cr, d.cx, d.cy, rmax - tick, prev, a);
                else
                    cairo_arc_negative(cr, d.cx, d.cy, rmax - tick, prev, a);
            }
            prev = a;
        }
        cairo_stroke(cr);
    }
    for (const DialPoint& p : d.points) {
        const double r = std::hypot(p.x - d.cx, p.y - d.cy);
        if (r < 1) continue;
        const double ux = (p.x - d.cx) / r, uy = (p.y - d.cy) / r;
        // The tick ends exactly on the table point, where the needle tip stands.
        cairo_move_to(cr, p.x + 0.5 * ux, p.y + 0.5 * uy);
        cairo_line_to(cr, p.x - tick * ux, p.y - tick * uy);
        cairo_stroke(cr);
        const std::string s = format_value(p.value);
        cairo_set_font_size(cr, font);
        cairo_text_extents_t te;
        cairo_text_extents(cr, s.c_str(), &te);
        const double back = tick + 2 + std::max(te.width, te.height) / 2 + 1;
        if (r - back < font * 0.5) continue;  // no room inside the ticks
        const double lx = p.x - back * ux, ly = p.y - back * uy;
        const Placed box{lx - te.width / 2, ly - te.height / 2, lx + te.width / 2,
                         ly + te.height / 2};
        bool clash = false;
        for (const Placed& o : labels)
            clash |= box.x0 < o.x1 && o.x0 < box.x1 && box.y0 < o.y1 && o.y0 < box.y1;
        if (clash) continue;
        labels.push_back(box);
        text_at(cr, s, lx, ly, font);
    }
}

void dial_face(cairo_t* cr, const Dial& d) {
    set(cr, kFace);
    cairo_arc(cr, d.cx, d.cy, d.reach + 3, 0, 2 * kPi);
    cairo_fill(cr);
    set(cr, kBevelLight);
    cairo_set_line_width(cr, 1);
    cairo_arc(cr, d.cx, d.cy, d.reach + 3, 0, 2 * kPi);
    cairo_stroke(cr);
}

void area_mark(cairo_t* cr, const AreaMark& a) {
    set(cr, kAreaLine);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, a.x + 1.5, a.y + 1.5, std::max(1, a.w - 3), std::max(1, a.h - 3));
    cairo_stroke(cr);
    if (a.cursor != vk::kCursorUp && a.cursor != vk::kCursorDown) return;
    // A small arrow: up for areas that increase, down for those that decrease.
    const double s = std::clamp(std::min(a.w, a.h) * 0.25, 3.0, 6.0);
    const double cx = a.x + a.w / 2.0, cy = a.y + a.h / 2.0;
    const double dir = a.cursor == vk::kCursorUp ? -1 : 1;
    set(cr, kAreaGlyph);
    cairo_move_to(cr, cx - s, cy - dir * s / 2);
    cairo_line_to(cr, cx + s, cy - dir * s / 2);
    cairo_line_to(cr, cx, cy + dir * s / 2);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void wrapped_text(cairo_t* cr, const std::string& text, double w, double h, Colour c) {
    // Words on as many lines as the box needs, at a size that fits.
    std::vector<std::string> words;
    std::string cur;
    for (char ch : text) {
        if (ch == ' ') {
            if (!cur.empty()) words.push_back(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    if (!cur.empty()) words.push_back(cur);
    if (words.empty()) return;
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    for (double size = std::min(14.0, h * 0.6); size >= 5; size -= 1) {
        cairo_set_font_size(cr, size);
        std::vector<std::string> lines;
        std::string line;
        for (const std::string& word : words) {
            const std::string tryline = line.empty() ? word : line + " " + word;
            cairo_text_extents_t te;
            cairo_text_extents(cr, tryline.c_str(), &te);
            if (te.x_advance > w - 4 && !line.empty()) {
                lines.push_back(line);
                line = word;
            } else {
                line = tryline;
            }
        }
        lines.push_back(line);
        bool fits = lines.size() * size * 1.2 <= h - 2;
        for (const std::string& l : lines) {
            cairo_text_extents_t te;
            cairo_text_extents(cr, l.c_str(), &te);
            fits &= te.x_advance <= w - 2;
        }
        if (!fits && size > 5) continue;
        set(cr, c);
        const double top = (h - lines.size() * size * 1.2) / 2 + size * 0.6;
        for (size_t i = 0; i < lines.size(); ++i)
            text_at(cr, lines[i], w / 2, top + i * size * 1.2, size, true);
        return;
    }
}

void background(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    set(cr, kPanel);
    cairo_paint(cr);
    cairo_set_line_width(cr, 1);
    set(cr, kBevelLight);
    cairo_move_to(cr, 0.5, h - 0.5);
    cairo_line_to(cr, 0.5, 0.5);
    cairo_line_to(cr, w - 0.5, 0.5);
    cairo_stroke(cr);
    set(cr, kBevelDark);
    cairo_move_to(cr, w - 0.5, 0.5);
    cairo_line_to(cr, w - 0.5, h - 0.5);
    cairo_line_to(cr, 0.5, h - 0.5);
    cairo_stroke(cr);
    for (const AreaMark& a : p.areas) area_mark(cr, a);
    for (const Dial& d : p.dials)
        if (d.face) dial_face(cr, d);
    std::vector<Placed> labels;
    for (const Dial& d : p.dials) dial_markings(cr, d, kMarking, labels);
    if (!p.tooltip.empty() && p.dials.empty()) wrapped_text(cr, p.tooltip, w, h - 10, kMarking);
    if (w >= 40 && h >= 24) {
        set(cr, kAreaGlyph);
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                               CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, 8);
        cairo_move_to(cr, 3, h - 3);
        cairo_show_text(cr, p.label.c_str());
    }
}

void overlay(cairo_t* cr, const Picture& p) {
    // Every other pixel a deep blue, the rest the key: drawn with
    // transparency it darkens what lies under it by half.
    set(cr, {16 / 255., 26 / 255., 64 / 255.});
    for (int y = 0; y < p.height; ++y)
        for (int x = y & 1; x < p.width; x += 2) cairo_rectangle(cr, x, y, 1, 1);
    cairo_fill(cr);
    std::vector<Placed> labels;
    for (const Dial& d : p.dials) dial_markings(cr, d, kNightMarking, labels);
}

// ---- moving parts

void needle(cairo_t* cr, const Picture& p) {
    const double py = std::clamp(p.pivot_y + 0.5, 0.5, p.height - 0.5);
    const double px = p.pivot_x + 0.5;
    const double tip = p.pivot_x + 0.5 + p.reach;
    const double tail = std::max(0.0, p.pivot_x - p.reach * 0.2);
    set(cr, kMarking);
    if (p.lever_like) {
        const double r = std::min(p.pivot_x, p.pivot_y) * 0.8;
        cairo_set_line_width(cr, std::max(3.0, r * 0.6));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, tip - 1, py);
        cairo_stroke(cr);
        set(cr, {0.55, 0.57, 0.6});
        cairo_arc(cr, px, py, r, 0, 2 * kPi);
        cairo_fill(cr);
        return;
    }
    const double half = std::max(1.0, std::min(p.pivot_y + 0.5, 2.5));
    cairo_move_to(cr, tail, py - half * 0.8);
    cairo_line_to(cr, std::max(px, tail + 1), py - half);
    cairo_line_to(cr, tip - 3, py - half * 0.6);
    cairo_line_to(cr, tip, py);
    cairo_line_to(cr, tip - 3, py + half * 0.6);
    cairo_line_to(cr, std::max(px, tail + 1), py + half);
    cairo_line_to(cr, tail, py + half * 0.8);
    cairo_close_path(cr);
    cairo_fill(cr);
    if (p.pivot_x >= 0 && p.pivot_x < p.width) {
        set(cr, {0.55, 0.57, 0.6});
        cairo_arc(cr, px, py, std::max(1.5, half + 0.5), 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void knob(cairo_t* cr, const Picture& p) {
    const double cx = std::clamp(p.pivot_x + 0.5, 0.5, p.width - 0.5);
    const double cy = std::clamp(p.pivot_y + 0.5, 0.5, p.height - 0.5);
    const double r = std::max(4.0, std::min({cx, cy, p.width - cx, p.height - cy}) - 1);
    set(cr, {40 / 255., 42 / 255., 46 / 255.});
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    set(cr, {0.5, 0.52, 0.55});
    cairo_set_line_width(cr, std::max(1.0, r * 0.12));
    cairo_arc(cr, cx, cy, r - 1, 0, 2 * kPi);
    cairo_stroke(cr);
    set(cr, kMarking);
    cairo_set_line_width(cr, std::max(2.0, r * 0.18));
    cairo_move_to(cr, cx + r * 0.2, cy);
    cairo_line_to(cr, cx + r * 0.95, cy);
    cairo_stroke(cr);
}

void drum(cairo_t* cr, const Picture& p) {
    set(cr, kNearBlack);
    cairo_paint(cr);
    const int n = std::max(1, p.cells);
    // Labels: single digits for drums of ten (or of a divisor of ten), two
    // digits for divisors of a hundred (00 25 50 75), otherwise the index.
    auto label = [&](int k) {
        char buf[16];
        if (10 % n == 0)
            std::snprintf(buf, sizeof buf, "%d", k * 10 / n);
        else if (100 % n == 0)
            std::snprintf(buf, sizeof buf, "%02d", k * 100 / n);
        else
            std::snprintf(buf, sizeof buf, "%d", k);
        return std::string(buf);
    };
    set(cr, kMarking);
    for (int k = 0; k <= n; ++k) {
        const std::string s = label(k % n);
        double size = p.cell * 0.8;
        cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL,
                               CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, size);
        cairo_text_extents_t te;
        cairo_text_extents(cr, s.c_str(), &te);
        if (te.width > p.width - 1) size *= (p.width - 1) / te.width;
        text_at(cr, s, p.width / 2.0, (k + 0.5) * p.cell, size, true);
    }
}

void scale(cairo_t* cr, const Picture& p) {
    // The marker stands `travel` pixels into the strip: at the window's far
    // end at the range's start, at its near end at the range's end.
    set(cr, {1.0, 0.82, 0.0});
    if (p.vertical) {
        cairo_rectangle(cr, 1, p.travel + 2, p.width - 2, 4);
    } else {
        cairo_rectangle(cr, p.travel + 2, 1, 4, p.height - 2);
    }
    cairo_fill(cr);
}

void handle(cairo_t* cr, const Picture& p) {
    set(cr, {0.7, 0.72, 0.74});
    cairo_rectangle(cr, 1, 1, p.width - 2, p.height - 2);
    cairo_fill(cr);
    set(cr, kBevelDark);
    cairo_set_line_width(cr, 1.5);
    if (p.vertical) {
        cairo_move_to(cr, 2, p.height / 2.0);
        cairo_line_to(cr, p.width - 2, p.height / 2.0);
    } else {
        cairo_move_to(cr, p.width / 2.0, 2);
        cairo_line_to(cr, p.width / 2.0, p.height - 2);
    }
    cairo_stroke(cr);
}

void texture(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    const double cx = p.centre_x > 0 ? p.centre_x : w / 2, cy = p.centre_y > 0 ? p.centre_y : h / 2;
    switch (p.texture) {
        case TextureKind::horizon: {
            set(cr, {60 / 255., 140 / 255., 220 / 255.});
            cairo_rectangle(cr, 0, 0, w, cy);
            cairo_fill(cr);
            set(cr, {140 / 255., 90 / 255., 40 / 255.});
            cairo_rectangle(cr, 0, cy, w, h - cy);
            cairo_fill(cr);
            set(cr, kMarking);
            cairo_set_line_width(cr, std::max(1.5, h / 100));
            cairo_move_to(cr, 0, cy);
            cairo_line_to(cr, w, cy);
            cairo_stroke(cr);
            const double step = std::max(6.0, h / 12);
            cairo_set_line_width(cr, std::max(1.0, h / 200));
            for (int i = 1; i * step < std::max(cy, h - cy); ++i)
                for (double s : {-1.0, 1.0}) {
                    const double half = (i % 2 ? 0.08 : 0.16) * w;
                    cairo_move_to(cr, cx - half, cy + s * i * step);
                    cairo_line_to(cr, cx + half, cy + s * i * step);
                    cairo_stroke(cr);
                }
            return;
        }
        case TextureKind::card: {
            const double r = std::min({cx, cy, w - cx, h - cy}) - 1;
            set(cr, {30 / 255., 32 / 255., 34 / 255.});
            cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
            cairo_fill(cr);
            set(cr, kMarking);
            cairo_set_line_width(cr, std::max(1.0, r / 60));
            for (int deg = 0; deg < 360; deg += 10) {
                const double a = deg * kPi / 180;
                const double len = deg % 30 ? r * 0.06 : r * 0.12;
                cairo_move_to(cr, cx + std::sin(a) * r, cy - std::cos(a) * r);
                cairo_line_to(cr, cx + std::sin(a) * (r - len), cy - std::cos(a) * (r - len));
                cairo_stroke(cr);
                if (deg % 30 == 0) {
                    static constexpr const char* kCard[] = {"N", "3",  "6",  "E", "12", "15",
                                                            "S", "21", "24", "W", "30", "33"};
                    const double lr = r * 0.78;
                    cairo_save(cr);
                    cairo_translate(cr, cx + std::sin(a) * lr, cy - std::cos(a) * lr);
                    cairo_rotate(cr, a);
                    text_at(cr, kCard[deg / 30], 0, 0, std::max(7.0, r * 0.13), true);
                    cairo_restore(cr);
                }
            }
            return;
        }
        case TextureKind::bar:
            set(cr, {1.0, 0.4, 0.9});
            cairo_rectangle(cr, cx - std::max(1.5, w / 40), 2, 2 * std::max(1.5, w / 40), h - 4);
            cairo_fill(cr);
            return;
        case TextureKind::index:
            set(cr, {1.0, 0.82, 0.0});
            cairo_move_to(cr, cx, 1);
            cairo_line_to(cr, cx + std::max(3.0, w / 8), std::max(6.0, h / 4));
            cairo_line_to(cr, cx - std::max(3.0, w / 8), std::max(6.0, h / 4));
            cairo_close_path(cr);
            cairo_fill(cr);
            return;
    }
}

void mask(cairo_t* cr, const Picture& p) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, 1, 1, 1);
    if (p.shape == MaskShape::circle) {
        cairo_save(cr);
        cairo_translate(cr, p.width / 2.0, p.height / 2.0);
        cairo_scale(cr, p.width / 2.0, p.height / 2.0);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_fill(cr);
    } else {
        cairo_paint(cr);
    }
}

// ---- controls and lamps

void lens(cairo_t* cr, double cx, double cy, double r, Colour c) {
    set(cr, kBevelDark);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    set(cr, c);
    cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    cairo_arc(cr, cx - r * 0.3, cy - r * 0.3, r * 0.22, 0, 2 * kPi);
    cairo_fill(cr);
}

Colour lamp_colour(int32_t id) {
    return kLampColours[static_cast<uint32_t>(id / 16) % 5];
}

void lamp(cairo_t* cr, const Picture& p) {
    lens(cr, p.width / 2.0, p.height / 2.0, std::min(p.width, p.height) / 2.0 - 0.5,
         lamp_colour(p.id));
}

void lever(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    // The nut sits opposite the way the handle points.
    const double nx = w / 2 - p.dir_x * (w / 2 - h / 2);
    const double ny = h / 2 - p.dir_y * (h / 2 - w / 2);
    const double r = std::min(w, h) / 2 - 1;
    set(cr, {0.36, 0.38, 0.4});
    cairo_arc(cr, nx, ny, r, 0, 2 * kPi);
    cairo_fill(cr);
    set(cr, kBevelDark);
    cairo_set_line_width(cr, 1);
    cairo_arc(cr, nx, ny, r, 0, 2 * kPi);
    cairo_stroke(cr);
    const double tx = p.dir_x == 0 ? nx : (p.dir_x > 0 ? w - r : r);
    const double ty = p.dir_y == 0 ? ny : (p.dir_y > 0 ? h - r : r);
    set(cr, {0.85, 0.86, 0.88});
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, std::max(3.0, r * 0.7));
    cairo_move_to(cr, nx, ny);
    cairo_line_to(cr, tx, ty);
    cairo_stroke(cr);
    cairo_arc(cr, tx, ty, std::max(2.5, r * 0.6), 0, 2 * kPi);
    cairo_fill(cr);
}

void stripes(cairo_t* cr, double w, double h, Colour a, Colour b) {
    set(cr, a);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    set(cr, b);
    const double step = std::max(4.0, std::min(w, h) / 2);
    for (double x = -h; x < w; x += 2 * step) {
        cairo_move_to(cr, x, h);
        cairo_line_to(cr, x + step, h);
        cairo_line_to(cr, x + step + h, 0);
        cairo_line_to(cr, x + h, 0);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

void guard(cairo_t* cr, const Picture& p) {
    cairo_rectangle(cr, 1, 1, p.width - 2, p.height - 2);
    cairo_save(cr);
    cairo_clip(cr);
    stripes(cr, p.width, p.height, {0.8, 0.14, 0.1}, kNearBlack);
    cairo_restore(cr);
    if (!p.open) {
        // A closed guard lets the switch show through its window.
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_rectangle(cr, p.width * 0.3, p.height * 0.25, p.width * 0.4, p.height * 0.5);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }
}

void button(cairo_t* cr, const Picture& p) {
    const double w = p.width, h = p.height;
    set(cr, {0.55, 0.57, 0.6});
    cairo_rectangle(cr, 1, 1, w - 2, h - 2);
    cairo_fill(cr);
    set(cr, {60 / 255., 64 / 255., 68 / 255.});
    cairo_rectangle(cr, 3, 3, w - 6, h - 6);
    cairo_fill(cr);
    if (p.lit) lens(cr, w / 2, h / 2, std::min(w, h) / 2 - 4, lamp_colour(p.id));
}

void flag(cairo_t* cr, const Picture& p) {
    stripes(cr, p.width, p.height, {0.92, 0.92, 0.92}, {0.85, 0.12, 0.1});
}

void plate(cairo_t* cr, const Picture& p) {
    set(cr, {70 / 255., 76 / 255., 80 / 255.});
    cairo_paint(cr);
    set(cr, kAreaGlyph);
    text_at(cr, std::to_string(p.id), p.width / 2.0, p.height / 2.0, std::min(9.0, p.height * 0.6));
}

// Premultiplied ARGB to palette indices: mostly transparent pixels become the key.
vkhost::Bitmap8 quantize(cairo_surface_t* s) {
    cairo_surface_flush(s);
    vkhost::Bitmap8 b;
    b.width = cairo_image_surface_get_width(s);
    b.height = cairo_image_surface_get_height(s);
    b.palette = vkhost::fixed_palette();
    b.pixels.resize(static_cast<size_t>(b.width) * b.height);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < b.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < b.width; ++x) {
            const uint32_t px = row[x];
            const uint32_t a = px >> 24;
            uint8_t index = vkhost::kKeyIndex;
            if (a >= 128) {
                auto un = [&](uint32_t c) {
                    return static_cast<uint8_t>(std::min<uint32_t>(255, (c * 255 + a / 2) / a));
                };
                index = vkhost::nearest_index(
                    {un((px >> 16) & 255), un((px >> 8) & 255), un(px & 255)});
            }
            b.pixels[static_cast<size_t>(y) * b.width + x] = index;
        }
    }
    return b;
}

}  // namespace

vkhost::Bitmap8 paint(const Picture& p) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(1, p.width),
                                               std::max(1, p.height)),
                    cairo_surface_destroy);
    Context cr(cairo_create(surface.get()), cairo_destroy);
    cairo_t* c = cr.get();
    switch (p.role) {
        case Role::background:
            background(c, p);
            break;
        case Role::overlay:
            overlay(c, p);
            break;
        case Role::needle:
            needle(c, p);
            break;
        case Role::knob:
            knob(c, p);
            break;
        case Role::lamp:
            lamp(c, p);
            break;
        case Role::lever:
            lever(c, p);
            break;
        case Role::guard:
            guard(c, p);
            break;
        case Role::button:
            button(c, p);
            break;
        case Role::flag:
            flag(c, p);
            break;
        case Role::plate:
            plate(c, p);
            break;
        case Role::drum:
            drum(c, p);
            break;
        case Role::scale:
            scale(c, p);
            break;
        case Role::handle:
            handle(c, p);
            break;
        case Role::texture:
            texture(c, p);
            break;
        case Role::mask:
            mask(c, p);
            break;
    }
    return quantize(surface.get());
}

}  // namespace vkart

#include "host/render/render.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "host/needle_math.h"

namespace vkhost {

using vk::ElementHeader;
using vk::ElementKind;
using vk::GaugeHeader;

namespace {

constexpr double kPi = 3.14159265358979323846;

SurfacePtr to_surface(const Bitmap8& b, bool keyed) {
    SurfacePtr s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, b.width, b.height),
                 cairo_surface_destroy);
    cairo_surface_flush(s.get());
    unsigned char* data = cairo_image_surface_get_data(s.get());
    const int stride = cairo_image_surface_get_stride(s.get());
    for (int y = 0; y < b.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < b.width; ++x) {
            const Rgb c = b.colour(x, y);
            row[x] = keyed && c == kKeyColour
                         ? 0u
                         : 0xFF000000u | uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b;
        }
    }
    cairo_surface_mark_dirty(s.get());
    return s;
}

template <class F>
void walk(ElementHeader* e, F&& f, int depth = 0) {
    if (!e || depth > 64) return;
    f(e);
    if (e->children)
        for (ElementHeader** c = e->children; *c; ++c) walk(*c, f, depth + 1);
}

double place_in_range(double v, double lo, double hi) {
    if (!std::isfinite(v) || !std::isfinite(lo) || !std::isfinite(hi) || hi == lo) return 0.0;
    return std::clamp((v - lo) / (hi - lo), 0.0, 1.0);
}

double finite(double v) {
    return std::isfinite(v) ? v : 0.0;
}

void paint_surface(cairo_t* cr, cairo_surface_t* s, double x, double y, bool filtered) {
    cairo_set_source_surface(cr, s, x, y);
    cairo_pattern_set_filter(cairo_get_source(cr),
                             filtered ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
}

// A bitmap drawn through its mask: `draw` paints the picture in the gauge's
// coordinates, then everything outside the mask's non-key pixels is removed.
template <class F>
void through_mask(cairo_t* cr, BitmapStore& bitmaps, const ElementHeader* e, F&& draw) {
    cairo_surface_t* mask = bitmaps.surface(e->bitmap_id + 1, true);
    if (!mask) return;
    cairo_push_group(cr);
    draw();
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    paint_surface(cr, mask, e->x, e->y, false);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

void missing(cairo_t* cr, const ElementHeader* e) {
    // A bitmap the folder does not have: a small magenta cross, so it shows.
    cairo_save(cr);
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, e->x - 4, e->y - 4);
    cairo_line_to(cr, e->x + 4, e->y + 4);
    cairo_move_to(cr, e->x + 4, e->y - 4);
    cairo_line_to(cr, e->x - 4, e->y + 4);
    cairo_stroke(cr);
    cairo_restore(cr);
}

std::string font_family(const char* font) {
    if (!font) return "DejaVu Sans";
    std::string f = font;
    for (char& c : f) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (f.find("courier") != std::string::npos || f.find("mono") != std::string::npos ||
        f.find("console") != std::string::npos)
        return "DejaVu Sans Mono";
    return "DejaVu Sans";
}

void draw_string(cairo_t* cr, const ElementHeader* e) {
    const auto& s = vk::as<vk::StringElement>(const_cast<ElementHeader*>(e));
    const double w = std::max(0, s.box_w), h = std::max(0, s.box_h);
    if (w <= 0 || h <= 0) return;
    auto colour = [&](uint32_t c) {
        cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0,
                             ((c >> 16) & 0xFF) / 255.0);
    };
    cairo_save(cr);
    cairo_rectangle(cr, e->x, e->y, w, h);
    cairo_clip(cr);
    if (!(e->flags & vk::kTransparent)) {
        colour(s.background_colour);
        cairo_paint(cr);
    }
    const std::string text =
        s.text && s.text_size > 0
            ? std::string(s.text, strnlen(s.text, static_cast<size_t>(s.text_size)))
            : std::string();
    if (!text.empty()) {
        cairo_select_font_face(cr, font_family(s.font).c_str(), CAIRO_FONT_SLANT_NORMAL,
                               s.weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        // The font size is the character cell's height in pixels.
        const double cell = s.font_size > 0 ? s.font_size : h;
        cairo_set_font_size(cr, cell);
        cairo_font_extents_t fe;
        cairo_font_extents(cr, &fe);
        const double size = cell * cell / std::max(1.0, fe.ascent + fe.descent);
        cairo_set_font_size(cr, size);
        cairo_font_extents(cr, &fe);
        cairo_text_extents_t te;
        cairo_text_extents(cr, text.c_str(), &te);
        const double squeeze = te.x_advance > w ? w / te.x_advance : 1.0;
        const double tw = te.x_advance * squeeze;
        double x = e->x;
        if (s.text_flags & 0x1) x = e->x + (w - tw) / 2;
        if (s.text_flags & 0x2) x = e->x + w - tw;
        double y = e->y + fe.ascent;
        if (s.text_flags & 0x4) y = e->y + (h - (fe.ascent + fe.descent)) / 2 + fe.ascent;
        if (s.text_flags & 0x8) y = e->y + h - fe.descent;
        colour(s.text_colour);
        cairo_translate(cr, x, y);
        cairo_scale(cr, squeeze, 1.0);
        cairo_move_to(cr, 0, 0);
        cairo_show_text(cr, text.c_str());
    }
    cairo_restore(cr);
}

void draw_element(cairo_t* cr, const TestHost& host, ElementHeader* e, BitmapStore& bitmaps) {
    const bool keyed = (e->flags & vk::kTransparent) != 0;
    const bool filtered = (e->flags & vk::kFiltered) != 0;
    const ElementView& v = host.view(e);
    if (e->kind == ElementKind::string) return draw_string(cr, e);
    cairo_surface_t* image = bitmaps.surface(e->bitmap_id, keyed);
    if (!image) return missing(cr, e);
    cairo_save(cr);
    switch (e->kind) {
        case ElementKind::static_image:
        case ElementKind::icon:
            paint_surface(cr, image, e->x, e->y, false);
            break;
        case ElementKind::needle: {
            const auto& n = vk::as<vk::Needle>(e);
            const double angle = v.angle_known ? v.angle : needle_target_angle(n, v.value);
            // Pivot and table points stand for pixel centres.
            cairo_translate(cr, e->x + 0.5, e->y + 0.5);
            cairo_rotate(cr, (finite(angle) - 90.0) * kPi / 180.0);
            paint_surface(cr, image, -e->pivot_x - 0.5, -e->pivot_y - 0.5, filtered);
            break;
        }
        case ElementKind::slider: {
            const auto& m = vk::as<vk::MovingImage>(e);
            const double fx = place_in_range(v.value, m.x_min, m.x_max);
            const double fy = place_in_range(v.value_y, m.y_min, m.y_max);
            paint_surface(cr, image, e->x + m.travel_x * fx, e->y + m.travel_y * fy, false);
            break;
        }
        case ElementKind::moving_image: {
            const auto& m = vk::as<vk::MovingImage>(e);
            const double fx = place_in_range(v.value, m.x_min, m.x_max);
            const double fy = place_in_range(v.value_y, m.y_min, m.y_max);
            through_mask(cr, bitmaps, e, [&] {
                paint_surface(cr, image, e->x - m.travel_x * fx, e->y - m.travel_y * fy, false);
            });
            break;
        }
        case ElementKind::sprite: {
            const auto& s = vk::as<vk::Sprite>(e);
            cairo_surface_t* mask = bitmaps.surface(e->bitmap_id + 1, true);
            if (!mask) break;
            double ts = finite(s.texture_scale);
            if (ts <= 0.01 || ts > 100) ts = 1;
            const double cx = e->x + cairo_image_surface_get_width(mask) / 2.0;
            const double cy = e->y + cairo_image_surface_get_height(mask) / 2.0;
            through_mask(cr, bitmaps, e, [&] {
                cairo_save(cr);
                cairo_translate(cr, cx, cy);
                cairo_rotate(cr, finite(v.value_angle * s.angle_scale) * kPi / 180.0);
                cairo_translate(cr, finite(v.value * s.x_scale), finite(v.value_y * s.y_scale));
                cairo_scale(cr, ts, ts);
                paint_surface(cr, image, -s.centre_x, -s.centre_y, filtered);
                cairo_restore(cr);
            });
            break;
        }
        case ElementKind::string:
            break;
    }
    cairo_restore(cr);
}

void placeholder(cairo_t* cr, const std::string& name, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source_rgba(cr, 0.5, 0.55, 0.6, 0.12);
    cairo_fill_preserve(cr);
    const double dash[] = {4, 3};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgb(cr, 0.55, 0.6, 0.65);
    cairo_stroke(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    std::string label = name.rfind("morvalde ", 0) == 0 ? name.substr(9) : name;
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, std::clamp(w / 10, 6.0, 11.0));
    cairo_move_to(cr, x + 3, y + std::clamp(w / 10, 6.0, 11.0) + 2);
    cairo_show_text(cr, label.c_str());
    cairo_restore(cr);
}

}  // namespace

// ---------------------------------------------------------------- bitmaps

BitmapStore::Entry& BitmapStore::entry(int32_t id) {
    auto it = entries_.find(id);
    if (it != entries_.end()) return it->second;
    Entry& e = entries_[id];
    Bitmap8 b;
    std::string error;
    if (id < 0) {
        problems_.push_back("bitmap id " + std::to_string(id) + " is not a resource id");
    } else if (read_bmp_file(dir_ + "/" + std::to_string(id) + ".bmp", b, error)) {
        e.bitmap = std::move(b);
    } else {
        problems_.push_back(error);
    }
    return e;
}

const Bitmap8* BitmapStore::bitmap(int32_t id) {
    Entry& e = entry(id);
    return e.bitmap ? &*e.bitmap : nullptr;
}

cairo_surface_t* BitmapStore::surface(int32_t id, bool keyed) {
    Entry& e = entry(id);
    if (!e.bitmap) return nullptr;
    SurfacePtr& s = keyed ? e.keyed : e.opaque;
    if (!s) s = to_surface(*e.bitmap, keyed);
    return s.get();
}

std::string default_bitmap_dir(const std::string& module_path) {
    if (const char* env = std::getenv("VKMORL1_BITMAPS"); env && *env) return env;
    const size_t slash = module_path.find_last_of('/');
    return (slash == std::string::npos ? std::string(".") : module_path.substr(0, slash)) +
           "/bitmaps";
}

// ---------------------------------------------------------------- canvas

Canvas::Canvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::clamp(width, 1, 16384),
                                          std::clamp(height, 1, 16384)),
               cairo_surface_destroy) {}

int Canvas::width() const {
    return cairo_image_surface_get_width(surface_.get());
}

int Canvas::height() const {
    return cairo_image_surface_get_height(surface_.get());
}

uint32_t Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return 0;
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    return reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride)[x];
}

Rgb Canvas::rgb(int x, int y) const {
    const uint32_t p = pixel(x, y);
    return {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
}

bool Canvas::write_png(const std::string& path, std::string& error) const {
    const cairo_status_t st = cairo_surface_write_to_png(surface_.get(), path.c_str());
    if (st != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + path + ": " + cairo_status_to_string(st);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- gauges and windows

std::optional<std::pair<int, int>> gauge_size(const GaugeHeader* g, BitmapStore& bitmaps) {
    if (!g || !g->element_list || !g->element_list[0]) return std::nullopt;
    const Bitmap8* root = bitmaps.bitmap(g->element_list[0]->bitmap_id);
    if (!root) return std::nullopt;
    return std::make_pair(root->width, root->height);
}

void draw_gauge(cairo_t* cr, const TestHost& host, const GaugeHeader* g, BitmapStore& bitmaps) {
    if (!g || !g->element_list) return;
    for (ElementHeader** root = g->element_list; *root; ++root)
        walk(*root, [&](ElementHeader* e) {
            if (!(e->flags & vk::kHidden)) draw_element(cr, host, e, bitmaps);
        });
}

Canvas render_gauge(const TestHost& host, const GaugeHeader* g, BitmapStore& bitmaps) {
    const auto size = gauge_size(g, bitmaps);
    Canvas c(size ? size->first : 1, size ? size->second : 1);
    if (!size) return c;
    cairo_t* cr = cairo_create(c.surface());
    draw_gauge(cr, host, g, bitmaps);
    cairo_destroy(cr);
    return c;
}

Canvas render_window(const TestHost& host, const PanelWindow& window, BitmapStore& bitmaps,
                     const RenderOptions& options) {
    struct Placed {
        const PanelGauge* pg;
        const GaugeHeader* g;
        double w, h;
        bool drawn;
    };
    std::vector<Placed> placed;
    double right = 1, bottom = 1;
    // A gauge with nothing to draw yet is outlined over the room the layout
    // leaves it: down to the next gauge below it (or the window's bottom).
    auto room_below = [&](const PanelGauge& pg, double w) {
        double limit = window.size_h > 0 ? window.size_h : pg.y + std::min(w, 160.0) + 4;
        for (const PanelGauge& other : window.gauges) {
            const double ow = other.width.value_or(40);
            if (&other == &pg || other.y <= pg.y || other.x >= pg.x + w || other.x + ow <= pg.x)
                continue;
            limit = std::min(limit, static_cast<double>(other.y));
        }
        return std::max(12.0, std::min(limit - pg.y - 4, std::max(w, 40.0) * 1.5));
    };
    for (const PanelGauge& pg : window.gauges) {
        const GaugeHeader* g = host.gauge(pg.name);
        const auto size = gauge_size(g, bitmaps);
        double w, h;
        if (size) {
            w = pg.width.value_or(size->first);
            h = pg.height.value_or(pg.width ? *pg.width * double(size->second) / size->first
                                            : size->second);
        } else {
            w = pg.width.value_or(g ? g->size_mm : 40);
            h = pg.height.value_or(room_below(pg, w));
        }
        placed.push_back({&pg, g, w, h, size.has_value()});
        right = std::max(right, pg.x + w);
        bottom = std::max(bottom, pg.y + h);
    }
    Canvas c(window.size_w > 0 ? window.size_w : static_cast<int>(std::ceil(right)),
             window.size_h > 0 ? window.size_h : static_cast<int>(std::ceil(bottom)));
    cairo_t* cr = cairo_create(c.surface());
    cairo_set_source_rgb(cr, 0.1, 0.11, 0.12);
    cairo_paint(cr);
    for (const Placed& p : placed) {
        if (p.drawn) {
            const auto size = gauge_size(p.g, bitmaps);
            cairo_save(cr);
            cairo_translate(cr, p.pg->x, p.pg->y);
            cairo_scale(cr, p.w / size->first, p.h / size->second);
            draw_gauge(cr, host, p.g, bitmaps);
            cairo_restore(cr);
        } else if (options.placeholders) {
            placeholder(cr, p.pg->name, p.pg->x, p.pg->y, p.w, p.h);
        }
    }
    cairo_destroy(cr);
    return c;
}

}  // namespace vkhost

// The renderer against expectations computed from the records and the
// generated pictures: where a needle points (table, clamp, turn limit), hidden
// and transparent elements, the digit a drum window shows, a sprite turned
// and shifted behind its mask, a slider, a string, and a composed window.
#include <gtest/gtest.h>

#include <cmath>

#include "host/needle_math.h"
#include "host/render/render.h"
#include "probe.h"
#include "support.h"

namespace vktest {
namespace {

using vkhost::Canvas;
using vkhost::Rgb;

constexpr double kPi = 3.14159265358979323846;

class Render : public LinkedHost {
  protected:
    Render() : bitmaps(probe::bitmap_dir()) {
        probe::in = {};
        // The probe is not part of the module, so the host does not restore
        // its image flags between tests: this fixture does.
        for (int k = 0; k < probe::kCount; ++k) flags[k] = probe::element(k)->flags;
        host.place(&probe::gauge);
    }
    ~Render() override {
        for (int k = 0; k < probe::kCount; ++k) probe::element(k)->flags = flags[k];
    }
    uint32_t flags[probe::kCount] = {};
    Canvas draw() {
        Canvas c = vkhost::render_gauge(host, &probe::gauge, bitmaps);
        if (std::getenv("VK_RENDER_DEBUG")) {
            std::string error;
            c.write_png(::testing::TempDir() + "probe.png", error);
        }
        return c;
    }
    Canvas draw_without(int k) {
        vk::ElementHeader* e = probe::element(k);
        const uint32_t flags = e->flags;
        vk::show(e, false);
        Canvas c = draw();
        e->flags = flags;
        return c;
    }
    const vkhost::Bitmap8& bmp(int32_t id) {
        const vkhost::Bitmap8* b = bitmaps.bitmap(id);
        if (!b) throw std::runtime_error("no bitmap " + std::to_string(id));
        return *b;
    }
    // A point at `r` pixels from the needle's pivot, at `deg` clockwise from up.
    static std::pair<int, int> along(double deg, double r) {
        const vk::ElementHeader* n = probe::element(probe::kNeedle);
        const double a = deg * kPi / 180;
        return {static_cast<int>(std::floor(n->x + 0.5 + r * std::sin(a))),
                static_cast<int>(std::floor(n->y + 0.5 - r * std::cos(a)))};
    }
    static bool differs(const Canvas& a, const Canvas& b, std::pair<int, int> p) {
        return a.pixel(p.first, p.second) != b.pixel(p.first, p.second);
    }
    vkhost::BitmapStore bitmaps;
};

TEST_F(Render, NeedlePointsWhereItsTableSaysClampedAndTurnLimited) {
    const auto& n = vk::as<vk::Needle>(probe::element(probe::kNeedle));
    const auto& needle = bmp(n.head.bitmap_id);
    const Rgb shaft = needle.colour(needle.width / 2, n.head.pivot_y);
    const double reach = 40;
    // Drawn along `deg`: near the pivot (clear of the dial's labels) and right
    // up to the table's radius, where the ticks are.
    auto points = [&](const Canvas& with, const Canvas& without, double deg) {
        const auto tip = along(deg, reach - 1.5);
        return differs(with, without, along(deg, 10)) && with.rgb(tip.first, tip.second) == shaft;
    };
    for (double value : {0.0, 25.0, 50.0, 80.0, 100.0}) {
        probe::in.needle = value;
        host.run_frames(20);
        const double deg = vkhost::needle_target_angle(n, value);
        const Canvas with = draw(), without = draw_without(probe::kNeedle);
        EXPECT_TRUE(points(with, without, deg)) << "value " << value << " at " << deg;
        EXPECT_FALSE(differs(with, without, along(deg + 30, 10))) << "value " << value;
        EXPECT_FALSE(differs(with, without, along(deg, reach + 3))) << "too long at " << value;
        if (value == 25.0 || value == 80.0) {  // between ticks, over the bare face
            EXPECT_TRUE(differs(with, without, along(deg, reach - 1.5))) << "too short";
        }
    }
    // Beyond the table's end: held at the end entry.
    probe::in.needle = 1e9;
    host.run_frames(40);
    EXPECT_TRUE(points(draw(), draw_without(probe::kNeedle), 90));
    // From the left stop towards the right one: 6 degrees a frame.
    probe::in.needle = 0;
    host.run_frames(40);
    probe::in.needle = 100;
    host.run_frames(3);
    const Canvas with = draw(), without = draw_without(probe::kNeedle);
    EXPECT_TRUE(points(with, without, -90 + 18));
    EXPECT_FALSE(differs(with, without, along(90, 10)));
    EXPECT_FALSE(differs(with, without, along(-90 + 36, 10)));
}

TEST_F(Render, HiddenElementsAreAbsentAndTheKeyColourLetsTheBackgroundThrough) {
    host.run_frames(1);
    const vk::ElementHeader* lamp = probe::element(probe::kLamp);
    const auto& lamp_bmp = bmp(lamp->bitmap_id);
    const auto& root = bmp(9000);
    const int cx = lamp->x + lamp_bmp.width / 2, cy = lamp->y + lamp_bmp.height / 2;
    auto same = [](Rgb a, Rgb b) { return a == b; };
    // Hidden at load: the background shows where the lamp would be.
    EXPECT_TRUE(same(draw().rgb(cx, cy), root.colour(cx, cy)));
    vk::show(probe::element(probe::kLamp), true);
    Canvas lit = draw();
    EXPECT_TRUE(same(lit.rgb(cx, cy), lamp_bmp.colour(lamp_bmp.width / 2, lamp_bmp.height / 2)));
    // The lens's corner is the key: with flag 0x1 the background shows there.
    ASSERT_TRUE(lamp_bmp.is_key(0, 0));
    EXPECT_TRUE(same(lit.rgb(lamp->x, lamp->y), root.colour(lamp->x, lamp->y)));
    probe::element(probe::kLamp)->flags &= ~vk::kTransparent;
    EXPECT_TRUE(same(draw().rgb(lamp->x, lamp->y), vkhost::kKeyColour));
    probe::element(probe::kLamp)->flags |= vk::kTransparent;

    // The night overlay, shown: every other pixel tinted, the rest untouched.
    vk::show(probe::element(probe::kOverlay), true);
    const Canvas night = draw();
    const auto& overlay = bmp(9176);
    for (int x = 20; x < 24; ++x) {
        const bool key = overlay.is_key(x, 2);
        EXPECT_EQ(night.rgb(x, 2), key ? root.colour(x, 2) : overlay.colour(x, 2)) << x;
    }
    EXPECT_NE(overlay.is_key(20, 2), overlay.is_key(21, 2));
    // The children of a hidden element are still drawn (the debug gauge's
    // strings hang from a hidden icon).
    host.place("testgauge2k");
    host.run_frames(1);
    const vk::GaugeHeader* debug = host.gauge("testgauge2k");
    vkhost::BitmapStore module_bitmaps(VK_BITMAP_DIR);
    const Canvas d = vkhost::render_gauge(host, debug, module_bitmaps);
    const auto& line = vk::as<vk::StringElement>(host.element("testgauge2k", 2));
    ASSERT_GT(d.height(), line.head.y + line.box_h);
    int orange = 0;
    for (int y = line.head.y; y < line.head.y + line.box_h; ++y)
        for (int x = line.head.x; x < line.head.x + line.box_w; ++x)
            orange += d.rgb(x, y).r > 200 && d.rgb(x, y).g > 90 && d.rgb(x, y).g < 170;
    EXPECT_GT(orange, 10) << "the text of a hidden element's child";
}

TEST_F(Render, DrumWindowShowsTheCellOfItsValue) {
    const vk::ElementHeader* drum = probe::element(probe::kDrum);
    const auto& m = vk::as<vk::MovingImage>(const_cast<vk::ElementHeader*>(drum));
    const auto& strip = bmp(drum->bitmap_id);
    const auto& window = bmp(drum->bitmap_id + 1);
    const double cell = m.travel_y / (m.y_max - m.y_min);
    // The rendered window against the strip's rows from `offset` down.
    auto shows = [&](double offset) {
        const Canvas c = draw();
        for (int y = 0; y < window.height; ++y)
            for (int x = 0; x < window.width; ++x) {
                const int sy = y + static_cast<int>(std::lround(offset));
                const Rgb want = strip.colour(x, sy);
                if (c.rgb(drum->x + x, drum->y + y) != want) return false;
            }
        return true;
    };
    for (double digit : {0.0, 3.0, 7.0, 9.0}) {
        probe::in.drum = digit;
        host.run_frames(1);
        EXPECT_TRUE(shows(digit * cell)) << digit;
        EXPECT_FALSE(shows((digit + 1) * cell)) << digit;
    }
    probe::in.drum = 2.5;  // half way: the lower half of 2 over the upper half of 3
    host.run_frames(1);
    EXPECT_TRUE(shows(2.5 * cell));
    probe::in.drum = 42;  // beyond the range: held at its end, the 0 after the 9
    host.run_frames(1);
    EXPECT_TRUE(shows(10 * cell));
    EXPECT_TRUE(shows(0));
    // Outside its window the strip leaves the background alone.
    const Canvas c = draw();
    const auto& root = bmp(9000);
    EXPECT_EQ(c.rgb(drum->x + 2, drum->y + window.height + 2),
              root.colour(drum->x + 2, drum->y + window.height + 2));
}

TEST_F(Render, SpriteTurnsAndShiftsAboutItsTextureCentreInsideItsMask) {
    const vk::ElementHeader* e = probe::element(probe::kSprite);
    const auto& s = vk::as<vk::Sprite>(const_cast<vk::ElementHeader*>(e));
    const auto& texture = bmp(e->bitmap_id);
    const auto& mask = bmp(e->bitmap_id + 1);
    const auto& root = bmp(9000);
    const double mcx = e->x + mask.width / 2.0, mcy = e->y + mask.height / 2.0;
    // Where a screen pixel's centre falls in the texture, from the records.
    auto texel = [&](double angle, double dy, int sx, int sy) {
        const double a = -angle * s.angle_scale * kPi / 180;
        const double rx = sx + 0.5 - mcx, ry = sy + 0.5 - mcy;
        const double ux = rx * std::cos(a) - ry * std::sin(a);
        const double uy = rx * std::sin(a) + ry * std::cos(a);
        return std::make_pair(s.centre_x + ux / s.texture_scale,
                              s.centre_y + (uy - dy * s.y_scale) / s.texture_scale);
    };
    auto uniform = [&](double tx, double ty) {
        const int x = static_cast<int>(tx), y = static_cast<int>(ty);
        if (x < 2 || y < 2 || x >= texture.width - 2 || y >= texture.height - 2) return false;
        for (int j = -2; j <= 2; ++j)
            for (int i = -2; i <= 2; ++i)
                if (texture.at(x + i, y + j) != texture.at(x, y)) return false;
        return true;
    };
    for (double angle : {0.0, 90.0, 210.0}) {
        for (double dy : {0.0, 8.0}) {
            probe::in.sprite_angle = angle;
            probe::in.sprite_dy = dy;
            host.run_frames(1);
            const Canvas c = draw();
            int checked = 0;
            for (int sy = e->y; sy < e->y + mask.height; ++sy)
                for (int sx = e->x; sx < e->x + mask.width; ++sx) {
                    if (mask.is_key(sx - e->x, sy - e->y)) {
                        EXPECT_EQ(c.rgb(sx, sy), root.colour(sx, sy)) << "outside the mask";
                        continue;
                    }
                    const auto [tx, ty] = texel(angle, dy, sx, sy);
                    if (!uniform(tx, ty)) continue;
                    ++checked;
                    const Rgb want = texture.colour(static_cast<int>(tx), static_cast<int>(ty));
                    ASSERT_EQ(c.rgb(sx, sy), want)
                        << "angle " << angle << " dy " << dy << " at " << sx << "," << sy;
                }
            EXPECT_GT(checked, 100);
        }
    }
}

TEST_F(Render, SliderMovesByItsTravelAndStringsFillTheirBox) {
    const vk::ElementHeader* e = probe::element(probe::kSlider);
    const auto& m = vk::as<vk::MovingImage>(const_cast<vk::ElementHeader*>(e));
    const auto& handle = bmp(e->bitmap_id);
    const int hx = e->x + handle.width / 2, hy = e->y + handle.height / 2 - 2;
    host.run_frames(1);
    const Canvas low = draw();
    probe::in.slider = 1.0;
    host.run_frames(1);
    const Canvas high = draw();
    const Rgb body = handle.colour(handle.width / 2, handle.height / 2 - 2);
    EXPECT_EQ(low.rgb(hx, hy), body);
    EXPECT_EQ(high.rgb(hx, hy + m.travel_y), body);
    EXPECT_NE(high.rgb(hx, hy), body);

    const auto& s = vk::as<vk::StringElement>(probe::element(probe::kText));
    const Rgb back{static_cast<uint8_t>(s.background_colour),
                   static_cast<uint8_t>(s.background_colour >> 8),
                   static_cast<uint8_t>(s.background_colour >> 16)};
    const Rgb ink{static_cast<uint8_t>(s.text_colour), static_cast<uint8_t>(s.text_colour >> 8),
                  static_cast<uint8_t>(s.text_colour >> 16)};
    EXPECT_EQ(high.rgb(s.head.x, s.head.y), back);
    EXPECT_EQ(high.rgb(s.head.x + s.box_w - 1, s.head.y + s.box_h - 1), back);
    int inked = 0, left = 0, right = 0;
    for (int y = s.head.y; y < s.head.y + s.box_h; ++y)
        for (int x = s.head.x; x < s.head.x + s.box_w; ++x)
            if (const Rgb c = high.rgb(x, y);
                std::abs(c.r - ink.r) + std::abs(c.g - ink.g) + std::abs(c.b - ink.b) < 90) {
                ++inked;
                (x < s.head.x + s.box_w / 2 ? left : right)++;
            }
    EXPECT_GT(inked, 10);
    EXPECT_GT(left, 0);  // centred: ink on both halves
    EXPECT_GT(right, 0);
    EXPECT_NE(high.rgb(s.head.x + s.box_w + 1, s.head.y + 2), ink);  // nothing past the box
}

TEST_F(Render, WindowPlacesGaugesByTheirPositionAndScalesThemToTheirWidth) {
    host.place("testgauge2k");
    host.run_frames(1);
    const vk::GaugeHeader* debug = host.gauge("testgauge2k");
    vkhost::BitmapStore bitmaps(VK_BITMAP_DIR);  // the module's own pictures
    const Canvas alone = vkhost::render_gauge(host, debug, bitmaps);
    ASSERT_GT(alone.width(), 1);
    ASSERT_FALSE(host.pending_gauges().empty());
    const std::string pending = host.pending_gauges().back();  // one not built yet
    const auto r = vkhost::parse_panel_config(
        "[Window00]\nident=321\nsize_mm=400,500\n"
        "gauge00=vkmorl1!testgauge2k, 10, 20, " +
            std::to_string(2 * alone.width()) + "\ngauge01=vkmorl1!" + pending + ", 250, 30, 100\n",
        "w.cfg");
    ASSERT_TRUE(r.ok());
    const Canvas w = vkhost::render_window(host, r.config.windows[0], bitmaps);
    EXPECT_EQ(w.width(), 400);
    EXPECT_EQ(w.height(), 500);
    // Twice the size: gauge pixel (x, y) covers window pixels 10 + 2x, 20 + 2y.
    int compared = 0;
    for (int y = 1; y + 1 < alone.height(); y += 7)
        for (int x = 1; x + 1 < alone.width(); x += 5) {
            const Rgb g = alone.rgb(x, y);
            if (alone.rgb(x - 1, y) != g || alone.rgb(x + 1, y) != g || alone.rgb(x, y - 1) != g ||
                alone.rgb(x, y + 1) != g)
                continue;  // edges blur when scaled
            ++compared;
            EXPECT_EQ(w.rgb(10 + 2 * x + 1, 20 + 2 * y + 1), g) << x << "," << y;
        }
    EXPECT_GT(compared, 50);
    const Rgb empty = w.rgb(395, 495);
    // A gauge not built yet is outlined where it will be; without placeholders, nothing.
    EXPECT_NE(w.rgb(250, 30 + 40), empty);
    vkhost::RenderOptions bare;
    bare.placeholders = false;
    EXPECT_EQ(vkhost::render_window(host, r.config.windows[0], bitmaps, bare).rgb(250, 70), empty);
}

}  // namespace
}  // namespace vktest

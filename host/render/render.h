#pragma once
// The renderer: draws gauges as the simulator does, from their element trees,
// the module's bitmaps and what the test host computed in the last frame
// (needle angles, moving-image and sprite values, strings), and composes
// panel windows from the gauges their panel configuration places.
//
// Drawing rules (the simulator leaves these to its drawing code; ours are):
// - Elements are drawn in tree order: each element, then its children. A
//   hidden element (flag 0x40000000) is not drawn; its children still are.
// - Flag 0x1 (transparency) leaves the colour key, pure black, undrawn.
// - A needle's bitmap points along +x from its pivot (the element's pivot
//   offset inside the bitmap); it is turned so that +x points at the host's
//   angle (degrees clockwise from up) and its pivot lies on the element's x, y.
//   Flag 0x80 draws it filtered, otherwise nearest-pixel.
// - A moving image's mask (bitmap id + 1) lies at the element's x, y; the
//   image lies at x, y minus the travel times the value's place in its range
//   (clamped to the range), and shows only where the mask is not the key.
// - A slider's image lies at x, y plus the travel times the value's place.
// - A sprite's mask lies at x, y. Its bitmap, scaled by the texture scale and
//   offset by (x value * x scale, y value * y scale) screen pixels, turns by
//   angle value * angle scale degrees clockwise about its texture centre,
//   which lies on the mask's centre.
// - A string fills its box with its background colour (unless flag 0x1) and
//   draws its text in its text colour at its font size (the cell height in
//   pixels); text wider than the box is narrowed to fit. Text flags: 1
//   centred, 2 right-aligned, 4 vertically centred, 8 bottom.
#include <cairo.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/bitmap.h"
#include "host/panel_config.h"
#include "host/test_host.h"

namespace vkhost {

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

// The module's bitmaps, read from a folder of <id>.bmp files as needed.
class BitmapStore {
  public:
    explicit BitmapStore(std::string dir) : dir_(std::move(dir)) {}

    const std::string& dir() const { return dir_; }
    // The bitmap, or null when it is missing or unreadable (noted in problems()).
    const Bitmap8* bitmap(int32_t id);
    // As a cairo surface: with the key transparent (`keyed`) or black.
    cairo_surface_t* surface(int32_t id, bool keyed);
    const std::vector<std::string>& problems() const { return problems_; }

  private:
    struct Entry {
        std::optional<Bitmap8> bitmap;
        SurfacePtr opaque{nullptr, cairo_surface_destroy};
        SurfacePtr keyed{nullptr, cairo_surface_destroy};
    };
    Entry& entry(int32_t id);
    std::string dir_;
    std::map<int32_t, Entry> entries_;
    std::vector<std::string> problems_;
};

// Where the module's bitmaps are looked for: $VKMORL1_BITMAPS, else the
// bitmaps folder beside the module library.
std::string default_bitmap_dir(const std::string& module_path);

// A picture: an ARGB image with pixel access and PNG output.
class Canvas {
  public:
    Canvas(int width, int height);
    int width() const;
    int height() const;
    cairo_surface_t* surface() const { return surface_.get(); }
    // 0xAARRGGBB, premultiplied; 0 outside the picture.
    uint32_t pixel(int x, int y) const;
    Rgb rgb(int x, int y) const;
    bool write_png(const std::string& path, std::string& error) const;

  private:
    SurfacePtr surface_;
};

struct RenderOptions {
    bool placeholders = true;  // outline and name gauges that draw nothing
};

// The size of a gauge's picture: its root bitmap's, or none for a gauge not
// built or whose root bitmap is missing.
std::optional<std::pair<int, int>> gauge_size(const vk::GaugeHeader* g, BitmapStore& bitmaps);

// Draws a gauge in its root bitmap's pixels onto `cr` (current transform).
void draw_gauge(cairo_t* cr, const TestHost& host, const vk::GaugeHeader* g, BitmapStore& bitmaps);

// A gauge on its own, at its root bitmap's size (an empty 1 x 1 picture for a
// gauge with nothing to draw).
Canvas render_gauge(const TestHost& host, const vk::GaugeHeader* g, BitmapStore& bitmaps);

// A panel window: its size_mm (or what its gauges cover), each gauge placed
// at its x, y and scaled to its width (and height, when given).
Canvas render_window(const TestHost& host, const PanelWindow& window, BitmapStore& bitmaps,
                     const RenderOptions& options = {});

}  // namespace vkhost

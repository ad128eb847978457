#pragma once
// The artwork generator: derives every picture the gauges reference from
// their own records (element tree and mouse areas) and draws it as an 8-bit
// palette bitmap. Planning decides each picture's role and size; painting
// draws it with cairo and quantizes it to the fixed palette.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "frame/records.h"
#include "host/bitmap.h"

namespace vkart {

enum class Role {
    background,  // a gauge's root: panel, dial faces with ticks and labels, area marks
    overlay,     // a picture over the whole gauge: a stippled night tint with lit dials
    needle,      // a pointer along +x from its pivot, reaching its scale points
    knob,        // a needle without a table: a round knob with a pointer line
    lamp,        // a coloured lens
    lever,       // one position of a toggle switch or lever
    guard,       // a cover over a switch, closed (over it) or open (beside it)
    button,      // a push button cap inside its mouse area
    flag,        // a striped warning flag
    plate,       // an opaque plate
    drum,        // a digit strip: cells stacked top to bottom, the first repeated at the end
    scale,       // a moving image's strip with one marker bar
    handle,      // a slider's handle
    texture,     // a sprite's picture: horizon ball, rotating card, bar or index
    mask,        // the window of a moving image or sprite (id + 1)
};

const char* role_name(Role r);

struct DialPoint {
    double x, y;   // on the picture
    double value;  // from the scale table
};

struct Dial {
    double cx, cy;  // the pivot
    double reach;   // the farthest table point
    std::vector<DialPoint> points;
    bool face = true;  // a dark face under it; a switch lever's positions have none
};

struct AreaMark {
    int x, y, w, h;
    int32_t cursor;
};

enum class TextureKind { horizon, card, bar, index };
enum class MaskShape { rect, circle };

struct Picture {
    int32_t id = 0;
    Role role = Role::plate;
    int width = 0, height = 0;

    // background and overlay
    std::vector<Dial> dials;
    std::vector<AreaMark> areas;
    std::string label;    // the gauge's short name
    std::string tooltip;  // what the gauge's tooltip names

    // needle and knob
    int pivot_x = 0, pivot_y = 0;
    double reach = 0;
    bool lever_like = false;

    // lever: which way the handle points (-1, 0, 1 on each axis); guard: open
    int dir_x = 0, dir_y = 0;
    bool open = false;

    // lamp, button
    bool lit = false;

    // drum: cells and their height; scale: travel along its axis, vertical or not
    int cells = 0;
    double cell = 0;
    double travel = 0;
    bool vertical = true;

    // texture
    TextureKind texture = TextureKind::index;
    double centre_x = 0, centre_y = 0;

    // mask
    MaskShape shape = MaskShape::rect;

    std::vector<std::string> uses;  // "gauge name, element k"
};

struct Plan {
    std::map<int32_t, Picture> pictures;  // by bitmap id, masks included
    std::vector<std::string> warnings;    // ids claimed twice and the like
};

// Plans the pictures of the given gauges (headers without elements are
// skipped). A bitmap used by several elements is one picture, of the role
// most uses give it, at the largest size any use needs.
Plan plan_artwork(const std::vector<const vk::GaugeHeader*>& gauges);

// Draws one planned picture on the fixed palette.
vkhost::Bitmap8 paint(const Picture& picture);

struct GenerateResult {
    int written = 0;
    int removed = 0;  // stale pictures of a previous run
    std::vector<std::string> errors;
};

// Writes every picture of the plan as <dir>/<id>.bmp, an index (bitmaps.txt:
// id, width, height, role, uses) and the resource script for the Windows
// build (bitmaps_generated.rc), and removes pictures the plan no longer has.
GenerateResult write_artwork(const Plan& plan, const std::string& dir);

}  // namespace vkart

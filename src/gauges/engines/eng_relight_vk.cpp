// The two relight switches under their guards. A switch held up keeps the
// relight command of its engine alive; the start panel's callback engages
// the starter while it lasts.
#include "frame/element.h"
#include "frame/gauge_table.h"
#include "frame/mouse.h"
#include "gauges/engines/engine_sides.h"
#include "gauges/state.h"

namespace vk {
namespace {

constexpr uint32_t kPicture = 0x3 | kHidden;

constinit Chain elements{
    &hdr_eng_relight_vk,
    image(18704),                       // 0 panel
    icon(30544, At{0, 0}, 0x3),         // 1 engine 1 guard open
    icon(30560, At{39, 0}, 0x3),        // 2 engine 2 guard open
    icon(18736, At{13, 54}, 0x3),       // 3 engine 1 switch down
    icon(18784, At{13, 39}, kPicture),  // 4 engine 1 switch up
    icon(18736, At{56, 54}, 0x3),       // 5 engine 2 switch down
    icon(18784, At{56, 39}, kPicture),  // 6 engine 2 switch up
};

int32_t VKCALL up_1(const MousePoint*, uint32_t) {
    relight_up(kLeftStart);
    return 0;
}
int32_t VKCALL down_1(const MousePoint*, uint32_t) {
    relight_down(kLeftStart);
    return 0;
}
int32_t VKCALL up_2(const MousePoint*, uint32_t) {
    relight_up(kRightStart);
    return 0;
}
int32_t VKCALL down_2(const MousePoint*, uint32_t) {
    relight_down(kRightStart);
    return 0;
}

constexpr auto kMouse = mouse_list(kNoHelp, area(0, 17, 36, 42, kCursorUp, kMouseKnob, up_1),
                                   area(0, 59, 36, 42, kCursorDown, kMouseLeft, down_1),
                                   area(43, 17, 36, 42, kCursorUp, kMouseKnob, up_2),
                                   area(43, 59, 36, 42, kCursorDown, kMouseLeft, down_2));

void draw(const StartSide& side, ElementHeader* guard, ElementHeader* down, ElementHeader* up) {
    const bool open = !(eng.*side.relight_guard_closed);
    const bool held = eng.*side.relight_frames != 0;
    show(guard, open);
    show(down, open && !held);
    show(up, open && held);
}

void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    relight_tick(kLeftStart);
    relight_tick(kRightStart);
    draw(kLeftStart, elements[1], elements[3], elements[4]);
    draw(kRightStart, elements[2], elements[5], elements[6]);
}

}  // namespace

GaugeHeader hdr_eng_relight_vk =
    gauge_header(GaugeId::eng_relight_vk, elements.list, kMouse.data(), update);

}  // namespace vk

#pragma once
// The four tank gauges: a dial whose needle the converter drives, with a test
// sweep, and a night overlay with its own needle. The main and auxiliary
// dials of both sides are one gauge on four descriptions; each gauge file
// instantiates it with its dial face, its side, its needle and its header.
#include "frame/element.h"
#include "frame/mouse.h"
#include "gauges/fuel/fuel_sides.h"
#include "gauges/state.h"

namespace vk {

// What sets a main dial apart from an auxiliary one.
struct TankFace {
    int32_t dial_bitmap;
    int32_t night_bitmap;
    void (*compute)(const TankSide&);  // the contents this dial shows
};

inline constexpr TankFace kMainTankFace{13568, 13584, compute_main_tank};
inline constexpr TankFace kAuxTankFace{13424, 13440, compute_aux_tank};

template <auto& Scale, const TankFace& Face, const TankSide& Side, const TankDial& Dial,
          GaugeHeader& Header>
struct TankGauge {
    static double VKCALL contents(ElementHeader*) { return fuel.*Dial.shown; }

    static inline constinit Chain elements{
        &Header,
        image(Face.dial_bitmap),                                       // 0 dial
        needle(13392, kTankPivot, kTankNeedlePivot, Scale, contents),  // 1 needle
        icon(Face.night_bitmap, At{}, 0x3 | kHidden),                  // 2 night overlay
        needle(13408, kTankPivot, kTankNeedlePivot, Scale, contents, 0x3 | kHidden),  // 3 night
    };

    static constexpr auto kMouse = mouse_list(0xAB26);

    static void VKCALL update(GaugeHeader*, int32_t service, uint32_t) {
        if (service != static_cast<int32_t>(Service::pre_update)) return;
        Face.compute(Side);
        move_tank_needle(Dial);
        show(elements[2], panel.night_lighting);
        show(elements[3], panel.night_lighting);
    }
};

}  // namespace vk

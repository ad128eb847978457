#pragma once
// The two generator ammeters and the two line meters: each pair is one gauge
// on its own fields, instantiated by the gauge files with their header.
#include "frame/element.h"
#include "frame/gauge_parts.h"
#include "frame/meter.h"
#include "frame/mouse.h"
#include "gauges/state.h"

namespace vk {

// A generator ammeter, 0 to 50 A.
template <auto Amps, GaugeHeader& Header>
struct GeneratorAmmeter {
    // Each gauge its own table: the host writes needle angles into it.
    static inline ScaleEntry scale[] = {
        point(0, 9, 44),   point(10, 30, 24),  point(20, 54, 14),
        point(30, 81, 14), point(40, 107, 22), point(50, 127, 44),
    };

    static inline constinit Chain elements{
        &Header,
        image(640),                                                   // 0 face
        needle(kMeterDial, scale, field_reading<elec, Amps, 0, 50>),  // 1 needle
        meter_plate(),                                                // 2 plate over the pivot
    };

    static constexpr auto kMouse = mouse_list(kNoHelp);
};

// A line meter: one dial with two needles, the line current on the left and
// the line voltage on the right. The voltage scale starts at 15 V: below that
// the needle rests on its stop.
template <auto Amps, auto Volts, GaugeHeader& Header>
struct LineMeter {
    static constexpr Dial kAmpsDial{30032, At{60, 68}, Pivot{-14, 4}, 0x4003, 6};
    static constexpr Dial kVoltsDial{30032, At{74, 68}, Pivot{-14, 4}, 0x4003, 6};

    static inline ScaleEntry amps[] = {
        point(0, 53, 127), point(50, 23, 115), point(100, 4, 86),
        point(150, 4, 49), point(200, 24, 21), point(250, 53, 9),
    };
    static inline ScaleEntry volts[] = {
        point(35, 80, 8),    point(30, 117, 26), point(25, 135, 68),
        point(20, 116, 109), point(15, 80, 126), point(0, 80, 126),
    };

    static inline constinit Chain elements{
        &Header,
        image(30048),                                                  // 0 face
        needle(kAmpsDial, amps, field_reading<elec, Amps, 0, 250>),    // 1 line current
        needle(kVoltsDial, volts, field_reading<elec, Volts, 0, 35>),  // 2 line voltage
        icon(30064, At{5, 75}, 0x3),                                   // 3 plate over the pivots
    };

    static constexpr auto kMouse = mouse_list(kNoHelp);
};

}  // namespace vk

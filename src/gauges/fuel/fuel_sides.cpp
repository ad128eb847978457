#include "gauges/fuel/fuel_sides.h"

#include <algorithm>
#include <cmath>

#include "frame/controls.h"
#include "frame/drum.h"
#include "frame/panel_display.h"
#include "sound/sound_set.h"

namespace vk {

// ---------------------------------------------------------------- fuel feed

const FeedSide kLeftFeed{
    &FuelState::left_pump_a_switch,
    &FuelState::left_pump_b_switch,
    &FuelState::left_pump_c_switch,
    &FuelState::left_pump_d_switch,
    &FuelState::left_pump_a_running,
    &FuelState::left_pump_b_running,
    &FuelState::left_pump_c_running,
    &FuelState::left_pump_d_running,
    &FuelState::left_low_pressure_light,
    &FuelState::left_lp_valve_switch,
    &FuelState::left_lp_valve_open,
    &FuelState::left_feed_pressure,
    &FuelState::left_engine_suction,
    &FuelState::left_pressure_shown,
    &FuelState::left_main_kg,
    &FuelState::host_selector_1,
    Var::engine_speed_1,
    Var::fuel_valve_1,
    Key::fuel_valve_1_toggle,
    17000.0,
    2,
    4,
    Key::fuel_selector_1_none,
    Key::fuel_selector_1_tank_2,
    Key::fuel_selector_1_tank_3,
    Key::fuel_selector_1_tank_4,
    Key::fuel_selector_1_tank_5,
};

const FeedSide kRightFeed{
    &FuelState::right_pump_a_switch,
    &FuelState::right_pump_b_switch,
    &FuelState::right_pump_c_switch,
    &FuelState::right_pump_d_switch,
    &FuelState::right_pump_a_running,
    &FuelState::right_pump_b_running,
    &FuelState::right_pump_c_running,
    &FuelState::right_pump_d_running,
    &FuelState::right_low_pressure_light,
    &FuelState::right_lp_valve_switch,
    &FuelState::right_lp_valve_open,
    &FuelState::right_feed_pressure,
    &FuelState::right_engine_suction,
    &FuelState::right_pressure_shown,
    &FuelState::right_main_kg,
    &FuelState::host_selector_2,
    Var::engine_speed_2,
    Var::fuel_valve_2,
    Key::fuel_valve_2_toggle,
    20000.0,
    3,
    5,
    Key::fuel_selector_2_none,
    Key::fuel_selector_2_tank_2,
    Key::fuel_selector_2_tank_3,
    Key::fuel_selector_2_tank_4,
    Key::fuel_selector_2_tank_5,
};

namespace {

constexpr double kLowLevelKg = 200.0;     // low-level lamp and pump B automatic
constexpr int16_t kLowPressure = 111;     // low-pressure latch below this
constexpr int16_t kFeedPressure = 50;     // a side feeds its engine from here on
constexpr double kTurningPercent = 20.0;  // engine speed that counts as turning
constexpr int16_t kNormalPressure = 250;

bool any_pump_running(const FeedSide& s) {
    return fuel.*s.pump_a_running || fuel.*s.pump_b_running || fuel.*s.pump_c_running ||
           fuel.*s.pump_d_running;
}

int16_t decayed(int16_t p, bool suction) {
    return static_cast<int16_t>(std::max(0, p - (suction ? 10 : 3)));
}

}  // namespace

uint8_t reduce_selector(int32_t v) {
    switch (v) {
        case 0:
        case 2:
        case 3:
        case 4:
        case 5:
            return static_cast<uint8_t>(v);
        default:
            return 6;
    }
}

void run_pumps(const FeedSide& s) {
    const bool ess = elec.ess_bus_powered;
    const bool main = elec.main_bus_powered;
    fuel.*s.pump_a_running = fuel.*s.pump_a_switch != 0 && ess;
    switch (fuel.*s.pump_b_switch) {
        case 1:
            fuel.*s.pump_b_running = main;
            break;
        case 2:  // automatic: only once the main tank runs low
            fuel.*s.pump_b_running = main && fuel.*s.main_kg < kLowLevelKg;
            break;
        default:
            fuel.*s.pump_b_running = 0;
    }
    fuel.*s.pump_c_running = fuel.*s.pump_c_switch == 1 && ess;

    const bool low = fuel.*s.feed_pressure < kLowPressure;
    uint8_t& latch = fuel.*s.low_pressure_latch;
    if (fuel.*s.pump_d_switch != 0) {
        // The latch clears only once pump D has delivered for a frame.
        if (low)
            latch = 1;
        else if (fuel.*s.pump_d_running)
            latch = 0;
        fuel.*s.pump_d_running = main;
    } else {
        fuel.*s.pump_d_running = 0;
        latch = low;
    }
}

bool low_pressure_lamp(const FeedSide& s) {
    return fuel.*s.low_pressure_latch && elec.main_bus_powered;
}

bool low_level_lamp(const FeedSide& s) {
    return fuel.*s.main_kg < kLowLevelKg && elec.ess_bus_powered;
}

uint8_t wanted_selector(const FeedSide& s, const FeedSide& other) {
    const bool below_ceiling = var(Var::altitude) < s.suction_ceiling_ft;
    const bool turning = var(s.engine_speed) >= kTurningPercent;
    const bool suction = below_ceiling && turning;
    const bool valve_open = fuel.*s.valve_open;
    const int16_t pressure = fuel.*s.feed_pressure;

    const bool self_fed = !fuel.crossfeed_open || !elec.ess_bus_powered ||
                          (valve_open && (pressure >= kFeedPressure || suction));
    if (self_fed) {
        if (!valve_open) return 0;
        if (pressure < kFeedPressure) return suction ? s.suction_selector : 0;
        return (fuel.*s.pump_b_running || fuel.*s.pump_c_running) ? s.pumped_selector
                                                                  : s.suction_selector;
    }
    // Fed across from the other side, from whichever of its tanks it draws.
    if (fuel.*other.valve_open && fuel.*other.feed_pressure >= kFeedPressure) {
        const uint8_t theirs = fuel.*other.host_selector;
        if (theirs == other.pumped_selector || theirs == other.suction_selector) return theirs;
    }
    return 0;
}

void command_selector(const FeedSide& s, uint8_t wanted) {
    if (fuel.*s.host_selector == wanted) return;
    switch (wanted) {
        case 0:
            send_key(s.selector_none);
            break;
        case 2:
            send_key(s.selector_2);
            break;
        case 3:
            send_key(s.selector_3);
            break;
        case 4:
            send_key(s.selector_4);
            break;
        case 5:
            send_key(s.selector_5);
            break;
        default:
            break;
    }
}

void update_feed_pressure(const FeedSide& s, const FeedSide& other) {
    int16_t& p = fuel.*s.feed_pressure;
    const bool suction = fuel.*s.engine_suction;
    const bool pumps = any_pump_running(s);
    const bool fed_across = fuel.*other.valve_open && fuel.crossfeed_open && !pumps;

    if (fed_across) {
        p = fuel.*other.feed_pressure;
    } else if (!(fuel.*s.valve_open)) {
        p = decayed(p, suction);
    } else if (fuel.*s.pump_c_running) {
        p = p < 245 ? static_cast<int16_t>(p + 5) : kNormalPressure;
    } else if (!(fuel.*s.pump_a_running) && !(fuel.*s.pump_b_running) &&
               !(fuel.*s.pump_d_running)) {
        p = decayed(p, suction);
    } else if (p <= 240) {
        p = static_cast<int16_t>(p + 10);
    } else if (suction) {
        p = p < 260 ? kNormalPressure : static_cast<int16_t>(p - 10);
    } else {
        p = p < 253 ? kNormalPressure : static_cast<int16_t>(p - 3);
    }
}

void command_host_valve(const FeedSide& s, const FeedSide& other) {
    const double own = var(s.host_fuel_valve);
    const double theirs = var(other.host_fuel_valve);
    if (!elec.ess_bus_powered) return;
    const bool is_open = own == 1.0;
    const bool is_closed = own == 0.0;
    if (fuel.*s.valve_switch) {
        if (is_closed) send_key(s.host_valve_toggle);
    } else if (fuel.crossfeed_open && theirs == 1.0) {
        // Left open so that the engine can be fed from the other side.
        if (is_closed) send_key(s.host_valve_toggle);
    } else if (is_open) {
        send_key(s.host_valve_toggle);
    }
}

void draw_pump_panel(const FeedSide& s, ElementHeader* const* e) {
    const bool alternate = var(Var::nav_light_a) == 1.0;
    const bool night = panel.night_lighting;
    const uint8_t c = fuel.*s.pump_c_switch, a = fuel.*s.pump_a_switch;
    const uint8_t b = fuel.*s.pump_b_switch, d = fuel.*s.pump_d_switch;
    // Exactly one picture per switch; pump A's middle picture is never drawn.
    const bool visible[kPumpPictures] = {c == 1, c != 1, a != 0,           false,  a == 0,
                                         b == 1, b == 0, b != 0 && b != 1, d != 0, d == 0};
    for (int k = 0; k < kPumpPictures; ++k)
        show_day_night(e[1 + k], e[1 + kPumpPictures + k], visible[k], night);

    const bool low_level = low_level_lamp(s), low_pressure = low_pressure_lamp(s);
    show(e[21], low_level && !alternate);
    show(e[22], low_level && alternate);
    show(e[23], low_pressure && !alternate);
    show(e[24], low_pressure && alternate);
}

void draw_valve_panel(const FeedSide& s, ElementHeader* const* e) {
    show(e[1], fuel.*s.valve_switch);
    show(e[2], !(fuel.*s.valve_switch));
    show(e[3], fuel.*s.valve_open);
    show(e[4], !(fuel.*s.valve_open));
    // Both lamps show the host valve, dark without the essential bus.
    const bool lit = elec.ess_bus_powered;
    const bool open = var(s.host_fuel_valve) == 1.0 && fuel.*s.valve_switch;
    for (int lamp : {5, 7}) {
        show(e[lamp], lit && open);
        show(e[lamp + 1], lit && !open);
    }
}

void set_valve(const FeedSide& s, uint8_t open) {
    const bool changed = fuel.*s.valve_switch != open || fuel.*s.valve_open != open;
    fuel.*s.valve_switch = open;
    fuel.*s.valve_open = open;
    if (changed) play(Sound::click);
}

// ---------------------------------------------------------------- tank contents

const TankSide kLeftTanks{Var::left_tank_1_level,   Var::left_tank_1_capacity,
                          Var::left_tank_2_level,   Var::left_tank_2_capacity,
                          &FuelState::left_main_kg, &FuelState::left_main_litres,
                          &FuelState::left_aux_kg,  &FuelState::left_aux_litres};
const TankSide kRightTanks{Var::right_tank_1_level,   Var::right_tank_1_capacity,
                           Var::right_tank_2_level,   Var::right_tank_2_capacity,
                           &FuelState::right_main_kg, &FuelState::right_main_litres,
                           &FuelState::right_aux_kg,  &FuelState::right_aux_litres};

namespace {

// Host tank levels are fractions of 2^23; this gives percent.
constexpr double kLevelPerPercent = 83886.08;
constexpr double kVolumePerGallon = 3.84;
constexpr double kKgPerPound = 0.453;

double kg_of(double volume, double pounds_per_gallon) {
    return pounds_per_gallon / kVolumePerGallon * kKgPerPound * volume;
}

}  // namespace

void compute_main_tank(const TankSide& s) {
    const double level_1 = var(s.level_1), capacity_1 = var(s.capacity_1);
    const double level_2 = var(s.level_2), capacity_2 = var(s.capacity_2);
    const double weight = var(Var::fuel_weight_per_gallon);
    const bool second = capacity_2 >= capacity_1;
    const double percent = (second ? level_2 : level_1) / kLevelPerPercent;
    const double capacity = second ? capacity_2 : capacity_1;
    fuel.*s.main_litres = percent * capacity * kVolumePerGallon / 100.0;
    fuel.*s.main_kg = kg_of(fuel.*s.main_litres, weight);
}

void compute_aux_tank(const TankSide& s) {
    const double level_1 = var(s.level_1), capacity_1 = var(s.capacity_1);
    const double level_2 = var(s.level_2), capacity_2 = var(s.capacity_2);
    const double weight = var(Var::fuel_weight_per_gallon);
    const double centre_level = var(Var::centre_tank_level);
    const double centre_capacity = var(Var::centre_tank_capacity);
    if (!(capacity_2 > 0.0)) {
        // A single tank on this side: the aux dial shows the centre tank.
        if (centre_capacity > 0.0) fuel.*s.aux_kg = centre_level / kLevelPerPercent * 100.0;
        return;
    }
    const bool second = capacity_2 < capacity_1;
    const double percent = (second ? level_2 : level_1) / kLevelPerPercent;
    const double capacity = second ? capacity_2 : capacity_1;
    // The aux dial is graduated for ten times the main formula's volume.
    fuel.*s.aux_litres = percent * capacity * kVolumePerGallon / 10.0;
    fuel.*s.aux_kg = kg_of(fuel.*s.aux_litres, weight);
}

const TankDial kLeftMainDial{&FuelState::left_main_shown,
                             &FuelState::left_main_kg,
                             &FuelState::left_main_test,
                             &FuelState::left_main_test_phase,
                             7000.0,
                             100.0};
const TankDial kRightMainDial{&FuelState::right_main_shown,
                              &FuelState::right_main_kg,
                              &FuelState::right_main_test,
                              &FuelState::right_main_test_phase,
                              7000.0,
                              100.0};
const TankDial kLeftAuxDial{&FuelState::left_aux_shown,
                            &FuelState::left_aux_kg,
                            &FuelState::left_aux_test,
                            &FuelState::left_aux_test_phase,
                            12000.0,
                            250.0};
const TankDial kRightAuxDial{&FuelState::right_aux_shown,
                             &FuelState::right_aux_kg,
                             &FuelState::right_aux_test,
                             &FuelState::right_aux_test_phase,
                             12000.0,
                             250.0};

void move_tank_needle(const TankDial& d) {
    double& shown = fuel.*d.shown;
    const double contents = fuel.*d.contents;
    if (elec.ac_conv_out_b) {
        uint8_t& phase = fuel.*d.test_phase;
        if (!(fuel.*d.test)) {
            if (shown >= contents - 100.0)
                shown = contents;
            else
                shown += 500.0;
        } else if (phase == 0) {
            shown += d.test_rise;
            if (shown >= d.top) phase = 1;
        } else if (shown <= contents + 100.0) {
            shown = contents;
            fuel.*d.test = 0;
            phase = 0;
        } else {
            shown -= 250.0;
        }
    }
    // Held on the dial; a value that is no number rests at 0.
    shown = std::isnan(shown) ? 0.0 : std::clamp(shown, 0.0, d.top);
}

// ---------------------------------------------------------------- fuel used

const UsedCounter kUsed1{Var::fuel_flow_1,
                         &FuelState::fuel_used_1_kg,
                         &FuelState::fuel_used_1_next_time,
                         &FuelState::fuel_used_1_timing,
                         &FuelState::fuel_used_1_reset,
                         &FuelState::fuel_used_1_button_frames};
const UsedCounter kUsed2{Var::fuel_flow_2,
                         &FuelState::fuel_used_2_kg,
                         &FuelState::fuel_used_2_next_time,
                         &FuelState::fuel_used_2_timing,
                         &FuelState::fuel_used_2_reset,
                         &FuelState::fuel_used_2_button_frames};

namespace {
// Kilograms burnt in one step at a fuel flow of one pound per hour. A step
// is armed on one frame and taken on the first frame at or past its time, so
// at 18 frames a second steps come every third of a second; the factor
// 1.3407037 accounts for that.
constexpr double kKgPerStepPerLbH = 1.3407037 * 0.453 / 14400.0;
// Rounding of (now + step) - now, which must not count as time going back.
constexpr double kClockSlack = 1e-6;
}  // namespace

void run_fuel_used(const UsedCounter& c) {
    const double now = var(Var::fuel_used_clock);
    const double flow = var(c.fuel_flow);
    double& next = fuel.*c.next_time;
    uint8_t& timing = fuel.*c.timing;
    if (elec.gen_supply_on && elec.ac_conv_out_b) {
        // A pending step is re-armed when the host's time has gone back by
        // more than a step (or is no number), instead of waiting for the
        // clock to catch up with the old step.
        if (!timing || !(next - now <= kFuelUsedStep + kClockSlack)) {
            next = now + kFuelUsedStep;
            timing = 1;
        }
        if (now >= next) {
            // A flow that is no number or negative adds nothing: the counter
            // never runs backwards and is never lost.
            if (std::isfinite(flow) && flow > 0.0) fuel.*c.kg += flow * kKgPerStepPerLbH;
            timing = 0;
        }
    }
    if (fuel.*c.reset) {
        fuel.*c.kg = 0.0;
        fuel.*c.reset = 0;
    }
}

double fuel_used_drum(const UsedCounter& c, int k) {
    double positions[5];
    const double kg = fuel.*c.kg;
    odometer(std::isfinite(kg) ? kg : 0.0, positions, 5);
    return k >= 0 && k < 5 ? positions[k] : 0.0;
}

}  // namespace vk

// Toggle zone of the failures and easy start panel, and the start-up sequence
// that runs in its callback once per load: every panel window is opened so
// that every gauge is installed and runs from then on; the crew (on the choice
// screen) or a countdown chooses a cold or a running aircraft; eight frames
// write the chosen switch positions; one frame closes the windows again.
#include "frame/gauge_table.h"
#include "frame/host.h"
#include "frame/toggle_zone.h"
#include "gauges/presets.h"
#include "gauges/state.h"

namespace vk {
namespace {

constinit Chain elements{&hdr_toggle_pan_fail, zone_picture(GaugeId::toggle_pan_fail)};

constexpr auto kMouse = zone_mouse("display/hide failures and easy start panel", ZoneSize{70, 40},
                                   toggle_windows<WindowBy::key_event, Window::failures>);

constexpr uint8_t kCold = 1;
constexpr uint8_t kRunning = 2;
constexpr uint8_t kCountdownStart = 15;
constexpr uint8_t kCountdownEnd = 3;  // the count at which the cold aircraft is chosen
constexpr uint8_t kStepLastOpening = 9;
constexpr uint8_t kStepClosing = 10;
constexpr uint8_t kStepDone = 11;
constexpr double kAirborneHeightM = 100.0;

// Opened while the sequence waits for a choice.
constexpr Window kOpenedAtFirst[] = {
    Window::pedestal, Window::autopilot,    Window::hydraulics, Window::servos, Window::electrical,
    Window::start,    Window::tadg_battery, Window::upper2,     Window::upper3, Window::clock,
    Window::doors,    Window::pressure,     Window::gps,
};
// Kept open on the frames of a running aircraft.
constexpr Window kOpenedRunning[] = {
    Window::pedestal, Window::autopilot,    Window::hydraulics, Window::servos, Window::electrical,
    Window::start,    Window::tadg_battery, Window::upper2,     Window::upper3, Window::clock,
    Window::doors,    Window::pressure,     Window::failures,   Window::gps,
};
// Closed at the end; the electrical panel stays open after a cold start.
constexpr Window kClosedAtEnd[] = {
    Window::pedestal,     Window::autopilot, Window::hydraulics, Window::servos, Window::start,
    Window::tadg_battery, Window::upper2,    Window::upper3,     Window::clock,  Window::gear,
    Window::doors,        Window::pressure,  Window::failures,   Window::gps,
};

template <std::size_t N>
void open_all(const Window (&windows)[N]) {
    for (Window w : windows) open_window(w);
}

// Step 0: the windows stay open until a choice exists. A choice made on the
// choice screen starts the sequence as it stands. With the screen running and
// no choice yet, it is reopened every frame until the crew chooses. Without
// it, a countdown of its own picks the cold aircraft on the 14th frame;
// startup_choice itself only ever holds 0, 1 or 2, so a choice screen that
// appears during the countdown still waits for the crew, and a crew choice
// made before the screen's gauge first ran is not turned into a cold one.
void wait_for_choice() {
    open_all(kOpenedAtFirst);
    if (panel.startup_choice == kCold || panel.startup_choice == kRunning) {
        panel.startup_step = 1;
    } else if (panel.loader_present) {
        open_window(Window::choice);
    } else if (panel.startup_countdown == 0) {
        panel.startup_countdown = kCountdownStart;
    } else if (panel.startup_countdown <= kCountdownEnd) {
        panel.startup_countdown = 0;
        panel.startup_choice = kCold;
        panel.startup_step = 1;
    } else {
        --panel.startup_countdown;
    }
}

void set_running_aircraft(bool airborne) {
    if (panel.startup_step < kStepLastOpening)
        open_all(kOpenedRunning);
    else
        close_window(Window::electrical);
    if (airborne) {
        air.left_pack_valve = 255;
        air.right_pack_valve = 255;
        air.left_bleed_valve = 100;
        air.right_bleed_valve = 100;
        air.left_engine_bleed = 1;
        air.right_engine_bleed = 1;
        air.cabin_alt = 0.0f;
    }
    gear.nav_light_switch = 1;
    gear.beacon_switch = 1;
    fail.easy_start = 1;
}

void set_cold_aircraft() {
    send_key(Key::cold_start_setup, 125);
    set_cold_aircraft_switches();
}

void close_windows() {
    for (Window w : kClosedAtEnd) close_window(w);
    if (panel.loader_present) close_window(Window::choice);
    panel.startup_step = kStepDone;
}

void startup() {
    uint8_t& step = panel.startup_step;
    if (step == 0) wait_for_choice();
    if (step >= 1 && step <= kStepLastOpening)
        ++step;
    else if (step > kStepLastOpening && step != kStepDone)
        step = kStepClosing;

    if (step >= 1 && step <= kStepLastOpening) {
        const bool airborne = var(Var::radio_height) > kAirborneHeightM;
        if (airborne || panel.startup_choice == kRunning)
            set_running_aircraft(airborne);
        else
            set_cold_aircraft();
    }
    if (step == kStepClosing) close_windows();
}

void VKCALL update(GaugeHeader* g, int32_t service, uint32_t) {
    if (service != static_cast<int32_t>(Service::pre_update)) return;
    show_zone(g);
    startup();
}

}  // namespace

GaugeHeader hdr_toggle_pan_fail =
    gauge_header(GaugeId::toggle_pan_fail, elements.list, kMouse.data(), update);

}  // namespace vk

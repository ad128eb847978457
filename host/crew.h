#pragma once
// What a crew does on the cockpit's panels, named after the controls rather
// than after gauge areas, for scenarios and end-to-end tests. Each action is
// one mouse event on the area of the gauge that carries the control (a press,
// or the repeat of a button held down), exactly as the simulator delivers it;
// nothing reaches into the module's state.
#include <functional>

#include "host/test_host.h"

namespace vkhost {

class Crew {
  public:
    explicit Crew(TestHost& host) : host_(host) {}

    // Places every built gauge of the electrical, fuel and engine panels.
    void place_power_plant_panels();

    // ---- electrical
    void master_switch(int position);  // 0 off, 1 ground power, 2 battery
    void ground_power_button();        // asks for (or gives back) ground power

    // ---- fuel panel; side 1 left (engine 1), 2 right (engine 2)
    void pump_a(int side, bool on);
    void pump_b(int side, int position);  // 1 on, 0 off, 2 automatic
    void pump_d(int side, bool on);
    void crossfeed(bool open);

    // ---- pedestal; `held` is a repeat of a button kept down since the last frame
    void throttle(int engine, bool forward, bool held = false);

    // ---- start panel
    void start_selector(int position);  // 0 centre, 1 engine 1, 2 engine 2
    void start_master(bool on);
    void press_start();
    void relight_switch_up(int engine, bool held = false);

    // Runs frames until `done` holds, at most `seconds`; whether it held.
    bool wait_until(const std::function<bool()>& done, double seconds);

  private:
    void click(const char* gauge, int area, bool held = false) {
        host_.click(gauge, area, held ? vk::kMouseRepeat : vk::kMouseLeft);
    }
    TestHost& host_;
};

}  // namespace vkhost

#pragma once
// The DC panel gauges placed in a linked test host, with the few host inputs
// the DC network reads.
#include <initializer_list>

#include "support.h"

namespace vktest {

class DcPanel : public LinkedHost {
  protected:
    // Places the named gauges, or all seven DC panel gauges.
    void place(std::initializer_list<const char*> gauges = {}) {
        static constexpr const char* kAll[] = {
            "tadg_sw_vk",      "elec_mas_sw_vk",  "commut_batt_vk",     "elec_bus_bat_vk",
            "elec_bus_gen_vk", "elec_breaker_vk", "elec_break_reset_vk"};
        if (gauges.size() == 0)
            for (const char* g : kAll) host.place(g);
        for (const char* g : gauges) host.place(g);
    }
    void engines(double speed_1, double speed_2) {
        host.set(id(vk::Var::engine_speed_1), speed_1);
        host.set(id(vk::Var::engine_speed_2), speed_2);
    }
    void seconds(double s) { host.run_seconds(s); }
    void frames(int n) { host.run_frames(n); }

    // Panel clicks, by area.
    void tadg_off() {  // lower half twice: opens the guard, then switches off
        host.click("tadg_sw_vk", 0);
        host.click("tadg_sw_vk", 0);
    }
    void master(int position) {  // areas: 0 ground power, 1 off, 2 battery
        host.click("elec_mas_sw_vk", position == 1 ? 0 : position == 0 ? 1 : 2);
    }
    void generator_off(int n) {  // lower half twice: opens the guard, then off
        host.click("elec_breaker_vk", n == 1 ? 1 : 4);
        host.click("elec_breaker_vk", n == 1 ? 1 : 4);
    }
};

}  // namespace vktest

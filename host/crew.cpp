#include "host/crew.h"

#include "frame/gauge_table.h"

namespace vkhost {

namespace {
// Systems of the gauge table: electrical, fuel, engines.
constexpr int kPowerPlantSystems[] = {4, 6, 7};
}  // namespace

void Crew::place_power_plant_panels() {
    for (int i = 0; i < host_.gauge_count(); ++i) {
        const int system = vk::kGaugeInfo[i].system;
        for (int wanted : kPowerPlantSystems)
            if (system == wanted && host_.built(host_.gauge(i))) host_.place(host_.gauge(i));
    }
}

void Crew::master_switch(int position) {
    // Areas of the master switch: ground power, off, battery.
    click("elec_mas_sw_vk", position == 1 ? 0 : position == 0 ? 1 : 2);
}

void Crew::ground_power_button() {
    click("elec_bus_gen_vk", 0);
}

void Crew::pump_a(int side, bool on) {
    click(side == 1 ? "fuel_pumps_lh_vk" : "fuel_pumps_rh_vk", on ? 0 : 1);
}

void Crew::pump_b(int side, int position) {
    click(side == 1 ? "fuel_pumps_lh_vk" : "fuel_pumps_rh_vk", position == 1   ? 2
                                                               : position == 0 ? 3
                                                                               : 4);
}

void Crew::pump_d(int side, bool on) {
    click(side == 1 ? "fuel_pumps_lh_vk" : "fuel_pumps_rh_vk", on ? 7 : 8);
}

void Crew::crossfeed(bool open) {
    click("fuel_crossfeed_vk", open ? 0 : 1);
}

void Crew::throttle(int engine, bool forward, bool held) {
    click(engine == 1 ? "thr_hpbp_left_vk" : "thr_hpbp_right_vk", forward ? 0 : 1, held);
}

void Crew::start_selector(int position) {
    click("engstart_vk", position == 1 ? 0 : position == 2 ? 2 : 1);
}

void Crew::start_master(bool on) {
    click("engstart_vk", on ? 3 : 4);
}

void Crew::press_start() {
    click("engstart_vk", 5);
}

void Crew::relight_switch_up(int engine, bool held) {
    click("eng_relight_vk", engine == 1 ? 0 : 2, held);
}

bool Crew::wait_until(const std::function<bool()>& done, double seconds) {
    const int frames = static_cast<int>(seconds * TestHost::kFramesPerSecond);
    for (int f = 0; f < frames; ++f) {
        if (done()) return true;
        host_.run_frames(1);
    }
    return done();
}

}  // namespace vkhost

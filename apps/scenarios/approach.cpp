// An ILS approach flown on the flight director: the aircraft joins runway
// 27's localizer at a 30-degree angle below the glide slope, the host's
// pilot flies the command bars of the captain's attitude director indicator,
// and the timeline shows the localizer and the glide slope being captured and
// what the bars command, down to 100 ft.
#include <cmath>
#include <string>

#include "apps/scenario.h"
#include "frame/host_vars.h"
#include "host/flight.h"
#include "host/ids.h"

namespace {

using vkhost::id;

// Elements of the captain's attitude director indicator.
constexpr int kFdFlag = 4, kPitchBar = 6, kRollBar = 7;

struct Bars {
    bool flag = true;
    double roll = 0.0, pitch = 0.0;  // off centre: right, down
};

Bars bars(const vkhost::TestHost& host) {
    vk::GaugeHeader* adi = host.gauge("fdadi_vk");
    Bars b;
    if (!adi || !host.built(adi)) return b;
    b.flag = !(host.element(adi, kFdFlag)->flags & vk::kHidden);
    b.roll = host.view(host.element(adi, kRollBar)).value - 6.0;
    b.pitch = host.view(host.element(adi, kPitchBar)).value_y - 6.0;
    return b;
}

std::string bar_text(double off, const char* plus, const char* minus) {
    char text[48];
    if (std::fabs(off) < 0.05)
        std::snprintf(text, sizeof text, "centred");
    else
        std::snprintf(text, sizeof text, "%.2f %s", std::fabs(off), off > 0 ? plus : minus);
    return text;
}

void status(vkhost::TestHost& host, const vkhost::FlightModel& m, std::FILE* out) {
    const Bars b = bars(host);
    const double ra_ft = host.get(id(vk::Var::radio_height)) * 3.281;
    std::fprintf(out,
                 "%s  %4.1f nm  %5.0f ft (radio %5.0f)  %3.0f kt  hdg %05.1f  bank %+5.1f  "
                 "vs %+5.0f  loc %+6.1f  gs %+6.1f  bars: %s\n",
                 vkapp::timestamp(host).c_str(), std::hypot(m.east_m, m.north_m) / 1852.0,
                 m.altitude_ft, ra_ft, m.ias_kt, m.heading_deg, m.bank_deg, m.vs_fpm,
                 m.localizer_received ? m.localizer_dev : 0.0, m.glide_received ? m.glide_dev : 0.0,
                 b.flag ? "flag in view"
                        : ("roll " + bar_text(b.roll, "right", "left") + ", pitch " +
                           bar_text(b.pitch, "down", "up"))
                              .c_str());
}

}  // namespace

VK_SCENARIO(approach, "an ILS approach flown on the flight director's bars, down to 100 ft") {
    // Every gauge placed, so that the electrical network powers the flight
    // director (the standby converter on the battery, or the generators).
    host.place_all();
    host.set(id(vk::Var::engine_speed_1), 92.0);
    host.set(id(vk::Var::engine_speed_2), 92.0);
    host.set(id(vk::Var::throttle_1), 0.5);
    host.set(id(vk::Var::throttle_2), 0.5);

    vkhost::Flight flight(host);
    const vkhost::Ils ils{270.0};
    flight.airborne(2500.0, 300.0, 180.0).position(14 * 1852.0, -3 * 1852.0).tune(ils);
    flight.airspeed(140.0, 1.0);
    const vkhost::FlightModel& m = flight.state();
    std::fprintf(
        out,
        "setup    runway 27 ILS (course 270, 3.0 degree glide slope); aircraft 14 nm east,\n"
        "         3 nm south of the centreline, 2500 ft, heading 300, 180 kt slowing to "
        "140\n");
    host.run_seconds(2.0);

    host.click("fdsw_vkm", 4);  // approach mode
    vkhost::follow_flight_director(host);
    std::fprintf(out, "%s  flight director: approach mode; the pilot follows the bars\n",
                 vkapp::timestamp(host).c_str());

    bool flag = true, loc_alive = false, established = false, gs_usable = false;
    bool armed = false, on_glide = false, below_1000 = false, below_200 = false;
    double last_gs = -127.0;
    int established_frames = 0;
    const int limit = 18 * 600;
    for (int f = 0; f < limit && m.altitude_ft > 100.0; ++f) {
        host.run_frames(1);
        const Bars b = bars(host);
        const double ra_ft = host.get(id(vk::Var::radio_height)) * 3.281;
        auto event = [&](const char* text) {
            std::fprintf(out, "%s  %s\n", vkapp::timestamp(host).c_str(), text);
            status(host, m, out);
        };
        if (b.flag != flag) {
            flag = b.flag;
            event(flag ? "flight director flag in view: no commands (no power, or a failure)"
                       : "flight director flag out of view: the bars command");
        }
        if (!loc_alive && m.localizer_received && std::fabs(m.localizer_dev) < 127.0) {
            loc_alive = true;
            event("localizer alive: the deviation comes off its stop");
        }
        // Established: within 5 units (0.1 degree) and on the course for 5 s.
        const bool on_course = loc_alive && std::fabs(m.localizer_dev) < 5.0 &&
                               std::fabs(m.heading_deg - ils.course_deg) < 3.0;
        established_frames = on_course ? established_frames + 1 : 0;
        if (!established && established_frames == 5 * 18) {
            established = true;
            event("localizer captured: on the beam and on the course");
        }
        if (!gs_usable && m.glide_received) {
            gs_usable = true;
            event("glide slope alive: usable, the aircraft below it");
        }
        if (gs_usable && !armed && m.glide_dev > -15.0 && b.pitch > 0.02) {
            armed = true;
            event(
                "glide slope armed: close below it, the pitch bar calls for the approach descent");
        }
        if (armed && !on_glide && last_gs < 0.0 && m.glide_dev >= 0.0) {
            on_glide = true;
            event("glide slope captured: on the beam, the pitch bar now keeps the aircraft on it");
        }
        last_gs = m.glide_dev;
        if (!below_1000 && ra_ft < 1000.0) {
            below_1000 = true;
            event("1000 ft above the runway");
        }
        if (!below_200 && ra_ft < 200.0) {
            below_200 = true;
            event("200 ft: decision height");
        }
        if (f % (18 * 15) == 18 * 15 - 1) status(host, m, out);
    }
    std::fprintf(out, "%s  100 ft: end of the approach\n", vkapp::timestamp(host).c_str());
    status(host, m, out);
    std::fprintf(out,
                 "summary  localizer %s, glide slope %s; %.0f m %s of the centreline, "
                 "%.2f nm before the threshold\n",
                 established ? "captured" : "NOT captured", on_glide ? "captured" : "NOT captured",
                 std::fabs(m.north_m), m.north_m >= 0.0 ? "right" : "left", m.east_m / 1852.0);
}

#include "host/panel_layout.h"

#include <iterator>
#include <set>

#include "frame/gauge_table.h"
#include "host/test_host.h"

namespace vkhost {

namespace {

// A first layout from what the gauges are: which panel each system's gauges
// belong to. The main panel takes the rest.
std::vector<PanelWindow> windows() {
    return {
        {10040,
         "pedestal",
         {"toggle_pan_ped2",  "pedestnight_vk",    "thr_hpbp_left_vk", "thr_hpbp_right_vk",
          "th_val_vk",        "spdbrk_lev_vk",     "flaps_lev_vk",     "parkb_lev_vk",
          "airbrakes_ind_vk", "airbrakes_warn_vk", "radio_navcom1_vk", "radio_navcom2_vk",
          "radio_com12_vkm",  "radio_adf1_vk",     "radio_adf2_vk",    "radio_tsp_vk",
          "radar_set_vk",     "radio_tadg1_vk",    "cvrecord_vk",      "toggle_atc_vk"}},
        {10050, "autopilot", {"apseul_vk"}},
        {10060,
         "hydraulic panel",
         {"hydrau_level_vk", "hydrau_gbvalves_vk", "hydrau_lowflow_g_vk", "hydrau_lowflow_b_vk",
          "hydrau_pump_yellow_vk", "hydrau_pump_red_vk", "hydrau_lum1_vk", "hydrau_lum2_vk",
          "hydrau_lum3_vk", "hydrau_lum4_vk", "hydrau_lum5_vk", "hydrau_press_green_vk",
          "hydrau_press_blue_vk", "hydrau_press_yellow_vk", "hydrau_press_red_vk",
          "hydrau_brakes_norm_vk", "hydrau_brakes_stby_vk"}},
        {10070,
         "servo panel",
         {"servos_vk", "emerg_lev_vk", "surf_elev_vk", "surf_ail_vk", "surf_rud_vk"}},
        {10080,
         "electrical panel",
         {"elec_mas_sw_vk",     "elec_bus_bat_vk",        "elec_bus_gen_vk",
          "elec_ac_sw_vk",      "elec_break_reset_vk",    "elec_breaker_vk",
          "elec_dcvolt_sel_vk", "elec_amp_batnorm_vk",    "elec_amp_batstby_vk",
          "elec_amp_gen1_vk",   "elec_amp_gen2_vk",       "elec_volt_dc_vk",
          "elec_volt_ac_vk",    "elec_panlight_vk",       "elec_recorder_vk",
          "elec_conv_vk",       "elec_alt_lh_vkm",        "elec_alt_rh_vkm",
          "elec_ac_gndpwr_vkm", "elec_tr_sw_lh_vkm",      "elec_tr_sw_rh_vkm",
          "elec_bus_tr_vkm",    "elec_bus_alt_vkm",       "elec_ac_altvoltsel_vkm",
          "elec_volt_alt_vkm",  "elec_ampvolt_line1_vkm", "elec_ampvolt_line2_vkm",
          "elec_cycles_vkm"}},
        {10090,
         "start panel",
         {"engstart_vk", "engstart_lights_vk", "eng_relight_vk", "engstart_volt_vk",
          "engstart_test_vk"}},
        {10100, "TADG and battery switch panel", {"tadg_sw_vk", "commut_batt_vk"}},
        {10110,
         "Upper2 panel",
         {"fuel_press_vk", "fuel_valves_lh_vk", "fuel_valves_rh_vk", "fuel_crossfeed_vk",
          "fuel_pumps_lh_vk", "fuel_pumps_rh_vk", "fuel_qtty_main_left_vk",
          "fuel_qtty_main_right_vk", "fuel_qtty_aux_left_vk", "fuel_qtty_aux_right_vk",
          "fuel_testsw_main_left_vk", "fuel_testsw_aux_left_vk", "fuel_testsw_aux_right_vk",
          "fuelused_1_vk", "fuelused_2_vk", "fuel_heat_vk", "fuel_temp_left_vk",
          "fuel_temp_right_vk"}},
        {10120,
         "Upper3 panel",
         {"lights_nac_vk",         "lights_taxi_vk",      "lights_beacon_vk",
          "lights_nav_vk",         "lights_land_vk",      "deice_pitotsw_vk",
          "deice_pitotlights_vk",  "deice_stall_vk",      "deice_watersep_vk",
          "deice_win_in_vk",       "deice_win_out_vk",    "deice_eng_sw1_vk",
          "deice_eng_sw2_vk",      "deice_eng_vm1_vk",    "deice_eng_vm2_vk",
          "deice_eng_light_vk",    "deice_eng_half1_vk",  "deice_eng_half2_vk",
          "deice_wing_sw_vk",      "deice_wing_ctrl_vk",  "deice_wing_ductemp_vk",
          "deice_wing_temp_vk",    "deice_ductwarn_vk",   "air_mainvalves_vk",
          "airc_valve_left_vk",    "airc_valve_right_vk", "vent_fog_vk",
          "airc_temp_light1_vk",   "airc_temp_light2_vk", "aircondtemp_ctrl_vk",
          "airductemp_cockpit_vk", "airductemp_cabin_vk", "aircondtemp_cockpit_vk",
          "aircondtemp_cabin_vk",  "primex_vkm",          "primextemp_lh_vkm",
          "primextemp_rh_vkm"}},
        {10130, "clock", {"montre_vk"}},
        {10140, "gear indicator panel", {"gearind_vk"}},
        {10150, "doors indicator panel", {"doors_ind_vk"}},
        {10160,
         "cabin pressure panel",
         {"pressu_cabinxs_vk", "pressu_light1_vk", "pressu_light2_vk", "pressunight_vk",
          "pressu_cabinctrl_vk", "pressu_alti_vkm", "pressu_vsi_vk", "turn_pressu_vk"}},
        {10170, "failures and easy start panel", {"failures_vk"}},
        {10180, "GPS", {}},  // the host's own GPS
        {10510, "overview", {"panel_overview"}},
        {10520, "start-up choice screen", {"panload"}},
    };
}

const char* const kNotPlaced[] = {"testgauge2k"};

}  // namespace

const std::vector<PanelWindow>& panel_layout() {
    static const std::vector<PanelWindow> layout = [] {
        std::vector<PanelWindow> list = windows();
        std::set<std::string> elsewhere(std::begin(kNotPlaced), std::end(kNotPlaced));
        for (const PanelWindow& w : list) elsewhere.insert(w.gauges.begin(), w.gauges.end());
        PanelWindow main{kMainPanel, "main panel", {}};
        for (int i = 0; i < vk::kGaugeCount; ++i) {
            std::string name = vk::kGaugeInfo[i].name;
            if (name.rfind("morvalde ", 0) == 0) name.erase(0, 9);
            if (!elsewhere.count(name)) main.gauges.push_back(name);
        }
        list.insert(list.begin(), std::move(main));
        return list;
    }();
    return layout;
}

std::string window_label(int32_t ident) {
    for (const PanelWindow& w : panel_layout())
        if (w.ident == ident) return std::string(w.name) + " (" + std::to_string(ident) + ")";
    return std::to_string(ident);
}

void set_panel_layout(TestHost& host) {
    for (const PanelWindow& w : panel_layout()) host.set_window_gauges(w.ident, w.gauges);
}

void load_aircraft(TestHost& host, LoadOptions options) {
    set_panel_layout(host);
    host.open_window(kMainPanel);
    if (options.choice_screen) host.open_window(10520);
}

}  // namespace vkhost

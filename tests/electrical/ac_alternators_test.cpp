// The two alternator panels (the right one a mirror of the left): what keeps
// an alternator off, the guarded and line switches, the lamps with their
// tests and the electrical warning.
#include <limits>
#include <string>

#include "support.h"

namespace vktest {
namespace {

using E = vk::ElecState;
constexpr const char* kGauge[] = {"elec_alt_lh_vkm", "elec_alt_rh_vkm"};
constexpr vk::Var kSpeed[] = {vk::Var::engine_speed_1, vk::Var::engine_speed_2};
constexpr uint8_t vk::EngState::*kHpLever[] = {&vk::EngState::left_hp_lever_open,
                                               &vk::EngState::right_hp_lever_open};
constexpr uint8_t E::*kAvailable[] = {&E::alt1_available, &E::alt2_available};
constexpr uint8_t E::*kSwitch[] = {&E::alt1_switch, &E::alt2_switch};
constexpr uint8_t E::*kGuard[] = {&E::alt1_guard_open, &E::alt2_guard_open};
constexpr uint8_t E::*kLineSwitch[] = {&E::alt1_line_switch, &E::alt2_line_switch};
constexpr uint8_t E::*kFaultTest[] = {&E::alt1_fault_test, &E::alt2_fault_test};

// Areas and elements, the same on both panels.
enum Area { kUpper, kLower, kLineOn, kLineOff, kTestFault, kTestLine };
enum Element { kOnClosed = 1, kLineOnPic, kGuardOpen, kOnOpen, kOff, kLineOffPic, kFault, kLine };

class Alternator : public LinkedHost, public ::testing::WithParamInterface<int> {
  protected:
    Alternator() {
        host.place(gauge);
        host.set(id(kSpeed[side]), 60.0);
        vk::elec.ess_bus_powered = 1;
    }
    uint8_t& field(uint8_t E::*const* f) { return vk::elec.*f[side]; }
    bool available() {
        host.run_frames(1);
        return field(kAvailable);
    }
    std::string drawn() {  // elements shown, as a string of their numbers
        host.run_frames(1);
        std::string s;
        for (int k = 1; k <= 8; ++k)
            if (host.shown(gauge, k)) s += std::to_string(k);
        return s;
    }
    const int side = GetParam();
    const char* gauge = kGauge[side];
};

TEST_P(Alternator, EachInhibitorAloneKeepsItOff) {
    EXPECT_TRUE(available());
    host.set(id(kSpeed[side]), 20.0);  // must be above 20
    EXPECT_FALSE(available());
    host.set(id(kSpeed[side]), std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(available());
    host.set(id(kSpeed[side]), 20.5);
    EXPECT_TRUE(available());

    host.set_int(id(vk::Var::elec_failed), 1);
    EXPECT_FALSE(available());
    host.set_int(id(vk::Var::elec_failed), 2);  // only 1 counts
    EXPECT_TRUE(available());
    vk::elec.gpu_on_dc = 1;
    EXPECT_FALSE(available());
    vk::elec.gpu_on_dc = 0;
    vk::eng.*kHpLever[side] = 0;
    EXPECT_FALSE(available());
    vk::eng.*kHpLever[side] = 1;
    field(kSwitch) = 0;
    EXPECT_FALSE(available());
}

TEST_P(Alternator, SwitchesAndLampTests) {
    EXPECT_EQ(drawn(), "12");  // on under the closed guard, line on
    host.click(gauge, kTestFault);
    EXPECT_EQ(drawn(), "127");
    EXPECT_EQ(vk::elec.elec_warning, 1);
    vk::elec.ess_bus_powered = 0;  // dark, and no new warning, without power
    vk::elec.elec_warning = 0;
    EXPECT_EQ(drawn(), "12");
    EXPECT_EQ(vk::elec.elec_warning, 0);
    vk::elec.ess_bus_powered = 1;
    EXPECT_EQ(drawn(), "127");  // the test stays pressed

    host.click(gauge, kLower);  // opens the guard
    EXPECT_EQ(drawn(), "2347");
    host.click(gauge, kLower);  // switches off: ends the test and the warning
    EXPECT_EQ(drawn(), "235");
    EXPECT_EQ(field(kFaultTest), 0);
    EXPECT_EQ(vk::elec.elec_warning, 0);
    EXPECT_FALSE(field(kAvailable));
    host.click(gauge, kUpper);  // on, guard still open
    EXPECT_EQ(drawn(), "234");
    host.click(gauge, kUpper);  // closes the guard
    EXPECT_EQ(field(kGuard), 0);
    EXPECT_EQ(drawn(), "12");

    host.click(gauge, kTestLine);
    EXPECT_EQ(drawn(), "128");
    host.click(gauge, kLineOff);
    EXPECT_EQ(drawn(), "16");
    EXPECT_EQ(field(kLineSwitch), 0);
    EXPECT_EQ(vk::elec.elec_warning, 0);
    host.click(gauge, kLineOn);
    EXPECT_EQ(drawn(), "12");  // the line test ended with the switch
}

TEST_P(Alternator, LineLampAnswersToGenerator2Trip) {
    vk::elec.gen2_tripped = 1;
    field(kLineSwitch) = 0;  // clears the warning, but the trip sets it again
    EXPECT_EQ(drawn(), "168");
    EXPECT_EQ(vk::elec.elec_warning, 1);
    vk::elec.gen2_tripped = 2;  // tripped and switched off: not lit here
    vk::elec.elec_warning = 0;
    EXPECT_EQ(drawn(), "16");
    EXPECT_EQ(vk::elec.elec_warning, 0);
}

INSTANTIATE_TEST_SUITE_P(BothSides, Alternator, ::testing::Values(0, 1),
                         [](const auto& info) { return std::string(kGauge[info.param]); });

}  // namespace
}  // namespace vktest

// Throttles and the HP/BP fuel levers with the host's fuel controls, the
// lever picture, and the throttle read-out.
#include <array>

#include "support.h"

namespace vktest {
namespace {

class Levers : public LinkedHost {
  protected:
    Levers() {
        host.place("toggle_pan_start");  // the gauge that loads the sound set
        host.place("thr_hpbp_left_vk");
        host.place("thr_hpbp_right_vk");
    }
    double control_1() const { return host.get(id(vk::Var::fuel_control_1)); }
    double throttle_1() const { return host.get(id(vk::Var::throttle_1)); }
    // Left gauge areas.
    static constexpr int kForward = 0, kBack = 1, kHpUp = 2, kHpDown = 3, kBpUp = 4, kBpDown = 5;
};

TEST_F(Levers, FuelOnExactlyWhileBothLeversAreOpen) {
    host.run_frames(1);  // both open at load: fuel on is sent once
    EXPECT_GE(control_1(), 0.5);
    EXPECT_GE(host.get(id(vk::Var::fuel_control_2)), 0.5);
    size_t m = host.mark();
    host.run_frames(5);
    EXPECT_EQ(host.keys_since(m).size(), 0u);

    // HP down with the throttle up: only the throttle comes back.
    host.set(id(vk::Var::throttle_1), 0.5);
    host.click("thr_hpbp_left_vk", kHpDown);
    EXPECT_EQ(vk::eng.left_hp_lever_open, 1);
    EXPECT_EQ(throttle_1(), 0.0);
    host.click("thr_hpbp_left_vk", kBpDown);  // BP cannot close while HP is open
    EXPECT_EQ(vk::eng.left_bp_lever_open, 1);
    host.click("thr_hpbp_left_vk", kHpDown);
    EXPECT_EQ(vk::eng.left_hp_lever_open, 0);
    host.run_frames(1);
    EXPECT_LT(control_1(), 0.5);
    EXPECT_EQ(vk::eng.left_lever_position, 110u);

    // With the HP lever closed the throttle zones do nothing.
    m = host.mark();
    host.hold("thr_hpbp_left_vk", kForward, 5);
    EXPECT_EQ(host.keys_since(m).size(), 0u);

    // HP open with BP closed: no fuel and the lever stays in its notch ...
    host.click("thr_hpbp_left_vk", kBpDown);
    host.click("thr_hpbp_left_vk", kHpUp);
    host.run_frames(3);
    EXPECT_LT(control_1(), 0.5);
    EXPECT_EQ(vk::eng.left_lever_position, 110u);
    // ... BP open: fuel on, the lever to idle first, then to the throttle.
    host.click("thr_hpbp_left_vk", kBpUp);
    host.set(id(vk::Var::throttle_1), 0.4);
    host.run_frames(1);
    EXPECT_GE(control_1(), 0.5);
    EXPECT_EQ(vk::eng.left_lever_position, 100u);
    host.run_frames(1);
    EXPECT_EQ(vk::eng.left_lever_position, 60u);

    EXPECT_TRUE(host.sounds().empty());  // the levers make no sound

    // A host that turns the fuel off behind the levers' back is corrected.
    host.set(id(vk::Var::fuel_control_1), 0.0);
    host.run_frames(1);
    EXPECT_GE(control_1(), 0.5);
}

TEST_F(Levers, LeverPositionStaysInsideItsRangeFrameAfterFrame) {
    host.run_frames(1);
    // Full reverse: idle, steadily, not 100 and 125 by turns.
    host.set(id(vk::Var::throttle_1), -0.25);
    for (int f = 0; f < 4; ++f) {
        host.run_frames(1);
        EXPECT_EQ(vk::eng.left_lever_position, 100u);
        EXPECT_EQ(host.view(host.element("thr_hpbp_left_vk", 1)).value_y, 100.0);
    }
    // Beyond full: full, not a wrapped unsigned value.
    host.set(id(vk::Var::throttle_1), 1.2);
    host.run_frames(1);
    EXPECT_EQ(vk::eng.left_lever_position, 0u);
    host.set(id(vk::Var::throttle_1), 0.0);
    host.run_frames(1);
    EXPECT_EQ(vk::eng.left_lever_position, 100u);

    // A burning engine: the lever shows the other throttle, or full while its
    // own throttle is held at idle or below.
    vk::eng.right_engine_fire = 1;
    host.set(id(vk::Var::throttle_1), 0.3);
    host.set(id(vk::Var::throttle_2), 0.5);
    host.run_frames(1);
    EXPECT_EQ(vk::eng.right_lever_position, 70u);
    host.set(id(vk::Var::throttle_2), 0.0);
    host.run_frames(1);
    EXPECT_EQ(vk::eng.right_lever_position, 0u);
    // HP down on a burning engine: idle and closed at once.
    host.set(id(vk::Var::throttle_2), 0.8);
    host.click("thr_hpbp_right_vk", 3);
    EXPECT_EQ(vk::eng.right_hp_lever_open, 0);
    EXPECT_EQ(host.get(id(vk::Var::throttle_2)), 0.0);
}

TEST_F(Levers, ThrottleZonesStepTheHostThrottleWhileHeld) {
    host.run_frames(1);
    const size_t m = host.mark();
    host.hold("thr_hpbp_left_vk", kForward, 10);
    EXPECT_EQ(sent(m, vk::Key::throttle_1_inc), 10);
    EXPECT_NEAR(throttle_1(), 0.2, 1e-9);
    host.hold("thr_hpbp_right_vk", 1, 3);
    EXPECT_EQ(sent(m, vk::Key::throttle_2_dec), 3);
    EXPECT_EQ(vk::eng.left_lever_position, 80u);
    // The left gauge draws the start panel's selector and master switch.
    vk::eng.start_selector = 2;
    vk::eng.start_master = 1;
    host.run_frames(1);
    EXPECT_TRUE(host.shown("thr_hpbp_left_vk", 16));
    EXPECT_FALSE(host.shown("thr_hpbp_left_vk", 17));
    EXPECT_TRUE(host.shown("thr_hpbp_left_vk", 21));
    EXPECT_FALSE(host.shown("thr_hpbp_left_vk", 22));
}

class Readout : public LinkedHost {
  protected:
    Readout() { host.place("th_val_vk"); }
    bool digits_shown() const { return host.shown("th_val_vk", 1) && host.shown("th_val_vk", 6); }
    std::array<int, 3> left() const {
        return {vk::eng.left_readout_hundreds, vk::eng.left_readout_tens,
                vk::eng.left_readout_units};
    }
};

TEST_F(Readout, DigitsOfBothThrottles) {
    host.set(id(vk::Var::throttle_1), -0.25);
    host.set(id(vk::Var::throttle_2), 1.0);
    host.run_frames(1);
    EXPECT_EQ(left(), (std::array<int, 3>{0, 2, 5}));
    EXPECT_EQ(vk::eng.right_readout_hundreds, 1);
    EXPECT_EQ(vk::eng.right_readout_units, 0);
    host.set(id(vk::Var::throttle_1), 0.29);  // held by doubles as 0.28999...
    host.run_frames(1);
    EXPECT_EQ(left(), (std::array<int, 3>{0, 2, 9}));
    EXPECT_EQ(host.view(host.element("th_val_vk", 3)).value_y, 9.0);
    host.set(id(vk::Var::throttle_1), 1e300);  // beyond any integer: the top of the strips
    host.run_frames(1);
    EXPECT_EQ(left(), (std::array<int, 3>{9, 9, 9}));

    vk::eng.left_engine_fire = 1;  // burning: engine 1 shows throttle 2
    host.run_frames(1);
    EXPECT_EQ(left(), (std::array<int, 3>{1, 0, 0}));
    vk::eng.left_engine_fire = 0;
    vk::eng.left_extinguisher_fired = 1;
    host.run_frames(1);
    EXPECT_EQ(left(), (std::array<int, 3>{0, 0, 0}));
}

TEST_F(Readout, ShownAfterAMovementAndSwitchedOffByAClick) {
    host.run_frames(4);
    EXPECT_FALSE(digits_shown());
    host.set(id(vk::Var::throttle_2), 0.1);
    host.run_frames(2);  // noticed within two frames
    EXPECT_TRUE(digits_shown());
    host.run_frames(34);
    EXPECT_TRUE(digits_shown());
    host.run_frames(2);  // 36 ticks after the movement
    EXPECT_FALSE(digits_shown());

    host.click("th_val_vk", 0);  // off: the indication for 36 ticks
    host.run_frames(1);
    EXPECT_TRUE(host.shown("th_val_vk", 7));
    host.set(id(vk::Var::throttle_2), 0.3);  // no digits while off
    host.run_frames(36);
    EXPECT_FALSE(digits_shown());
    EXPECT_FALSE(host.shown("th_val_vk", 7));
    host.click("th_val_vk", 0);  // automatic again: digits at once
    host.run_frames(1);
    EXPECT_TRUE(digits_shown());
    EXPECT_EQ(vk::eng.right_readout_tens, 3);
}

}  // namespace
}  // namespace vktest

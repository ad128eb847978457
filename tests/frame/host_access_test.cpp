// How gauge code reads the host: refresh before every read, integer reads of
// boolean variables, named variables that may be absent, expressions.
#include "frame/host.h"
#include "support.h"

namespace vktest {
namespace {

TEST_F(LinkedHost, EveryReadRefreshesTheVariable) {
    host.set(id(vk::Var::indicated_airspeed), 120.0);
    EXPECT_EQ(vk::var(vk::Var::indicated_airspeed), 120.0);
    host.set(id(vk::Var::indicated_airspeed), 135.0);
    // A second reader in the same frame sees the new value, not the first one's.
    EXPECT_EQ(vk::var(vk::Var::indicated_airspeed), 135.0);
    EXPECT_EQ(host.lookups(id(vk::Var::indicated_airspeed)), 2u);
}

TEST_F(LinkedHost, BooleanIntegerVariablesAreSetOnlyAtOne) {
    const auto v = vk::Var::elec_failed;
    for (int32_t value : {0, 1, 2, -1}) {
        host.set_int(id(v), value);
        EXPECT_EQ(vk::var_int(v), value);
        EXPECT_EQ(vk::var_flag(v), value == 1) << value;
    }
    // Out-of-range host values reach the module saturated, never wrapped.
    host.set_int(id(v), 0);
    host.set(id(v), 1e12);
    EXPECT_EQ(vk::var_int(v), 2147483647);
}

TEST_F(LinkedHost, AnAbsentNamedVariableReadsZeroAndIsNeverWritten) {
    const vk::NamedVar chute{"Chute_deploy"};
    EXPECT_FALSE(chute.present());
    EXPECT_EQ(chute.read(), 0.0);
    chute.write(1.0);
    EXPECT_FALSE(host.named("Chute_deploy").has_value());

    host.provide_named("Chute_deploy", 0.0);
    chute.write(1.0);
    EXPECT_EQ(host.named("Chute_deploy"), 1.0);
    EXPECT_EQ(chute.read(), 1.0);
}

TEST_F(LinkedHost, ExpressionsAndKeyEventsReachTheHost) {
    EXPECT_EQ(vk::evaluate("(L:NOBODY ANSWERS,number)"), 0.0);  // unknown: 0
    host.set_expression("(A:TOTAL WEIGHT,kilogram)", 52000.0);  // a constant wins
    EXPECT_EQ(vk::evaluate("(A:TOTAL WEIGHT,kilogram)"), 52000.0);

    const size_t m = host.mark();
    vk::send_key(vk::Key::gear_down);
    vk::send_key(vk::Key::panel_window_open, 10080);
    const auto keys = host.keys_since(m);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].id, 0x10220);
    EXPECT_EQ(keys[1].value, 10080);
    EXPECT_TRUE(host.window_open(10080));
    vk::toggle_window(10080);
    EXPECT_FALSE(host.window_open(10080));
}

TEST(HostAccess, WithoutAHostEverythingIsHarmless) {
    ASSERT_EQ(vk::services(), nullptr);
    vk::record(vk::Var::on_ground).value = 1.0;  // as an earlier host left it
    EXPECT_EQ(vk::var(vk::Var::on_ground), 0.0);
    EXPECT_FALSE(vk::var_flag(vk::Var::elec_failed));
    vk::send_key(vk::Key::gear_up);
    vk::toggle_window(10040);
    EXPECT_EQ(vk::NamedVar{"TRIM_CORR"}.read(), 0.0);
    EXPECT_EQ(vk::evaluate("(A:Light cabin,bool)"), 0.0);
}

}  // namespace
}  // namespace vktest

// The exported records and the gauge table as the simulator reads them.
#include <set>
#include <string>

#include "frame/gauge_table.h"
#include "support.h"

namespace vktest {
namespace {

TEST(Linkage, RecordsHoldTheTableInOrderWithANullEnd) {
    EXPECT_EQ(Linkage.module_id, 0x13u);
    EXPECT_EQ(Linkage.version, 0x900u);
    EXPECT_EQ(Linkage.reserved_a, 0u);
    EXPECT_EQ(Linkage.reserved_b, 0u);
    ASSERT_NE(Linkage.module_init, nullptr);
    ASSERT_NE(Linkage.module_deinit, nullptr);
    Linkage.module_init();
    Linkage.module_deinit();
    EXPECT_EQ(ImportTable.services.id, 0x0Fu);
    EXPECT_EQ(ImportTable.end.id, 0u);
    EXPECT_EQ(ImportTable.end.table, nullptr);

    EXPECT_EQ(Linkage.gauges[vk::kGaugeCount], nullptr);
    std::set<std::string> names;
    for (int i = 0; i < vk::kGaugeCount; ++i) {
        const vk::GaugeHeader* g = Linkage.gauges[i];
        ASSERT_NE(g, nullptr) << "entry " << i;
        EXPECT_STREQ(g->name, vk::kGaugeInfo[i].name);
        names.insert(g->name);
    }
    EXPECT_EQ(names.size(), 228u);
    EXPECT_STREQ(Linkage.gauges[0]->name, "testgauge2k");
    EXPECT_STREQ(Linkage.gauges[1]->name, "morvalde toggle_pan_start");
    EXPECT_STREQ(Linkage.gauges[227]->name, "morvalde panload");
}

TEST(Linkage, EveryHeaderHasItsVersionSizeAndTheSameRoutines) {
    const vk::GaugeHeader* first = Linkage.gauges[0];
    for (int i = 0; i < vk::kGaugeCount; ++i) {
        const vk::GaugeHeader* g = Linkage.gauges[i];
        SCOPED_TRACE(g->name);
        EXPECT_EQ(g->version, 0x320u);
        EXPECT_EQ(g->size_mm, vk::kGaugeInfo[i].size_mm);
        EXPECT_EQ(g->reserved, 0u);
        EXPECT_EQ(g->user_data, 0u);
        if (!g->element_list) continue;  // not built yet
        EXPECT_EQ(g->query, first->query);
        EXPECT_EQ(g->install, first->install);
        EXPECT_EQ(g->initialize, first->initialize);
        EXPECT_EQ(g->update, first->update);
        EXPECT_EQ(g->generate, first->generate);
        EXPECT_EQ(g->draw, first->draw);
        EXPECT_EQ(g->kill, first->kill);
        // A callback exactly when the table says the gauge has one.
        EXPECT_EQ(g->callback == nullptr, vk::kGaugeInfo[i].handles == vk::Handles::none);
    }
}

TEST(Linkage, BuiltGaugesOwnTheirElementsAndCloseTheirMouseLists) {
    for (int i = 0; i < vk::kGaugeCount; ++i) {
        vk::GaugeHeader* g = Linkage.gauges[i];
        if (!g->element_list) continue;
        SCOPED_TRACE(g->name);
        ASSERT_NE(g->element_list[0], nullptr);
        EXPECT_EQ(g->element_list[1], nullptr);
        EXPECT_EQ(g->element_list[0]->kind, vk::ElementKind::static_image);
        // Every element reached from the root belongs to this gauge.
        std::vector<vk::ElementHeader*> todo{g->element_list[0]};
        while (!todo.empty()) {
            vk::ElementHeader* e = todo.back();
            todo.pop_back();
            EXPECT_EQ(e->gauge, g);
            ASSERT_NE(e->failures, nullptr);
            if (e->children)
                for (vk::ElementHeader** c = e->children; *c; ++c) todo.push_back(*c);
        }
        const vk::MouseRect* m = g->mouse_list;
        ASSERT_NE(m, nullptr);
        if (m->type == vk::MouseType::end) continue;  // a gauge that takes no input
        EXPECT_EQ(m->type, vk::MouseType::parent);
        while (m->type != vk::MouseType::end) ++m;
        EXPECT_EQ((m - 1)->type, vk::MouseType::end_parent);
    }
}

TEST_F(LinkedHost, StandardRoutinesPassTheirOwnGaugesRoot) {
    vk::GaugeHeader* debug = host.gauge("testgauge2k");
    debug->draw(debug);
    debug->install(debug, 77);
    ASSERT_EQ(host.routine_calls().size(), 2u);
    EXPECT_EQ(host.routine_calls()[0].op, vk::Op::element_list_plot);
    EXPECT_EQ(host.routine_calls()[0].root, debug->element_list[0]);
    EXPECT_EQ(host.routine_calls()[1].op, vk::Op::element_list_install);
    EXPECT_EQ(host.routine_calls()[1].argument, 77u);

    // A header without elements (not built yet) forwards nothing.
    for (int i = 0; i < host.gauge_count(); ++i) {
        vk::GaugeHeader* g = host.gauge(i);
        if (!g->element_list && g->draw) g->draw(g);
    }
    EXPECT_EQ(host.routine_calls().size(), 2u);
}

TEST(Library, ExportsTheSameTableAndLoadsFresh) {
    {
        vkhost::TestHost host(load_library());
        ASSERT_EQ(host.gauge_count(), 228);
        EXPECT_STREQ(host.gauge(54)->name, "morvalde ias_vk");
        host.place("testgauge2k");
        host.click("testgauge2k", 0);  // battery view on in this load
        host.set(0x28, 3.5);
        host.run_frames(1);
        EXPECT_EQ(host.text("testgauge2k", 2), "1800.000000");
    }
    // A new load starts from the load-time values again.
    vkhost::TestHost host(load_library());
    host.place("testgauge2k");
    host.set(0x28, 3.5);
    host.run_frames(1);
    EXPECT_EQ(host.text("testgauge2k", 2), "3.500000");
}

TEST(Library, ALoadFailureSaysWhatWentWrong) {
    try {
        vkhost::Module::load("/nonexistent/vkmorl1.so");
        FAIL() << "loading a missing file succeeded";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/vkmorl1.so"), std::string::npos);
    }
}

}  // namespace
}  // namespace vktest

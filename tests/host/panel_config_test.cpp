// The panel configuration: the parser's results and its errors, its
// robustness on any input, the cockpit's own panel.cfg, and the test host's
// errors for a configuration it cannot use.
#include <fstream>
#include <random>
#include <set>

#include "frame/gauge_table.h"
#include "host/panel_config.h"
#include "support.h"

namespace vktest {
namespace {

using vkhost::parse_panel_config;

constexpr const char* kSample = R"(// a comment
[Window Titles]
Window00=Main panel
Window01=Electrical

[Window00]
ident=MAIN_PANEL
size_mm=1280,800
visible=1
file=ignored.bmp            // keys the host has no use for are fine
gauge00=vkmorl1!morvalde ias_vk, 10, 20, 170
gauge01=vkmorl1!testgauge2k, -5, 30

[Window01]
ident=10080
size_mm=900
position=7
gauge00=other!thing, 0, 0, 50, 60

[Views]
anything goes=here
)";

TEST(PanelConfig, ReadsWindowsTitlesIdentsAndGauges) {
    const auto r = parse_panel_config(kSample, "sample.cfg");
    ASSERT_TRUE(r.ok()) << r.errors.front();
    ASSERT_EQ(r.config.windows.size(), 2u);
    const auto& main = r.config.windows[0];
    EXPECT_EQ(main.title, "Main panel");
    EXPECT_EQ(main.ident, vkhost::kMainPanelIdent);
    EXPECT_EQ(main.size_w, 1280);
    EXPECT_EQ(main.size_h, 800);
    EXPECT_TRUE(main.visible);
    ASSERT_EQ(main.gauges.size(), 2u);
    EXPECT_EQ(main.gauges[0].module, "vkmorl1");
    EXPECT_EQ(main.gauges[0].name, "morvalde ias_vk");
    EXPECT_EQ(main.gauges[0].x, 10);
    EXPECT_EQ(main.gauges[0].width, 170);
    EXPECT_EQ(main.gauges[0].line, 11);
    EXPECT_EQ(main.gauges[1].x, -5);
    EXPECT_FALSE(main.gauges[1].width);
    const auto* elec = r.config.find(10080);
    ASSERT_NE(elec, nullptr);
    EXPECT_EQ(elec->title, "Electrical");
    EXPECT_EQ(elec->size_h, 0);
    EXPECT_EQ(elec->position, 7);
    EXPECT_FALSE(elec->visible);
    EXPECT_EQ(elec->gauges[0].height, 60);
    EXPECT_EQ(r.config.find(12345), nullptr);
}

TEST(PanelConfig, EachMalformedLineNamesFileLineAndWhatWasExpected) {
    struct Case {
        const char* text;
        int line;
        const char* expected;
    };
    const Case cases[] = {
        {"gauge00=vkmorl1!a, 1, 2", 1, "expected a [section]"},
        {"[Window00\nident=1", 1, "expected ']'"},
        {"[]", 1, "expected a section name"},
        {"[Window00]\nthis line has no equals", 2, "expected a [section] or key=value"},
        {"[Window00]\n=3", 2, "expected a key"},
        {"[Window00]\nident=main", 2, "ident: expected MAIN_PANEL or a number"},
        {"[Window00]\nident=-4", 2, "ident: expected"},
        {"[Window00]\nsize_mm=wide", 2, "size_mm: expected"},
        {"[Window00]\nsize_mm=10,20,30", 2, "size_mm: expected"},
        {"[Window00]\nposition=9", 2, "position: expected a number from 0 to 8"},
        {"[Window00]\nvisible=yes", 2, "visible: expected 0 or 1"},
        {"[Window00]\ngauge00=vkmorl1!a, 1", 2, "expected module!gauge, x, y"},
        {"[Window00]\ngauge00=vkmorl1!a, 1, 2, 3, 4, 5", 2, "expected module!gauge, x, y"},
        {"[Window00]\ngauge00=vkmorl1 a, 1, 2", 2, "expected module!gauge before"},
        {"[Window00]\ngauge00=!a, 1, 2", 2, "expected module!gauge before"},
        {"[Window00]\ngauge00=vkmorl1!, 1, 2", 2, "expected module!gauge before"},
        {"[Window00]\ngauge00=vkmorl1!a, one, 2", 2, "a whole number for x"},
        {"[Window00]\ngauge00=vkmorl1!a, 1, 2.5", 2, "a whole number for y"},
        {"[Window00]\ngauge00=vkmorl1!a, 1, 2, 0", 2, "a positive whole number for width"},
        {"[Window00]\ngauge00=vkmorl1!a, 1, 2, 9, -1", 2, "a positive whole number for height"},
        {"[Window00]\ngauge00=vkmorl1!a, 1, 99999999999, 9", 2, "for y"},
        {"[Window00]\ngauge01=vkmorl1!a,1,2\ngauge01=vkmorl1!b,1,2", 3, "appears twice"},
        {"[Window00]\n[Window00]", 2, "appears twice"},
        {"[Window Titles]\nTitle=x", 2, "expected WindowNN=title"},
        {"[Window00]\nident=5\n[Window01]\nident=5", 3, "ident 5 is used by an earlier window"},
    };
    for (const Case& c : cases) {
        const auto r = parse_panel_config(c.text, "p.cfg");
        ASSERT_EQ(r.errors.size(), 1u) << c.text;
        const std::string want = "p.cfg:" + std::to_string(c.line) + ": ";
        EXPECT_EQ(r.errors[0].rfind(want, 0), 0u) << r.errors[0];
        EXPECT_NE(r.errors[0].find(c.expected), std::string::npos) << r.errors[0];
    }
    // Good lines around a bad one still count, and every bad line is reported.
    const auto r = parse_panel_config(
        "[Window00]\nident=1\ngauge00=vkmorl1!a, x, 2\ngauge01=vkmorl1!b, 1, 2\nvisible=2", "p");
    EXPECT_EQ(r.errors.size(), 2u);
    ASSERT_EQ(r.config.windows.size(), 1u);
    EXPECT_EQ(r.config.windows[0].gauges.size(), 1u);
    EXPECT_EQ(r.config.windows[0].gauges[0].name, "b");
}

TEST(PanelConfig, AnyInputParsesOrReportsNeverCrashes) {
    std::mt19937 rng(99);
    const std::string base = kSample;
    const std::string alphabet = "[]=,!/;\n\r\t 0123456789-abcWindowgauge";
    size_t reported = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        if (round % 3 == 0) {
            // Random bytes, NULs and high bytes included.
            text.resize(rng() % 300);
            for (char& c : text) c = static_cast<char>(rng());
        } else {
            text = base;
            const int edits = 1 + static_cast<int>(rng() % 8);
            for (int e = 0; e < edits && !text.empty(); ++e) {
                const size_t at = rng() % text.size();
                switch (rng() % 3) {
                    case 0:
                        text[at] = alphabet[rng() % alphabet.size()];
                        break;
                    case 1:
                        text.erase(at, 1 + rng() % 5);
                        break;
                    default:
                        text.insert(at, 1, alphabet[rng() % alphabet.size()]);
                }
            }
        }
        const auto r = parse_panel_config(text, "fuzz.cfg");
        for (const std::string& e : r.errors) EXPECT_EQ(e.rfind("fuzz.cfg:", 0), 0u) << e;
        reported += r.errors.size();
    }
    EXPECT_GT(reported, 0u);
}

TEST(PanelConfig, TheCockpitPlacesEveryGaugeOnceInTheWindowsOfItsPanels) {
    const auto r = vkhost::read_panel_config(VK_PANEL_CFG);
    ASSERT_TRUE(r.ok()) << r.errors.front();
    // The main panel and every window the panels open and close.
    for (int32_t ident : {vkhost::kMainPanelIdent, 10040, 10050, 10060, 10070, 10080, 10090, 10100,
                          10110, 10120, 10130, 10140, 10150, 10160, 10170, 10180, 10510, 10520}) {
        const auto* w = r.config.find(ident);
        ASSERT_NE(w, nullptr) << "no window " << ident;
        EXPECT_FALSE(w->title.empty());
        EXPECT_GT(w->size_w, 0);
        EXPECT_EQ(w->visible, ident == vkhost::kMainPanelIdent);
    }
    std::map<std::string, int> placed;
    for (const auto& w : r.config.windows)
        for (const auto& g : w.gauges) {
            EXPECT_EQ(g.module, "vkmorl1");
            ++placed[g.name];
            if (w.size_w > 0) {
                EXPECT_LE(g.x + g.width.value_or(0), w.size_w) << g.name;
            }
        }
    for (const vk::GaugeInfo& info : vk::kGaugeInfo) {
        // The debugging display belongs to no panel.
        const int want = std::string(info.name) == "testgauge2k" ? 0 : 1;
        EXPECT_EQ(placed[info.name], want) << info.name;
        placed.erase(info.name);
    }
    EXPECT_TRUE(placed.empty()) << placed.begin()->first << " is not a gauge of the module";
}

TEST_F(LinkedHost, AGaugeTheModuleLacksOrABrokenFileIsAnError) {
    // Gauges the module lacks are named with their file and line; other
    // modules' gauges are the simulator's business.
    const auto bad = parse_panel_config(
        "[Window00]\nident=77\ngauge00=vkmorl1!no_such_gauge,0,0\ngauge01=elsewhere!x,0,0",
        "b.cfg");
    ASSERT_TRUE(bad.ok());
    try {
        host.use_panel(bad.config);
        FAIL() << "an unknown gauge was accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("b.cfg:3: the module has no gauge named "
                                             "\"no_such_gauge\""),
                  std::string::npos)
            << e.what();
    }
    const std::string path = ::testing::TempDir() + "broken_panel.cfg";
    std::ofstream(path) << "[Window00]\nident=1\nsize_mm=big\n";
    EXPECT_THROW(host.load_panel_config(path), std::runtime_error);
    EXPECT_THROW(host.load_panel_config(path + ".missing"), std::runtime_error);
}

}  // namespace
}  // namespace vktest

// The artwork generator: pictures derived from the records (sizes, roles,
// masks, shared bitmaps, dials and digit strips), the files it writes, and
// the pictures of the module's own built gauges.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "probe.h"
#include "support.h"

namespace vktest {
namespace {

namespace fs = std::filesystem;
using vkart::Role;

const vkart::Picture& picture(int32_t id) {
    const auto& pics = probe::plan().pictures;
    auto it = pics.find(id);
    if (it == pics.end()) throw std::out_of_range("no picture " + std::to_string(id));
    return it->second;
}

vkhost::Bitmap8 read(int32_t id) {
    vkhost::Bitmap8 b;
    std::string error;
    EXPECT_TRUE(
        vkhost::read_bmp_file(probe::bitmap_dir() + "/" + std::to_string(id) + ".bmp", b, error))
        << error;
    return b;
}

bool light(vkhost::Rgb c) {
    return c.r >= 170 && c.g >= 170 && c.b >= 170;
}

TEST(Artwork, EveryReferencedBitmapAndEveryMaskIsWrittenAsAn8BitPicture) {
    std::set<int32_t> want;
    for (int k = 0; k < probe::kCount; ++k) {
        const vk::ElementHeader* e = probe::element(k);
        if (e->kind == vk::ElementKind::string) continue;
        want.insert(e->bitmap_id);
        if (e->kind == vk::ElementKind::moving_image || e->kind == vk::ElementKind::sprite)
            want.insert(e->bitmap_id + 1);
    }
    want.insert(9200);  // the second gauge's root
    std::set<int32_t> planned;
    for (const auto& [id, p] : probe::plan().pictures) planned.insert(id);
    EXPECT_EQ(planned, want);
    for (int32_t id : want) {
        const vkhost::Bitmap8 b = read(id);
        EXPECT_EQ(b.width, picture(id).width) << id;
        EXPECT_EQ(b.height, picture(id).height) << id;
        EXPECT_EQ(b.palette, vkhost::fixed_palette()) << id;
    }
    EXPECT_EQ(picture(9049).role, Role::mask);
    EXPECT_EQ(picture(9081).role, Role::mask);
    EXPECT_TRUE(probe::plan().warnings.empty());
}

TEST(Artwork, RolesComeFromEachElementsKindFlagsAndNeighbours) {
    EXPECT_EQ(picture(9000).role, Role::background);
    EXPECT_EQ(picture(9016).role, Role::needle);
    EXPECT_EQ(picture(9032).role, Role::lamp);     // luminous, alone
    EXPECT_EQ(picture(9048).role, Role::drum);     // 0..10 over 140 pixels, in a row
    EXPECT_EQ(picture(9080).role, Role::texture);  // pitch offset: a horizon
    EXPECT_EQ(picture(9080).texture, vkart::TextureKind::horizon);
    EXPECT_EQ(picture(9112).role, Role::handle);
    EXPECT_EQ(picture(9176).role, Role::overlay);  // at the gauge's corner: over all of it
    // Two icons 15 pixels apart: the up and down positions of one switch.
    EXPECT_EQ(picture(9144).role, Role::lever);
    EXPECT_EQ(picture(9160).role, Role::lever);
    EXPECT_EQ(picture(9144).dir_y, -1);
    EXPECT_EQ(picture(9160).dir_y, 1);
    const vkhost::Bitmap8 up = read(9144), down = read(9160);
    // The light handle reaches the top of one and the bottom of the other;
    // the dark nut sits at the opposite end.
    const int cx = up.width / 2;
    EXPECT_TRUE(light(up.colour(cx, 5)));
    EXPECT_FALSE(light(up.colour(cx, up.height - 5)));
    EXPECT_TRUE(light(down.colour(cx, down.height - 5)));
    EXPECT_FALSE(light(down.colour(cx, 5)));
}

TEST(Artwork, BackgroundHoldsEveryElementAndAreaAndMarksTheDialWhereTheTablePoints) {
    const auto& root = picture(9000);
    for (int k = 1; k < probe::kCount; ++k) {
        const vk::ElementHeader* e = probe::element(k);
        int w = 0, h = 0;
        if (e->kind == vk::ElementKind::string) {
            w = vk::as<vk::StringElement>(const_cast<vk::ElementHeader*>(e)).box_w;
            h = vk::as<vk::StringElement>(const_cast<vk::ElementHeader*>(e)).box_h;
        } else if (e->kind == vk::ElementKind::moving_image || e->kind == vk::ElementKind::sprite) {
            w = picture(e->bitmap_id + 1).width;
            h = picture(e->bitmap_id + 1).height;
        } else if (e->kind != vk::ElementKind::needle) {
            w = picture(e->bitmap_id).width;
            h = picture(e->bitmap_id).height;
        }
        if (e->kind == vk::ElementKind::slider)
            h += vk::as<vk::MovingImage>(const_cast<vk::ElementHeader*>(e)).travel_y;
        EXPECT_LE(e->x + w, root.width) << "element " << k;
        EXPECT_LE(e->y + h, root.height) << "element " << k;
    }
    for (const vk::MouseRect* r = probe::gauge.mouse_list; r->type != vk::MouseType::end; ++r) {
        EXPECT_LE(r->x + r->w, root.width);
        EXPECT_LE(r->y + r->h, root.height);
    }
    EXPECT_GE(root.width, static_cast<int>(probe::gauge.size_mm));
    // A light tick on every table point, on a dark face elsewhere.
    const vkhost::Bitmap8 bg = read(9000);
    const auto& n = vk::as<vk::Needle>(probe::element(probe::kNeedle));
    for (int i = 0; i < n.scale_count; ++i)
        EXPECT_TRUE(light(bg.colour(n.scale[i].x, n.scale[i].y))) << "table point " << i;
    EXPECT_FALSE(light(bg.colour(60 + 28, 60 + 28)));  // inside the dial, between ticks
    // The overlay covers the whole gauge.
    EXPECT_EQ(picture(9176).width, root.width);
    EXPECT_EQ(picture(9176).height, root.height);
}

TEST(Artwork, NeedleReachesItsTablePointsFromItsPivot) {
    const auto& n = vk::as<vk::Needle>(probe::element(probe::kNeedle));
    double reach = 0;
    for (int i = 0; i < n.scale_count; ++i)
        reach = std::max(reach, std::hypot(n.scale[i].x - n.head.x, n.scale[i].y - n.head.y));
    const vkhost::Bitmap8 b = read(9016);
    // The needle points along +x from the pivot, which lies left of the picture here.
    const int tip = static_cast<int>(std::lround(n.head.pivot_x + reach)) - 1;
    ASSERT_LT(tip, b.width);
    EXPECT_FALSE(b.is_key(tip, n.head.pivot_y)) << "the tip falls short of the table";
    EXPECT_FALSE(b.is_key(0, n.head.pivot_y));
    EXPECT_TRUE(b.is_key(tip, 0));  // thin: nothing above the shaft at the tip
    EXPECT_GE(b.height, 2 * n.head.pivot_y + 1);
}

TEST(Artwork, DigitStripStacksTheDrumsCellsWithItsFirstRepeatedAndAOneCellMask) {
    const auto& m = vk::as<vk::MovingImage>(probe::element(probe::kDrum));
    const int cells = static_cast<int>(m.y_max - m.y_min);
    const double cell = static_cast<double>(m.travel_y) / cells;
    const vkhost::Bitmap8 strip = read(9048), mask = read(9049);
    EXPECT_EQ(mask.height, static_cast<int>(std::ceil(cell)));
    EXPECT_EQ(mask.width, strip.width);
    EXPECT_GE(strip.height, m.travel_y + mask.height);
    // The neighbouring drum 12 pixels away: the strip is narrower than that.
    EXPECT_LT(strip.width, probe::element(probe::kDrumNext)->x - probe::element(probe::kDrum)->x);
    auto cell_pixels = [&](int k) {
        std::vector<uint8_t> px;
        for (int y = static_cast<int>(k * cell); y < static_cast<int>((k + 1) * cell); ++y)
            for (int x = 0; x < strip.width; ++x) px.push_back(strip.at(x, y));
        return px;
    };
    for (int k = 0; k + 1 < cells; ++k) EXPECT_NE(cell_pixels(k), cell_pixels(k + 1)) << k;
    EXPECT_EQ(cell_pixels(cells), cell_pixels(0));  // the roll from the top digit back to 0
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) EXPECT_FALSE(mask.is_key(x, y));
}

TEST(Artwork, ABitmapSharedByTwoGaugesIsDrawnOnceAtTheLargerSize) {
    const auto alone_first = vkart::plan_artwork({&probe::gauge}).pictures.at(9032);
    const auto alone_second = vkart::plan_artwork({&probe::second}).pictures.at(9032);
    EXPECT_NE(alone_first.width, alone_second.width);  // crowded in one, free in the other
    const auto& both = picture(9032);
    EXPECT_EQ(both.width, std::max(alone_first.width, alone_second.width));
    EXPECT_EQ(both.height, std::max(alone_first.height, alone_second.height));
    EXPECT_EQ(both.uses.size(), 2u);
    // The sprite's circular window: corners hidden, middle open.
    const vkhost::Bitmap8 window = read(9081);
    EXPECT_TRUE(window.is_key(0, 0));
    EXPECT_FALSE(window.is_key(window.width / 2, window.height / 2));
}

TEST(Artwork, RewritingRemovesPicturesOfElementsThatAreGone) {
    const std::string dir = ::testing::TempDir() + "vk_rewrite_bitmaps_" + std::to_string(getpid());
    fs::remove_all(dir);
    auto first = vkart::write_artwork(vkart::plan_artwork({&probe::gauge, &probe::second}), dir);
    EXPECT_TRUE(first.errors.empty());
    EXPECT_TRUE(fs::exists(dir + "/9200.bmp"));
    auto again = vkart::write_artwork(vkart::plan_artwork({&probe::gauge}), dir);
    EXPECT_EQ(again.removed, 1);
    EXPECT_FALSE(fs::exists(dir + "/9200.bmp"));
    std::ifstream rc(dir + "/bitmaps_generated.rc");
    std::string line;
    int resources = 0;
    while (std::getline(rc, line)) resources += line.find(" BITMAP \"") != std::string::npos;
    EXPECT_EQ(resources, again.written);
    fs::remove_all(dir);
}

TEST(Artwork, RandomRecordsNeverBreakThePlannerOrThePainter) {
    std::mt19937 rng(7);
    std::vector<vk::Needle> needles(40);
    std::vector<vk::ScaleEntry> table(8);
    for (int round = 0; round < 40; ++round) {
        std::vector<vk::ElementHeader> icons(12);
        std::vector<vk::MovingImage> movers(4);
        std::vector<vk::Sprite> sprites(2);
        std::vector<vk::ElementHeader*> chain;
        auto coord = [&] { return static_cast<int32_t>(rng() % 3 ? rng() % 300 : rng()); };
        for (auto& s : table) s = vk::point(static_cast<double>(rng() % 1000), coord(), coord());
        vk::ElementHeader root = vk::image(100);
        chain.push_back(&root);
        for (size_t i = 0; i < icons.size(); ++i) {
            icons[i] = vk::icon(static_cast<int32_t>(200 + rng() % 20), vk::At{coord(), coord()},
                                static_cast<uint32_t>(rng()));
            chain.push_back(&icons[i]);
        }
        vk::Needle& n = needles[static_cast<size_t>(round)];
        n = vk::needle(300, vk::At{coord(), coord()},
                       vk::Pivot{static_cast<int32_t>(rng() % 50) - 25, coord()},
                       *reinterpret_cast<vk::ScaleEntry(*)[8]>(table.data()), nullptr);
        n.scale_count = static_cast<int32_t>(rng() % 9);
        chain.push_back(&n.head);
        for (auto& m : movers) {
            m = vk::moving_image(400, vk::At{coord(), coord()}, nullptr,
                                 vk::Range{0, static_cast<float>(rng() % 12)}, nullptr,
                                 vk::Range{0, static_cast<float>(rng() % 12)},
                                 vk::Travel{coord() - 150, coord()});
            chain.push_back(&m.head);
        }
        for (auto& s : sprites) {
            s = vk::sprite(500, vk::At{coord(), coord()}, nullptr, nullptr, nullptr, {},
                           vk::Pivot{coord(), coord()}, static_cast<float>(rng() % 300) / 100.0f);
            chain.push_back(&s.head);
        }
        // Linked as a chain, as the module's gauges are.
        std::vector<std::array<vk::ElementHeader*, 2>> links(chain.size());
        for (size_t i = 0; i < chain.size(); ++i) {
            links[i] = {i + 1 < chain.size() ? chain[i + 1] : nullptr, nullptr};
            chain[i]->children = links[i].data();
        }
        vk::ElementHeader* list[2] = {&root, nullptr};
        vk::GaugeHeader g{};
        g.name = "random";
        g.element_list = list;
        g.size_mm = rng() % 2000;
        const vkart::Plan plan = vkart::plan_artwork({&g});
        for (const auto& [id, p] : plan.pictures) {
            ASSERT_GE(p.width, 1);
            ASSERT_LE(p.width, 4096);
            ASSERT_GE(p.height, 1);
            ASSERT_LE(p.height, 4096);
            if (p.width * p.height <= 400 * 400) {
                const vkhost::Bitmap8 b = vkart::paint(p);
                EXPECT_EQ(b.pixels.size(), static_cast<size_t>(p.width) * p.height);
            }
        }
    }
}

TEST(Artwork, TheBuildsPicturesAreCurrentForEveryBuiltGaugeOfTheModule) {
    std::vector<const vk::GaugeHeader*> gauges;
    for (int i = 0; i < vk::kGaugeCount && Linkage.gauges[i]; ++i)
        gauges.push_back(Linkage.gauges[i]);
    const vkart::Plan plan = vkart::plan_artwork(gauges);
    // Every bitmap a built gauge's element names, and its mask where it has one.
    for (const vk::GaugeHeader* g : gauges) {
        if (!g->element_list) continue;
        std::vector<vk::ElementHeader*> todo(g->element_list, g->element_list + 1);
        while (!todo.empty()) {
            vk::ElementHeader* e = todo.back();
            todo.pop_back();
            if (e->children)
                for (vk::ElementHeader** c = e->children; *c; ++c) todo.push_back(*c);
            if (e->kind == vk::ElementKind::string) continue;
            EXPECT_TRUE(plan.pictures.count(e->bitmap_id)) << g->name << " " << e->bitmap_id;
            if (e->kind == vk::ElementKind::moving_image || e->kind == vk::ElementKind::sprite) {
                EXPECT_TRUE(plan.pictures.count(e->bitmap_id + 1)) << g->name;
            }
        }
    }
    // The folder beside the module holds exactly these pictures at these sizes.
    std::ifstream index(std::string(VK_BITMAP_DIR) + "/bitmaps.txt");
    ASSERT_TRUE(index) << "no bitmaps.txt in " << VK_BITMAP_DIR;
    std::map<int32_t, std::pair<int, int>> listed;
    std::string line;
    while (std::getline(index, line)) {
        if (line.empty() || line[0] == '#') continue;
        int32_t id;
        int w, h;
        ASSERT_EQ(std::sscanf(line.c_str(), "%d %d %d", &id, &w, &h), 3) << line;
        listed[id] = {w, h};
    }
    ASSERT_EQ(listed.size(), plan.pictures.size());
    for (const auto& [id, p] : plan.pictures) {
        EXPECT_EQ(listed[id], std::make_pair(p.width, p.height)) << id;
        vkhost::Bitmap8 b;
        std::string error;
        EXPECT_TRUE(vkhost::read_bmp_file(
            std::string(VK_BITMAP_DIR) + "/" + std::to_string(id) + ".bmp", b, error))
            << error;
    }
}

}  // namespace
}  // namespace vktest

// Changed areas: the rectangles a frame recomposes must cover every pixel
// that changed, and stay few and small.
#include <gtest/gtest.h>

#include <random>

#include "platform/draw/damage.h"
#include "platform/draw/surface.h"
#include "platform/draw/surface_access.h"

using namespace sd::platform;

namespace {

bool Covered(const Damage& d, int x, int y) {
    for (const Rect& r : d)
        if (x >= r.x && y >= r.y && x < r.right() && y < r.bottom()) return true;
    return false;
}

}  // namespace

TEST(Damage, MergesNeighboursAndKeepsDistantAreasApart) {
    Damage d;
    d.add({100, 100, 61, 1});  // the four sides of a cell frame become the cell
    d.add({100, 160, 61, 1});
    d.add({100, 100, 1, 61});
    d.add({160, 100, 1, 61});
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(d[0], (Rect{100, 100, 61, 61}));

    d.add({120, 120, 5, 5});  // inside: nothing new
    d.add({0, 0, 0, 10});     // empty: nothing
    EXPECT_EQ(d.size(), 1);

    d.add({600, 500, 61, 61});  // across the board: a rectangle of its own
    EXPECT_EQ(d.size(), 2);
    EXPECT_LT(d.area(), 2 * 61 * 61 + 1);

    d.add({0, 0, 800, 600});  // everything swallows everything
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(d[0], (Rect{0, 0, 800, 600}));
    d.clear();
    EXPECT_TRUE(d.empty());
}

TEST(Damage, ManyScatteredAreasStayCoveredWithinTheLimit) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        Damage d;
        std::vector<Rect> added;
        for (int i = 0; i < 40; ++i) {
            const Rect r{static_cast<int>(random() % 780), static_cast<int>(random() % 580),
                         1 + static_cast<int>(random() % 40), 1 + static_cast<int>(random() % 40)};
            d.add(r);
            added.push_back(r);
            ASSERT_LE(d.size(), Damage::kMaxRects);
        }
        for (const Rect& r : added)
            for (int y = r.y; y < r.bottom(); y += 3)
                for (int x = r.x; x < r.right(); x += 3) ASSERT_TRUE(Covered(d, x, y)) << x << "," << y;
    }
}

TEST(Damage, MovedAndClippedFromAnother) {
    Damage local;
    local.add({0, 0, 10, 10});
    local.add({90, 90, 20, 20});  // partly outside the clip
    Damage frame;
    frame.addFrom(local, 100, 200, Rect{100, 200, 100, 100});
    ASSERT_EQ(frame.size(), 2);
    EXPECT_TRUE(Covered(frame, 105, 205));
    EXPECT_TRUE(Covered(frame, 199, 299));
    EXPECT_FALSE(Covered(frame, 200, 300));
    EXPECT_EQ(Intersect({0, 0, 5, 5}, {5, 0, 5, 5}), Rect{}) << "touching is not overlapping";
    EXPECT_EQ(Bounds({}, {3, 4, 5, 6}), (Rect{3, 4, 5, 6}));
}

// Every pixel a drawing operation changes lies in what the surface notes.
TEST(SurfaceDamage, EveryChangedPixelIsNoted) {
    struct Op {
        const char* name;
        void (*draw)(Surface&);
    };
    static const Surface stamp(30, 20, Color{200, 10, 10});
    const Op ops[] = {
        {"pixel", [](Surface& s) { s.setPixel(7, 9, Color{1, 2, 3}); }},
        {"thin line", [](Surface& s) { s.line(-20, 5, 50, 70, Color{9, 9, 9}); }},
        {"thick xor line", [](Surface& s) { s.line(10, 60, 70, 3, Color{0x55, 0xAA, 0xFF}, 5, DrawMode::Xor); }},
        {"far line", [](Surface& s) { s.line(-2000000000, 30, 2000000000, 31, Color{9, 9, 9}, 3); }},
        {"outline", [](Surface& s) { s.rect(5, 5, 40, 30, Color{9, 9, 9}); }},
        {"filled", [](Surface& s) { s.fillRect(-5, 50, 12, 200, Color{9, 9, 9}); }},
        {"circle", [](Surface& s) { s.circle(70, 10, 15, Color{9, 9, 9}); }},
        {"disc", [](Surface& s) { s.fillCircle(20, 20, 9, Color{9, 9, 9}); }},
        {"blit", [](Surface& s) { s.blit(stamp, 65, -5); }},
        {"part blit", [](Surface& s) { s.blit(stamp, 3, 3, 10, 10, 40, 40); }},
    };
    for (const Op& op : ops) {
        Surface s(80, 64, Color{40, 40, 40});
        const Surface before = s.clone();
        SurfaceAccess::forgetDamage(s);
        op.draw(s);
        int changed = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 80; ++x)
                if (s.pixel(x, y) != before.pixel(x, y)) {
                    ++changed;
                    EXPECT_TRUE(Covered(SurfaceAccess::damage(s), x, y)) << op.name << " at " << x << "," << y;
                }
        EXPECT_GT(changed, 0) << op.name;
        // Noted areas are cut to the surface, however far the drawing reached.
        for (const Rect& r : SurfaceAccess::damage(s)) {
            EXPECT_GE(r.x, 0) << op.name;
            EXPECT_LE(r.right(), 80) << op.name;
        }
    }
}

// Copies share their pixels until one is drawn on; drawing never shows
// through to the other.
TEST(SurfaceSharing, CopiesAreIndependentThoughTheyShare) {
    Surface a(50, 40, Color{10, 20, 30});
    Surface b = a.clone();
    EXPECT_TRUE(SurfaceAccess::sharesPixels(a, b));
    EXPECT_FALSE(SurfaceAccess::ownsPixels(a));
    b.setPixel(1, 1, Color{255, 0, 0});
    EXPECT_FALSE(SurfaceAccess::sharesPixels(a, b));
    EXPECT_EQ(a.pixel(1, 1), 0x0A141Eu);
    EXPECT_EQ(b.pixel(1, 1), 0xFF0000u);
    EXPECT_EQ(b.pixel(2, 2), 0x0A141Eu) << "the rest was copied along";

    // A blit from a copy of itself reads the pixels as they were.
    Surface c = a.clone();
    a.blit(c, 0, 0, 10, 10, 5, 5);
    EXPECT_EQ(c.pixel(5, 5), 0x0A141Eu);
    a.fill(Color{1, 1, 1});
    EXPECT_EQ(c.pixel(20, 20), 0x0A141Eu) << "a fill of a shared surface leaves the other";

    Surface moved = std::move(b);
    EXPECT_EQ(moved.pixel(1, 1), 0xFF0000u);
    EXPECT_TRUE(SurfaceAccess::ownsPixels(moved));
}

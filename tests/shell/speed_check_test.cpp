#include "shell/speed_check.h"

#include "platform/draw/surface.h"
#include "title_fixture.h"
#include "platform/testing/driver.h"

using sd::platform::testing::Driver;

namespace sd::test {
namespace {

// The virtual clock, moved on by a fixed step at every reading: the second
// reading (after the fifteen rounds) is step milliseconds after the first.
class SteppingClock final : public platform::Clock {
public:
    explicit SteppingClock(uint32_t step) : step_(step) {}
    double seconds() override { return inner.seconds(); }
    uint32_t tickCount() override {
        const uint32_t t = inner.tickCount();
        inner.advanceMs(step_);
        return t;
    }
    void sleepMs(uint32_t ms) override { inner.sleepMs(ms); }
    std::tm localNow() override { return inner.localNow(); }
    bool isVirtual() const override { return true; }
    void advanceMs(uint32_t ms) override { inner.advanceMs(ms); }

    platform::VirtualClock inner;

private:
    uint32_t step_;
};

class SpeedCheckTest : public TitleFixture {
protected:
    // The title's picture panel at its measuring size, on a screen not shown.
    platform::Element& PicBack() {
        platform::Element& panel = platform->createScreen("speed").addPanel("PicBack");
        panel.setAutoSize(false);
        panel.setSize(321, 216);
        return panel;
    }
    const platform::Surface picture{800, 600, platform::Color{10, 20, 30}};
};

TEST_F(SpeedCheckTest, DelayIsATenthOfTheElapsedTicks) {
    platform::Element& panel = PicBack();

    const struct {
        uint32_t elapsed;
        int32_t delay;
    } cases[] = {{0, 0}, {9, 0}, {10, 1}, {19, 1}, {157, 15}, {1000, 100}};
    for (const auto& c : cases) {
        SteppingClock stepping(c.elapsed);
        ctx.clock = &stepping;
        EXPECT_EQ(CheckSpeed(ctx, panel, picture), c.delay) << c.elapsed;
    }
    // The picture was painted into the small panel, clipped at its size.
    EXPECT_EQ(panel.canvas().pixel(320, 215), (platform::Color{10, 20, 30}.rgb()));
}

TEST_F(SpeedCheckTest, MeasurementAcrossTheTickWrapGivesTheTrueTime) {
    platform::Element& panel = PicBack();
    for (uint32_t base : {0xFFFFFFF0u, 0x7FFFFFF0u}) {
        SteppingClock stepping(157);
        stepping.inner.setTickBase(base);
        ctx.clock = &stepping;
        EXPECT_EQ(CheckSpeed(ctx, panel, picture), 15) << base;
    }
}

TEST_F(SpeedCheckTest, TheRoundsAreDrawnButNeverPresented) {
    // The title screen is not shown yet: fifteen rounds of drawing into its
    // panel reach no window.
    platform::Element& panel = PicBack();
    platform->processPendingEvents();
    const uint64_t before = Driver(*platform).presentCount();
    CheckSpeed(ctx, panel, picture);
    EXPECT_EQ(Driver(*platform).presentCount(), before);
    EXPECT_EQ(panel.canvas().pixel(0, 0), (platform::Color{10, 20, 30}.rgb()));
}

}  // namespace
}  // namespace sd::test

// Animation planning: the frames each view shows tick by tick in both modes,
// with whole and fractional frame counts, and in range whatever the input.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/animation_plan.h"

namespace {

// Frames as 1-based numbers, as the user counts them: the frames each view
// shows for the ticks from `frame` on.
std::vector<std::array<int, 4>> Frames(int frame, double count, bool simultaneous, int ticks)
{
    std::vector<std::array<int, 4>> out;
    for (int i = 0; i < ticks; ++i) {
        const AnimationTick t = PlanAnimationTick(frame, count, simultaneous);
        out.push_back({t.viewSlot[0] + 1, t.viewSlot[1] + 1, t.viewSlot[2] + 1, t.viewSlot[3] + 1});
        frame = t.nextFrame;
    }
    return out;
}

using F = std::array<int, 4>;

} // namespace

TEST(AnimationOrder, SimultaneousModeShowsOneFrameEverywhereAndWraps)
{
    EXPECT_EQ(Frames(1, 2, true, 4), (std::vector<F>{{1, 1, 1, 1}, {2, 2, 2, 2}, {1, 1, 1, 1}, {2, 2, 2, 2}}));
    const auto nine = Frames(1, 9, true, 10);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(nine[static_cast<size_t>(i)], F({i + 1, i + 1, i + 1, i + 1}));
    EXPECT_EQ(nine[9], F({1, 1, 1, 1}));
    // A count with a fraction plays its whole frames only.
    EXPECT_EQ(Frames(4, 4.5, true, 2), (std::vector<F>{{4, 4, 4, 4}, {1, 1, 1, 1}}));
}

TEST(AnimationOrder, CyclingModeShowsTheTwoFramesBeforeInTheStrip)
{
    EXPECT_EQ(Frames(1, 2, false, 3), (std::vector<F>{{1, 2, 1, 1}, {2, 1, 2, 2}, {1, 2, 1, 1}}));
    EXPECT_EQ(Frames(1, 3, false, 4), (std::vector<F>{{2, 3, 1, 1}, {3, 1, 2, 2}, {1, 2, 3, 3}, {2, 3, 1, 1}}));
    const auto nine = Frames(1, 9, false, 9);
    EXPECT_EQ(nine[0], F({8, 9, 1, 1}));
    EXPECT_EQ(nine[1], F({9, 1, 2, 2}));
    EXPECT_EQ(nine[5], F({4, 5, 6, 6}));
    EXPECT_EQ(nine[8], F({7, 8, 9, 9}));
    // Frame 7 was due when the count dropped to 3: it shows once, then 1.
    EXPECT_EQ(Frames(7, 3, false, 2), (std::vector<F>{{5, 6, 7, 7}, {2, 3, 1, 1}}));
}

TEST(AnimationOrder, FractionalCountPlaysWholeFramesAndWrapsToRoundedValues)
{
    // 4.5 plays frames 1 to 4; before frame 1 the strip wraps to 4.5 and 3.5
    // rounded half to even: 4 and 4.
    EXPECT_EQ(Frames(1, 4.5, false, 5),
              (std::vector<F>{{4, 4, 1, 1}, {4, 1, 2, 2}, {1, 2, 3, 3}, {2, 3, 4, 4}, {4, 4, 1, 1}}));
    // 3.5 plays 1 to 3 but wraps to 4 (3.5 rounded) and 2 (2.5 rounded).
    EXPECT_EQ(Frames(1, 3.5, false, 4), (std::vector<F>{{2, 4, 1, 1}, {4, 1, 2, 2}, {1, 2, 3, 3}, {2, 4, 1, 1}}));
    // 2.5 wraps to 2 and 2 (1.5 rounded).
    EXPECT_EQ(Frames(1, 2.5, false, 3), (std::vector<F>{{2, 2, 1, 1}, {2, 1, 2, 2}, {2, 2, 1, 1}}));
}

TEST(AnimationOrder, SlotsStayWithinTheNineWhateverTheInput)
{
    for (int frame : {-32768, -1, 0, 1, 5, 9, 10, 32767})
        for (double count : {-5.0, 0.0, 1.0, 2.0, 2.5, 9.0, 9.5, 1e300, std::nan("")})
            for (bool sim : {true, false}) {
                const AnimationTick t = PlanAnimationTick(frame, count, sim);
                for (int s : t.viewSlot) {
                    EXPECT_GE(s, 0) << frame << " " << count << " " << sim;
                    EXPECT_LE(s, 8) << frame << " " << count << " " << sim;
                }
                EXPECT_GE(t.nextFrame, 1);
                EXPECT_LE(t.nextFrame, 9);
            }
}

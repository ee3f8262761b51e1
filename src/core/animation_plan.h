#pragma once
// Animation planning: which frame each view of the animation viewer shows on
// a tick, and which frame comes next.
#include <array>
#include <cstdint>

// Nine frame slots; an animation plays 2 to 9 of them.
inline constexpr int kAnimationSlots = 9;
inline constexpr int kMinAnimationFrames = 2;
inline constexpr int kMaxAnimationFrames = 9;

// What one tick of the animation shows: the slot (0 to 8) that each of the
// four views takes, in the order views 0, 1, 2, 3, and the frame the next
// tick shows.
struct AnimationTick {
    std::array<int, 4> viewSlot{};
    int16_t nextFrame = 1;
};

// One tick for frame `frame` (1 to 9) of an animation of `frameCount` frames
// (2 to 9, possibly with a fraction: the frames 1 to Int(frameCount) play).
// Simultaneous mode shows frame `frame` in every view; cycling mode shows, in
// the strip, the frame two before it, the one before it and the frame itself,
// and the frame itself in view 3. Before frame 1 the strip wraps to the count
// and to the count less one, each rounded half to even.
// The frame then advances and wraps to 1 once it passes frameCount.
// Out-of-range inputs are brought into range, so every slot lies in 0 to 8.
AnimationTick PlanAnimationTick(int frame, double frameCount, bool simultaneous);

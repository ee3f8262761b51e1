#include "core/animation_plan.h"

#include <algorithm>

#include "core/conversions.h"

namespace {

// The frame count kept within 2 to 9, as the text box keeps it.
double ClampFrameCount(double frameCount)
{
    if (!(frameCount >= kMinAnimationFrames)) // NaN too
        return kMinAnimationFrames;
    return std::min(frameCount, double(kMaxAnimationFrames));
}

} // namespace

AnimationTick PlanAnimationTick(int frame, double frameCount, bool simultaneous)
{
    // A tick only ever runs after "Play" set the frame to 1, and the frame
    // never passes 9; anything else starts the animation over.
    if (frame < 1 || frame > kAnimationSlots)
        frame = 1;
    frameCount = ClampFrameCount(frameCount);

    AnimationTick t;
    if (simultaneous) {
        t.viewSlot = {frame - 1, frame - 1, frame - 1, frame - 1};
    } else {
        // The frame before this one and the one before that, wrapping around
        // to the count and the count less one, each rounded half to even
        // (a count of 4.5 wraps to 4 and 4). With the count within 2 to 9
        // both stay within 1 to 9.
        int p1 = frame - 1;
        if (p1 == 0)
            p1 = conv::CInt(frameCount);
        int p2 = frame - 2;
        if (p2 == 0)
            p2 = conv::CInt(frameCount);
        else if (p2 == -1)
            p2 = conv::CInt(frameCount - 1);
        t.viewSlot = {p2 - 1, p1 - 1, frame - 1, frame - 1};
    }
    int next = frame + 1;
    if (frameCount < next)
        next = 1;
    t.nextFrame = static_cast<int16_t>(next);
    return t;
}

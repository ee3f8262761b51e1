#pragma once
// Pictures of the Filter / Rotate tab, drawn in code.
#include <QImage>

namespace artwork {

// 32 x 32 icon of a broad curved arrow for the rotate buttons: sweeping up
// from the lower left and pointing to the right for a clockwise turn, its
// mirror image for a counter-clockwise turn. Format_ARGB32 with a
// transparent background, so it sits on any button face.
QImage RotateArrowIcon(bool clockwise);

} // namespace artwork

#pragma once
// Pictures of the Pixel Editing tab, drawn in code. All are opaque
// Format_RGB32 images except the cursor, which needs transparency.
#include <QImage>

namespace artwork {

// 182 x 78 colour palette: 48 basic swatches (8 x 6) at the top left, a
// magenta, a black and a white block below them, a grey ramp (columns 51-56)
// and a hue field (columns 57-181) that is darkest at the top, full strength
// on row 39 and palest at the bottom.
QImage ColourPalette();

// 10 x 10 grey spray tip: each pixel's level is how strongly the spray
// darkens there (0 not at all, 127 at the centre).
QImage SprayTip();

// Rulers along the editing surface: 450 x 7 (horizontal, its column 1 on the
// surface's left edge) and 7 x 450 (vertical, its row 0 on the top edge).
// Yellow bands with black ticks every 2, 4 and 56 pixels.
QImage HorizontalRuler();
QImage VerticalRuler();

// 72 x 46: an open red toolbox lettered TOOLS on light grey.
QImage ToolboxPicture();

// 32 x 32 pencil cursor (Format_ARGB32, transparent around the pencil); its
// tip is at (5, 5), the hot spot.
QImage PencilCursor();
constexpr int kPencilHotX = 5;
constexpr int kPencilHotY = 5;

// Glyphs of the editor's tool buttons (size x size, on light grey):
// 0 Clear All, 1 Selection, 2 Undo, 3 Eraser, 4 Pencil, 5 Rulers.
// Out of range: a blank grey square.
QImage ToolButtonGlyph(int index, int size);

} // namespace artwork

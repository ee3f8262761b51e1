#pragma once
// The named colours and fonts of the controls, defined once. Colours are
// 0x00BBGGRR like every Colour; the pictures drawn in src/artwork use the
// same names where they sit on (or must match) a control of that colour.
#include <QString>

#include "core/colour.h"

class QColor;
class QPainter;
class QRect;
class QWidget;

namespace style {

// The ground of the window and the background of every empty picture box.
inline constexpr Colour kNavy = 0x00800000;
// The tab pages, the toolbar panel, the faces of the tabs' buttons and the
// light-grey pictures that sit on them.
inline constexpr Colour kPageGrey = 0x00C0C0C0;
// A paler grey: the faces of the bins' arrow buttons (and their glyphs).
inline constexpr Colour kPaleGrey = 0x00E0E0E0;
// Between the two: the face of a bin's arrow button while it is pressed.
inline constexpr Colour kLightGrey = 0x00C8C8C8;
// The tabs behind the current one.
inline constexpr Colour kShadeGrey = 0x00B0B0B0;
// Separator lines, button borders, the shadow of etched lines.
inline constexpr Colour kMidGrey = 0x00808080;
// The face of the about box's OK button while it is pressed.
inline constexpr Colour kDimGrey = 0x00606060;
// Text on grey buttons, the dark half of etched lines.
inline constexpr Colour kDarkGrey = 0x00404040;
// The captions of the tabs.
inline constexpr Colour kCharcoal = 0x00202020;
// The bins' read-outs of the cell hovered last, on navy.
inline constexpr Colour kPaleBlue = 0x00FFC0C0;
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kWhite = 0x00FFFFFF;

// Black or white, whichever reads better on the background, so a caption
// stays legible on a label whose colour the user picks.
Colour CaptionColourOn(Colour background);

// A colour as a style sheet writes it, "#rrggbb".
QString Css(Colour c);

// Text sizes in pixels. The captions were laid out for a small dialog
// font; at these sizes they stay whole in their controls.
inline constexpr int kSmallTextPixels = 11;   // captions of the tabs and the bins
inline constexpr int kCompactTextPixels = 10; // captions that must fit a narrow box

// Each keeps the widget's own font and changes only what its name says.
void SetSmallFont(QWidget* w, bool bold = false); // 11 pixels, bold if asked
void SetCompactFont(QWidget* w);                  // 10 pixels
void SetBoldFont(QWidget* w);
void SetDialogFont(QWidget* w, bool bold = false); // 9.75 points, bold if asked

// The frame that marks the control with the focus: a dotted line of colour
// on the outermost pixels of r.
void DrawFocusFrame(QPainter& p, const QRect& r, const QColor& colour);

// Gives the application the platform's own style, but for the focus of a
// command button, which wears the dotted focus frame. Once, before any
// window opens.
void Install();

} // namespace style

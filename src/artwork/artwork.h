#pragma once
// The pictures of the main window's toolbar and bins, drawn in code (one file
// a group: toolbar.cpp, toolbar_icons.cpp, selector_frames.cpp, bins_art.cpp,
// app_icon.cpp). Each function returns a fresh, fully opaque QImage in
// Format_RGB32. Pictures without text work without a QGuiApplication; text is
// only drawn when one exists.
#include <QImage>

namespace artwork {

// Toolbar (the page grey panel of platform/style.h lies behind it)
QImage ToolbarIcon(int index);   // 26 x 26 button picture, index 0..13 (outside: a blank grey 26x26)
QImage ToolbarBarEnd(bool left); // 13 x 26, a rounded grey bar end (left or right end)
QImage ToolbarBarStrip();        // 3 x 26, a vertical grey gradient (stretched across the bar)
QImage ToolbarMarker();          // 22 x 9, a small downward-pointing marker

// Bins
QImage StartBanner();            // 256 x 60 navy banner saying that no texture set is loaded
QImage SelectorFrame(int index); // 82 x 82: 9-pixel frame around a pure black 64 x 64 centre.
                                 // 0 red, 1 green, 2 blue, 3 magenta, 4 yellow (bevelled),
                                 // 5 brown stone, 6 grey granite, 7 hazard stripes.
                                 // Out of range: 0.
QImage SelectorMask();           // 82 x 82: black 9-pixel frame around a white 64 x 64 centre.
                                 // AND the mask onto a bin, then OR the frame.

enum class Arrow { Left, Up, Down, Right };
QImage ArrowGlyph(Arrow dir);        // 23 x 22 arrow for a pale grey button (style::kPaleGrey)
QImage LayerLetterTile(char letter); // 64 x 64 navy tile with a big light blue letter, centred
QImage SaveProgressBackground();     // 318 x 67 window with a "Saving: Standby..." title bar;
                                     // the progress bar sits at 7,28 size 302x29
QImage AppIcon();                    // 32 x 32 program icon, 16 colours

} // namespace artwork

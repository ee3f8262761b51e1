#pragma once
// Pictures of the Animation viewer tab, drawn in code.
#include <QImage>

namespace artwork {

// The film-strip bar above and below the animation views: 352 x 21, black,
// with a row of grey sprocket holes. The holes repeat every 14 pixels from
// x = 0, so two bars laid 350 pixels apart join without a seam.
QImage FilmStrip();

// Spacing of the sprocket holes; bars placed a multiple of it apart line up.
inline constexpr int kFilmStripPeriod = 14;

} // namespace artwork

#pragma once
// Pictures in memory, all of Format_RGB32.
//
// Pictures take their memory the ordinary way, in the small pages malloc
// hands out. Memory marked for huge pages looked cheaper when a benchmark
// repeated a load in one process, but a program's first load, in a fresh
// process, paid several times more for it than for small pages.
#include <QImage>

// A new width x height picture of QImage::Format_RGB32 whose pixels are not
// set yet; a null image when the memory cannot be had.
QImage NewPicture(int width, int height);

// A copy of img in Format_RGB32 (a null image for a null image).
QImage CopyPicture(const QImage& img);

// The picture in Format_RGB32: img itself when it already is (sharing its
// pixels), a converted copy otherwise.
QImage AsRgb32(const QImage& img);

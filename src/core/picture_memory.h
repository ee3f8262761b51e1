#pragma once
// Pictures in memory, all of Format_RGB32.
//
// Memory for large pictures: a 4096 x 4096 texture set takes 64 MiB; handed
// out in 4 KiB pages, that much fresh memory costs the kernel several times
// what decoding or copying the picture does. Large pictures therefore get
// memory aligned to 2 MiB and marked for transparent huge pages.
#include <QImage>

// A new width x height picture of QImage::Format_RGB32 whose pixels are not
// set yet; a null image when the memory cannot be had.
QImage NewPicture(int width, int height);

// A copy of img, converted to Format_RGB32, in memory from NewPicture
// (a null image for a null image).
QImage CopyPicture(const QImage& img);

// The picture in Format_RGB32: img itself when it already is (sharing its
// pixels), a converted copy otherwise.
QImage AsRgb32(const QImage& img);

#pragma once
// The pictures of the secondary windows, drawn in code. Each function returns
// a fresh, fully opaque QImage in Format_RGB32. Text is only drawn when a
// QGuiApplication exists; the rest of each picture is drawn regardless.
#include <QImage>

namespace artwork {

QImage SplashPicture();  // 619 x 305: the program's title over a spread of tiles, dark at the top left
QImage AboutPicture();   // 406 x 137: the maker's lettering and emblem on black
QImage TipIcon();        // 32 x 32: a light bulb on white
QImage TileWindowIcon(); // 32 x 32: a tile with an arrow in and out

} // namespace artwork

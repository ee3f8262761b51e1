#pragma once
// Tile files: the names the tile window reads and writes, and reading one
// picture file as a tile for a layer.
#include <optional>

#include <QImage>
#include <QString>

#include "core/picture_files.h"

namespace tile_file {

// The side of a layer's tile.
constexpr int kTileSide = 64;

// Pictures beyond this many pixels are refused before they are decoded.
constexpr qint64 kMaxPixels = kMaxPicturePixels;

// The file name the window works with: the folder, a separator (unless the
// folder already ends with one) and the name box's text.
QString JoinName(const QString& folder, const QString& name);

// The name an export writes: ".bmp" appended unless the name already ends
// with exactly ".bmp" (case-sensitive: "tile.BMP" becomes "tile.BMP.bmp").
QString ExportName(const QString& name);

// What importing a file gives: the picture, or why there is none.
struct ImportResult {
    std::optional<QImage> picture;
    QString error; // a sentence for the user when picture is empty
};
// Reads a picture file for a layer. Only regular files are read (no folders,
// pipes or devices); pictures are checked for size before decoding, and one
// whose data ends early is refused. A picture larger than a tile keeps only
// its top-left 64 x 64 pixels, which is all a layer shows.
ImportResult ReadTilePicture(const QString& path);

} // namespace tile_file

#pragma once
// Picture files: loading any format Qt reads, and writing bitmaps.
#include <optional>

#include <QImage>
#include <QString>

// The picture in the file, or nothing when it cannot be read as a picture.
std::optional<QImage> LoadPicture(const QString& path);
// Writes img as a 24-bit BMP file; false when the file could not be written.
bool SavePicture(const QImage& img, const QString& path);

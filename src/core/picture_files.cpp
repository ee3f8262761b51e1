#include "core/picture_files.h"

#include <QImageReader>
#include <QSaveFile>

std::optional<QImage> LoadPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // Texture sets have their own reader; this loader never reads Targa
    // files, whatever image plugins the machine has.
    if (reader.format().toLower() == "tga")
        return std::nullopt;
    QImage img = reader.read();
    if (img.isNull())
        return std::nullopt;
    return img.convertToFormat(QImage::Format_RGB32);
}

bool SavePicture(const QImage& img, const QString& path)
{
    // Written to a temporary file first, so a failed write leaves any
    // existing file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!img.convertToFormat(QImage::Format_RGB888).save(&file, "BMP"))
        return false;
    return file.commit();
}

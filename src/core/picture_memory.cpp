#include "core/picture_memory.h"

QImage NewPicture(int width, int height)
{
    return QImage(width, height, QImage::Format_RGB32);
}

QImage CopyPicture(const QImage& img)
{
    if (img.isNull())
        return img;
    if (img.format() != QImage::Format_RGB32)
        return img.convertToFormat(QImage::Format_RGB32);
    return img.copy();
}

QImage AsRgb32(const QImage& img)
{
    return img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
}

#include "core/quarter_tile.h"

#include "core/picture_memory.h"

QImage ReduceToQuarter(const QImage& tile)
{
    const QImage src = AsRgb32(tile);
    QImage out(src.width() / 2, src.height() / 2, QImage::Format_RGB32);
    for (int j = 0; j < out.height(); ++j) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(2 * j));
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(j));
        for (int i = 0; i < out.width(); ++i)
            row[i] = in[2 * i];
    }
    return out;
}

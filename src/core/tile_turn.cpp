#include "core/tile_turn.h"

#include <algorithm>

#include "core/picture_memory.h"

QImage TurnTile(const QImage& tile, TileTurn turn)
{
    const QImage src = AsRgb32(tile);
    const int w = src.width(), h = src.height();
    const bool quarter = turn == TileTurn::Clockwise || turn == TileTurn::CounterClockwise;
    QImage out(quarter ? h : w, quarter ? w : h, QImage::Format_RGB32);
    if (out.isNull())
        return out;
    uchar* const base = out.bits();
    const qsizetype stride = out.bytesPerLine();
    auto row = [&](int y) { return reinterpret_cast<QRgb*>(base + y * stride); };
    for (int y = 0; y < h; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        switch (turn) {
        case TileTurn::Clockwise:
            for (int x = 0; x < w; ++x)
                row(x)[h - 1 - y] = in[x];
            break;
        case TileTurn::CounterClockwise:
            for (int x = 0; x < w; ++x)
                row(w - 1 - x)[y] = in[x];
            break;
        case TileTurn::FlipHorizontal: {
            QRgb* line = row(y);
            for (int x = 0; x < w; ++x)
                line[w - 1 - x] = in[x];
            break;
        }
        case TileTurn::FlipVertical:
            std::copy(in, in + w, row(h - 1 - y));
            break;
        }
    }
    return out;
}

#include "artwork/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "artwork/drawing.h"

// The pictures around the bins: the start banner, the arrow glyphs of the
// paging buttons, the layer letter tiles and the save window's background.

namespace artwork {
namespace {

// Text with a 1-pixel drop shadow, so it reads on busy backgrounds.
void ShadowedText(
    QPainter& p, const QRect& r, int flags, const QString& text, const QColor& colour, const QColor& shadow)
{
    p.setPen(shadow);
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

// One tile of the program's logo, a square cut into cells.
void DrawTileGrid(QPainter& p, const QRectF& r, int cells, const QColor& fill, const QColor& lines)
{
    p.setPen(QPen(lines, 1.0));
    p.setBrush(fill);
    p.drawRect(r);
    for (int i = 1; i < cells; ++i) {
        const double fx = r.left() + r.width() * i / cells, fy = r.top() + r.height() * i / cells;
        p.drawLine(QPointF(fx, r.top()), QPointF(fx, r.bottom()));
        p.drawLine(QPointF(r.left(), fy), QPointF(r.right(), fy));
    }
}

} // namespace

QImage StartBanner()
{
    QImage img = Canvas(256, 60, kNavy);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Dim logo behind the text: three fanned tiles and a sparkle.
    const QColor fill(0x10, 0x10, 0x98), lines(0x24, 0x24, 0xB0);
    const QPointF centre(128, 30);
    for (int angle : {-14, 14, 0}) {
        p.save();
        p.translate(centre + QPointF(angle * 1.6, 0));
        p.rotate(angle);
        DrawTileGrid(p, QRectF(-21, -21, 42, 42), 4, fill, lines);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0xC0));
    p.drawPath(SparklePath(centre + QPointF(30, -16), 11, 0.22));
    if (CanDrawText()) {
        p.setFont(UiFont(15, true));
        ShadowedText(p, img.rect(), Qt::AlignCenter, QStringLiteral("No texture set loaded"), Qt::white,
            QColor(0x00, 0x00, 0x30));
    }
    p.end();
    return Finish(img);
}

QImage ArrowGlyph(Arrow dir)
{
    QImage img = Canvas(23, 22, kPaleGrey);
    QPainter p(&img);
    int angle = 0;
    switch (dir) {
    case Arrow::Right:
        angle = 0;
        break;
    case Arrow::Down:
        angle = 90;
        break;
    case Arrow::Left:
        angle = 180;
        break;
    case Arrow::Up:
        angle = 270;
        break;
    }
    // Drawn pointing right around the centre, then turned. A white copy one
    // pixel down and right (in screen terms) gives an engraved look.
    for (const QPointF offset : {QPointF(1, 1), QPointF(0, 0)}) {
        p.resetTransform();
        p.translate(QPointF(11.5, 11.0) + offset);
        p.rotate(angle);
        const bool highlight = offset != QPointF(0, 0);
        DrawArrow(p, QPointF(-7.5, 0.0), QPointF(7.5, 0.0), 5.0, 14.0, 7.5,
            highlight ? Qt::white : QColor(0x20, 0x20, 0x30),
            highlight ? Qt::white : QColor(0x10, 0x10, 0x18));
    }
    p.end();
    return Finish(img);
}

QImage LayerLetterTile(char letter)
{
    QImage img = Canvas(64, 64, kNavy);
    if (letter == '\0' || !CanDrawText())
        return Finish(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath glyph;
    glyph.addText(0, 0, UiFont(52, true), QString(QChar::fromLatin1(letter)));
    // Centre the ink, not the font box, so every letter sits in the middle.
    const QRectF ink = glyph.boundingRect();
    glyph.translate(QPointF(32, 32) - ink.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x00, 0x38));
    p.drawPath(glyph.translated(2, 2));
    p.setPen(QPen(QColor(0xD8, 0xEC, 0xFF), 1.0));
    p.setBrush(QColor(0x80, 0xC0, 0xFF));
    p.drawPath(glyph);
    p.end();
    return Finish(img);
}

QImage SaveProgressBackground()
{
    QImage img = Canvas(318, 67, kPageGrey);
    // Raised window border, two pixels deep.
    Bevel(img, img.rect(), QColor(0xDF, 0xDF, 0xDF), Qt::black);
    Bevel(img, img.rect().adjusted(1, 1, -1, -1), Qt::white, QColor(0x80, 0x80, 0x80));
    // Sunken well around where the progress bar goes (7,28 size 302x29).
    Bevel(img, QRect(6, 27, 304, 31), QColor(0x80, 0x80, 0x80), Qt::white);

    QPainter p(&img);
    const QRect title(3, 3, 312, 18);
    QLinearGradient grad(title.topLeft(), title.topRight());
    grad.setColorAt(0, kNavy);
    grad.setColorAt(1, QColor(0x10, 0x84, 0xD0));
    p.fillRect(title, grad);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRect(5, 4, 16, 16), AppIcon());
    if (CanDrawText()) {
        p.setFont(UiFont(12, true));
        p.setPen(Qt::white);
        p.drawText(title.adjusted(22, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Saving: Standby..."));
    }
    p.end();
    return Finish(img);
}

} // namespace artwork

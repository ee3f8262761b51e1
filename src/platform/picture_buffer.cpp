#include "platform/picture_buffer.h"

#include <algorithm>
#include <cstdlib>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "core/picture_memory.h"

PictureBuffer::PictureBuffer(QWidget* parent, PictureKind kind, const QString& name, int left, int top,
                             int width, int height, Colour backColor)
    : QWidget(parent), backColor_(backColor)
{
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(kind == PictureKind::Box ? Qt::ClickFocus : Qt::NoFocus);
    image_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image_.fill(ToQRgb(backColor_));
    setGeometry(left, top, image_.width(), image_.height());
}

namespace {
// Copies part into img with its top-left corner at `at`, cut to img.
void PasteInto(QImage& img, const QImage& part, QPoint at)
{
    const QRect area = QRect(at, part.size()).intersected(img.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(part.constScanLine(y - at.y())) + (area.left() - at.x()),
                    area.width(), reinterpret_cast<QRgb*>(img.scanLine(y)) + area.left());
}
} // namespace

// A width x height image showing picture (Format_RGB32) at its top-left
// corner and the background colour elsewhere. Only the area that the picture
// does not cover is filled.
QImage PictureBuffer::composeImage(const QImage& picture, int width, int height) const
{
    if (picture.width() == width && picture.height() == height)
        return picture; // shared until either side is drawn on
    QImage img = NewPicture(width, height);
    if (img.isNull())
        return img;
    const QRgb back = ToQRgb(backColor_);
    const int cw = std::min(width, picture.width());
    const int ch = std::min(height, picture.height());
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        int x = 0;
        if (y < ch) {
            std::copy_n(reinterpret_cast<const QRgb*>(picture.constScanLine(y)), cw, row);
            x = cw;
        }
        std::fill(row + x, row + width, back);
    }
    return img;
}

void PictureBuffer::setPicture(const QImage& img)
{
    assignPicture(img, Width(), Height());
}

void PictureBuffer::setSizeAndPicture(int width, int height, const QImage& img)
{
    assignPicture(img, std::max(width, 0), std::max(height, 0));
}

// The part of img that a w x h buffer can show: img itself when it fits.
// A buffer never shows its picture beyond its own size, even after it grows
// again, so it keeps no more of it.
QImage PictureBuffer::VisiblePart(const QImage& img, int w, int h)
{
    if (img.width() <= w && img.height() <= h)
        return img;
    return img.copy(0, 0, std::min(img.width(), w), std::min(img.height(), h));
}

void PictureBuffer::assignPicture(const QImage& img, int w, int h)
{
    picture_ = AsRgb32(img);
    over_ = QImage();
    if (autoSize_ && !picture_.isNull()) {
        w = picture_.width();
        h = picture_.height();
    }
    picture_ = VisiblePart(picture_, w, h);
    image_ = composeImage(picture_, w, h);
    if (size() != image_.size())
        resize(image_.size());
    ++revision_;
    update();
    if (onChange)
        onChange();
}

void PictureBuffer::restoreRectFrom(const QImage& src, const QRect& r)
{
    picture_ = src;
    if (!over_.isNull() && image_.constBits() == src.constBits()) {
        // Under the blit kept beside it the image is src itself: letting the
        // blit go restores it.
        update(QRect(overAt_, over_.size()));
        over_ = QImage();
    } else if (!over_.isNull() && r.contains(QRect(overAt_, over_.size()))) {
        over_ = QImage(); // all its pixels are restored below
    }
    const QRect area = r.intersected(image_.rect());
    if (!area.isEmpty() && image_.constBits() != src.constBits()) {
        ownImage();
        const QRgb back = ToQRgb(backColor_);
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto* dst = reinterpret_cast<QRgb*>(image_.scanLine(y));
            const QRgb* s = y < src.height() ? reinterpret_cast<const QRgb*>(src.constScanLine(y)) : nullptr;
            for (int x = area.left(); x <= area.right(); ++x)
                dst[x] = (s && x < src.width()) ? s[x] : back;
        }
        update(area);
    }
    ++revision_;
    if (onChange)
        onChange();
}

void PictureBuffer::resizeImage(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width != image_.width() || height != image_.height()) {
        // The picture, when it is still the image itself, stays so; else
        // only what the new size can show of it is kept.
        const bool pictureIsImage = over_.isNull() && picture_.constBits() == image_.constBits()
                                    && width <= image_.width() && height <= image_.height();
        QImage img = composeImage(image_, width, height);
        if (!over_.isNull() && !img.isNull())
            PasteInto(img, over_, overAt_);
        over_ = QImage();
        image_ = img;
        picture_ = pictureIsImage ? image_ : VisiblePart(picture_, width, height);
        ++revision_;
    }
    resize(width, height);
}

void PictureBuffer::PaintPicture(const QImage& src, int px, int py, int w, int h, int srcX, int srcY,
                                 RasterOp rop)
{
    if (src.isNull() || w <= 0 || h <= 0)
        return;
    const QImage s = AsRgb32(src);
    // Clip the source rectangle to the source image and the target to ours.
    int x0 = 0, y0 = 0, x1 = w, y1 = h; // offsets within the blit
    x0 = std::max({x0, -srcX, -px});
    y0 = std::max({y0, -srcY, -py});
    x1 = std::min({x1, s.width() - srcX, image_.width() - px});
    y1 = std::min({y1, s.height() - srcY, image_.height() - py});
    if (x0 >= x1 || y0 >= y1)
        return;
    const QRect area(px + x0, py + y0, x1 - x0, y1 - y0);
    // Where the blit goes: the image, or the rectangle kept beside it (origin
    // at overAt_) when the image shares its pixels.
    if (over_.isNull() && !image_.isDetached() && area != image_.rect()) {
        over_ = image_.copy(area); // null when the memory cannot be had
        overAt_ = area.topLeft();
    }
    QImage* target = &over_;
    QPoint origin = overAt_;
    if (over_.isNull() || !QRect(overAt_, over_.size()).contains(area)) {
        ownImage();
        target = &image_;
        origin = QPoint(0, 0);
    }
    for (int j = y0; j < y1; ++j) {
        const QRgb* in = reinterpret_cast<const QRgb*>(s.constScanLine(srcY + j)) + srcX;
        QRgb* out = reinterpret_cast<QRgb*>(target->scanLine(py + j - origin.y())) + (px - origin.x());
        switch (rop) {
        case RasterOp::And:
            for (int i = x0; i < x1; ++i)
                out[i] &= in[i];
            break;
        case RasterOp::Or:
            for (int i = x0; i < x1; ++i)
                out[i] |= in[i];
            break;
        case RasterOp::Copy:
            std::copy(in + x0, in + x1, out + x0);
            break;
        }
    }
    ++revision_;
    update(QRect(px + x0, py + y0, x1 - x0, y1 - y0));
}

void PictureBuffer::DrawPixels(QImage img)
{
    img = AsRgb32(img);
    if (img.size() == image_.size()) {
        image_ = std::move(img);
        over_ = QImage();
    } else
        PaintPicture(img, 0, 0, img.width(), img.height());
    ++revision_;
    update();
}

void PictureBuffer::ResizeAndDrawPixels(QImage img)
{
    image_ = AsRgb32(img);
    over_ = QImage();
    resize(image_.size());
    ++revision_;
    update();
}

void PictureBuffer::Cls()
{
    over_ = QImage();
    if (!image_.isDetached()) // every pixel is set next: no need to copy
        image_ = NewPicture(image_.width(), image_.height());
    image_.fill(ToQRgb(backColor_));
    ++revision_;
    update();
}

void PictureBuffer::Line(int x1, int y1, int x2, int y2, Colour c)
{
    // Bresenham from the start point up to, but not including, the end point.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    const QRgb pen = ToQRgb(c);
    ownImage();
    while (!(x == x2 && y == y2)) {
        if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height()) {
            QRgb& p = reinterpret_cast<QRgb*>(image_.scanLine(y))[x];
            p = drawMode_ == LineMode::Invert ? (p ^ 0x00FFFFFFu) : pen;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    ++revision_;
    update();
}

void PictureBuffer::copyImage() const
{
    image_ = CopyPicture(image_);
}

void PictureBuffer::joinOver() const
{
    const QImage over = std::move(over_);
    over_ = QImage();
    if (!image_.isDetached())
        copyImage();
    PasteInto(image_, over, overAt_);
}

void PictureBuffer::RewriteAndGiveTo(QImage src, PictureBuffer& copy, const QRect& rewritten,
                                     const std::function<void(QImage& dst, const QImage& src)>& rewrite)
{
    if (!over_.isNull() && rewritten.contains(QRect(overAt_, over_.size())))
        over_ = QImage(); // every pixel under it is written anew
    const QSize copySize = copy.Image().size();
    const uchar* const pixels = image_.constBits();
    if (over_.isNull() && !src.isNull() && src.constBits() == pixels) {
        // Let go of the holds on these pixels that the result replaces
        // anyway. Unless something else holds them too, the first write
        // then finds them unshared and they are rewritten where they are;
        // otherwise that write copies them, as drawing on a shared image does.
        src = QImage();
        const bool ownPicture = picture_.constBits() == pixels;
        if (ownPicture)
            picture_ = QImage();
        if (copy.picture_.constBits() == pixels)
            copy.picture_ = QImage();
        if (copy.image_.constBits() == pixels)
            copy.image_ = QImage();
        rewrite(image_, image_);
        if (ownPicture)
            picture_ = image_;
    } else {
        rewrite(imageForDrawing(), src);
    }
    src = QImage();
    markDrawn();
    copy.assignPicture(image_, copySize.width(), copySize.height());
}

void PictureBuffer::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const QRect r = e->rect();
    p.drawImage(r.topLeft(), image_, r);
    if (!over_.isNull()) {
        const QRect o = QRect(overAt_, over_.size()).intersected(r);
        if (!o.isEmpty())
            p.drawImage(o.topLeft(), over_, o.translated(-overAt_));
    }
}

int PictureBuffer::ButtonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int PictureBuffer::ButtonsOf(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) + (b & Qt::RightButton ? 2 : 0) + (b & Qt::MiddleButton ? 4 : 0);
}

int PictureBuffer::ShiftOf(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) + (m & Qt::ControlModifier ? 2 : 0) + (m & Qt::AltModifier ? 4 : 0);
}

void PictureBuffer::pointerSeen(QPointF global, QPointF local)
{
    pointerAt_ = global;
    pointerInside_ = rect().contains(local.toPoint());
}

void PictureBuffer::enterEvent(QEnterEvent* e)
{
    pointerSeen(e->globalPosition(), e->position());
    QWidget::enterEvent(e);
}

void PictureBuffer::leaveEvent(QEvent* e)
{
    pointerInside_ = false;
    QWidget::leaveEvent(e);
}

void PictureBuffer::moveEvent(QMoveEvent* e)
{
    QWidget::moveEvent(e);
    movedUnderPointer();
}

void PictureBuffer::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    movedUnderPointer();
}

// Qt reports the pointer only when it moves, so a buffer paged under a still
// pointer would go on as if the pointer lay where it was on the picture
// before. The move is reported later, on its own turn of the event loop, as
// a real one would come: once for any number of moves in one handler, with
// the buttons and keys held then, and only while the pointer still lies on
// the buffer (or the buffer holds the mouse for a drag).
void PictureBuffer::movedUnderPointer()
{
    if (!pointerInside_ || restingMovePosted_ || !onMouseMove)
        return;
    restingMovePosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            restingMovePosted_ = false;
            // A menu, a modal dialog or another widget holding the mouse
            // would take a real move; a drag begun here keeps the mouse.
            const QWidget* modal = QApplication::activeModalWidget();
            const QWidget* grabber = QWidget::mouseGrabber();
            if (!pointerInside_ || !onMouseMove || !isEnabled() || QApplication::activePopupWidget()
                || (modal && modal != window()) || (grabber && grabber != this))
                return;
            const bool holding = pressedInside_ && QGuiApplication::mouseButtons() != Qt::NoButton;
            const QPointF local = mapFromGlobal(pointerAt_);
            if (!holding && !rect().contains(local.toPoint()))
                return;
            onMouseMove(ButtonsOf(QGuiApplication::mouseButtons()), ShiftOf(QGuiApplication::keyboardModifiers()),
                        static_cast<float>(local.x()), static_cast<float>(local.y()));
        },
        Qt::QueuedConnection);
}

void PictureBuffer::mousePressEvent(QMouseEvent* e)
{
    pointerSeen(e->globalPosition(), e->position());
    pressedInside_ = true;
    if (onMouseDown)
        onMouseDown(ButtonOf(e->button()), ShiftOf(e->modifiers()), static_cast<float>(e->position().x()),
                    static_cast<float>(e->position().y()));
}

void PictureBuffer::mouseMoveEvent(QMouseEvent* e)
{
    pointerSeen(e->globalPosition(), e->position());
    if (onMouseMove)
        onMouseMove(ButtonsOf(e->buttons()), ShiftOf(e->modifiers()), static_cast<float>(e->position().x()),
                    static_cast<float>(e->position().y()));
}

void PictureBuffer::mouseReleaseEvent(QMouseEvent* e)
{
    if (onMouseUp)
        onMouseUp(ButtonOf(e->button()), ShiftOf(e->modifiers()), static_cast<float>(e->position().x()),
                  static_cast<float>(e->position().y()));
    if (pressedInside_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        pressedInside_ = false;
        if (onClick)
            onClick();
    }
    if (e->buttons() == Qt::NoButton)
        pressedInside_ = false;
}

void PictureBuffer::mouseDoubleClickEvent(QMouseEvent* e)
{
    // Qt delivers the second press of a quick double click as this event
    // alone. It is still a press: it acts like any other, and only its
    // release raises no click, so a click handler runs once.
    mousePressEvent(e);
    pressedInside_ = false;
    if (onDblClick)
        onDblClick();
}

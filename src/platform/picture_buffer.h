#pragma once
// A picture buffer: a rectangular image in pixel units that keeps what is
// drawn on it. It holds its Picture (the image last assigned as a whole) and
// its Image (that picture together with everything drawn since).
//
// Only a whole-image assignment (setPicture) raises the change notification,
// synchronously, before it returns. Pixel writes, blits, Cls and Line raise
// nothing. Colours outside this class are 0x00BBGGRR; the conversion to the
// QImage format happens only here.
//
// A blit onto an image that shares its pixels with another picture (a bin
// right after it was restored from its clean copy) is kept beside the image,
// as the blitted rectangle, instead of first copying the whole image: drawing
// the selector on a large set then costs what the selector covers. Reading a
// pixel and painting look through that rectangle; reading the whole image or
// drawing on it otherwise joins the rectangle into the image first.
#include <cstdint>
#include <functional>

#include <QImage>
#include <QWidget>

#include "core/colour.h"
#include "platform/style.h"

// How PaintPicture combines each source pixel with the pixel under it; the
// values are the operations' codes.
enum class RasterOp : uint32_t {
    Copy = 0x00CC0020, // the source pixel replaces it
    And = 0x008800C6,  // their bits ANDed: black in the source clears, white keeps
    Or = 0x00EE0086,   // their bits ORed: black in the source keeps, white sets
};

// How Line draws; the values are the modes' codes.
enum class LineMode : int {
    Invert = 6, // inverts the pixels under the line
    Paint = 13, // paints the line's colour
};

// The two kinds of picture controls, chosen where each is made. A picture
// box takes the focus on a press (Tab passes it by), so a text box being
// typed in loses it, and takes its value, before the press's handler runs.
// An image (artwork, toolbar icons, rulers, film strips) never takes it: a
// press on one leaves the focus where it was.
enum class PictureKind { Box, Image };

class PictureBuffer : public QWidget {
public:
    PictureBuffer(QWidget* parent, PictureKind kind, const QString& name, int left, int top, int width,
                  int height, Colour backColor = style::kNavy);

    // Position and size in pixels (moving keeps the image; resizing keeps the
    // overlapping part and fills new area with the background colour).
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    void setLeft(int left) { move(left, y()); }
    void setTop(int top) { move(x(), top); }
    void setWidth(int width) { resizeImage(width, Height()); }
    void setHeight(int height) { resizeImage(Width(), height); }
    bool Visible() const { return !isHidden(); }
    void setVisibleFlag(bool visible) { setVisible(visible); }

    Colour BackColor() const { return backColor_; }
    void setBackColor(Colour c) { backColor_ = c; }
    // With AutoSize the buffer takes the size of every picture assigned to it.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on) { autoSize_ = on; }
    LineMode DrawMode() const { return drawMode_; }
    void setDrawMode(LineMode mode) { drawMode_ = mode; }

    const QImage& Picture() const { return picture_; }
    const QImage& Image() const
    {
        if (!over_.isNull())
            joinOver();
        return image_;
    }
    // Whole-image assignment: the picture becomes a copy of img, what was
    // drawn is dropped, and onChange runs before this returns.
    void setPicture(const QImage& img);
    // Sets Height, then Width, then setPicture(img): the same result without
    // first building the resized image that the assignment drops anyway.
    void setSizeAndPicture(int width, int height, const QImage& img);
    // Drops the picture (an empty picture), leaving the background colour.
    void clearPicture() { setPicture(QImage()); }

    // The colour at (x, y) of the image, or -1 outside it.
    Colour GetPixel(int px, int py) const
    {
        if (px < 0 || py < 0 || px >= image_.width() || py >= image_.height())
            return -1;
        if (!over_.isNull()) {
            const int ox = px - overAt_.x(), oy = py - overAt_.y();
            if (ox >= 0 && oy >= 0 && ox < over_.width() && oy < over_.height())
                return FromQRgb(reinterpret_cast<const QRgb*>(over_.constScanLine(oy))[ox]);
        }
        return FromQRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(py))[px]);
    }
    // Writes one pixel; outside the image nothing happens. Raises nothing.
    void SetPixel(int px, int py, Colour c)
    {
        if (px < 0 || py < 0 || px >= image_.width() || py >= image_.height())
            return;
        ownImage();
        reinterpret_cast<QRgb*>(image_.scanLine(py))[px] = ToQRgb(c);
        ++revision_;
    }
    // Blits the w x h rectangle at (srcX, srcY) of src into the image at
    // (x, y) with a raster operation (copy, AND or OR), clipped to both.
    void PaintPicture(const QImage& src, int px, int py, int w, int h, int srcX = 0, int srcY = 0,
                      RasterOp rop = RasterOp::Copy);
    // Clears the drawn image to the background colour (the picture is kept).
    void Cls();
    // A line from (x1, y1) to (x2, y2), the end point excluded, in the
    // current draw mode: LineMode::Invert inverts the pixels, LineMode::Paint
    // paints c.
    void Line(int x1, int y1, int x2, int y2, Colour c);
    // Repaints the buffer on screen from its image (at the next turn of the
    // event loop; handlers return at once, so nobody sees the difference).
    void Refresh() { update(); }
    // Draws a whole picture over the image at (0, 0), pixel for pixel. It is
    // drawing, not an assignment: it raises nothing, and the Picture stays.
    // Parts beyond the image are cut.
    void DrawPixels(QImage img);
    // Gives the buffer img's size and draws img over all of it: the same as
    // setting Height and Width and then DrawPixels, without first filling
    // the new area that img covers anyway.
    void ResizeAndDrawPixels(QImage img);

    // Direct access for bulk pixel work (Format_RGB32). Writing through it is
    // drawing: it raises nothing. Call markDrawn() afterwards.
    QImage& imageForDrawing()
    {
        ownImage();
        return image_;
    }
    void markDrawn() { ++revision_; update(); }
    // Counts every change of the image, so callers can tell whether it was
    // touched since they last looked.
    uint64_t revision() const { return revision_; }

    // Copies the rectangle r of the image that setPicture(src) would give into
    // this image, and takes src as the picture, raising onChange. The caller
    // guarantees that the rest of this image already equals it.
    void restoreRectFrom(const QImage& src, const QRect& r);

    // For a command that rewrites the image from src and then gives the
    // result to copy as its picture (copy.setPicture(Image())), as a flip does.
    // rewrite(dst, src) writes dst; every pixel inside `rewritten` is
    // written, so a blit kept beside the image there is dropped rather than
    // joined. When src is this image's own pixels (a bin and its clean copy
    // sharing them), dst and src are one picture, which rewrite changes in
    // place, reading each pixel before writing over it: when nothing but the
    // two buffers holds those pixels, no copy of the whole picture is made.
    // This buffer's picture, when it held them, becomes the result too.
    // Otherwise dst is the image, drawn on as usual.
    void RewriteAndGiveTo(QImage src, PictureBuffer& copy, const QRect& rewritten,
                          const std::function<void(QImage& dst, const QImage& src)>& rewrite);

    static constexpr QRgb ToQRgb(Colour c) { return ColourToQRgb(c); }
    static constexpr Colour FromQRgb(QRgb p) { return ColourFromQRgb(p); }

    // The mouse handlers receive Button (1 left, 2 right, 4 middle; a move
    // reports the sum held), Shift (1 Shift, 2 Ctrl, 4 Alt), and X and Y in
    // the buffer's own pixels. A press keeps the mouse: while a button is held
    // moves keep coming here with positions outside the buffer. When the
    // buffer moves or changes size under a pointer that rests on it, a move
    // to where the pointer now lies on it follows at the next turn of the
    // event loop, as if the pointer had moved there (Qt itself sends none).
    std::function<void()> onChange;
    std::function<void(int, int, float, float)> onMouseDown;
    std::function<void(int, int, float, float)> onMouseMove;
    std::function<void(int, int, float, float)> onMouseUp;
    std::function<void()> onClick;
    // The second press of a double click raises a press and then this; its
    // release raises a release but no click.
    std::function<void()> onDblClick;

    static int ButtonOf(Qt::MouseButton b);
    static int ButtonsOf(Qt::MouseButtons b);
    static int ShiftOf(Qt::KeyboardModifiers m);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // The pointer was last seen at pointerAt_ (global) on this buffer:
    // after the buffer moved under it, report a move to where it now lies.
    void pointerSeen(QPointF global, QPointF local);
    void movedUnderPointer();
    void resizeImage(int width, int height);
    void assignPicture(const QImage& img, int width, int height);
    QImage composeImage(const QImage& picture, int width, int height) const;
    static QImage VisiblePart(const QImage& img, int w, int h);
    // Makes the image whole and its own before it is drawn on: joins a blit
    // kept beside it and, when it shares its pixels, copies them.
    void ownImage()
    {
        if (!over_.isNull())
            joinOver();
        if (!image_.isDetached())
            copyImage();
    }
    void copyImage() const;
    // Writes the blit kept beside the image into the image (reading the image
    // whole does this, which is why the two are mutable).
    void joinOver() const;

    QImage picture_;
    mutable QImage image_;
    // A blit kept beside a shared image: the rectangle at overAt_ of the
    // image with the blit drawn on it; null when there is none.
    mutable QImage over_;
    QPoint overAt_;
    Colour backColor_;
    bool autoSize_ = false;
    LineMode drawMode_ = LineMode::Paint;
    uint64_t revision_ = 0;
    bool pressedInside_ = false;
    bool pointerInside_ = false;
    bool restingMovePosted_ = false;
    QPointF pointerAt_;
};

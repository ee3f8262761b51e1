#pragma once
// Drawing helpers shared by the picture files of this folder; nothing
// outside src/artwork includes this header.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>

#include "core/colour.h"
#include "platform/style.h"

class QPainter;

namespace artwork {

// The controls' colours (platform/style.h) to paint with, for the pictures
// that sit on, or must match, a control of that colour.
inline const QColor kNavy{ColourToQRgb(style::kNavy)};
inline const QColor kPageGrey{ColourToQRgb(style::kPageGrey)};
inline const QColor kPaleGrey{ColourToQRgb(style::kPaleGrey)};

// A w x h picture in Format_RGB32, filled with one colour.
QImage Canvas(int w, int h, const QColor& fill);

// The picture with every pixel fully opaque. QPainter leaves the alpha byte
// of RGB32 alone in practice, but blending modes are free to touch it.
QImage Finish(QImage img);

// Fonts need a QGuiApplication; without one, pictures are drawn without text.
bool CanDrawText();

// A font of the given pixel size from the system's sans serif (or serif) faces.
QFont PictureFont(int pixelSize, bool bold, bool serif = false);

// The sans serif of the program's own pictures: Arial, or its usual stand-ins.
QFont UiFont(int pixelSize, bool bold);

// a and b mixed, t = 0 giving a and 1 giving b (t is clamped to 0..1).
QColor Mix(const QColor& a, const QColor& b, double t);

// Positive amounts move the colour towards white, negative towards black.
QColor Shade(const QColor& c, double amount);

// A 1-pixel edge around r: top and left in one colour, bottom and right in
// the other. Light-over-dark reads as raised, dark-over-light as sunken.
void Bevel(QImage& img, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

// An arrow from tail to tip: a shaft of the given width ending in a
// triangular head, filled and outlined.
void DrawArrow(QPainter& p, QPointF tail, QPointF tip, double shaft, double headWidth, double headLength,
    const QColor& fill, const QColor& outline);

// The outline of a four-pointed sparkle around centre. Its sides curve in
// towards the centre; waist (a share of the radius) is how far the curves
// stay from it: 0 gives the thinnest rays.
QPainterPath SparklePath(QPointF centre, double radius, double waist);

} // namespace artwork

#include "pixel_editor/spray_palette.h"

#include "artwork/pixel_editor_art.h"
#include "core/conversions.h"
#include "core/pixel_ops.h"
#include "pixel_editor/pixel_editor.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"

SprayPalette::SprayPalette(PixelEditor& editor, QWidget* content) : ed_(editor)
{
    Picture3 = new PictureBuffer(content, PictureKind::Box, QStringLiteral("Picture3"),
                                 283, 469, 182, 78, style::kPageGrey);
    Picture3->setAutoSize(true);
    Picture3->setPicture(artwork::ColourPalette());
    Picture3->setCursor(Qt::CrossCursor);
    Picture3->onMouseDown = [this](int b, int s, float x, float y) { Picture3_MouseDown(b, s, x, y); };
    Picture3->onMouseMove = [this](int b, int s, float x, float y) { Picture3_MouseMove(b, s, x, y); };

    const QImage tip = artwork::SprayTip();
    Blendbackup = new PictureBuffer(content, PictureKind::Box, QStringLiteral("Blendbackup"),
                                    7, 511, tip.width(), tip.height());
    Blendbackup->setAutoSize(true);
    Blendbackup->setPicture(tip);
    Blendbackup->hide();
    BlendBrush = new PictureBuffer(content, PictureKind::Box, QStringLiteral("BlendBrush"),
                                   21, 511, tip.width(), tip.height());
    BlendBrush->setAutoSize(true);
    BlendBrush->setPicture(tip);
    BlendBrush->hide();

    // The spray mode: both flags on is the "Uniform Spray" tool.
    bbrush = new CheckBox(content, QStringLiteral("bbrush"), QRect(-14, 525, 78, 15), QStringLiteral("Spraycan"));
    style::SetBoldFont(bbrush);
    bbrush->setValue(1);
    bbrush->hide();
    Check2 = new CheckBox(content, QStringLiteral("Check2"), QRect(-21, 539, 78, 15), QStringLiteral("Uniform"));
    Check2->setValue(1);
    Check2->hide();
}

void SprayPalette::TintBlendBrush()
{
    BlendBrush->setPicture(Blendbackup->Image());
    BlendBrush->Refresh();
    BlendBrush->DrawPixels(pixel_ops::TintTip(BlendBrush->Image(), ed_.CurrentColor()));
}

void SprayPalette::SprayAt(float X, float Y)
{
    ed_.SetBrush(pixel_ops::BrushNames().front()); // every block of the patch is one tile pixel
    ed_.DrawOnSurface([&](QImage& surface) {
        pixel_ops::Spray(surface, BlendBrush->Image(), X, Y, ed_.CurrentColor(), Check2->Value() == 1);
    });
}

void SprayPalette::PickFromPalette(int Button, float X, float Y)
{
    if (Button != 1)
        return;
    ed_.SetCurrentColor(Picture3->GetPixel(conv::CLng(X), conv::CLng(Y)));
    TintBlendBrush();
}

void SprayPalette::Picture3_MouseDown(int Button, int /*Shift*/, float X, float Y) { PickFromPalette(Button, X, Y); }

void SprayPalette::Picture3_MouseMove(int Button, int /*Shift*/, float X, float Y) { PickFromPalette(Button, X, Y); }

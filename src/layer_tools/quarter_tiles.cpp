#include "layer_tools/quarter_tiles.h"

#include "core/quarter_tile.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "platform/wrap_button.h"
#include "texture_set/layers.h"

namespace {

constexpr int kQuarter = 32;

} // namespace

QuarterTiles::QuarterTiles(QWidget* page, Layers& layers) : layers_(layers)
{
    Shape13 = Shape(page, QStringLiteral("Shape13"), QRect(0, 0, 477, 596), style::kPageGrey, style::kPageGrey);
    Shape13->lower();

    Label11 = new Label(page, QStringLiteral("Label11"), QRect(35, 21, 169, 29),
                        QStringLiteral("Select which layer tile you want to reduce to 1/4 size:"));
    Command18 = new CommandButton(page, QStringLiteral("Command18"), QRect(35, 56, 85, 29), QStringLiteral("A"));
    Command19 = new CommandButton(page, QStringLiteral("Command19"), QRect(126, 56, 85, 29), QStringLiteral("B"));
    Picture7 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture7"), 308, 35, 64, 64, style::kNavy);
    Line8 = Line(page, QStringLiteral("Line8"), QPoint(14, 126), QPoint(455, 126), style::kMidGrey);

    Command20 = new CommandButton(page, QStringLiteral("Command20"), QRect(35, 168, 169, 29),
                                  QString::fromLatin1(kTargetA));
    Label20 = new Label(page, QStringLiteral("Label20"), QRect(35, 196, 169, 15),
                        QStringLiteral("(click to change)"), Qt::AlignHCenter | Qt::AlignTop);
    // The corner buttons stand as a 2 x 2 block, as the quadrants they write;
    // their captions wrap to fit the small squares.
    Command21 = new WrapButton(page, QStringLiteral("Command21"), QRect(63, 224, 57, 57),
                                  QStringLiteral("Top Left"));
    Command22 = new WrapButton(page, QStringLiteral("Command22"), QRect(119, 224, 57, 57),
                                  QStringLiteral("Top Right"));
    Command23 = new WrapButton(page, QStringLiteral("Command23"), QRect(63, 280, 57, 57),
                                  QStringLiteral("Lower Left"));
    Command24 = new WrapButton(page, QStringLiteral("Command24"), QRect(119, 280, 57, 57),
                                  QStringLiteral("Lower Right"));
    Picture8 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture8"),
                                 308, 266, kQuarter, kQuarter, style::kNavy);

    Command18->onClick = [this] { Command18_Click(); };
    Command19->onClick = [this] { Command19_Click(); };
    Picture7->onChange = [this] { Picture7_Change(); };
    Command20->onClick = [this] { Command20_Click(); };
    Command21->onClick = [this] { Command21_Click(); };
    Command22->onClick = [this] { Command22_Click(); };
    Command23->onClick = [this] { Command23_Click(); };
    Command24->onClick = [this] { Command24_Click(); };
}

void QuarterTiles::Command18_Click() { Picture7->setPicture(layers_.Image1->Image()); }

void QuarterTiles::Command19_Click() { Picture7->setPicture(layers_.Image2->Image()); }

void QuarterTiles::Picture7_Change() { ReduceQuarterTile(); }

void QuarterTiles::ReduceQuarterTile()
{
    Picture8->DrawPixels(ReduceToQuarter(Picture7->Image()));
    Picture8->Refresh();
}

void QuarterTiles::Command20_Click()
{
    const bool toB = Command20->Caption() == QLatin1String(kTargetA);
    Command20->setCaption(QString::fromLatin1(toB ? kTargetB : kTargetA));
}

void QuarterTiles::Command21_Click() { PasteQuarterTile(0, 0); }
void QuarterTiles::Command22_Click() { PasteQuarterTile(kQuarter, 0); }
void QuarterTiles::Command23_Click() { PasteQuarterTile(0, kQuarter); }
void QuarterTiles::Command24_Click() { PasteQuarterTile(kQuarter, kQuarter); }

void QuarterTiles::PasteQuarterTile(int X, int Y)
{
    // AND, then OR with the same source: the quadrant becomes an exact copy
    // of the reduced tile. A blit is drawing, so the layer's mirrors are not
    // refreshed.
    const QImage& reduced = Picture8->Image();
    PictureBuffer* target = Command20->Caption() == QLatin1String(kTargetA) ? layers_.Image1 : layers_.Image2;
    target->PaintPicture(reduced, X, Y, kQuarter, kQuarter, 0, 0, RasterOp::And);
    target->PaintPicture(reduced, X, Y, kQuarter, kQuarter, 0, 0, RasterOp::Or);
    layers_.Image1->Refresh();
    layers_.Image2->Refresh();
}

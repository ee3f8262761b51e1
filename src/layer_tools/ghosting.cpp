#include "layer_tools/ghosting.h"

#include "core/conversions.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/slanted_line.h"
#include "texture_set/layers.h"

namespace {

// The weight divided by 255 once, shared by every channel of every pixel.
inline int MixChannel(int a, int b, double share)
{
    // The difference is a whole number, so it converts to double exactly;
    // multiply first, then add b.
    const double mixed = share * static_cast<double>(a - b) + static_cast<double>(b);
    const double r = conv::RoundHalfEven(mixed);
    return r < 0.0 ? 0 : (r > 255.0 ? 255 : static_cast<int>(r));
}

double Share(int weight) { return static_cast<double>(weight) / 255.0; }

} // namespace

int BlendChannel(int a, int b, int weight) { return MixChannel(a, b, Share(weight)); }

Colour BlendColour(Colour a, Colour b, int weight)
{
    const RgbParts pa = SplitColor(a), pb = SplitColor(b);
    const double share = Share(weight);
    return RGB(MixChannel(pa.red, pb.red, share), MixChannel(pa.green, pb.green, share),
               MixChannel(pa.blue, pb.blue, share));
}

QImage BlendGhostPixels(const QImage& layerA, const QImage& layerB, int weight)
{
    if (layerA.size() != layerB.size())
        return {};
    auto rgb32 = [](const QImage& img) {
        return img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
    };
    const QImage a = rgb32(layerA), b = rgb32(layerB);
    const double share = Share(weight);
    QImage out(a.size(), QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = ra[x], pb = rb[x];
            d[x] = qRgb(MixChannel(qRed(pa), qRed(pb), share), MixChannel(qGreen(pa), qGreen(pb), share),
                        MixChannel(qBlue(pa), qBlue(pb), share));
        }
    }
    return out;
}

QImage EnlargeTwice(const QImage& source)
{
    if (source.isNull())
        return {};
    const QImage in = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    QImage out(in.width() * 2, in.height() * 2, QImage::Format_RGB32);
    for (int j = 0; j < in.height(); ++j) {
        const auto* s = reinterpret_cast<const QRgb*>(in.constScanLine(j));
        auto* top = reinterpret_cast<QRgb*>(out.scanLine(2 * j));
        auto* bottom = reinterpret_cast<QRgb*>(out.scanLine(2 * j + 1));
        for (int i = 0; i < in.width(); ++i) {
            top[2 * i] = top[2 * i + 1] = s[i];
            bottom[2 * i] = bottom[2 * i + 1] = s[i];
        }
    }
    return out;
}

Ghosting::Ghosting(QWidget* page, Layers& layers) : layers_(layers)
{
    // The mirrors stay hidden and start empty (navy), out of step with the
    // layers until a layer is first replaced.
    Picture10 = new PictureBuffer(page, QStringLiteral("Picture10"), 63, 63, 64, 64, style::kNavy);
    Picture10->hide();
    Picture9 = new PictureBuffer(page, QStringLiteral("Picture9"), 63, 203, 64, 64, style::kNavy);
    Picture9->hide();

    // The backdrop takes the grey of the other tab pages.
    Shape12 = Shape(page, QStringLiteral("Shape12"), QRect(0, 0, 477, 596), style::kPageGrey, style::kPageGrey);
    Shape12->lower();
    Label13 = new Label(page, QStringLiteral("Label13"), QRect(21, 21, 197, 36),
                        QStringLiteral("Adjust the transparency level between the two textures with the slider bar:"));
    Picture11 = new PictureBuffer(page, QStringLiteral("Picture11"), 63, 133, 64, 64, style::kNavy);
    Line11 = new SlantedLine(page, QStringLiteral("Line11"), QPoint(126, 133), QPoint(147, 126));
    Line12 = new SlantedLine(page, QStringLiteral("Line12"), QPoint(126, 196), QPoint(147, 203));
    Picture12 = new PictureBuffer(page, QStringLiteral("Picture12"), 147, 98, 128, 128, style::kNavy);
    // The joining lines end on the corners of the two pictures: they lie
    // under them, so they never paint over a pixel of the blend.
    Line11->stackUnder(Picture11);
    Line12->stackUnder(Picture11);

    Slider1 = new Slider(page, QStringLiteral("Slider1"), QRect(322, 35, 42, 260), Qt::Vertical, 0, kWeightMax, 1, 5);
    Slider1->setValue(kWeightStart);
    Slider1->setToolTip(QStringLiteral("Up: more of layer A; down: more of layer B"));
    Command28 = new CommandButton(page, QStringLiteral("Command28"), QRect(357, 154, 50, 22), QStringLiteral("50/50"));

    Line9 = Line(page, QStringLiteral("Line9"), QPoint(455, 308), QPoint(14, 308));
    Label14 = new Label(page, QStringLiteral("Label14"), QRect(14, 322, 190, 29),
                        QStringLiteral("Set to either layer A or B:"));
    Command30 = new CommandButton(page, QStringLiteral("Command30"), QRect(63, 357, 85, 29), QStringLiteral("A"));
    Command30->setToolTip(QStringLiteral("Set layer A"));
    Command29 = new CommandButton(page, QStringLiteral("Command29"), QRect(161, 357, 85, 29), QStringLiteral("B"));
    Command29->setToolTip(QStringLiteral("Set layer B"));

    // The captions were laid out for a small dialog font: keep them whole.
    for (Label* l : {Label13, Label14})
        style::SetSmallFont(l);

    Picture9->onChange = [this] { Picture9_Change(); };
    Picture10->onChange = [this] { Picture10_Change(); };
    Slider1->onChange = [this] { Slider1_Change(); };
    Command28->onClick = [this] { Command28_Click(); };
    Command30->onClick = [this] { Command30_Click(); };
    Command29->onClick = [this] { Command29_Click(); };
}

Ghosting::~Ghosting()
{
    // The controls belong to the tab page and may outlive this unit by a
    // moment: nothing they raise may reach it any more.
    Picture9->onChange = nullptr;
    Picture10->onChange = nullptr;
    Slider1->onChange = nullptr;
    for (CommandButton* b : {Command28, Command30, Command29})
        b->onClick = nullptr;
}

void Ghosting::BlendGhostLayers()
{
    Picture11->DrawPixels(BlendGhostPixels(Picture9->Image(), Picture10->Image(), Slider1->Value()));
    Picture11->Refresh();
}

void Ghosting::DrawDoubleView()
{
    Picture12->DrawPixels(EnlargeTwice(Picture11->Image()));
    Picture12->Refresh();
}

void Ghosting::Picture9_Change() { BlendGhostLayers(); }
void Ghosting::Picture10_Change() { BlendGhostLayers(); }

void Ghosting::Slider1_Change()
{
    BlendGhostLayers();
    DrawDoubleView();
}

void Ghosting::Command28_Click() { Slider1->setValueFromCode(kWeightStart); }
void Ghosting::Command30_Click() { layers_.Image1->setPicture(Picture11->Image()); }
void Ghosting::Command29_Click() { layers_.Image2->setPicture(Picture11->Image()); }

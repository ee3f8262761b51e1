#include "pixel_editor/tool_panel.h"

#include <cmath>

#include <QFrame>

#include "artwork/pixel_editor_art.h"
#include "pixel_editor/pixel_editor.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kPanelLeft = 2835 / kTwipsPerPixel; // 189
constexpr int kPanelWidth = 92;
constexpr int kLabelHeight = 15;
constexpr int kLabelPitch = 210 / kTwipsPerPixel; // 14
// A tool's label: dark grey on the page grey, and the chosen tool's lit up,
// page grey on black.
constexpr Colour kPlainBack = style::kPageGrey;
constexpr Colour kPlainText = style::kDarkGrey;
constexpr Colour kLitBack = style::kBlack;
constexpr Colour kLitText = style::kPageGrey;

const char* const kCaptions[ToolPanel::kTools] = {"Clear All", "Undo",      "Eraser", "Pencil", "Spraycan",
                                                  "Uniform Spray", "Selection", "Rulers", "Invert"};

int ToPixels(float twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

} // namespace

ToolPanel::ToolPanel(PixelEditor& editor, QWidget* content) : ed_(editor)
{
    const QImage toolbox = artwork::ToolboxPicture();
    Image11 = new PictureBuffer(content, PictureKind::Image, QStringLiteral("Image11"),
                                2940 / kTwipsPerPixel, 7035 / kTwipsPerPixel,
                                toolbox.width(), toolbox.height());
    Image11->setPicture(toolbox);
    Image11->setToolTip(QStringLiteral("Tools"));
    Image11->onMouseMove = [this](int b, int s, float x, float y) { Image11_MouseMove(b, s, x, y); };

    Painttools = new QFrame(content);
    Painttools->setObjectName(QStringLiteral("Painttools"));
    Painttools->setFrameShape(QFrame::NoFrame);
    SetBackColor(Painttools, kPlainBack);
    Painttools->hide();

    for (int i = 0; i < kTools; ++i) {
        auto* l = new Label(Painttools, QStringLiteral("toolselect(%1)").arg(i),
                            QRect(0, kLabelPitch * i, kPanelWidth, kLabelHeight), QString::fromLatin1(kCaptions[i]),
                            Qt::AlignCenter);
        l->setWordWrap(false);
        style::SetSmallFont(l);
        l->setMouseTracking(true);
        l->setBackColor(kPlainBack);
        l->setForeColor(kPlainText);
        l->onMouseMove = [this, i](int b, int s, float x, float y) { toolselect_MouseMove(i, b, s, x, y); };
        l->onMouseDown = [this, i](int b, int s, float x, float y) { toolselect_MouseDown(i, b, s, x, y); };
        toolselect[static_cast<size_t>(i)] = l;
    }
    Shape17 = new QFrame(Painttools);
    Shape17->setObjectName(QStringLiteral("Shape17"));
    Shape17->setFrameShape(QFrame::NoFrame);
    Shape17->setGeometry(1260 / kTwipsPerPixel, 0, 15, 15);
    SetBackColor(Shape17, 0x000000FF);
    Shape17->setAttribute(Qt::WA_TransparentForMouseEvents);

    Image12 = new PictureBuffer(Painttools, PictureKind::Image, QStringLiteral("Image12"),
                                105 / kTwipsPerPixel, 1995 / kTwipsPerPixel,
                                toolbox.width(), toolbox.height());
    Image12->setPicture(toolbox);

    place();

    toolscroll = new Timer(content, QStringLiteral("toolscroll"), kTickMs, true);
    toolscroll->onTimer = [this] { toolscroll_Timer(); };
}

void ToolPanel::setTop(float twips)
{
    top_ = twips;
    place();
}

void ToolPanel::setHeight(float twips)
{
    height_ = twips;
    place();
}

void ToolPanel::place()
{
    // Top and bottom are rounded on their own, so the bottom edge stays put
    // while the panel slides.
    const int top = ToPixels(top_);
    const int bottom = ToPixels(top_ + height_);
    Painttools->setGeometry(kPanelLeft, top, kPanelWidth, bottom - top);
}

void ToolPanel::Image11_MouseMove(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    top_ = kToolboxTop;
    height_ = kStartHeight;
    place();
    Painttools->show();
    Painttools->raise();
    toolscroll->setEnabled(true);
}

void ToolPanel::toolscroll_Timer()
{
    top_ -= kStep;
    height_ += kStep;
    if (height_ > kOpenHeight) {
        height_ = kOpenHeight;
        top_ = kOpenTop;
        toolscroll->setEnabled(false);
    }
    place();
}

void ToolPanel::ResetToolLabels()
{
    for (Label* l : toolselect) {
        l->setBackColor(kPlainBack);
        l->setForeColor(kPlainText);
    }
}

void ToolPanel::highlight(int Index)
{
    Label* l = toolselect[static_cast<size_t>(Index)];
    l->setBackColor(kLitBack);
    l->setForeColor(kLitText);
}

void ToolPanel::toolselect_MouseMove(int Index, int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    if (Index < 0 || Index >= kTools)
        return;
    ResetToolLabels();
    highlight(Index);
    Shape17->move(Shape17->x(), toolselect[static_cast<size_t>(Index)]->y());
}

void ToolPanel::toolselect_MouseDown(int Index, int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    if (Index < 0 || Index >= kTools)
        return;
    ed_.EraseLingeringBand();
    if (ed_.SelectMode)
        ed_.SelectMode = false;
    highlight(Index);
    Painttools->hide();

    ed_.PickTool(Index);
}

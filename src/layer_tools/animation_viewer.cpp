#include "layer_tools/animation_viewer.h"

#include <initializer_list>

#include <QMouseEvent>
#include <QObject>
#include <QPointer>

#include "artwork/animation_viewer_art.h"
#include "core/conversions.h"
#include "platform/controls.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "platform/tab_control.h"
#include "texture_set/layers.h"

namespace {

constexpr Colour kPlayGreen = 0x0000C000;
constexpr Colour kStopRed = 0x000000FF;

constexpr int kPageWidth = 477;
constexpr int kPageHeight = 568;
constexpr int kTileSize = 64;
constexpr int kStartSpeed = 5;

// Views 0 to 2 form the strip, 63 pixels apart so neighbours share a column;
// view 3 stands on its own.
constexpr std::array<int, AnimationViewer::kViews> kViewLeft = {42, 105, 168, 301};
constexpr int kViewTop = 21;
constexpr std::array<int, 3> kSlotColumnLeft = {28, 98, 168};
constexpr std::array<int, 3> kSlotRowTop = {133, 210, 287};

// The path behind the slots that shows the order of the frames: through each
// row from left to right, and back in the gap between two rows.
constexpr std::array<std::array<int, 4>, 9> kFramePath = {{
    {84, 168, 238, 168},
    {238, 168, 238, 203},
    {238, 203, 21, 203},
    {21, 203, 21, 245},
    {21, 245, 238, 245},
    {238, 245, 238, 280},
    {238, 280, 21, 280},
    {21, 280, 21, 322},
    {21, 322, 175, 322},
}};

// Watches the frame slots' mouse buttons and reports a gesture once every
// button is up again, with the sum of the buttons it used: pressing and
// releasing both buttons together reports 3, which fills nothing. A release
// away from the slot cancels, as a button click does.
class SlotMouse : public QObject {
public:
    SlotMouse(AnimationViewer& viewer, const std::array<PictureBuffer*, AnimationViewer::kSlots>& frameSlots)
        : viewer_(viewer), slots_(frameSlots)
    {
        for (PictureBuffer* s : slots_)
            s->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
            && type != QEvent::MouseButtonRelease)
            return false;
        int index = -1;
        for (int i = 0; i < AnimationViewer::kSlots; ++i)
            if (slots_[static_cast<size_t>(i)] == watched)
                index = i;
        if (index < 0)
            return false;
        auto* e = static_cast<QMouseEvent*>(event);
        int& gesture = gesture_[static_cast<size_t>(index)];
        if (type != QEvent::MouseButtonRelease) {
            // A press with no other button held starts a new gesture.
            if ((e->buttons() & ~e->button()) == Qt::NoButton)
                gesture = 0;
            gesture |= PictureBuffer::ButtonOf(e->button());
            return false;
        }
        if (e->buttons() != Qt::NoButton)
            return false; // another button is still held
        const int buttons = gesture;
        gesture = 0;
        const QPointF at = e->position();
        if (buttons != 0 && slots_[static_cast<size_t>(index)]->rect().contains(at.toPoint()))
            viewer_.Picture17_MouseUp(index, buttons, PictureBuffer::ShiftOf(e->modifiers()), float(at.x()),
                                      float(at.y()));
        return false;
    }

private:
    AnimationViewer& viewer_;
    const std::array<PictureBuffer*, AnimationViewer::kSlots>& slots_;
    std::array<int, AnimationViewer::kSlots> gesture_{};
};

} // namespace

AnimationViewer::AnimationViewer(QWidget* page, Layers& layers) : layers_(layers), page_(page)
{
    // Created back to front: each control lies over those made before it.
    Shape9 = Shape(page, QStringLiteral("Shape9"), QRect(0, 0, kPageWidth, kPageHeight), style::kPageGrey, style::kPageGrey);
    // The tab captions cover the page's top rows: the controls stand that much
    // lower than their layout positions, keeping their order and spacing.
    auto* content = new QWidget(page);
    content->setObjectName(QStringLiteral("AnimationViewerContent"));
    content->setGeometry(0, TabControl::kCaptionHeight, kPageWidth, kPageHeight - TabControl::kCaptionHeight);


    const QImage strip = artwork::FilmStrip();
    auto filmStrip = [&](const char* name, int left, int top) {
        // The bar at the right runs on past the page's edge: it is as wide as
        // what the page shows of it.
        const int width = std::min(strip.width(), kPageWidth - left);
        auto* img = new PictureBuffer(content, PictureKind::Image, QString::fromLatin1(name),
                                      left, top, width, strip.height(), style::kBlack);
        img->setPicture(strip);
        return img;
    };
    Image6 = filmStrip("Image6", 0, 0);
    Image7 = filmStrip("Image7", 350, 0);
    Shape15 = Shape(content, QStringLiteral("Shape15"), QRect(0, 21, 477, 64), style::kBlack, style::kBlack);
    for (int v = 0; v < kViews; ++v)
        Picture16[static_cast<size_t>(v)] =
            new PictureBuffer(content, PictureKind::Box, QStringLiteral("Picture16_%1").arg(v),
                              kViewLeft[static_cast<size_t>(v)], kViewTop, kTileSize, kTileSize, style::kBlack);
    Image5 = filmStrip("Image5", 0, 85);
    Image8 = filmStrip("Image8", 350, 85);

    Label7 = new Label(content, QStringLiteral("Label7"), QRect(28, 112, 176, 15), QStringLiteral("Frames in animation:"));

    Command51 = new CommandButton(content, QStringLiteral("Command51"), QRect(252, 126, 113, 29), QStringLiteral("Play"));
    Command51->setToolTip(QStringLiteral("Play Animation"));
    Command52 = new CommandButton(content, QStringLiteral("Command52"), QRect(371, 126, 85, 29), QStringLiteral("Stop"));
    Command52->setToolTip(QStringLiteral("Stop Animation"));
    // A style sheet, unlike the palette, colours a push button under every style.
    auto colourButton = [](CommandButton* b, Colour face) {
        b->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: black; border: 1px solid %2; }"
                                        "QPushButton:pressed { border: 2px inset %2; }")
                             .arg(style::Css(face), style::Css(style::kDarkGrey)));
    };
    colourButton(Command51, kPlayGreen);
    colourButton(Command52, kStopRed);

    Line5 = ::Line(content, QStringLiteral("Line5"), QPoint(252, 161), QPoint(455, 161), style::kDarkGrey);
    Line1 = ::Line(content, QStringLiteral("Line1"), QPoint(252, 162), QPoint(455, 162), style::kWhite);

    // The path lies behind the slots and shows in the gaps between them.
    for (size_t i = 0; i < kFramePath.size(); ++i) {
        const auto& p = kFramePath[i];
        FramePath[i] = ::Line(content, QStringLiteral("Line%1").arg(15 + static_cast<int>(i)), QPoint(p[0], p[1]),
                              QPoint(p[2], p[3]), style::kBlack);
    }

    for (int s = 0; s < kSlots; ++s) {
        const auto i = static_cast<size_t>(s);
        Picture17[i] = new PictureBuffer(content, PictureKind::Box, QStringLiteral("Picture17_%1").arg(s),
                                         kSlotColumnLeft[static_cast<size_t>(s % 3)],
                                         kSlotRowTop[static_cast<size_t>(s / 3)], kTileSize, kTileSize,
                                         style::kWhite); // an empty slot
        Label24[i] = new Label(Picture17[i], QStringLiteral("Label24_%1").arg(s), QRect(0, 0, 15, 15),
                               QString::number(s + 1), Qt::AlignCenter);
        Label24[i]->setBackColor(style::kBlack);
        Label24[i]->setForeColor(style::kWhite);
        style::SetSmallFont(Label24[i], true);
        // A click on the number is a click on its slot.
        Label24[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    Label25 = new Label(content, QStringLiteral("Label25"), QRect(252, 168, 211, 29),
                        QStringLiteral("Speed up or slow down the animation with the delay slider:"));
    animspeed = new Slider(content, QStringLiteral("animspeed"), QRect(245, 203, 218, 22), Qt::Horizontal, 1, 50, 1, 1);
    animspeed->setValueFromCode(kStartSpeed);
    animspeed->setToolTip(QStringLiteral("Animation delay"));
    Label21 = new Label(content, QStringLiteral("Label21"), QRect(252, 238, 204, 43),
                        QStringLiteral("Use the animation viewer to view and find mistakes or glitches in the "
                                       "texture set animations."));
    Label22 = new Label(content, QStringLiteral("Label22"), QRect(252, 294, 211, 43),
                        QStringLiteral("To add a frame to the list to the left, simply left click to load in "
                                       "layer A, or right click to load in layer B."));
    Label23 = new Label(content, QStringLiteral("Label23"), QRect(28, 378, 134, 22), QStringLiteral("Play through frame number"),
                        Qt::AlignLeft | Qt::AlignVCenter);
    Label23->setWordWrap(true);
    Text8 = new TextBox(content, QStringLiteral("Text8"), QRect(161, 378, 71, 22), QStringLiteral("9"));
    Check1 = new CheckBox(content, QStringLiteral("Check1"), QRect(252, 378, 183, 15),
                          QStringLiteral("Simultaneous frame increment"));
    Check1->setValue(1);
    Label26 = new Label(content, QStringLiteral("Label26"), QRect(252, 399, 162, 50),
                        QStringLiteral("Plays the same frame in each section of the multi-frame section. "
                                       "Disabled, the frames will cycle."));

    // The captions are laid out for a compact font: keep them whole.
    for (QWidget* w : std::initializer_list<QWidget*>{Label7, Command51, Command52, Label25, Label21, Label22,
                                                      Text8, Check1, Label26})
        style::SetSmallFont(w);
    style::SetCompactFont(Label23);
    // The check box's caption needs a little more room than its box had.
    Check1->resize(211, 15);

    anim = new Timer(content, QStringLiteral("anim"), 0, false);

    slotMouse_ = new SlotMouse(*this, Picture17);
    Command51->onClick = [this] { Command51_Click(); };
    Command52->onClick = [this] { Command52_Click(); };
    animspeed->onMouseUp = [this](int b, int s, float x, float y) { animspeed_MouseUp(b, s, x, y); };
    Text8->onChange = [this] { Text8_Change(); };
    anim->onTimer = [this] { anim_Timer(); };
}

AnimationViewer::~AnimationViewer()
{
    delete slotMouse_;
    if (!page_)
        return;
    // The controls belong to the page and may outlive this unit: silence them.
    anim->stop();
    anim->onTimer = nullptr;
    Command51->onClick = nullptr;
    Command52->onClick = nullptr;
    animspeed->onMouseUp = nullptr;
    animspeed->onChange = nullptr;
    Text8->onChange = nullptr;
}

double AnimationViewer::FrameCount() const { return conv::Val(Text8->Text()); }

bool AnimationViewer::Simultaneous() const { return Check1->Value() == 1; }

int AnimationViewer::SliderInterval() const { return animspeed->Value() * kMsPerSpeedStep; }

void AnimationViewer::applySliderInterval() { anim->setIntervalMs(SliderInterval()); }

void AnimationViewer::Picture17_MouseUp(int Index, int Button, int /*Shift*/, float /*X*/, float /*Y*/)
{
    if (Index < 0 || Index >= kSlots)
        return;
    PictureBuffer* slot = Picture17[static_cast<size_t>(Index)];
    if (Button == 1)
        slot->setPicture(layers_.Image1->Image());
    else if (Button == 2)
        slot->setPicture(layers_.Image2->Image());
}

void AnimationViewer::Command51_Click()
{
    applySliderInterval();
    animFrame_ = 1;
    anim->setEnabled(true);
}

void AnimationViewer::Command52_Click() { anim->setEnabled(false); }

void AnimationViewer::animspeed_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    applySliderInterval();
}

void AnimationViewer::Text8_Change()
{
    // Each write raises this handler again, which then finds the text in range.
    if (conv::Val(Text8->Text()) > kMaxFrames)
        Text8->setTextValue(QString::number(kMaxFrames));
    if (conv::Val(Text8->Text()) < kMinFrames)
        Text8->setTextValue(QString::number(kMinFrames));
}

void AnimationViewer::anim_Timer()
{
    const AnimationTick t = PlanAnimationTick(animFrame_, FrameCount(), Simultaneous());
    for (int v = 0; v < kViews; ++v) {
        const auto i = static_cast<size_t>(v);
        Picture16[i]->setPicture(Picture17[static_cast<size_t>(t.viewSlot[i])]->Image());
    }
    animFrame_ = t.nextFrame;
}

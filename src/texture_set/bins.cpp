#include "texture_set/bins.h"

#include <cmath>

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "artwork/artwork.h"
#include "core/conversions.h"
#include "system/reading.h"
#include "core/picture_files.h"
#include "core/targa.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "texture_set/layers.h"
#include "texture_set/progress_windows.h"

namespace {

constexpr int kSelectorInset = 9;

QPushButton* ArrowButton(QWidget* parent, const char* name, artwork::Arrow dir, QRect geometry)
{
    auto* b = new CommandButton(parent, QString::fromLatin1(name), geometry);
    b->setIcon(QIcon(QPixmap::fromImage(artwork::ArrowGlyph(dir))));
    b->setIconSize(QSize(23, 22));
    b->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px solid %2; }"
                                    "QPushButton:pressed { background: %3; }")
                         .arg(style::Css(style::kPaleGrey), style::Css(style::kMidGrey), style::Css(style::kLightGrey)));
    return b;
}

QLineEdit* ReadOut(QWidget* parent, const char* name, QRect geometry, Qt::Alignment align)
{
    auto* t = new QLineEdit(QStringLiteral("64"), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setGeometry(geometry);
    t->setReadOnly(true);
    t->setFrame(false);
    t->setAlignment(align);
    t->setFocusPolicy(Qt::NoFocus);
    t->setTextMargins(0, 0, 0, 0);
    t->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; padding: 0px; }")
                         .arg(style::Css(style::kNavy), style::Css(style::kPaleBlue)));
    style::SetSmallFont(t);
    return t;
}

// The origin of the cell that holds the mouse position v: Int(v / 64) * 64.
double CellOrigin(float v) { return std::floor(v / 64.0f) * 64.0; }

} // namespace

// ---------------------------------------------------------------------------
// Keeping a visible bin in step with its clean copy

void CleanCopyLink::Restore()
{
    if (valid_ && bin_->revision() == binRevision_ && copy_->revision() == copyRevision_)
        bin_->restoreRectFrom(copy_->Image(), dirty_);
    else
        bin_->setPicture(copy_->Image());
    valid_ = true;
    binRevision_ = bin_->revision();
    copyRevision_ = copy_->revision();
    dirty_ = QRect();
}

void CleanCopyLink::DrewOnBin(const QRect& r)
{
    if (valid_ && bin_->revision() != binRevision_) {
        dirty_ |= r;
        binRevision_ = bin_->revision();
    }
}

void CleanCopyLink::DrewOnCopy(const QRect& r, uint64_t copyRevisionBefore)
{
    if (valid_ && copyRevisionBefore == copyRevision_) {
        dirty_ |= r;
        copyRevision_ = copy_->revision();
    }
}

Colour CleanCopyLink::CleanPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= bin_->Width() || y >= bin_->Height())
        return -1;
    if (x < copy_->Width() && y < copy_->Height())
        return copy_->GetPixel(x, y);
    return bin_->BackColor();
}

void CleanCopyLink::CleanRow(int y, std::span<Colour> out) const
{
    const bool inBin = y >= 0 && y < bin_->Height();
    const int binWidth = bin_->Width();
    const Colour back = bin_->BackColor();
    const QImage& copy = copy_->Image();
    const QRgb* from = inBin && y < copy.height() ? reinterpret_cast<const QRgb*>(copy.constScanLine(y)) : nullptr;
    const int copyWidth = from ? copy.width() : 0;
    for (int x = 0; x < int(out.size()); ++x)
        out[size_t(x)] = !inBin || x >= binWidth ? -1 : x < copyWidth ? PictureBuffer::FromQRgb(from[x]) : back;
}

// ---------------------------------------------------------------------------

TextureBins::TextureBins(QWidget* client, QWidget* frame1, Layers& layers, Dialogs& dialogs)
    : DoEvents([] { QCoreApplication::processEvents(); }), layers_(layers), dialogs_(dialogs)
{
    // The left bin lies under the panel; everything else of the bins above it.
    Picture1 = new PictureBuffer(client, PictureKind::Box, QStringLiteral("Picture1"), 0, 0, 256, 698, style::kNavy);
    Picture1->setCursor(Qt::SizeAllCursor);
    Picture1->setPicture(artwork::StartBanner());
    Picture1->lower();
    BackupPic = new PictureBuffer(client, PictureKind::Box, QStringLiteral("BackupPic"), 0, 56, 256, 57, style::kNavy);
    BackupPic->setPicture(artwork::StartBanner());
    BackupPic->hide();

    square = new PictureBuffer(client, PictureKind::Box, QStringLiteral("square"), 259, 14, 82, 82, style::kNavy);
    square->setAutoSize(true);
    square->setPicture(artwork::SelectorFrame(0));
    square->hide();
    squaremask = new PictureBuffer(client, PictureKind::Box, QStringLiteral("squaremask"),
                                   343, 14, 82, 82, style::kNavy);
    squaremask->setAutoSize(true);
    squaremask->setPicture(artwork::SelectorMask());
    squaremask->hide();
    preview = new PictureBuffer(client, PictureKind::Box, QStringLiteral("preview"), 455, 28, 64, 64, style::kNavy);
    preview->hide();
    flipbox = new PictureBuffer(client, PictureKind::Box, QStringLiteral("flipbox"), 35, 231, 29, 29, style::kNavy);
    flipbox->hide();

    Command1 = ArrowButton(client, "Command1", artwork::Arrow::Left, {266, 21, 36, 71});
    Command2 = ArrowButton(client, "Command2", artwork::Arrow::Up, {301, 21, 64, 36});
    Command3 = ArrowButton(client, "Command3", artwork::Arrow::Down, {301, 56, 64, 36});
    Command4 = ArrowButton(client, "Command4", artwork::Arrow::Right, {364, 21, 36, 71});
    QObject::connect(Command1, &QPushButton::clicked, [this] { Command1_Click(); });
    QObject::connect(Command2, &QPushButton::clicked, [this] { Command2_Click(); });
    QObject::connect(Command3, &QPushButton::clicked, [this] { Command3_Click(); });
    QObject::connect(Command4, &QPushButton::clicked, [this] { Command4_Click(); });

    Text9 = ReadOut(frame1, "Text9", {7, 0, 234, 15}, Qt::AlignRight | Qt::AlignVCenter);
    Text1 = ReadOut(client, "Text1", {511, 0, 232, 15}, Qt::AlignLeft | Qt::AlignVCenter);

    Picture2 = new PictureBuffer(client, PictureKind::Box, QStringLiteral("Picture2"),
                                 749, 0, kRightBinWidth, kRightBinHeight,
                                 style::kNavy);
    Picture2->setCursor(Qt::SizeAllCursor);
    Backuppic2 = new PictureBuffer(client, PictureKind::Box, QStringLiteral("Backuppic2"),
                                   0, 301, kRightBinWidth, kRightBinHeight,
                                   style::kNavy);
    Backuppic2->setAutoSize(true);
    Backuppic2->hide();
    Command8 = ArrowButton(client, "Command8", artwork::Arrow::Up, {609, 21, 134, 36});
    Command7 = ArrowButton(client, "Command7", artwork::Arrow::Down, {609, 56, 134, 36});
    QObject::connect(Command8, &QPushButton::clicked, [this] { Command8_Click(); });
    QObject::connect(Command7, &QPushButton::clicked, [this] { Command7_Click(); });

    Picture1->onMouseDown = [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); };
    Picture1->onMouseMove = [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); };
    Picture2->onMouseDown = [this](int b, int s, float x, float y) { Picture2_MouseDown(b, s, x, y); };
    Picture2->onMouseMove = [this](int b, int s, float x, float y) { Picture2_MouseMove(b, s, x, y); };

    leftLink_.Attach(Picture1, BackupPic);
    rightLink_.Attach(Picture2, Backuppic2);
}

TextureBins::~TextureBins() = default;

// ---------------------------------------------------------------------------
// Cells, selector and picking

void TextureBins::RestoreBins()
{
    leftLink_.Restore();
    rightLink_.Restore();
}

void TextureBins::DrawSelector(PictureBuffer& bin, int16_t sx, int16_t sy)
{
    RestoreBins();
    const int w = square->Width(), h = square->Height();
    bin.PaintPicture(squaremask->Picture(), sx, sy, w, h, 0, 0, RasterOp::And);
    bin.PaintPicture(square->Picture(), sx, sy, w, h, 0, 0, RasterOp::Or);
    (&bin == Picture1 ? leftLink_ : rightLink_).DrewOnBin(QRect(sx, sy, w, h));
}

void TextureBins::PickCell(PictureBuffer& bin, PictureBuffer& layer, int16_t sx, int16_t sy)
{
    // The selector around a cell never lies on the cell's own pixels, but
    // another one can: one left around the cell that lay under the pointer
    // before the bin moved, or one drawn by a move handled while a command
    // let the event loop run. The pick reads the bin as it is without it.
    const CleanCopyLink& link = &bin == Picture1 ? leftLink_ : rightLink_;
    for (int j = 0; j <= 63; ++j)
        for (int i = 0; i <= 63; ++i)
            layer.SetPixel(i, j, link.CleanPixel(conv::Wrap16(sx + kSelectorInset + i), conv::Wrap16(sy + kSelectorInset + j)));
    layer.Refresh();
}

void TextureBins::HoverCell(PictureBuffer& bin, float X, float Y, int16_t& sx, int16_t& sy)
{
    const int32_t oldX = conv::CLng(conv::Val(Text9->text()));
    const int32_t oldY = conv::CLng(conv::Val(Text1->text()));
    const double cx = CellOrigin(X), cy = CellOrigin(Y);
    sx = conv::CInt(cx - kSelectorInset);
    sy = conv::CInt(cy - kSelectorInset);
    Text9->setText(conv::Str(cx));
    Text1->setText(conv::Str(cy));
    if (conv::Val(Text9->text()) != oldX || conv::Val(Text1->text()) != oldY)
        DrawSelector(bin, sx, sy);
}

void TextureBins::Picture1_MouseDown(int Button, int, float X, float Y)
{
    if (saveInProgress_)
        return;
    const int16_t sx = conv::CInt(CellOrigin(X) - kSelectorInset);
    const int16_t sy = conv::CInt(CellOrigin(Y) - kSelectorInset);
    if (Button == 1)
        PickCell(*Picture1, *layers_.Image1, sx, sy);
    if (Button == 2)
        PickCell(*Picture1, *layers_.Image2, sx, sy);
}

void TextureBins::Picture1_MouseMove(int Button, int, float X, float Y)
{
    if (saveInProgress_)
        return;
    int16_t sx = 0, sy = 0;
    HoverCell(*Picture1, X, Y, sx, sy);
    if (Button == 1)
        PickCell(*Picture1, *layers_.Image1, sx, sy);
    else if (Button == 2)
        PickCell(*Picture1, *layers_.Image2, sx, sy);
}

// Paging moves the left bin by one cell inside the window, which shows its
// left 256 columns and the rows down to y = 640.
void TextureBins::Command1_Click()
{
    if (Picture1->Left() < 0)
        Picture1->setLeft(Picture1->Left() + kCell);
}

void TextureBins::Command2_Click()
{
    if (Picture1->Top() < 0)
        Picture1->setTop(Picture1->Top() + kCell);
}

void TextureBins::Command3_Click()
{
    if (Picture1->Top() + Picture1->Height() > 640)
        Picture1->setTop(Picture1->Top() - kCell);
}

void TextureBins::Command4_Click()
{
    if (Picture1->Left() + Picture1->Width() > 256)
        Picture1->setLeft(Picture1->Left() - kCell);
}

// ---------------------------------------------------------------------------
// The Custom Texture Set

void TextureBins::StampLayer(PictureBuffer& layer, int cx, int cy)
{
    // A drag that left the bin addresses cells outside the 4 x 32 grid: they
    // are not part of the set, so nothing is stamped there and the used
    // height stays within the canvas; the bin is still reloaded.
    if (cx >= 0 && cy >= 0 && cx < kRightBinWidth && cy < kRightBinHeight) {
        const int w = preview->Width(), h = preview->Height();
        const uint64_t before = Backuppic2->revision();
        Backuppic2->PaintPicture(layer.Image(), cx, cy, w, h, 0, 0, RasterOp::And);
        Backuppic2->PaintPicture(layer.Image(), cx, cy, w, h, 0, 0, RasterOp::Or);
        rightLink_.DrewOnCopy(QRect(cx, cy, w, h), before);
        if (cy + 64 > customSetHeight_)
            customSetHeight_ = cy + 64;
    }
    Backuppic2->Refresh();
    rightLink_.Restore(); // Picture2 shows Backuppic2's image
    Picture2->Refresh();
}

void TextureBins::Picture2_MouseDown(int Button, int Shift, float X, float Y)
{
    if (saveInProgress_)
        return;
    const double cx = CellOrigin(X), cy = CellOrigin(Y);
    const int16_t sx = conv::CInt(cx - kSelectorInset);
    const int16_t sy = conv::CInt(cy - kSelectorInset);
    if (Button == 1 && Shift == 1)
        PickCell(*Picture2, *layers_.Image1, sx, sy);
    if (Button == 2 && Shift == 1)
        PickCell(*Picture2, *layers_.Image2, sx, sy);
    if (Button == 1)
        StampLayer(*layers_.Image1, conv::CLng(cx), conv::CLng(cy));
    if (Button == 2)
        StampLayer(*layers_.Image2, conv::CLng(cx), conv::CLng(cy));
}

void TextureBins::Picture2_MouseMove(int Button, int, float X, float Y)
{
    if (saveInProgress_)
        return;
    int16_t sx = 0, sy = 0;
    HoverCell(*Picture2, X, Y, sx, sy);
    const int32_t cx = conv::CLng(CellOrigin(X)), cy = conv::CLng(CellOrigin(Y));
    if (Button == 1)
        StampLayer(*layers_.Image1, cx, cy);
    else if (Button == 2)
        StampLayer(*layers_.Image2, cx, cy);
}

void TextureBins::Command7_Click()
{
    if (Picture2->Top() + Picture2->Height() > 640)
        Picture2->setTop(Picture2->Top() - kCell);
}

void TextureBins::Command8_Click()
{
    if (Picture2->Top() < 0)
        Picture2->setTop(Picture2->Top() + kCell);
}

// ---------------------------------------------------------------------------
// Loading a texture set

bool TextureBins::LoadTarga(const QString& strFileName, PictureBuffer& picPictureBox)
{
    // Only regular files are read: a named pipe would wait for a writer, and
    // devices and folders hold no texture set. Opening for reading never
    // creates a file. The file is read rather than mapped, so one that
    // shrinks meanwhile just ends early. A file that cannot be opened or
    // decoded leaves every bin as it was.
    QFile file;
    if (OpenForReading(strFileName, file, QIODevice::Unbuffered) != ReadFault::None)
        return false;
    std::optional<QImage> picture = ReadTarga(file);
    file.close();
    if (!picture)
        return false;

    // Drawn while hidden, so it is seen all at once.
    picPictureBox.hide();
    picPictureBox.ResizeAndDrawPixels(std::move(*picture));
    picPictureBox.show();

    // BackupPic takes the height and width of Picture1 and then its image,
    // which it shares until one of them is drawn on.
    BackupPic->setSizeAndPicture(Picture1->Width(), Picture1->Height(), Picture1->Image());
    return true;
}

void TextureBins::ShowWideSetMessage(const QString& name)
{
    if (Picture1->Width() > 256)
        dialogs_.MsgBox(QStringLiteral("This texture set ,") + name +
                           QStringLiteral(", is larger than it seems. Use the left and right arrow buttons to view all of it"),
                       MsgButtons::OK);
}

void TextureBins::loadtexset_Click()
{
    const std::optional<QString> chosen = dialogs_.ShowOpen();
    if (!chosen)
        return;
    const QString& name = *chosen;
    // The ending is tested case-sensitively: ".Tga" goes to the picture loader.
    if (name.endsWith(QLatin1String(".tga")) || name.endsWith(QLatin1String(".TGA"))) {
        // A file that cannot be read as a texture set changes nothing: not
        // the bins, not the view, not the remembered cell.
        if (!LoadTarga(name, *Picture1))
            return;
        // Text1 remembers the y origin of the cell hovered last and is read as
        // a number, which "newload" gives as 0: the loaded set's first hover
        // draws the selector unless its cell is the one in row 0 of the column
        // Text9 remembers. The read-out shows "newload" until that hover.
        Text1->setText(QStringLiteral("newload"));
        Picture1->setTop(0);
        Picture1->setLeft(0);
        ShowWideSetMessage(name);
    } else {
        // A file the picture loader cannot read leaves the bins as they were.
        const std::optional<QImage> picture = LoadPicture(name);
        if (!picture)
            return;
        Picture1->setPicture(*picture);
        BackupPic->setHeight(Picture1->Height());
        BackupPic->setPicture(*picture);
        ShowWideSetMessage(name);
    }
}

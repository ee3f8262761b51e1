// The commands that work on whole bins: saving the Custom Texture Set,
// flipping a bin and copying one bin over the other.
#include <algorithm>
#include <cstring>
#include <vector>

#include <QElapsedTimer>
#include <QProgressBar>
#include <QScopeGuard>

#include "core/conversions.h"
#include "system/files.h"
#include "core/targa.h"
#include "platform/dialogs.h"
#include "platform/picture_buffer.h"
#include "platform/program_end.h"
#include "platform/window_placement.h"
#include "texture_set/bins.h"
#include "texture_set/progress_windows.h"

void TextureBins::savetexset_Click()
{
    // The set being written must not change under the save: a second save
    // started from the menu while one runs does nothing.
    if (saveInProgress_)
        return;
    Picture1->setPicture(BackupPic->Picture());
    rightLink_.Restore();
    // The bins ignore the mouse from here until the command ends, whichever
    // way it ends.
    saveInProgress_ = true;
    const auto saveEnds = qScopeGuard([this] { saveInProgress_ = false; });

    const std::optional<QString> chosen = dialogs_.ShowSave();
    if (!chosen)
        return;
    if (customSetHeight_ == 0) {
        dialogs_.MsgBox(QStringLiteral("Custom Texture set is empty!"), MsgButtons::OK);
        return;
    }
    QString name = *chosen;
    if (!name.endsWith(QLatin1String(".tga")))
        name += QStringLiteral(".tga");

    // Written to a new file beside the target, which replaces the target
    // only once every byte is on the disk: a failed or abandoned save never
    // destroys or truncates an existing file, and a pipe or device of that
    // name is never written or replaced.
    FileReplacement file(name);
    bool ok = file.ok();

    if (!form6_)
        form6_ = std::make_unique<Form6>();
    form6_->show();
    form6_->pb->setValue(0);
    DoEvents();

    // The bytes go to the file in blocks of about 64 KiB, the header first: a
    // write call per row would cost more than reading the row. A write the
    // disk refuses is seen at the block that holds it.
    constexpr size_t kBlock = 64 * 1024;
    const auto header = EncodeTargaHeader(TextureSetHeader(customSetHeight_));
    std::vector<uint8_t> bytes(header.begin(), header.end());
    bytes.reserve(kBlock + 3 * kRightBinWidth);
    QProgressBar* bar = form6_->pb;
    bar->setMaximum(customSetHeight_);
    DoEvents();
    Picture2->Refresh();

    // Raising the window is a round trip to the window system; once a frame
    // (16 ms) keeps it on top just as well as once a row would. The bar's
    // value moves a row at a time, but setValue would repaint it at once,
    // which costs more than the row: it is painted in the event loop's turn,
    // once a frame at most, when the width it fills has changed.
    QElapsedTimer sinceRaised;
    int paintedWidth = -1;
    std::vector<Colour> row(kRightBinWidth);
    for (int32_t r = 0; r < customSetHeight_ && !ProgramEnding(); ++r) {
        // The right bin as restoring it leaves it: no selector drawn
        // meanwhile can reach the file.
        rightLink_.CleanRow(customSetHeight_ - 1 - r, row);
        EncodeTargaRow(row, bytes);
        if (bytes.size() >= kBlock) {
            ok = ok && file.write(bytes.data(), bytes.size());
            bytes.clear();
        }
        bar->setUpdatesEnabled(false);
        if (bar->value() < bar->maximum())
            bar->setValue(bar->value() + 1);
        if (!sinceRaised.isValid() || sinceRaised.elapsed() >= 16) {
            SetTopMost(form6_.get());
            sinceRaised.start();
            const int width = int(int64_t(bar->value()) * bar->width() / std::max(bar->maximum(), 1));
            if (width != paintedWidth) {
                paintedWidth = width;
                bar->setUpdatesEnabled(true); // painted in the turn below
            }
        }
        DoEvents();
    }
    bar->setUpdatesEnabled(true);
    form6_->hide();

    if (ProgramEnding()) {
        // The program is ending: drop the unfinished file, keep the old one.
        file.cancel();
        return;
    }
    ok = ok && file.write(bytes.data(), bytes.size()) && file.commit();
    if (ok)
        dialogs_.MsgBox(QStringLiteral("Custom Texture Set successfully saved!"), MsgButtons::OK);
    else
        dialogs_.MsgBox(QStringLiteral("The Custom Texture Set could not be saved to \"%1\": %2.%3")
                            .arg(file.shownPath(), file.errorText(),
                                 file.oldFileUntouched() ? QStringLiteral(" Any file of that name was left as it was.")
                                                         : QString()),
                        MsgButtons::OK);
}

namespace {

// Source row y of src goes to row H - 1 - y of dst, its first W pixels: rows
// beyond dst are cut, and rows beyond src come out white (-1, the colour a
// pixel read outside a picture gives).
void FlipRows(QImage& dst, const QImage& src, int H, int W)
{
    if (W <= 0)
        return;
    for (int y = 0; y < H; ++y) {
        const int target = H - y - 1;
        if (target >= dst.height())
            continue;
        QRgb* out = reinterpret_cast<QRgb*>(dst.scanLine(target));
        if (y < src.height())
            std::copy_n(reinterpret_cast<const QRgb*>(src.constScanLine(y)), W, out);
        else
            std::fill_n(out, W, PictureBuffer::ToQRgb(-1));
    }
}

// The same when dst is src itself and its first H rows are flipped: rows are
// swapped pairwise through a row of scratch.
void FlipRowsInPlace(QImage& img, int H, int W)
{
    if (W <= 0)
        return;
    std::vector<QRgb> scratch(static_cast<std::size_t>(W));
    const std::size_t bytes = scratch.size() * sizeof(QRgb);
    for (int y = 0, t = H - 1; y < t; ++y, --t) {
        QRgb* a = reinterpret_cast<QRgb*>(img.scanLine(y));
        QRgb* b = reinterpret_cast<QRgb*>(img.scanLine(t));
        std::memcpy(scratch.data(), a, bytes);
        std::memcpy(a, b, bytes);
        std::memcpy(b, scratch.data(), bytes);
    }
}

} // namespace

void TextureBins::FlipBin(PictureBuffer& bin, PictureBuffer& copy, bool rightBin)
{
    if (!form2_)
        form2_ = std::make_unique<Form2>();
    form2_->show();
    QProgressBar* bar = form2_->ProgressBar;
    bar->setValue(0);
    bar->setMaximum(rightBin ? customSetHeight_ : copy.Height());

    // The scratch takes the clean copy's size and shares its pixels: nothing
    // is filled or copied.
    flipbox->ResizeAndDrawPixels(copy.Image());
    flipbox->Refresh();
    DoEvents();
    if (ProgramEnding()) {
        // The program ended in that turn: the bin and its clean copy stay as
        // they were, and the program goes without waiting for the pixels.
        flipbox->ResizeAndDrawPixels(QImage());
        form2_->hide();
        return;
    }
    // What that turn of the event loop handled may have drawn the selector
    // on the bin or stamped into its copy: the flip starts from the copy as
    // it is now, on a bin without the selector, so the clean copy that takes
    // the result never receives the selector and no stamp is lost.
    flipbox->ResizeAndDrawPixels(copy.Image());
    (&bin == Picture1 ? leftLink_ : rightLink_).Restore();

    // Source row y of flipbox goes to row H - 1 - y of the bin, column for
    // column over flipbox's width.
    const int H = rightBin ? conv::Wrap16(customSetHeight_) : conv::Wrap16(flipbox->Height());
    const int W = std::min<int>(conv::Wrap16(flipbox->Width()), bin.Width());
    // The scratch is let go before the pixels are written, so that the bin
    // and its clean copy are all that hold the set: the clean copy takes the
    // flipped image anyway, so the bin can then be flipped where it lies
    // instead of in a fresh copy of the whole set.
    QImage src = flipbox->Image();
    flipbox->ResizeAndDrawPixels(QImage());
    const QRect rewritten(0, 0, std::max(W, 0), std::clamp(H, 0, bin.Height()));
    bin.RewriteAndGiveTo(std::move(src), copy, rewritten, [&](QImage& dst, const QImage& from) {
        if (dst.constBits() != from.constBits())
            FlipRows(dst, from, H, W);
        else if (H <= dst.height())
            FlipRowsInPlace(dst, H, W);
        else
            FlipRows(dst, from.copy(), H, W);
    });

    // The bar advances once per row while it is below its maximum. The event
    // loop does not run during the pixel loop, so nobody sees it move: it is
    // set once, to where it ends.
    if (H > 0 && bar->value() < bar->maximum())
        bar->setValue(int(std::min<int64_t>(int64_t(bar->value()) + H, bar->maximum())));
    form2_->hide();
}

void TextureBins::leftbin_Click()
{
    if (saveInProgress_) // the bins must not change while a save reads them
        return;
    FlipBin(*Picture1, *BackupPic, false);
}

void TextureBins::rightbin_Click()
{
    if (saveInProgress_)
        return;
    RestoreBins();
    FlipBin(*Picture2, *Backuppic2, true);
}

void TextureBins::lefttoright_Click()
{
    if (saveInProgress_)
        return;
    if (dialogs_.MsgBox(QStringLiteral("Copying the left bin to the right bin will overwrite the right bin. "
                                      "Are you sure you want to continue?"),
                       MsgButtons::YesNo, QStringLiteral("Overwrite?")) != MsgAnswer::Yes)
        return;
    RestoreBins();
    Backuppic2->setPicture(Picture1->Image());
    // The whole left bin counts as used, up to the canvas's 2048 rows: a save
    // never writes rows the set does not have.
    customSetHeight_ = std::min(conv::CLng(Picture1->Height()), kRightBinHeight);
    // The canvas is 256 x 2048 again, so every cell of the grid can be
    // stamped (a narrower set would otherwise cut columns off the canvas).
    Backuppic2->setWidth(kRightBinWidth);
    Backuppic2->setHeight(kRightBinHeight);
    Picture2->setHeight(kRightBinHeight);
    rightLink_.Restore();
    Picture2->Refresh();
}

void TextureBins::setrighttoleft_Click()
{
    if (saveInProgress_)
        return;
    Picture1->setHeight(Picture2->Height());
    BackupPic->setHeight(Picture2->Height());
    RestoreBins();
    BackupPic->setPicture(Picture2->Image());
    BackupPic->Refresh();
    Picture1->setPicture(Picture2->Image());
    Picture1->Refresh();
}

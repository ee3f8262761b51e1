#include "layer_tools/filter_rotate.h"

#include <functional>
#include <utility>

#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QPixmap>

#include "artwork/filter_rotate_art.h"
#include "core/filter_arithmetic.h"
#include "core/filter_files.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/file_list.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "texture_set/layers.h"

namespace {

// Reports the mouse presses and releases and the key presses that reach the
// filter list, before the list acts on them.
class ListInputWatcher : public QObject {
public:
    ListInputWatcher(QObject* parent, std::function<void(QEvent::Type)> seen) : QObject(parent), seen_(std::move(seen))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        const QEvent::Type t = e->type();
        if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::KeyPress)
            seen_(t);
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void(QEvent::Type)> seen_;
};

} // namespace

FilterRotate::FilterRotate(QWidget* page, Layers& layers, Dialogs& dialogs) : layers_(layers), dialogs_(dialogs)
{
    Shape14 = Shape(page, QStringLiteral("Shape14"), QRect(0, 0, 477, 596), style::kPageGrey, style::kPageGrey);
    Shape14->lower();

    // 1.) Loading
    // Wide enough for the instruction to fit in two lines below the tab captions.
    Label15 = new Label(page, QStringLiteral("Label15"), QRect(14, 21, 446, 28),
                        QStringLiteral("1.) Load the layer you want to rotate or filter into the box by clicking "
                                       "the load A or B buttons."));
    Command39 = new CommandButton(page, QStringLiteral("Command39"), QRect(147, 49, 78, 43),
                                  QStringLiteral("Load layer A"));
    Command40 = new CommandButton(page, QStringLiteral("Command40"), QRect(245, 49, 78, 43),
                                  QStringLiteral("Load layer B"));
    Picture15 = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture15"),
                                  63, 49, kSide, kSide, style::kNavy);
    Picture15->hide();
    FilterBuffer = new PictureBuffer(page, PictureKind::Box, QStringLiteral("FilterBuffer"),
                                     364, 49, kSide, kSide, style::kNavy);
    FilterBuffer->hide();
    Line10 = Line(page, QStringLiteral("Line10"), QPoint(14, 105), QPoint(448, 105), style::kMidGrey);

    // 2.) Turning and mirroring
    Label16 = new Label(page, QStringLiteral("Label16"), QRect(14, 119, 225, 22),
                        QStringLiteral("2.) Rotate the texture here:"));
    RotBuffer = new PictureBuffer(page, PictureKind::Box, QStringLiteral("RotBuffer"),
                                  63, 140, kSide, kSide, style::kNavy);
    RotBuffer->hide();
    Command37 = new CommandButton(page, QStringLiteral("Command37"), QRect(147, 140, 50, 64));
    Command37->setIcon(QIcon(QPixmap::fromImage(artwork::RotateArrowIcon(true))));
    Command37->setIconSize(QSize(32, 32));
    WorkTile = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture13"),
                                 203, 140, kSide, kSide, style::kNavy);
    Command38 = new CommandButton(page, QStringLiteral("Command38"), QRect(273, 140, 50, 64));
    Command38->setIcon(QIcon(QPixmap::fromImage(artwork::RotateArrowIcon(false))));
    Command38->setIconSize(QSize(32, 32));
    Command44 = new CommandButton(page, QStringLiteral("Command44"), QRect(343, 140, 99, 29),
                                  QStringLiteral("Flip Horizontal"));
    Command45 = new CommandButton(page, QStringLiteral("Command45"), QRect(343, 175, 99, 29),
                                  QStringLiteral("Flip Vertical"));
    Line13 = Line(page, QStringLiteral("Line13"), QPoint(14, 217), QPoint(448, 217), style::kMidGrey);

    // 3.) Filters
    Label17 = new Label(page, QStringLiteral("Label17"), QRect(14, 231, 141, 30),
                        QStringLiteral("3.) Or apply a pre-made filter:"));
    File1 = new FileListBox(page, QStringLiteral("File1"), QStringLiteral("*.fil"));
    File1->setGeometry(154, 231, 295, 123);
    FilterPreview = new PictureBuffer(page, PictureKind::Box, QStringLiteral("Picture14"),
                                      56, 266, kSide, kSide, style::kNavy);
    FilterPreview->setToolTip(QStringLiteral("Wow! What a cool filter!"));
    Text4 = new TextBox(page, QStringLiteral("Text4"), QRect(154, 357, 295, 22));
    // Just below the caption box, in a small font so its caption fits on one line.
    Label19 = new Label(page, QStringLiteral("Label19"), QRect(385, 380, 64, 15), QStringLiteral("Refresh List"),
                        Qt::AlignCenter);
    Label19->setWordWrap(false);
    style::SetCompactFont(Label19);
    Label19->setBackColor(style::kMidGrey);
    Label19->setCursor(Qt::PointingHandCursor);
    Line14 = Line(page, QStringLiteral("Line14"), QPoint(14, 406), QPoint(448, 406), style::kMidGrey);

    // 4.) Writing back
    Label18 = new Label(page, QStringLiteral("Label18"), QRect(14, 420, 211, 15),
                        QStringLiteral("4.) Set back to layer A or B:"));
    Command41 = new CommandButton(page, QStringLiteral("Command41"), QRect(105, 462, 127, 43),
                                  QStringLiteral("Set to layer A"));
    Command42 = new CommandButton(page, QStringLiteral("Command42"), QRect(245, 462, 127, 43),
                                  QStringLiteral("Set to layer B"));

    Command39->onClick = [this] { Command39_Click(); };
    Command40->onClick = [this] { Command40_Click(); };
    Command37->onClick = [this] { Command37_Click(); };
    Command38->onClick = [this] { Command38_Click(); };
    Command44->onClick = [this] { Command44_Click(); };
    Command45->onClick = [this] { Command45_Click(); };
    Command41->onClick = [this] { Command41_Click(); };
    Command42->onClick = [this] { Command42_Click(); };
    Label19->onClick = [this] { Label19_Click(); };
    WatchFilterList();
}

FilterRotate::~FilterRotate() = default;

void FilterRotate::WatchFilterList()
{
    // The entry applied is always the highlighted one, read when the
    // highlight has moved: while the mouse slides over the list Qt moves the
    // selection before the current item.
    auto watcher = [this](QEvent::Type t) {
        if (t == QEvent::MouseButtonPress) {
            pressApplied_ = false;
            sliding_ = true;
            reportedWhileSliding_.clear();
        } else {
            sliding_ = false;
        }
    };
    File1->viewport()->installEventFilter(new ListInputWatcher(File1->viewport(), watcher));
    File1->installEventFilter(new ListInputWatcher(File1, watcher));
    // A selection made by a press, by sliding with the button held, with the
    // keyboard or from code applies at once.
    QObject::connect(File1, &QListWidget::itemSelectionChanged, File1, [this] {
        if (File1->FileName().isEmpty())
            return;
        pressApplied_ = true;
        File1_Click();
    });
    // A press on the entry already highlighted applies it again, to a newly
    // loaded tile say.
    QObject::connect(File1, &QListWidget::itemPressed, File1, [this](QListWidgetItem* item) {
        if (!pressApplied_ && item && item->isSelected())
            File1_Click();
    });
}

void FilterRotate::LoadLayer(const PictureBuffer* layer)
{
    // Copies: a later change of the layer leaves the tab's buffers as they are.
    const QImage tile = layer->Image();
    WorkTile->setPicture(tile);
    FilterPreview->setPicture(tile);
    FilterBuffer->setPicture(tile);
}

void FilterRotate::Command39_Click() { LoadLayer(layers_.Image1); }
void FilterRotate::Command40_Click() { LoadLayer(layers_.Image2); }

void FilterRotate::Turn(TileTurn turn)
{
    // The turned tile is built whole in RotBuffer and only then shown, so
    // nobody sees a half-turned tile.
    RotBuffer->DrawPixels(TurnTile(WorkTile->Image(), turn));
    RotBuffer->Refresh();
    WorkTile->setPicture(RotBuffer->Image());
    FilterPreview->setPicture(RotBuffer->Image());
}

void FilterRotate::RotateClockwise() { Turn(TileTurn::Clockwise); }
void FilterRotate::RotateCounterClockwise() { Turn(TileTurn::CounterClockwise); }
void FilterRotate::Command44_Click() { Turn(TileTurn::FlipHorizontal); }
void FilterRotate::Command45_Click() { Turn(TileTurn::FlipVertical); }

void FilterRotate::SetLayer(PictureBuffer* layer)
{
    layer->setPicture(WorkTile->Image()); // runs the layer's mirror cascade
    layer->Refresh();
}

void FilterRotate::Command41_Click() { SetLayer(layers_.Image1); }
void FilterRotate::Command42_Click() { SetLayer(layers_.Image2); }

void FilterRotate::ApplyFilter()
{
    const QString fileName = File1->FileName();
    if (fileName.isEmpty() || File1->Path().isEmpty())
        return;

    // Everything is read and checked before anything changes, so a filter
    // that cannot be used leaves the work tile, the preview and the caption
    // as they were.
    const FilterInstructionsResult read = ReadFilterInstructions(QDir(File1->Path()).filePath(fileName));
    if (!read.instructions) {
        ReportFilterFailure(fileName, read.error);
        return;
    }
    const FilterInstructions& filter = *read.instructions;
    const QString filtersFolder = QDir(ProgramFolder::Path()).filePath(QStringLiteral("Filters"));
    const FilterBitmapResult bitmap = LoadFilterBitmap(FilterBitmapPath(filtersFolder, filter.bitmapName));
    if (!bitmap.image) {
        ReportFilterFailure(fileName, bitmap.error);
        return;
    }

    // Every application starts from the tile as loaded, so filters never
    // compound and turns made since the load are dropped.
    FilterPreview->setPicture(FilterBuffer->Image());
    FilterPreview->Refresh();
    Text4->setTextValue(FilterCaption(filter));
    Picture15->setPicture(*bitmap.image);
    const QImage filtered = ApplyFilterBitmap(Picture15->Image(), FilterBuffer->Image());
    FilterPreview->DrawPixels(filtered);
    WorkTile->DrawPixels(filtered);
    FilterPreview->Refresh();
    WorkTile->Refresh();
}

void FilterRotate::ReportFilterFailure(const QString& fileName, const QString& why)
{
    // Sliding back and forth over a bad filter reports it once.
    if (sliding_) {
        if (reportedWhileSliding_.contains(fileName))
            return;
        reportedWhileSliding_.append(fileName);
    }
    dialogs_.MsgBox(QStringLiteral("The filter '%1' could not be applied: %2.").arg(fileName, why), MsgButtons::OK);
}

void FilterRotate::Label19_Click() { File1->Refresh(); }

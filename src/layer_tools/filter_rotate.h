#pragma once
// The Filter / Rotate tab: turns the tile last loaded by quarter turns,
// mirrors it, applies the filters of the Filters folder to it, and writes
// the result back to layer A or B.
//
// The tab keeps no variables; its state is the images of its buffers:
//   WorkTile (Picture13)   the tile being worked on, the source of "Set to layer"
//   FilterPreview (Picture14)  shows what WorkTile holds after every operation
//   RotBuffer              hidden target of a turn or mirror
//   FilterBuffer           hidden copy of the layer as last loaded, the input
//                          of every filter, never turned
//   Picture15              hidden, the bitmap of the filter last applied
// None of them has a change handler.
#include <QImage>
#include <QStringList>

#include "core/colour.h"
#include "core/tile_turn.h"

class QFrame;
class QWidget;
class Layers;
class Dialogs;
class FileListBox;
class PictureBuffer;
class Label;
class CommandButton;
class TextBox;

class FilterRotate {
public:
    static constexpr int kSide = 64;

    FilterRotate(QWidget* page, Layers& layers, Dialogs& dialogs);
    ~FilterRotate();
    FilterRotate(const FilterRotate&) = delete;
    FilterRotate& operator=(const FilterRotate&) = delete;

    // "Load layer A" / "Load layer B": the layer into WorkTile, FilterPreview
    // and FilterBuffer.
    void Command39_Click();
    void Command40_Click();
    // The turn and mirror buttons, each working on whatever WorkTile holds.
    void Command37_Click() { RotateClockwise(); }
    void Command38_Click() { RotateCounterClockwise(); }
    void Command44_Click(); // Flip Horizontal
    void Command45_Click(); // Flip Vertical
    void RotateClockwise();
    void RotateCounterClockwise();
    // "Set to layer A" / "Set to layer B": replaces the layer with WorkTile,
    // which runs the layer's mirror cascade.
    void Command41_Click();
    void Command42_Click();

    // An entry of the filter list was highlighted (by a press, by sliding
    // over it with the button held, or with the keyboard), or the highlighted
    // entry pressed again: apply it.
    void File1_Click() { ApplyFilter(); }
    // Applies the selected filter to FilterBuffer, into WorkTile and
    // FilterPreview, and shows its title and author in Text4. A filter that
    // cannot be read changes nothing and is reported in a message box.
    void ApplyFilter();
    // "Refresh List": the list reads its folder again.
    void Label19_Click();

    // Controls
    QFrame* Shape14 = nullptr;
    Label* Label15 = nullptr;
    CommandButton* Command39 = nullptr;
    CommandButton* Command40 = nullptr;
    PictureBuffer* Picture15 = nullptr; // filter bitmap, hidden
    PictureBuffer* FilterBuffer = nullptr; // hidden
    QFrame* Line10 = nullptr;
    Label* Label16 = nullptr;
    PictureBuffer* RotBuffer = nullptr; // hidden
    CommandButton* Command37 = nullptr; // rotate clockwise (icon)
    PictureBuffer* WorkTile = nullptr;  // Picture13
    CommandButton* Command38 = nullptr; // rotate counter-clockwise (icon)
    CommandButton* Command44 = nullptr;
    CommandButton* Command45 = nullptr;
    QFrame* Line13 = nullptr;
    Label* Label17 = nullptr;
    FileListBox* File1 = nullptr; // the filter list, "*.fil" files of its folder
    PictureBuffer* FilterPreview = nullptr; // Picture14
    TextBox* Text4 = nullptr;
    Label* Label19 = nullptr;
    QFrame* Line14 = nullptr;
    Label* Label18 = nullptr;
    CommandButton* Command41 = nullptr;
    CommandButton* Command42 = nullptr;

private:
    void LoadLayer(const PictureBuffer* layer);
    void Turn(TileTurn turn);
    void SetLayer(PictureBuffer* layer);
    void WatchFilterList();
    void ReportFilterFailure(const QString& fileName, const QString& why);

    Layers& layers_;
    Dialogs& dialogs_;
    // While the mouse button is held on the filter list: whether the press
    // has applied an entry yet, and the filters reported as bad meanwhile.
    bool pressApplied_ = false;
    bool sliding_ = false;
    QStringList reportedWhileSliding_;
};

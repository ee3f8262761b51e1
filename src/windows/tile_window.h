#pragma once
// The tile window: imports one tile from a picture file into layer A or B, or
// exports a snapshot of layer A or B to a bitmap file. The same window serves
// both ways; its caption ("Import Tile" / "Export Tile") is its mode, and the
// caption of the layer button ("A" / "B") names the layer.
#include <optional>

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/picture_files.h"

class CommandButton;
class Dialogs;
class DirListBox;
class FileListBox;
class Label;
class Layers;
class PictureBuffer;
class TextBox;

namespace tile_file {

// Pictures beyond this many pixels are refused before they are decoded.
constexpr qint64 kMaxPixels = kMaxPicturePixels;

// The file name the window works with: the folder, a separator (unless the
// folder already ends with one) and the name box's text.
QString JoinName(const QString& folder, const QString& name);

// The name an export writes: ".bmp" appended unless the name already ends
// with exactly ".bmp" (case-sensitive: "tile.BMP" becomes "tile.BMP.bmp").
QString ExportName(const QString& name);

// What importing a file gives: the picture, or why there is none.
struct ImportResult {
    std::optional<QImage> picture;
    QString error; // a sentence for the user when picture is empty
};
// Reads a picture file for a layer. Only regular files are read (no folders,
// pipes or devices); pictures are checked for size before decoding, and one
// whose data ends early is refused. A picture larger than a tile keeps only
// its top-left 64 x 64 pixels, which is all a layer shows.
ImportResult ReadTilePicture(const QString& path);

} // namespace tile_file

class Form5 : public QWidget {
public:
    static constexpr int kClientWidth = 449;
    static constexpr int kClientHeight = 301;

    Form5(Layers& layers, Dialogs& dialogs, QWidget* parent = nullptr);

    // Opens the window in a mode ("Import Tile" or "Export Tile"): a closed
    // window is created and loads in that mode; an open one only takes the
    // new caption and comes forward.
    static Form5* Open(QPointer<Form5>& window, const QString& mode, Layers& layers, Dialogs& dialogs,
                       QWidget* parent);

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& c) { setWindowTitle(c); }
    // The file name that import and export use.
    QString FileName() const;

    void Form_Load();
    void Dir1_Change();
    void File1_Click();
    void Command3_Click(); // layer toggle
    void Command1_Click(); // "Save": import or export by the mode
    void Command2_Click(); // "Cancel"

    DirListBox* Dir1;
    FileListBox* File1;
    TextBox* Text1;
    Label* Label1;
    CommandButton* Command3;
    PictureBuffer* Picture1;
    CommandButton* Command1;
    CommandButton* Command2;

private:
    bool Import();
    bool Export();

    Layers& layers_;
    Dialogs& dialogs_;
};

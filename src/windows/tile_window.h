#pragma once
// The tile window: imports one tile from a picture file into layer A or B, or
// exports a snapshot of layer A or B to a bitmap file. The same window serves
// both ways; its caption ("Import Tile" / "Export Tile") is its mode, and the
// caption of the layer button ("A" / "B") names the layer.
#include <QImage>
#include <QString>

#include "platform/secondary_window.h"

class CommandButton;
class Dialogs;
class DirListBox;
class FileListBox;
class Label;
class Layers;
class PictureBuffer;
class TextBox;

class Form5 : public SecondaryWindow {
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

#pragma once
// The two texture bins: the left bin shows the loaded texture set, the right
// bin the Custom Texture Set. Each visible bin has a clean hidden copy; the
// selector is drawn on the visible bins only. A click picks the cell under
// the mouse into layer A (left button) or B (right button); on the right bin
// it stamps the layer into the cell.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include <QRect>
#include <QString>

#include "core/colour.h"

class QLineEdit;
class QPushButton;
class QWidget;
class Dialogs;
class Layers;
class PictureBuffer;
class Form2;
class Form6;

// Keeps a visible bin in step with its clean copy. Restoring the bin means
// assigning the copy's image to it as a whole; when only known rectangles
// (the selector, a stamped cell) have changed since the last restore, only
// those are copied, which gives the same pixels at a cost that does not grow
// with the size of the set.
class CleanCopyLink {
public:
    void Attach(PictureBuffer* bin, PictureBuffer* copy)
    {
        bin_ = bin;
        copy_ = copy;
        valid_ = false;
    }
    // Gives the bin the copy's image as its picture: the bin shows the set
    // without the selector.
    void Restore();
    // Something was drawn on the bin inside r (the selector).
    void DrewOnBin(const QRect& r);
    // The copy was drawn on inside r; copyRevisionBefore is the copy's
    // revision just before that drawing.
    void DrewOnCopy(const QRect& r, uint64_t copyRevisionBefore);
    // The pixel at (x, y) of the bin as restoring it would leave it: the
    // copy's pixel, the bin's background beyond the copy, -1 outside the
    // bin. Never a pixel of the selector, wherever it is drawn.
    Colour CleanPixel(int x, int y) const;
    // Row y of the bin the same way, from column 0 on, out.size() pixels.
    void CleanRow(int y, std::span<Colour> out) const;

private:
    PictureBuffer* bin_ = nullptr;
    PictureBuffer* copy_ = nullptr;
    bool valid_ = false;
    uint64_t binRevision_ = 0;
    uint64_t copyRevision_ = 0;
    QRect dirty_;
};

class TextureBins {
public:
    static constexpr int kCell = 64;
    static constexpr int kRightBinWidth = 256;
    static constexpr int kRightBinHeight = 2048;

    TextureBins(QWidget* client, QWidget* frame1, Layers& layers, Dialogs& dialogs);
    ~TextureBins();

    // Left bin
    void Picture1_MouseDown(int Button, int Shift, float X, float Y);
    void Picture1_MouseMove(int Button, int Shift, float X, float Y);
    void Command1_Click(); // page left
    void Command2_Click(); // page up
    void Command3_Click(); // page down
    void Command4_Click(); // page right

    // Right bin (the Custom Texture Set)
    void Picture2_MouseDown(int Button, int Shift, float X, float Y);
    void Picture2_MouseMove(int Button, int Shift, float X, float Y);
    void Command8_Click(); // page up
    void Command7_Click(); // page down

    // Restores both bins from their clean copies and draws the selector on
    // bin with its corner at (sx, sy).
    void DrawSelector(PictureBuffer& bin, int16_t sx, int16_t sy);
    // Restores both bins from their clean copies.
    void RestoreBins();
    // Copies the cell whose selector corner is (sx, sy) from bin into layer:
    // the cell as the bin shows it, never the selector's pixels, wherever
    // the selector is drawn.
    void PickCell(PictureBuffer& bin, PictureBuffer& layer, int16_t sx, int16_t sy);
    // Stamps layer into the Custom Texture Set's cell at (cx, cy).
    void StampLayer(PictureBuffer& layer, int cx, int cy);

    // Reads a Targa texture set into picPictureBox and the left bin's clean
    // copy. A file that cannot be read as a texture set changes nothing and
    // gives false.
    bool LoadTarga(const QString& strFileName, PictureBuffer& picPictureBox);
    // File > Load Texture Set
    void loadtexset_Click();

    // File > Save Texture Set: writes the used rows of the right bin as a
    // Targa file, with a progress window, letting the event loop run once
    // per row while the bins ignore the mouse. When the program ends in one
    // of those turns, the save stops there and any existing file stays as it
    // was.
    void savetexset_Click();
    // Bin > Flip > Left Bin / Right Bin: mirror a bin top to bottom. When the
    // program ends in the flip's turn of the event loop, the flip stops there.
    void leftbin_Click();
    void rightbin_Click();
    // Bin > Set Left bin to Right / Set Right bin to Left
    void lefttoright_Click();
    void setrighttoleft_Click();

    // Controls
    PictureBuffer* Picture1;   // left bin
    PictureBuffer* BackupPic;  // its clean copy
    PictureBuffer* Picture2;   // right bin
    PictureBuffer* Backuppic2; // master copy of the Custom Texture Set
    PictureBuffer* square;     // selector picture
    PictureBuffer* squaremask; // selector mask
    PictureBuffer* preview;    // its size is the size of a stamp
    PictureBuffer* flipbox;    // scratch picture of the flips
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command7;
    QPushButton* Command8;
    QLineEdit* Text9; // x origin of the cell hovered last
    QLineEdit* Text1; // y origin of the cell hovered last

    // Pixel rows of the Custom Texture Set in use; a save writes these.
    int32_t CustomSetHeight() const { return customSetHeight_; }
    void SetCustomSetHeight(int32_t rows) { customSetHeight_ = rows; }
    // True while the Custom Texture Set is being saved: the bins ignore the mouse.
    bool SaveInProgress() const { return saveInProgress_; }

    // The progress windows of the save and of the flips, made on first use
    // and shown while their command runs (null before that).
    Form6* form6() const { return form6_.get(); }
    Form2* form2() const { return form2_.get(); }

    // Lets the event loop run once (tests look at the program in between).
    std::function<void()> DoEvents;

private:
    // Steps shared by both bins' move handlers: remember the hovered cell and
    // move the selector when the cell changed.
    void HoverCell(PictureBuffer& bin, float X, float Y, int16_t& sx, int16_t& sy);
    void ShowWideSetMessage(const QString& name);
    void FlipBin(PictureBuffer& bin, PictureBuffer& copy, bool rightBin);

    Layers& layers_;
    Dialogs& dialogs_;
    CleanCopyLink leftLink_;
    CleanCopyLink rightLink_;
    int32_t customSetHeight_ = 0;
    bool saveInProgress_ = false;
    // Kept hidden between commands: building a window costs more than a flip.
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<Form2> form2_;
};

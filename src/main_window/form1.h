#pragma once
// The main window: the bins, the layers, the toolbar, the menu bar and the
// tab control with the tools. Each handler is named after its control and
// event (quit_Click, ToolPick_Click), so a control's handlers are found by
// its name.
#include <array>
#include <functional>
#include <memory>

#include <QMainWindow>
#include <QPointer>

#include "platform/dialogs.h"

class QAction;
class QFrame;
class QMenu;
class PictureBuffer;
class TabControl;
class FileListBox;
class Layers;
class TextureBins;
class Form7;
class Form5;
class frmTip;
class frmSplash;
class Form3;
class Form4;
class Form8;
class ColorKeying;
class RgbBright;
class Ghosting;
class QuarterTiles;
class FilterRotate;
class AnimationViewer;
class PixelEditor;
class EndSignals;

class Form1 : public QMainWindow {
public:
    static constexpr int kClientWidth = 1016;
    static constexpr int kClientHeight = 703;
    static constexpr int kToolCount = 14;

    explicit Form1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: shows the window, initialises the window-level variables,
    // points the filter list at the Filters folder and opens the tip of the day.
    void Form_Load();
    // Ends the program at once (EndProgram): a save under way drops its
    // unfinished file, a flip stops, and no question is asked any more.
    void Form_Unload();
    // From now on SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed
    // terminal) close the window as Quit answered Yes does: the program ends
    // at once, and a save under way drops its unfinished file.
    void CloseOnEndSignals();

    // File menu
    void savetexset_Click();
    void loadtexset_Click();
    void quit_Click();
    // Bin menu
    void lefttoright_Click();
    void setrighttoleft_Click();
    void leftbin_Click();
    void rightbin_Click();
    // Texture menu
    void pixeledit_Click();
    void colorkey_Click();
    void rgbedit_Click();
    void ghost_Click();
    void smalltiles_Click();
    void filter_Click();
    void animview_Click();
    void imprtlayer_Click();
    void exbit_Click();
    // Help menu
    void about_Click();
    void splash_Click();
    void readme_Click();
    void createplugin_Click();
    void wheremorefilters_Click();
    void chsselect_Click();

    // Toolbar: each button runs its menu item.
    void ToolPick_Click(int Index);
    void ToolPick_MouseMove(int Index, int Button, int Shift, float X, float Y);

    // The menu item (or submenu entry) with this name, e.g. "loadtexset".
    QAction* menuItem(const QString& name) const;
    // The name of the menu item that toolbar button Index runs.
    static QString ToolPickItem(int Index);

    Dialogs& dialogs() { return dialogs_; }

    // Controls
    QWidget* client = nullptr; // the client area, 1016 x 703, navy
    QFrame* Frame1 = nullptr;
    QFrame* Shape16 = nullptr;
    PictureBuffer* Image13 = nullptr;
    PictureBuffer* Image9 = nullptr;
    PictureBuffer* Image14 = nullptr;
    PictureBuffer* Image10 = nullptr;
    std::array<PictureBuffer*, kToolCount> ToolPick{};
    TabControl* SSTab1 = nullptr;
    FileListBox* File1 = nullptr;

    // Units of the window, each owning its controls and handlers.
    std::unique_ptr<Layers> layers;
    std::unique_ptr<TextureBins> bins;
    std::unique_ptr<PixelEditor> pixelEditor;
    std::unique_ptr<ColorKeying> colorKeying;
    std::unique_ptr<RgbBright> rgbBright;
    std::unique_ptr<Ghosting> ghosting;
    std::unique_ptr<QuarterTiles> quarterTiles;
    std::unique_ptr<FilterRotate> filterRotate;
    std::unique_ptr<AnimationViewer> animationViewer;

    // Secondary windows: created on first use, released when they close.
    QPointer<Form7> form7;
    QPointer<Form5> form5;            // tile import / export
    QPointer<frmTip> tipWindow;       // tip of the day
    QPointer<frmSplash> splashWindow; // splash
    QPointer<Form3> form3;            // about
    QPointer<Form4> form4;            // read me
    QPointer<Form8> form8;            // filter help

    // Opens the tip of the day; returns when it is open or has declined.
    std::function<void()> openTipOfDay;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenus();
    void buildToolbar();
    void selectTab(int i);
    QAction* addItem(QMenu* menu, const char* name, const char* caption, void (Form1::*handler)());

    Dialogs& dialogs_;
    std::unique_ptr<EndSignals> endSignals_;
};

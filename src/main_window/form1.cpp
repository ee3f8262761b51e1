#include "main_window/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QMenuBar>

#include "artwork/artwork.h"
#include "layer_tools/animation_viewer.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/filter_rotate.h"
#include "layer_tools/ghosting.h"
#include "layer_tools/quarter_tiles.h"
#include "layer_tools/rgb_bright.h"
#include "pixel_editor/pixel_editor.h"
#include "platform/controls.h"
#include "platform/end_signals.h"
#include "platform/environment.h"
#include "platform/file_list.h"
#include "platform/menu_bar.h"
#include "platform/picture_buffer.h"
#include "platform/program_end.h"
#include "platform/secondary_window.h"
#include "platform/style.h"
#include "platform/tab_control.h"
#include "texture_set/bins.h"
#include "texture_set/layers.h"
#include "texture_set/selector_chooser.h"
#include "windows/about_window.h"
#include "windows/filter_help_window.h"
#include "windows/read_me_window.h"
#include "windows/splash_window.h"
#include "windows/tile_window.h"
#include "windows/tip_of_day.h"

namespace {

struct ToolDef {
    int left;
    const char* tooltip;
    const char* item;
};

// The toolbar: left edge within Frame1, tooltip, and the menu item it runs.
// The gaps group the buttons: the seven tabs, the two bin copies, import and
// export, load and save, help.
constexpr std::array<ToolDef, Form1::kToolCount> kTools{{
    {21, "Pixel Edit", "pixeledit"},
    {49, "Color Key", "colorkey"},
    {77, "RGB Edit", "rgbedit"},
    {105, "Alpha Ghosting", "ghost"},
    {133, "Reduce to 1/4 Tiles", "smalltiles"},
    {161, "Rotate / Filter", "filter"},
    {189, "Animation Viewer", "animview"},
    {245, "Set Right bin to Left", "setrighttoleft"},
    {273, "Set Left bin to Right", "lefttoright"},
    {308, "Import BMP", "imprtlayer"},
    {336, "Export BMP", "exbit"},
    {371, "Load", "loadtexset"},
    {399, "Save", "savetexset"},
    {441, "Help", "readme"},
}};

constexpr int kToolTop = 105;

} // namespace

Form1::Form1(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Glimmerdeck - Version 1.8"));
    setWindowIcon(QIcon(QPixmap::fromImage(artwork::AppIcon())));
    openTipOfDay = [this] { frmTip::Open(tipWindow, this); };

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    SetBackColor(client, style::kNavy);
    setCentralWidget(client);

    // The panel from the left bin's right edge to the window's right edge.
    Frame1 = new QFrame(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::NoFrame);
    Frame1->setGeometry(256, 0, 771, 708);
    SetBackColor(Frame1, style::kPageGrey);

    Shape16 = new QFrame(Frame1);
    Shape16->setObjectName(QStringLiteral("Shape16"));
    Shape16->setFrameShape(QFrame::NoFrame);
    Shape16->setGeometry(203, 0, 85, 15);
    SetBackColor(Shape16, style::kNavy);

    buildToolbar();

    SSTab1 = new TabControl(Frame1, QStringLiteral("SSTab1"),
                            {QStringLiteral("Pixel Editing"), QStringLiteral("Color Keying"),
                             QStringLiteral("RGB/Bright"), QStringLiteral("Ghosting"), QStringLiteral("1/4 Tiles"),
                             QStringLiteral("Filter / Rotate"), QStringLiteral("Animation viewer")},
                            ToQColor(style::kPageGrey));
    SSTab1->setGeometry(7, 133, 477, 568);

    layers = std::make_unique<Layers>(client);
    bins = std::make_unique<TextureBins>(client, Frame1, *layers, dialogs_);
    pixelEditor = std::make_unique<PixelEditor>(SSTab1->page(0), *layers);
    colorKeying = std::make_unique<ColorKeying>(SSTab1->page(1), *layers);
    rgbBright = std::make_unique<RgbBright>(SSTab1->page(2), *layers);
    ghosting = std::make_unique<Ghosting>(SSTab1->page(3), *layers);
    quarterTiles = std::make_unique<QuarterTiles>(SSTab1->page(4), *layers);
    filterRotate = std::make_unique<FilterRotate>(SSTab1->page(5), *layers, dialogs_);
    animationViewer = std::make_unique<AnimationViewer>(SSTab1->page(6), *layers);
    File1 = filterRotate->File1;
    // How the units meet: a replaced layer is copied into its mirrors on the
    // Color Keying and Ghosting tabs, in this order, and each mirror's own
    // handler runs before the next copy: Ckey1 and Ckey3 update the colour-key
    // picker, Picture9 and Picture10 recompute the ghost blend.
    layers->SetMirrors({colorKeying->Ckey1, ghosting->Picture9},
                       {colorKeying->Ckey2, colorKeying->Ckey3, ghosting->Picture10});

    setMenuBar(new MenuBar(this));
    buildMenus();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

Form1::~Form1() = default;

void Form1::buildToolbar()
{
    Image13 = new PictureBuffer(Frame1, PictureKind::Image, QStringLiteral("Image13"),
                                1, kToolTop, 13, 26, style::kPageGrey);
    Image13->setPicture(artwork::ToolbarBarEnd(true));
    Image9 = new PictureBuffer(Frame1, PictureKind::Image, QStringLiteral("Image9"),
                               14, kToolTop, 465, 26, style::kPageGrey);
    Image9->setPicture(artwork::ToolbarBarStrip().scaled(465, 26));
    Image14 = new PictureBuffer(Frame1, PictureKind::Image, QStringLiteral("Image14"),
                                476, kToolTop, 13, 26, style::kPageGrey);
    Image14->setPicture(artwork::ToolbarBarEnd(false));

    for (int i = 0; i < kToolCount; ++i) {
        const ToolDef& t = kTools[static_cast<size_t>(i)];
        auto* b = new PictureBuffer(Frame1, PictureKind::Image, QStringLiteral("ToolPick(%1)").arg(i),
                                    t.left, kToolTop, 26, 26, style::kPageGrey);
        b->setPicture(artwork::ToolbarIcon(i));
        b->setToolTip(QString::fromLatin1(t.tooltip));
        b->setCursor(Qt::PointingHandCursor);
        b->onClick = [this, i] { ToolPick_Click(i); };
        b->onMouseMove = [this, i](int Button, int Shift, float X, float Y) { ToolPick_MouseMove(i, Button, Shift, X, Y); };
        ToolPick[static_cast<size_t>(i)] = b;
    }

    Image10 = new PictureBuffer(Frame1, PictureKind::Image, QStringLiteral("Image10"), 21, 98, 22, 9, style::kPageGrey);
    Image10->setPicture(artwork::ToolbarMarker());
}

QAction* Form1::addItem(QMenu* menu, const char* name, const char* caption, void (Form1::*handler)())
{
    QAction* a = menu->addAction(QString::fromLatin1(caption));
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return a;
}

void Form1::buildMenus()
{
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File"));
    addItem(file, "savetexset", "Save Texture Set", &Form1::savetexset_Click);
    addItem(file, "loadtexset", "Load Texture Set", &Form1::loadtexset_Click);
    addItem(file, "quit", "Quit", &Form1::quit_Click);

    QMenu* bin = bar->addMenu(QStringLiteral("Bin"));
    bin->setObjectName(QStringLiteral("bin"));
    addItem(bin, "lefttoright", "Set Left bin to Right", &Form1::lefttoright_Click);
    addItem(bin, "setrighttoleft", "Set Right bin to Left", &Form1::setrighttoleft_Click);
    QMenu* flip = bin->addMenu(QStringLiteral("Flip"));
    flip->setObjectName(QStringLiteral("flip"));
    flip->menuAction()->setObjectName(QStringLiteral("flip"));
    addItem(flip, "leftbin", "Left Bin", &Form1::leftbin_Click);
    addItem(flip, "rightbin", "Right Bin", &Form1::rightbin_Click);

    QMenu* adjust = bar->addMenu(QStringLiteral("Texture"));
    adjust->setObjectName(QStringLiteral("adjust"));
    addItem(adjust, "pixeledit", "Pixel Edit", &Form1::pixeledit_Click);
    addItem(adjust, "colorkey", "Color Key", &Form1::colorkey_Click);
    addItem(adjust, "rgbedit", "Adjust RGB values", &Form1::rgbedit_Click);
    addItem(adjust, "ghost", "Alpha ghosting", &Form1::ghost_Click);
    addItem(adjust, "smalltiles", "1/4 Size tiles", &Form1::smalltiles_Click);
    addItem(adjust, "filter", "Filter / Rotate", &Form1::filter_Click);
    addItem(adjust, "animview", "Animation viewer", &Form1::animview_Click);
    addItem(adjust, "imprtlayer", "Import a tile to a layer", &Form1::imprtlayer_Click);
    addItem(adjust, "exbit", "Export a tile to a bitmap", &Form1::exbit_Click);

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("help"));
    addItem(help, "about", "About", &Form1::about_Click);
    addItem(help, "splash", "Splash", &Form1::splash_Click);
    addItem(help, "readme", "Read Me", &Form1::readme_Click);
    QMenu* plugins = help->addMenu(QStringLiteral("Filters"));
    plugins->setObjectName(QStringLiteral("plugins"));
    plugins->menuAction()->setObjectName(QStringLiteral("plugins"));
    addItem(plugins, "createplugin", "How do I create a filter?", &Form1::createplugin_Click);
    addItem(plugins, "wheremorefilters", "Where can I find more filters?", &Form1::wheremorefilters_Click);
    addItem(help, "chsselect", "Choose Selector", &Form1::chsselect_Click);
}

QAction* Form1::menuItem(const QString& name) const
{
    for (QAction* a : findChildren<QAction*>())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

QString Form1::ToolPickItem(int Index)
{
    if (Index < 0 || Index >= kToolCount)
        return {};
    return QString::fromLatin1(kTools[static_cast<size_t>(Index)].item);
}

void Form1::Form_Load()
{
    pixelEditor->SelectMode = false;
    show();
    pixelEditor->DrawEnabled = true;
    bins->SetCustomSetHeight(0);
    if (!File1->setPath(QDir(ProgramFolder::Path()).filePath(QStringLiteral("Filters")))) {
        dialogs_.MsgBox(QStringLiteral("Cannot locate 'Filters' folder... filter function will not operate."),
                        MsgButtons::OK);
        return;
    }
    if (openTipOfDay)
        openTipOfDay();
}

void Form1::Form_Unload() { EndProgram(); }

void Form1::CloseOnEndSignals()
{
    endSignals_.reset(); // one watcher at a time
    endSignals_ = std::make_unique<EndSignals>([this] { close(); });
}

void Form1::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

void Form1::quit_Click()
{
    if (dialogs_.MsgBox(QStringLiteral("Are you sure you want to quit?"), MsgButtons::YesNo,
                        QStringLiteral("Glimmerdeck")) == MsgAnswer::Yes)
        close();
}

void Form1::selectTab(int i) { SSTab1->setTab(i); }

void Form1::pixeledit_Click() { selectTab(0); }
void Form1::colorkey_Click() { selectTab(1); }
void Form1::rgbedit_Click() { selectTab(2); }
void Form1::ghost_Click() { selectTab(3); }
void Form1::smalltiles_Click() { selectTab(4); }
void Form1::filter_Click() { selectTab(5); }
void Form1::animview_Click() { selectTab(6); }

void Form1::loadtexset_Click() { bins->loadtexset_Click(); }

void Form1::savetexset_Click() { bins->savetexset_Click(); }
void Form1::lefttoright_Click() { bins->lefttoright_Click(); }
void Form1::setrighttoleft_Click() { bins->setrighttoleft_Click(); }
void Form1::leftbin_Click() { bins->leftbin_Click(); }
void Form1::rightbin_Click() { bins->rightbin_Click(); }

// The secondary windows: each exists once; opening an open one brings it forward.
void Form1::imprtlayer_Click() { Form5::Open(form5, QStringLiteral("Import Tile"), *layers, dialogs_, this); }
void Form1::exbit_Click() { Form5::Open(form5, QStringLiteral("Export Tile"), *layers, dialogs_, this); }
void Form1::about_Click() { Form3::Open(form3, this); }
void Form1::splash_Click() { frmSplash::Open(splashWindow, this); }
void Form1::readme_Click() { Form4::Open(form4, this); }
void Form1::createplugin_Click() { Form8::Open(form8, this); }
void Form1::wheremorefilters_Click() { dialogs_.MsgBox(MoreFiltersMessage(), MsgButtons::OK); }

void Form1::ToolPick_Click(int Index)
{
    if (QAction* a = menuItem(ToolPickItem(Index)))
        a->trigger();
}

void Form1::ToolPick_MouseMove(int Index, int, int, float, float)
{
    Image10->setLeft(ToolPick[static_cast<size_t>(Index)]->Left());
}

void Form1::chsselect_Click()
{
    // Showing it again while it is open only brings it forward.
    OpenOnce(form7, [this] { return new Form7(*bins->square, this); });
}

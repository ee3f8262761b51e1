#include "windows/tile_window.h"

#include <QDir>
#include <QFileInfo>

#include "artwork/windows_art.h"
#include "system/files.h"
#include "core/picture_files.h"
#include "core/tile_file.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/dir_list.h"
#include "platform/file_list.h"
#include "platform/picture_buffer.h"
#include "platform/style.h"
#include "texture_set/layers.h"

namespace {
const QString kImportMode = QStringLiteral("Import Tile");
constexpr int kTile = tile_file::kTileSide;
} // namespace

Form5::Form5(Layers& layers, Dialogs& dialogs, QWidget* parent)
    : SecondaryWindow(parent, QStringLiteral("Form5"), {kClientWidth, kClientHeight}, Frame::Tool), layers_(layers),
      dialogs_(dialogs)
{
    setWindowIcon(QIcon(QPixmap::fromImage(artwork::TileWindowIcon())));

    Dir1 = new DirListBox(this, QStringLiteral("Dir1"), QRect(7, 7, 253, 186), QDir::currentPath());
    File1 = new FileListBox(this, QStringLiteral("File1"), QStringLiteral("*.*"));
    File1->setGeometry(266, 7, 176, 188);
    Text1 = new TextBox(this, QStringLiteral("Text1"), QRect(7, 203, 435, 22), QStringLiteral("Texture.bmp"));
    Label1 = new Label(this, QStringLiteral("Label1"), QRect(161, 238, 64, 15), QStringLiteral("Layer:"),
                       Qt::AlignHCenter | Qt::AlignTop);
    Command3 = new CommandButton(this, QStringLiteral("Command3"), QRect(161, 259, 64, 36), QStringLiteral("A"));
    Picture1 = new PictureBuffer(this, PictureKind::Box, QStringLiteral("Picture1"),
                                 238, 231, kTile, kTile, style::kNavy);
    Command1 = new CommandButton(this, QStringLiteral("Command1"), QRect(343, 231, 99, 29), QStringLiteral("Save"));
    Command2 = new CommandButton(this, QStringLiteral("Command2"), QRect(343, 266, 99, 29), QStringLiteral("Cancel"));

    // Keyboard order: folders, name, Save, Cancel, layer, files.
    Dir1->setFocusPolicy(Qt::StrongFocus);
    File1->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(Dir1, Text1);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, File1);

    Dir1->onChange = [this] { Dir1_Change(); };
    // A selection by mouse or keyboard names the file; merely focusing the
    // list selects nothing.
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!File1->selectedItems().isEmpty())
            File1_Click();
    });
    // A click on the file already selected names it again (after the name box
    // was typed over, say).
    connect(File1, &QListWidget::itemClicked, this, [this] { File1_Click(); });
    Command3->onClick = [this] { Command3_Click(); };
    Command1->onClick = [this] { Command1_Click(); };
    Command2->onClick = [this] { Command2_Click(); };

    File1->setPath(Dir1->Path());
}

Form5* Form5::Open(QPointer<Form5>& window, const QString& mode, Layers& layers, Dialogs& dialogs, QWidget* parent)
{
    Form5* open = OpenOnce(window, [&] {
        auto* made = new Form5(layers, dialogs, parent);
        made->setCaption(mode); // its load step reads the mode
        made->Form_Load();
        return made;
    });
    open->setCaption(mode);
    return open;
}

QString Form5::FileName() const { return tile_file::JoinName(Dir1->Path(), Text1->Text()); }

void Form5::Form_Load()
{
    Picture1->setPicture(layers_.Image1->Image());
    if (Caption() == kImportMode)
        Picture1->setVisibleFlag(false);
}

void Form5::Dir1_Change()
{
    // A folder that cannot be listed shows no files rather than another
    // folder's files.
    if (!File1->setPath(Dir1->Path()))
        File1->clear();
}

void Form5::File1_Click()
{
    const QString name = File1->FileName();
    if (!name.isEmpty())
        Text1->setTextValue(name);
}

void Form5::Command3_Click()
{
    if (Command3->Caption() == QLatin1String("A")) {
        Command3->setCaption(QStringLiteral("B"));
        Picture1->setPicture(layers_.Image2->Image());
    } else {
        Command3->setCaption(QStringLiteral("A"));
        Picture1->setPicture(layers_.Image1->Image());
    }
}

void Form5::Command1_Click()
{
    const bool done = Caption() == kImportMode ? Import() : Export();
    if (done)
        close();
}

void Form5::Command2_Click() { close(); }

bool Form5::Import()
{
    // With no folder shown (the working folder was removed, say) the name
    // would lead to a place the user never saw.
    if (Dir1->Path().isEmpty()) {
        dialogs_.MsgBox(QStringLiteral("The tile was not imported: no folder is shown to import it from."),
                        MsgButtons::OK);
        return false;
    }
    const tile_file::ImportResult r = tile_file::ReadTilePicture(FileName());
    if (!r.picture) {
        dialogs_.MsgBox(r.error, MsgButtons::OK);
        return false;
    }
    // A whole-image assignment: the layer's mirrors follow at once.
    PictureBuffer* layer = Command3->Caption() == QLatin1String("B") ? layers_.Image2 : layers_.Image1;
    layer->setPicture(*r.picture);
    return true;
}

bool Form5::Export()
{
    if (Dir1->Path().isEmpty()) {
        dialogs_.MsgBox(QStringLiteral("The tile was not saved: no folder is shown to save it in."), MsgButtons::OK);
        return false;
    }
    const QString name = tile_file::ExportName(Text1->Text());
    if (name != Text1->Text())
        Text1->setTextValue(name);
    const QString path = FileName();
    // The file the system finds, not the text with ".." taken out: through
    // a linked folder, "far/../x.bmp" is another file.
    QString shown = ShownPath(path);
    if (QFileInfo(path).isDir()) {
        dialogs_.MsgBox(QStringLiteral("The tile was not saved: \"%1\" is a folder.").arg(shown), MsgButtons::OK);
        return false;
    }
    // Written to a temporary file and then put in place, so a failed write
    // leaves an existing file as it was.
    QString why;
    if (!SavePicture(Picture1->Image(), path, &why, &shown)) {
        dialogs_.MsgBox(QStringLiteral("The tile was not saved: the file \"%1\" could not be written: %2.").arg(shown, why),
                        MsgButtons::OK);
        return false;
    }
    dialogs_.MsgBox(QStringLiteral("Single texture tile saved successfully!"), MsgButtons::OK);
    return true;
}

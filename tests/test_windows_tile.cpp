// The tile window: importing a picture file into a layer, exporting a layer
// snapshot to a bitmap file, and the folder list it browses with.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "system/files.h"
#include "core/picture_files.h"
#include "core/tile_file.h"
#include "harness.h"
#include "layer_tools/color_keying.h"
#include "layer_tools/ghosting.h"
#include "platform/controls.h"
#include "platform/dir_list.h"
#include "platform/file_list.h"
#include "texture_set/layers.h"
#include "windows/tile_window.h"

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A bitmap header that claims a huge picture, with no pixels behind it.
QByteArray HugeBitmapHeader(qint32 w, qint32 h)
{
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("BM", 2);
    s << quint32(54 + 16) << quint16(0) << quint16(0) << quint32(54);
    s << quint32(40) << w << h << quint16(1) << quint16(24) << quint32(0) << quint32(0) << qint32(2835)
      << qint32(2835) << quint32(0) << quint32(0);
    b.append(16, '\0');
    return b;
}

// A left click in the middle of a widget, pressed and released.
void Click(QWidget* widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

bool SameTile(const PictureBuffer* buf, const QImage& expected)
{
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (buf->GetPixel(x, y) != PictureBuffer::FromQRgb(expected.pixel(x, y)))
                return false;
    return true;
}

struct TileWindow : FormFixture {
    QTemporaryDir files;
    Layers* layers = nullptr;
    QImage startA, startB;

    void SetUp() override
    {
        FormFixture::SetUp();
        layers = form->layers.get();
        layers->Image1->setPicture(PatternImage(64, 64, 11));
        layers->Image2->setPicture(PatternImage(64, 64, 77));
        startA = layers->Image1->Image();
        startB = layers->Image2->Image();
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QString path(const QString& name) const { return QDir(files.path()).filePath(name); }

    // Opens the window in a mode, browsing the test's folder, with a name.
    Form5* Open(bool import, const QString& name)
    {
        import ? form->imprtlayer_Click() : form->exbit_Click();
        Form5* w = form->form5;
        EXPECT_NE(w, nullptr);
        EXPECT_TRUE(w->Dir1->setPath(files.path()));
        w->Text1->setTextValue(name);
        return w;
    }
    // The message boxes shown so far.
    QStringList Messages() const
    {
        QStringList m;
        for (const auto& s : dialogs.shown)
            m << s.text;
        return m;
    }
};

} // namespace

TEST_F(TileWindow, ImportIntoBReplacesOnlyLayerBRunsItsMirrorsAndCloses)
{
    const QImage tile = PatternImage(64, 64, 200);
    ASSERT_TRUE(SavePicture(tile, path("grass.bmp")));
    Form5* w = Open(true, "grass.bmp");
    EXPECT_EQ(w->windowTitle(), "Import Tile");
    EXPECT_FALSE(w->Picture1->Visible());
    w->Command3_Click();
    EXPECT_EQ(w->Command3->Caption(), "B");
    w->Command1_Click();

    EXPECT_TRUE(SameTile(layers->Image2, tile));
    EXPECT_TRUE(SameTile(form->colorKeying->Ckey2, tile));
    EXPECT_TRUE(SameTile(form->colorKeying->Ckey3, tile));
    EXPECT_TRUE(SameTile(form->ghosting->Picture10, tile));
    EXPECT_TRUE(SameTile(layers->Image1, startA));
    EXPECT_TRUE(SameTile(form->ghosting->Picture9, startA));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TileWindow, ImportIntoAReadsOtherPictureFormatsUnderAnyName)
{
    const QImage tile = PatternImage(64, 64, 5);
    ASSERT_TRUE(tile.save(path("stone.png"), "PNG"));
    ASSERT_TRUE(QFile::rename(path("stone.png"), path("stone.dat")));
    Form5* w = Open(true, "stone.dat");
    w->Command1_Click();
    EXPECT_TRUE(SameTile(layers->Image1, tile));
    EXPECT_TRUE(SameTile(form->colorKeying->Ckey1, tile));
    EXPECT_TRUE(SameTile(form->ghosting->Picture9, tile));
    EXPECT_TRUE(SameTile(layers->Image2, startB));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TileWindow, PicturesOfOtherSizesFillTheLayerFromItsTopLeft)
{
    // A small picture: the rest of the layer shows its navy background.
    ASSERT_TRUE(SavePicture(SolidImage(10, 7, 0x0000FF00), path("small.bmp")));
    Open(true, "small.bmp")->Command1_Click();
    EXPECT_EQ(layers->Image1->GetPixel(9, 6), 0x0000FF00);
    EXPECT_EQ(layers->Image1->GetPixel(10, 6), 0x00800000);
    EXPECT_EQ(layers->Image1->GetPixel(63, 63), 0x00800000);
    EXPECT_EQ(layers->Image1->Width(), 64);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // A large picture: its top-left tile, and no more of it is kept.
    const QImage big = PatternImage(1000, 700, 3);
    ASSERT_TRUE(big.save(path("big.png"), "PNG"));
    Open(true, "big.png")->Command1_Click();
    EXPECT_TRUE(SameTile(layers->Image1, big));
    EXPECT_EQ(layers->Image1->Image().size(), QSize(64, 64));
    EXPECT_LE(layers->Image1->Picture().width(), 64);
    EXPECT_LE(layers->Image1->Picture().height(), 64);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Any picture within the 8192 x 8192 pixel cap, beyond Qt's own default limit.
    WriteBytes(path("huge.png"), SolidPng(6000, 6000, 0x00336699));
    Open(true, "huge.png")->Command1_Click();
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join('\n').toStdString();
    EXPECT_TRUE(SameTile(layers->Image1, SolidImage(64, 64, 0x00336699)));
}

TEST_F(TileWindow, FilesThatGiveNoPictureLeaveTheLayersAndKeepTheWindowOpen)
{
    WriteBytes(path("empty.bmp"), {});
    WriteBytes(path("notes.txt"), "not a picture at all\n");
    WriteBytes(path("torn.bmp"), HugeBitmapHeader(64, 64).left(20));
    WriteBytes(path("huge.bmp"), HugeBitmapHeader(10000, 10000));
    QDir(files.path()).mkdir("folder.bmp");
    ASSERT_EQ(mkfifo(path("pipe.bmp").toLocal8Bit().constData(), 0600), 0);
    QByteArray noise(1 << 20, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((unsigned(i) * 7919u) >> 3);
    WriteBytes(path("noise.bmp"), noise);
    WriteShortPictures(files.path());

    const QStringList names{"missing.bmp", "",          "empty.bmp", "notes.txt", "torn.bmp",  "huge.bmp",
                            "folder.bmp",  "pipe.bmp", "noise.bmp", "short.bmp", "short.png", "short.jpg"};
    for (const QString& name : names) {
        dialogs.shown.clear();
        Form5* w = Open(true, name);
        w->Command3_Click(); // into B
        w->Command1_Click();
        EXPECT_TRUE(SameTile(layers->Image2, startB)) << name.toStdString();
        EXPECT_TRUE(SameTile(form->ghosting->Picture10, startB)) << name.toStdString();
        EXPECT_TRUE(w->isVisible()) << name.toStdString();
        ASSERT_EQ(dialogs.shown.size(), 1u) << name.toStdString();
        EXPECT_TRUE(dialogs.shown[0].text.startsWith("The tile was not imported")) << name.toStdString();
        w->Command2_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Refused for its size before any decoding, and said so.
    const auto huge = tile_file::ReadTilePicture(path("huge.bmp"));
    EXPECT_FALSE(huge.picture);
    EXPECT_TRUE(huge.error.contains("too large")) << huge.error.toStdString();
}

TEST_F(TileWindow, UnreadableFileIsReportedAndChangesNothing)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
    ASSERT_TRUE(SavePicture(PatternImage(64, 64, 1), path("locked.bmp")));
    ASSERT_EQ(chmod(path("locked.bmp").toLocal8Bit().constData(), 0), 0);
    Form5* w = Open(true, "locked.bmp");
    w->Command1_Click();
    EXPECT_TRUE(SameTile(layers->Image1, startA));
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains("could not be opened"));
}

TEST_F(TileWindow, ExportForcesACaseSensitiveBmpEndingAndWritesLayerA)
{
    struct Case {
        const char* typed;
        const char* written;
    };
    for (const Case c : {Case{"tile", "tile.bmp"}, Case{"tile.BMP", "tile.BMP.bmp"}, Case{"done.bmp", "done.bmp"},
                         Case{"", ".bmp"}}) {
        dialogs.shown.clear();
        Form5* w = Open(false, c.typed);
        w->Command1_Click();
        EXPECT_EQ(w->Text1->Text(), c.written);
        const auto back = LoadPicture(path(c.written));
        ASSERT_TRUE(back) << c.written;
        EXPECT_EQ(back->size(), QSize(64, 64));
        EXPECT_EQ(*back, startA.convertToFormat(QImage::Format_RGB32)) << c.written;
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "Single texture tile saved successfully!");
        EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::OK);
        EXPECT_EQ(dialogs.shown[0].title, "Glimmerdeck");
        EXPECT_FALSE(w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_FALSE(QFileInfo::exists(path("tile.BMP")));
    EXPECT_FALSE(QFileInfo::exists(path("done.bmp.bmp")));
}

TEST_F(TileWindow, ExportOverwritesWithoutAQuestionAndWritesTheSnapshotNotTheLiveLayer)
{
    WriteBytes(path("old.bmp"), "an older file");
    Form5* w = Open(false, "old.bmp");
    layers->Image1->setPicture(SolidImage(64, 64, 0x000000FF)); // after the window opened
    w->Command1_Click();
    auto back = LoadPicture(path("old.bmp"));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, startA.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(dialogs.shown.size(), 1u);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The layer toggle takes fresh snapshots: B, then A as it is now.
    w = Open(false, "fresh.bmp");
    w->Command3_Click();
    EXPECT_TRUE(SameTile(w->Picture1, startB));
    w->Command3_Click();
    EXPECT_EQ(w->Command3->Caption(), "A");
    w->Command1_Click();
    back = LoadPicture(path("fresh.bmp"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixel(10, 10), qRgb(255, 0, 0));
}

TEST_F(TileWindow, FailedExportKeepsTheWindowOpenWithTheEndingAddedAndLosesNothing)
{
    QDir(files.path()).mkdir("shelf.bmp");
    WriteBytes(path("shelf.bmp/inside.txt"), "keep me");
    Form5* w = Open(false, "shelf");
    w->Command1_Click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Text1->Text(), "shelf.bmp");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("The tile was not saved"));
    EXPECT_EQ(ReadBytes(path("shelf.bmp/inside.txt")), "keep me");

    // A disk that refuses the last bytes of the tile (12,342 in all), and a
    // pipe: no success, the older file whole, the pipe still a pipe. Devices
    // are refused by the same check (never written in a test: as root a
    // fault would replace the device).
    WriteBytes(path("keep.bmp"), "older tile");
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe.bmp")).constData(), 0600), 0);
    for (auto [name, cause] : {std::pair{"keep.bmp", "larger than the system allows"}, {"pipe.bmp", "not a regular file"}}) {
        dialogs.shown.clear();
        w->Text1->setTextValue(name);
        {
            const FileSizeLimit disk(12342 - 10);
            w->Command1_Click();
        }
        EXPECT_TRUE(w->isVisible());
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(dialogs.shown[0].text.startsWith("The tile was not saved") && dialogs.shown[0].text.contains(cause))
            << dialogs.shown[0].text.toStdString();
    }
    EXPECT_EQ(ReadBytes(path("keep.bmp")), "older tile");
    struct stat st {};
    EXPECT_TRUE(stat(QFile::encodeName(path("pipe.bmp")).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_FALSE(FileReplacement("/dev/null").ok());
    EXPECT_EQ(QDir(files.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"keep.bmp", "pipe.bmp", "shelf.bmp"}));

    // The message names the file the system looked for: through a linked
    // folder, ".." leads beside the folder the link leads to.
    dialogs.shown.clear();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir(elsewhere.path()).mkdir("deep") && QFile::link(elsewhere.path() + "/deep", path("far")));
    w->Text1->setTextValue("far/../no/such/folder/tile");
    w->Command1_Click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Text1->Text(), "far/../no/such/folder/tile.bmp");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "The tile was not saved: the file \"" + elsewhere.path() +
                                         "/no/such/folder/tile.bmp\" could not be written: no such folder.");
    w->Command2_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // When the working folder is gone the window shows no folder, and neither
    // way guesses one.
    const QString here = QDir::currentPath();
    QString name;
    {
        QTemporaryDir gone;
        ASSERT_TRUE(QDir::setCurrent(gone.path()));
        name = QFileInfo(gone.path()).fileName(); // a name no other file has
    }
    for (bool import : {false, true}) {
        dialogs.shown.clear();
        import ? form->imprtlayer_Click() : form->exbit_Click();
        w = form->form5;
        EXPECT_EQ(w->Dir1->ListCount(), 0);
        w->Text1->setTextValue(name);
        Click(w->Command1);
        EXPECT_TRUE(w->isVisible());
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(dialogs.shown[0].text.contains("no folder is shown")) << dialogs.shown[0].text.toStdString();
        w->Command2_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QDir::setCurrent(here);
    EXPECT_FALSE(QFile::exists("/" + name + ".bmp"));
    EXPECT_TRUE(SameTile(layers->Image1, startA));
}

TEST_F(TileWindow, OneWindowServesBothModesAndClosingDiscardsItsState)
{
    form->imprtlayer_Click();
    QPointer<Form5> first = form->form5;
    ASSERT_TRUE(first);
    EXPECT_EQ(first->size(), QSize(449, 301));
    EXPECT_EQ(first->Text1->Text(), "Texture.bmp");
    EXPECT_EQ(first->Command3->Caption(), "A");
    EXPECT_EQ(first->Dir1->Path(), QDir::cleanPath(QDir::currentPath()));
    first->Command3_Click();
    first->Text1->setTextValue("mine.bmp");

    // Export while open: the caption changes, nothing else does.
    form->ToolPick_Click(10);
    EXPECT_EQ(form->form5, first);
    EXPECT_EQ(first->windowTitle(), "Export Tile");
    EXPECT_FALSE(first->Picture1->Visible());
    EXPECT_EQ(first->Command3->Caption(), "B");
    EXPECT_EQ(first->Text1->Text(), "mine.bmp");

    first->Command2_Click();
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(SameTile(layers->Image1, startA));
    EXPECT_TRUE(SameTile(layers->Image2, startB));

    // Opened again, even before the old one is deleted: a fresh window.
    form->exbit_Click();
    Form5* second = form->form5;
    EXPECT_NE(second, first.data());
    EXPECT_TRUE(second->Picture1->Visible());
    EXPECT_EQ(second->Command3->Caption(), "A");
    EXPECT_EQ(second->Text1->Text(), "Texture.bmp");
    EXPECT_TRUE(SameTile(second->Picture1, startA));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);
    EXPECT_TRUE(form->form5);
}

TEST_F(TileWindow, FoldersAndFilesChooseTheNameThatIsUsed)
{
    QDir(files.path()).mkpath("sub/deeper");
    WriteBytes(path("top.bmp"), "x");
    WriteBytes(path("sub/inner.bmp"), "x");
    Form5* w = Open(true, "Texture.bmp");
    ASSERT_EQ(w->File1->ListCount(), 1);
    EXPECT_EQ(w->File1->item(0)->text(), "top.bmp");

    // Moving into a folder lists its files; picking one names it, typing wins.
    ASSERT_TRUE(w->Dir1->setPath(path("sub")));
    ASSERT_EQ(w->File1->ListCount(), 1);
    w->File1->setCurrentRow(0);
    EXPECT_EQ(w->Text1->Text(), "inner.bmp");
    EXPECT_EQ(w->FileName(), path("sub/inner.bmp"));
    w->Text1->setTextValue("typed.bmp");
    EXPECT_EQ(w->FileName(), path("sub/typed.bmp"));
    // Clicking the file that is still selected names it again.
    emit w->File1->itemClicked(w->File1->item(0));
    EXPECT_EQ(w->Text1->Text(), "inner.bmp");

    // The root folder already ends with its separator.
    EXPECT_EQ(tile_file::JoinName("/", "a.bmp"), "/a.bmp");
    EXPECT_EQ(tile_file::JoinName("/tmp", "a.bmp"), "/tmp/a.bmp");
}

TEST(FolderList, ShowsTheChainToTheFolderThenItsSubfoldersAndMovesOnActivation)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("b-second");
    QDir(dir.path()).mkpath("A-first/inner");
    const QString base = QDir::cleanPath(dir.path());
    DirListBox list(nullptr, "Dir1", QRect(0, 0, 200, 200), base);
    int changes = 0;
    list.onChange = [&] { ++changes; };

    EXPECT_EQ(list.Path(), base);
    const int here = list.CurrentFolderRow();
    EXPECT_EQ(list.List(0), "/");
    EXPECT_EQ(list.List(here), base);
    EXPECT_EQ(list.List(here - 1), QFileInfo(base).path());
    ASSERT_EQ(list.ListCount(), here + 3);
    EXPECT_EQ(list.List(here + 1), base + "/A-first"); // sorted ignoring case
    EXPECT_EQ(list.List(here + 2), base + "/b-second");

    // Activating an entry moves there once the click has been handled.
    emit list.itemActivated(list.item(here + 1));
    EXPECT_EQ(changes, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.Path(), base + "/A-first");
    EXPECT_EQ(list.List(list.CurrentFolderRow() + 1), base + "/A-first/inner");

    // Missing folders and files are refused; the same folder raises nothing.
    EXPECT_FALSE(list.setPath(base + "/nowhere"));
    EXPECT_FALSE(list.setPath(""));
    EXPECT_TRUE(list.setPath(base + "/A-first/"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.Path(), base + "/A-first");
    EXPECT_TRUE(list.setPath("/"));
    EXPECT_EQ(list.Path(), "/");
    EXPECT_EQ(list.CurrentFolderRow(), 0);
}

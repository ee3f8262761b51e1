// Saving the Custom Texture Set, flipping and copying the bins, and the
// selector chooser.
#include <csignal>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <tuple>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QScopeGuard>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "artwork/artwork.h"
#include "system/files.h"
#include "core/targa.h"
#include "harness.h"
#include "texture_set/bins.h"
#include "texture_set/layers.h"
#include "texture_set/progress_windows.h"
#include "texture_set/selector_chooser.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The 3 bytes (blue, green, red) of a Colour as the file stores them.
QByteArray Bgr(Colour c)
{
    const RgbParts p = SplitColor(c);
    const char bytes[3] = {char(p.blue), char(p.green), char(p.red)};
    return QByteArray(bytes, 3);
}

struct CustomSet : FormFixture {
    TextureBins* bins = nullptr;
    Layers* layers = nullptr;

    void SetUp() override
    {
        FormFixture::SetUp();
        bins = form->bins.get();
        layers = form->layers.get();
        layers->Image1->setPicture(PatternImage(64, 64, 1));
        layers->Image2->setPicture(PatternImage(64, 64, 99));
    }
    QString path(const QString& name) const { return folder.file(name); }
    // A press on the right bin with the left (1) or right (2) button.
    void Stamp(int button, int col, int row) { bins->Picture2_MouseDown(button, 0, col * 64 + 5.f, row * 64 + 5.f); }
    // Loads a picture into the left bin as a Targa load would.
    void LoadLeft(const QImage& img)
    {
        bins->Picture1->setHeight(img.height());
        bins->Picture1->setWidth(img.width());
        bins->Picture1->DrawPixels(img);
        bins->BackupPic->setHeight(img.height());
        bins->BackupPic->setWidth(img.width());
        bins->BackupPic->setPicture(bins->Picture1->Image());
    }
    // Whether a left press on the left bin still picks (the bins respond).
    bool BinsRespond()
    {
        layers->Image1->setPicture(SolidImage(64, 64, 0x00010101));
        bins->Picture1_MouseDown(1, 0, 5, 5);
        return layers->Image1->GetPixel(0, 0) != 0x00010101;
    }
};

} // namespace

TEST_F(CustomSet, SavedFileHoldsTheHeaderAndTheUsedRowsBottomUp)
{
    Stamp(1, 0, 0);
    ASSERT_EQ(bins->CustomSetHeight(), 64);
    dialogs.saveAnswers = {path("one")};
    qint64 sizeWhenReported = -1;
    dialogs.whileShown = [&](const ScriptedDialogs::Shown&) { sizeWhenReported = QFileInfo(path("one.tga")).size(); };
    bins->savetexset_Click();

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Custom Texture Set successfully saved!");
    EXPECT_EQ(sizeWhenReported, 49170); // complete and closed before the message
    const QByteArray bytes = ReadAll(path("one.tga"));
    ASSERT_EQ(bytes.size(), 49170);
    EXPECT_EQ(bytes.left(18).toHex(' '), "00 00 02 00 00 00 00 00 00 00 00 00 00 01 40 00 18 00");
    // The first row written is the set's lowest row in use (y = 63).
    EXPECT_EQ(bytes.mid(18, 3), Bgr(layers->Image1->GetPixel(0, 63)));
    EXPECT_EQ(bytes.mid(18 + 3 * 63, 3), Bgr(layers->Image1->GetPixel(63, 63)));
    // Cells never stamped are navy; the last row written is the top row.
    EXPECT_EQ(bytes.mid(18 + 3 * 64, 3).toHex(), "800000");
    EXPECT_EQ(bytes.mid(18 + 768 * 63, 3), Bgr(layers->Image1->GetPixel(0, 0)));
    EXPECT_FALSE(bins->SaveInProgress());
    EXPECT_TRUE(BinsRespond());

    // Loading the saved file gives the same pixels in the left bin.
    dialogs.openAnswers = {path("one.tga")};
    bins->loadtexset_Click();
    EXPECT_EQ(bins->Picture1->Width(), 256);
    EXPECT_EQ(bins->Picture1->Height(), 64);
    EXPECT_EQ(bins->Picture1->Image(), bins->Backuppic2->Image().copy(0, 0, 256, 64));
}

TEST_F(CustomSet, SaveNamesCancelAndEmptySet)
{
    // Empty: the dialog opens first; a name then gives the message and no file.
    dialogs.saveAnswers = {path("empty.tga")};
    bins->savetexset_Click();
    EXPECT_EQ(dialogs.saves, 1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Custom Texture set is empty!");
    EXPECT_FALSE(QFile::exists(path("empty.tga")));
    EXPECT_TRUE(BinsRespond());

    Stamp(2, 1, 2);
    EXPECT_EQ(bins->CustomSetHeight(), 192);
    bins->savetexset_Click(); // cancelled: nothing written, nothing said
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_FALSE(bins->SaveInProgress());
    EXPECT_TRUE(BinsRespond());

    // ".tga" is kept, anything else (".TGA" included) gets ".tga" appended;
    // an existing longer file is replaced completely.
    WriteAll(path("set.tga"), QByteArray(200000, 'x'));
    dialogs.saveAnswers = {path("set.tga"), path("set.TGA")};
    bins->savetexset_Click();
    bins->savetexset_Click();
    EXPECT_EQ(QFileInfo(path("set.tga")).size(), 18 + 768 * 192);
    EXPECT_EQ(QFileInfo(path("set.TGA.tga")).size(), 18 + 768 * 192);
    EXPECT_FALSE(QFile::exists(path("set.TGA")));

    // Any name the filesystem takes can be saved over; a link to a file in
    // another folder updates that file and stays a link.
    const QString longest = path(QString(251, 'n') + ".tga");
    QTemporaryDir elsewhere;
    const QString far = QDir(elsewhere.path()).filePath("far.tga");
    WriteAll(longest, "old");
    WriteAll(far, "old");
    ASSERT_TRUE(QFile::link(far, path("link.tga")));
    dialogs.saveAnswers = {longest, path("link.tga")};
    bins->savetexset_Click();
    bins->savetexset_Click();
    EXPECT_EQ(QFileInfo(longest).size(), 18 + 768 * 192);
    EXPECT_EQ(QFileInfo(far).size(), 18 + 768 * 192);
    EXPECT_TRUE(QFileInfo(path("link.tga")).isSymLink());
}

TEST_F(CustomSet, AFailedOrAbandonedSaveKeepsTheOldFileAndSaysSo)
{
    Stamp(1, 3, 31);
    ASSERT_EQ(bins->CustomSetHeight(), 2048);

    // A disk that refuses only the last bytes, a pipe, and a link from
    // another folder to a pipe: each save says it failed, the older file
    // stays whole, the pipes stay pipes and nothing is left beside them.
    QDir(folder.dir.path()).mkdir("odd");
    const QString keep = path("odd/keep.tga"), pipe = path("odd/pipe.tga");
    WriteAll(keep, QByteArray(300, 'k'));
    QTemporaryDir elsewhere;
    const QString farPipe = QDir(elsewhere.path()).filePath("pipe.tga");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(farPipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(farPipe, path("odd/link.tga")));
    dialogs.shown.clear();
    dialogs.saveAnswers = {keep, pipe, path("odd/link.tga")};
    {
        const FileSizeLimit disk(18 + 768 * 2048 - 18);
        for (int i = 0; i < 3; ++i)
            bins->savetexset_Click();
    }
    ASSERT_EQ(dialogs.shown.size(), 3u);
    const char* causes[] = {"the file is larger than the system allows", "not a regular file", "not a regular file"};
    for (size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(dialogs.shown[i].text.startsWith("The Custom Texture Set could not be saved") &&
                    dialogs.shown[i].text.contains(causes[i]))
            << dialogs.shown[i].text.toStdString();
    EXPECT_EQ(ReadAll(keep), QByteArray(300, 'k'));
    struct stat st {};
    EXPECT_TRUE(stat(QFile::encodeName(pipe).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_TRUE(stat(QFile::encodeName(farPipe).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(path("odd")).entryList(all), (QStringList{"keep.tga", "link.tga", "pipe.tga"}));
    EXPECT_EQ(QDir(elsewhere.path()).entryList(all), QStringList{"pipe.tga"});
    dialogs.shown.clear();

    // A folder that does not exist: an error naming the file, its path
    // cleaned, and the cause.
    dialogs.saveAnswers = {path("odd/../no/such/folder/set.tga")};
    bins->savetexset_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "The Custom Texture Set could not be saved to \"" + path("no/such/folder/set.tga") +
                                         "\": no such folder. Any file of that name was left as it was.");
    EXPECT_FALSE(bins->SaveInProgress());
    dialogs.shown.clear();

    // Through a linked folder, "far/../pipe.tga" is the pipe beside the folder
    // the link leads to: the message names that file, not a cleaned text. A
    // link another user planted in a shared folder (sticky, all may write)
    // is not followed.
    ASSERT_TRUE(QDir(elsewhere.path()).mkdir("deep") && QFile::link(elsewhere.path() + "/deep", path("far")));
    dialogs.saveAnswers = {path("far/../pipe.tga")};
    QStringList expected{farPipe + "\": not a regular file"};
    if (geteuid() == 0) {
        const QByteArray shared = QFile::encodeName(path("shared")), link = shared + "/s.tga";
        ASSERT_TRUE(mkdir(shared, 0700) == 0 && chown(shared, 4245, 4245) == 0 && chmod(shared, 01777) == 0);
        ASSERT_TRUE(symlink(QFile::encodeName(keep).constData(), link) == 0 && lchown(link, 4242, 4242) == 0);
        dialogs.saveAnswers.push_back(QFile::decodeName(link));
        expected << QFile::decodeName(link) + "\": " + FileErrorText(kSharedFolderLink);
    }
    for (const QString& cause : expected) {
        dialogs.shown.clear();
        bins->savetexset_Click();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "The Custom Texture Set could not be saved to \"" + cause +
                                             ". Any file of that name was left as it was.");
    }
    EXPECT_EQ(ReadAll(keep), QByteArray(300, 'k'));
    dialogs.shown.clear();

    // The name is given to a pipe while the rows are written: the pipe stays.
    const QString swapped = path("odd/swap.tga");
    WriteAll(swapped, "old");
    dialogs.saveAnswers = {swapped};
    int turn = 0;
    bins->DoEvents = [&] {
        if (++turn == 3)
            EXPECT_TRUE(QFile::remove(swapped) && mkfifo(QFile::encodeName(swapped).constData(), 0600) == 0);
    };
    bins->savetexset_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(": not a regular file.")) << dialogs.shown[0].text.toStdString();
    EXPECT_TRUE(stat(QFile::encodeName(swapped).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_EQ(QDir(path("odd")).entryList(all), (QStringList{"keep.tga", "link.tga", "pipe.tga", "swap.tga"}));

    // The program ends half-way through a save: the old file stays as it was
    // and no unfinished file is left behind.
    const QByteArray old("an older texture set");
    WriteAll(path("keep.tga"), old);
    dialogs.saveAnswers = {path("keep.tga")};
    int turns = 0;
    bins->DoEvents = [&] {
        if (++turns == 100)
            form->Form_Unload();
    };
    bins->savetexset_Click();
    EXPECT_TRUE(ProgramEnding());
    EXPECT_EQ(ReadAll(path("keep.tga")), old);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files), QStringList{"keep.tga"});
    EXPECT_FALSE(bins->SaveInProgress());
}

TEST_F(CustomSet, ASaveKeepsOwnerGroupModeAndAttributesAndIsNeverMoreOpenWhileWritten)
{
    // The file's mode below comes from this umask, whatever the test run's.
    const mode_t umaskBefore = umask(022);
    const auto restoreUmask = qScopeGuard([&] { umask(umaskBefore); });
    Stamp(1, 0, 0);
    const QString set = path("own.tga");
    const QByteArray name = QFile::encodeName(set);
    WriteAll(set, "old");
    if (setxattr(name.constData(), "user.note", "mine", 4, 0) != 0)
        GTEST_SKIP() << "this filesystem keeps no user attributes";
    // An access list: the owner and user 12347 may write, the group read. A
    // filesystem without access lists is tested without one.
    const QByteArray acl = AccessList({{1, 6, kNoId}, {2, 6, 12347}, {4, 4, kNoId}, {16, 6, kNoId}, {32, 0, kNoId}});
    const bool withAcl = setxattr(name.constData(), "system.posix_acl_access", acl.constData(), size_t(acl.size()), 0) == 0;
    if (!withAcl)
        ASSERT_EQ(errno, EOPNOTSUPP);
    if (geteuid() == 0) // root saves a file that another user owns
        ASSERT_EQ(chown(name.constData(), 12345, 12346), 0);
    ASSERT_EQ(link(name.constData(), QFile::encodeName(path("other.tga")).constData()), 0);
    struct stat before {};
    ASSERT_EQ(stat(name.constData(), &before), 0);

    mode_t whileWritten = 07777;
    bins->DoEvents = [&] {
        for (const QFileInfo& f : QDir(folder.dir.path()).entryInfoList({".glimmerdeck-*"}, QDir::Files | QDir::Hidden)) {
            struct stat st {};
            if (stat(QFile::encodeName(f.filePath()).constData(), &st) == 0)
                whileWritten = st.st_mode & 07777;
        }
    };
    dialogs.saveAnswers = {set};
    bins->savetexset_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Custom Texture Set successfully saved!");
    EXPECT_EQ(whileWritten & ~before.st_mode, 0u) << std::oct << whileWritten;
    struct stat after {};
    ASSERT_EQ(stat(name.constData(), &after), 0);
    EXPECT_EQ(std::tuple(after.st_mode, after.st_uid, after.st_gid),
              std::tuple(before.st_mode, before.st_uid, before.st_gid));
    auto attribute = [&](const char* key) {
        char value[64];
        const ssize_t n = getxattr(name.constData(), key, value, sizeof value);
        return n < 0 ? QByteArray() : QByteArray(value, int(n));
    };
    EXPECT_EQ(attribute("system.posix_acl_access"), withAcl ? acl : QByteArray());
    EXPECT_EQ(attribute("user.note"), "mine");
    // The name saved to has the new set; another hard link keeps the old file.
    EXPECT_EQ(QFileInfo(set).size(), 49170);
    EXPECT_EQ(ReadAll(path("other.tga")), "old");
}

// A logout (SIGTERM), Ctrl+C (SIGINT) or a closed terminal (SIGHUP) in a turn
// of the event loop that a save's rows or a flip let run ends the program as
// Quit does: the command stops in that turn and the main loop does not start
// again. Each case runs in a fresh process (this test started again), which
// the signal would otherwise kill where it stands; it ends with 0 only when
// no later turn ran, nothing was asked, the old file is whole with nothing
// left beside it, and the flipped bin is as it was.
TEST_F(CustomSet, AnEndSignalDuringASaveOrAFlipEndsTheProgramInThatTurn)
{
    const std::string styleBefore = GTEST_FLAG_GET(death_test_style);
    const auto restoreStyle = qScopeGuard([&] { GTEST_FLAG_SET(death_test_style, styleBefore); });
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Stamp(1, 3, 31);
    LoadLeft(PatternImage(256, 512, 3));
    const QImage left = bins->Picture1->Image();
    const QByteArray old("an older texture set");
    WriteAll(path("keep.tga"), old);
    for (const bool flip : {false, true})
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            auto runAndSignal = [&] {
                alarm(5); // a program that lives on ends the child all the same
                std::signal(signal, SIG_DFL); // as in a program started from a terminal
                endsInTests.reset();          // the program ends for real
                form->CloseOnEndSignals();
                // The flip's only turn, or a turn among the save's rows.
                const int signalled = flip ? 1 : 10;
                int turns = 0;
                bins->DoEvents = [&] {
                    if (++turns == signalled)
                        kill(getpid(), signal);
                    QCoreApplication::processEvents();
                };
                dialogs.saveAnswers = {path("keep.tga")};
                if (flip)
                    bins->leftbin_Click();
                else
                    bins->savetexset_Click();
                const bool ended = ProgramEnding() && RunMainLoop() == 0 && turns == signalled;
                const bool kept = dialogs.shown.empty() && ReadAll(path("keep.tga")) == old &&
                                  QDir(folder.dir.path()).entryList(QDir::Files | QDir::Hidden) ==
                                      QStringList{"keep.tga"} &&
                                  bins->Picture1->Image() == left && bins->BackupPic->Image() == left;
                folder.dir.remove(); // _exit runs no destructor
                _exit(ended && kept ? 0 : 1);
            };
            EXPECT_EXIT(runAndSignal(), ::testing::ExitedWithCode(0), "")
                << (flip ? "flip" : "save") << ", signal " << signal;
        }
}

TEST_F(CustomSet, WhileSavingTheBinsIgnoreTheMouseAndBinCommandsWaitButPagingWorks)
{
    Stamp(1, 0, 0);
    Stamp(1, 0, 9);
    const QImage before = bins->Backuppic2->Image();
    dialogs.saveAnswers = {path("busy.tga")};
    int turns = 0, maxSeen = 0, valueSeen = 0;
    bool visible = false;
    bins->DoEvents = [&] {
        if (++turns != 50)
            return;
        EXPECT_TRUE(bins->SaveInProgress());
        visible = bins->form6() && bins->form6()->isVisible();
        maxSeen = bins->form6()->pb->maximum();
        valueSeen = bins->form6()->pb->value();
        bins->Picture2_MouseDown(2, 0, 100, 100);
        bins->Picture2_MouseMove(1, 0, 200, 300);
        bins->Picture1_MouseDown(1, 0, 5, 5);
        bins->savetexset_Click();
        bins->rightbin_Click();
        bins->leftbin_Click();
        bins->lefttoright_Click();
        bins->setrighttoleft_Click();
        bins->Command7_Click();
    };
    bins->savetexset_Click();
    EXPECT_TRUE(visible);
    EXPECT_EQ(maxSeen, 640);
    EXPECT_EQ(valueSeen, 48); // one step per row written so far
    EXPECT_EQ(dialogs.saves, 1);
    ASSERT_EQ(dialogs.shown.size(), 1u); // no "Overwrite?" question, just the success
    EXPECT_EQ(bins->Backuppic2->Image(), before);
    EXPECT_EQ(bins->CustomSetHeight(), 640);
    EXPECT_EQ(bins->Picture2->Top(), -64);
    EXPECT_FALSE(bins->form6()->isVisible());
    EXPECT_EQ(QFileInfo(path("busy.tga")).size(), 18 + 768 * 640);
}

TEST_F(CustomSet, FlippingTwiceGivesTheBinBackAndTheRightFlipTouchesOnlyUsedRows)
{
    const QImage set = PatternImage(320, 200, 7);
    LoadLeft(set);
    bins->leftbin_Click();
    EXPECT_EQ(bins->Picture1->Image(), set.mirrored(false, true));
    EXPECT_EQ(bins->BackupPic->Image(), set.mirrored(false, true)); // the clean copy too
    EXPECT_FALSE(bins->form2()->isVisible());
    EXPECT_EQ(bins->form2()->ProgressBar->maximum(), 200);
    EXPECT_EQ(bins->form2()->ProgressBar->value(), 200);
    EXPECT_TRUE(bins->flipbox->Image().isNull()); // the scratch copy is let go
    bins->leftbin_Click();
    EXPECT_EQ(bins->Picture1->Image(), set);

    // Nothing used: nothing changes.
    const QImage navy = bins->Backuppic2->Image();
    bins->rightbin_Click();
    EXPECT_EQ(bins->Backuppic2->Image(), navy);

    Stamp(1, 0, 0);
    Stamp(2, 2, 1);
    // A selector drawn below the used rows leaves no trace in the set.
    bins->Picture2_MouseMove(0, 0, 70, 700);
    const QImage stamped = bins->Backuppic2->Image();
    bins->rightbin_Click();
    const QImage flipped = bins->Backuppic2->Image();
    EXPECT_EQ(flipped.copy(0, 0, 256, 128), stamped.copy(0, 0, 256, 128).mirrored(false, true));
    EXPECT_EQ(flipped.copy(0, 128, 256, 1920), stamped.copy(0, 128, 256, 1920));
    EXPECT_EQ(bins->Picture2->Image(), flipped);
    EXPECT_EQ(bins->CustomSetHeight(), 128);
    bins->rightbin_Click();
    EXPECT_EQ(bins->Backuppic2->Image(), stamped);
}

TEST_F(CustomSet, FlippingTheLeftBinLeavesTheRightBinThatCopiedItAlone)
{
    LoadLeft(PatternImage(256, 2048, 4)); // the canvas's size: the right bin can share its pixels
    dialogs.answers = {MsgAnswer::Yes};
    bins->lefttoright_Click();
    bins->leftbin_Click();
    EXPECT_EQ(bins->Picture1->Image(), PatternImage(256, 2048, 4).mirrored(false, true));
    EXPECT_EQ(bins->Backuppic2->Image(), PatternImage(256, 2048, 4));
    EXPECT_EQ(bins->Picture2->Image(), PatternImage(256, 2048, 4));
}

TEST_F(CustomSet, CopyingTheLeftBinToTheRightAsksAndKeepsTheCanvas)
{
    LoadLeft(PatternImage(256, 640, 3));
    Stamp(1, 1, 1);
    bins->Picture2_MouseMove(0, 0, 10, 10); // a selector on the right bin
    const QImage shown = bins->Picture2->Image();
    const QImage master = bins->Backuppic2->Image();

    dialogs.answers = {MsgAnswer::No};
    bins->lefttoright_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Overwrite?");
    EXPECT_EQ(dialogs.shown[0].text, "Copying the left bin to the right bin will overwrite the right bin. "
                                     "Are you sure you want to continue?");
    EXPECT_EQ(bins->Picture2->Image(), shown);
    EXPECT_EQ(bins->Backuppic2->Image(), master);
    EXPECT_EQ(bins->CustomSetHeight(), 128);

    dialogs.answers = {MsgAnswer::Yes};
    bins->lefttoright_Click();
    EXPECT_EQ(bins->CustomSetHeight(), 640);
    EXPECT_EQ(bins->Backuppic2->Width(), 256);
    EXPECT_EQ(bins->Backuppic2->Height(), 2048);
    EXPECT_EQ(bins->Backuppic2->Image().copy(0, 0, 256, 640), PatternImage(256, 640, 3));
    EXPECT_EQ(bins->Backuppic2->GetPixel(0, 700), 0x00800000);
    EXPECT_EQ(bins->Picture2->Image(), bins->Backuppic2->Image());

    // A taller set: the canvas stays 2048 rows and so does the used height.
    LoadLeft(PatternImage(256, 3000, 5));
    dialogs.answers = {MsgAnswer::Yes};
    bins->lefttoright_Click();
    EXPECT_EQ(bins->CustomSetHeight(), 2048);
    EXPECT_EQ(bins->Backuppic2->Height(), 2048);
    // It keeps only what it shows: the rest of the set is the left bin's alone.
    EXPECT_EQ(bins->Backuppic2->Picture().size(), QSize(256, 2048));

    // A narrower set: every column of the grid can still be stamped.
    LoadLeft(PatternImage(128, 128, 9));
    dialogs.answers = {MsgAnswer::Yes};
    bins->lefttoright_Click();
    EXPECT_EQ(bins->CustomSetHeight(), 128);
    Stamp(1, 3, 0);
    EXPECT_EQ(bins->Backuppic2->GetPixel(192 + 5, 5), layers->Image1->GetPixel(5, 5));
}

TEST_F(CustomSet, CopyingTheRightBinToTheLeftKeepsThePageAndWidth)
{
    Stamp(1, 2, 3);
    bins->Picture1->setTop(-64);
    bins->setrighttoleft_Click();
    EXPECT_EQ(bins->Picture1->Height(), 2048);
    EXPECT_EQ(bins->Picture1->Width(), 256);
    EXPECT_EQ(bins->Picture1->Top(), -64);
    EXPECT_EQ(bins->Picture1->Image(), bins->Picture2->Image());
    EXPECT_EQ(bins->BackupPic->Image(), bins->Picture2->Image());
    EXPECT_EQ(bins->CustomSetHeight(), 256);
    for (int i = 0; i < 40; ++i)
        bins->Command3_Click();
    EXPECT_EQ(bins->Picture1->Top(), -1408);
}

TEST_F(CustomSet, TheChooserSetsTheSelectorForTheNextCellChange)
{
    form->chsselect_Click();
    ASSERT_TRUE(form->form7);
    Form7* chooser = form->form7;
    EXPECT_EQ(chooser->windowTitle(), "Choose Selector");
    EXPECT_EQ(chooser->Picture1->Image(), artwork::SelectorFrame(0));

    bins->Picture1_MouseMove(0, 0, 10, 10); // the red selector is drawn at cell (0, 0)
    const QImage withRed = bins->Picture1->Image();
    chooser->Picture2_Click(7);
    EXPECT_EQ(bins->square->Image(), artwork::SelectorFrame(7));
    EXPECT_EQ(chooser->Picture1->Image(), artwork::SelectorFrame(7));
    EXPECT_EQ(bins->Picture1->Image(), withRed); // shows at the next cell change
    bins->Picture1_MouseMove(0, 0, 10, 70);
    EXPECT_EQ(PictureBuffer::ToQRgb(bins->Picture1->GetPixel(0, 64 - 9)), artwork::SelectorFrame(7).pixel(9, 0));

    form->chsselect_Click(); // open: only brought forward
    EXPECT_EQ(form->form7, chooser);
    chooser->Command1_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form->form7);
    form->chsselect_Click();
    ASSERT_TRUE(form->form7);
    EXPECT_EQ(form->form7->Picture1->Image(), artwork::SelectorFrame(7));
}

// Interoperability with another program that reads and writes Targa files.
TEST_F(CustomSet, ImageMagickReadsSavedSetsAndItsFilesLoad)
{
    const QString convert = QStandardPaths::findExecutable("convert");
    if (convert.isEmpty())
        GTEST_SKIP() << "ImageMagick is not installed";
    Stamp(1, 0, 0);
    Stamp(2, 3, 2);
    dialogs.saveAnswers = {path("ours.tga")};
    bins->savetexset_Click();
    ASSERT_EQ(QProcess::execute(convert, {path("ours.tga"), "-auto-orient", path("ours.ppm")}), 0);
    QImage read(path("ours.ppm"));
    ASSERT_EQ(read.size(), QSize(256, 192));
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), bins->Backuppic2->Image().copy(0, 0, 256, 192));

    const QImage theirs = PatternImage(192, 130, 11);
    ASSERT_TRUE(theirs.save(path("theirs.ppm")));
    ASSERT_EQ(QProcess::execute(convert, {path("theirs.ppm"), "-flip", "-type", "TrueColor", "-compress", "none",
                                          path("theirs.tga")}),
              0);
    dialogs.openAnswers = {path("theirs.tga")};
    bins->loadtexset_Click();
    EXPECT_EQ(bins->Picture1->Image(), theirs);
}

// Picture files: loading what Qt reads and writing bitmaps; saving a file
// whole or not at all, as its owner or another user.
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

#include "core/filter_files.h"
#include "core/picture_files.h"
#include "core/tip_file.h"
#include "system/files.h"
#include "harness.h"

TEST(PictureFiles, LoadWhatQtReadsAndWriteBitmaps)
{
    QTemporaryDir dir;
    const QString bmp = QDir(dir.path()).filePath("tile.bmp");
    const QImage img = PatternImage(64, 64, 3);
    ASSERT_TRUE(SavePicture(img, bmp));
    auto back = LoadPicture(bmp);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->size(), QSize(64, 64));
    EXPECT_EQ(back->pixel(10, 20), img.pixel(10, 20));

    const QString junk = QDir(dir.path()).filePath("junk.tga");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    EXPECT_FALSE(LoadPicture(junk).has_value());
    EXPECT_FALSE(LoadPicture(QDir(dir.path()).filePath("missing.bmp")).has_value());
    EXPECT_FALSE(SavePicture(img, QDir(dir.path()).filePath("no/such/folder/x.bmp")));
}

// Readers open their file once and check what they opened: a pipe that
// takes the file's name at any moment is refused at once, never waited on
// (opening a pipe waits for a writer, and the window would wait with it).
TEST(Reading, APipeSwappedInForTheFileIsRefusedWithoutWaiting)
{
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.filePath("tile.png")), other = QFile::encodeName(dir.filePath("p"));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    PatternImage(64, 64).save(&buffer, "PNG");
    WriteBytes(QFile::decodeName(name), png);
    ASSERT_EQ(mkfifo(other.constData(), 0600), 0);
    std::atomic<int> reads{0};
    std::atomic<bool> done{false}, waited{false};
    std::thread swapper([&] {
        using Clock = std::chrono::steady_clock;
        int seen = -1;
        Clock::time_point still = Clock::now();
        while (!done) {
            if (!waited)
                renameat2(AT_FDCWD, name.constData(), AT_FDCWD, other.constData(), RENAME_EXCHANGE);
            if (reads != seen) {
                seen = reads;
                still = Clock::now();
            } else if (Clock::now() - still > std::chrono::seconds(5)) {
                // A reader waits on the pipe: a writer that comes and goes
                // ends its wait, and the names stay as they are.
                waited = true;
                still = Clock::now();
                for (const QByteArray& path : {name, other})
                    if (const int fd = open(path.constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
                        close(fd);
            }
        }
    });
    for (; reads < 10000; ++reads) {
        const std::optional<QImage> picture = LoadPicture(QFile::decodeName(name));
        EXPECT_TRUE(!picture || picture->size() == QSize(64, 64));
        tips::ReadTipFile(QFile::decodeName(name));
        ReadFilterInstructions(QFile::decodeName(name));
    }
    done = true;
    swapper.join();
    EXPECT_FALSE(waited);
}

namespace {

constexpr uid_t kA = 4242, kB = 4243, kFolderOwner = 4245; // users of a shared machine
constexpr gid_t kG = 4244;                                  // a group they share

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Owner, group, permissions and access list of a file.
std::tuple<uid_t, gid_t, mode_t, QByteArray> Looks(const QString& path)
{
    struct stat st {};
    stat(QFile::encodeName(path).constData(), &st);
    char acl[256];
    const ssize_t n = getxattr(QFile::encodeName(path).constData(), "system.posix_acl_access", acl, sizeof acl);
    return {st.st_uid, st.st_gid, st.st_mode, n > 0 ? QByteArray(acl, int(n)) : QByteArray()};
}

// ReplaceFile as user uid: "ok", or why not.
std::string SaveAs(uid_t uid, std::vector<gid_t> groups, const QString& path, const QByteArray& bytes,
               rlim_t sizeLimit = RLIM_INFINITY)
{
    return AsUser(uid, std::move(groups), [&] {
        const rlimit limit{sizeLimit, sizeLimit};
        signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        QString why;
        return ReplaceFile(path, bytes, &why) ? QStringLiteral("ok") : why;
    }).toStdString();
}

void Make(const QString& path, uid_t uid, gid_t gid, mode_t mode, bool folder = false)
{
    const QByteArray name = QFile::encodeName(path);
    if (folder)
        ASSERT_EQ(mkdir(name.constData(), 0700), 0);
    else
        WriteBytes(path, "old");
    ASSERT_EQ(chown(name.constData(), uid, gid), 0);
    ASSERT_EQ(chmod(name.constData(), mode), 0);
}

} // namespace

// A user who may write a file of another user saves over it: the file keeps
// who owns it and who may read it, and a write that fails puts it back.
TEST(Saving, AnotherUsersFileKeepsItsOwnerGroupModeAndAccessList)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only the administrator can make files of other users and save as another user";
    QTemporaryDir top;
    ASSERT_EQ(chmod(QFile::encodeName(top.path()).constData(), 0755), 0);
    struct Case {
        const char* what;
        mode_t folderMode;
        uid_t folderOwner;
        mode_t fileMode;
        bool accessList; // with an entry that lets B read and write
        std::vector<gid_t> groupsOfB;
    };
    const Case cases[] = {
        {"0640, an entry for B", 0777, 0, 0640, true, {kB}},
        {"0600, an entry for B", 0777, 0, 0600, true, {kB}},
        {"0666, a folder all may write", 0777, 0, 0666, false, {kB}},
        {"0664, a setgid folder of the group", 02775, kA, 0664, false, {kB, kG}},
        {"0666, a folder B may not write", 0755, 0, 0666, false, {kB}},
        {"0666, a folder B may enter but not list", 0711, kA, 0666, false, {kB}},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString folder = QDir(top.path()).filePath(QString::number(++n)), file = folder + "/set.tga";
        Make(folder, c.folderOwner, kG, c.folderMode, true);
        Make(file, kA, kG, c.fileMode);
        const QByteArray acl =
            AccessList({{1, 6, kNoId}, {2, 6, kB}, {4, quint16((c.fileMode >> 3) & 7), kNoId}, {16, 6, kNoId}, {32, 0, kNoId}});
        if (c.accessList &&
            setxattr(QFile::encodeName(file).constData(), "system.posix_acl_access", acl.constData(), acl.size(), 0) != 0) {
            ADD_FAILURE() << c.what << ": this filesystem keeps no access lists (case passed over)";
            continue;
        }
        const auto before = Looks(file);
        EXPECT_EQ(SaveAs(kB, c.groupsOfB, file, "new set"), "ok") << c.what;
        EXPECT_EQ(Read(file), "new set") << c.what;
        EXPECT_EQ(Looks(file), before) << c.what;
        EXPECT_EQ(Entries(folder), QStringList{"set.tga"}) << c.what;
    }

    // Folders B may enter and write but not list, a drop folder of A's and
    // B's own: the file is made there, then replaced.
    for (const auto& [owner, mode] : {std::pair{kA, mode_t(0733)}, {kB, mode_t(0300)}}) {
        const QString folder = QDir(top.path()).filePath(QString::number(++n));
        Make(folder, owner, owner, mode, true);
        for (const char* bytes : {"new set", "newer set"})
            EXPECT_EQ(SaveAs(kB, {kB}, folder + "/set.tga", bytes), "ok") << mode;
        EXPECT_EQ(Read(folder + "/set.tga"), "newer set");
        EXPECT_EQ(Entries(folder), QStringList{"set.tga"});
    }

    // A write the disk refuses half-way: the old bytes go back and the
    // message says so, also when the disk then confirms nothing.
    const QString file = QDir(top.path()).filePath("5/set.tga");
    EXPECT_EQ(SaveAs(kB, {kB}, file, QByteArray(5000, 'x'), 1000),
              "the file is larger than the system allows; the file's old content was written back");
    SetDiskFlush([](int) { return errno = EIO, -1; });
    EXPECT_EQ(SaveAs(kB, {kB}, file, "newer set"), "the disk reported an input/output error; the file's old "
                                                   "content was written back, but the disk did not confirm it");
    SetDiskFlush(nullptr);
    EXPECT_EQ(Read(file), "new set");

    // B's own file that B may only write, with an attribute B cannot read:
    // the save fails rather than lose it, and the file stays as it was.
    const QString own = QDir(top.path()).filePath("1/own.tga");
    Make(own, kB, kB, 0200);
    if (setxattr(QFile::encodeName(own).constData(), "user.note", "kept", 4, 0) != 0)
        GTEST_SKIP() << "this filesystem keeps no user attributes";
    EXPECT_EQ(SaveAs(kB, {kB}, own, "new set"), FileErrorText(kAttributesUnreadable).toStdString());
    char note[8] = {};
    EXPECT_EQ(getxattr(QFile::encodeName(own).constData(), "user.note", note, sizeof note), 4);
    EXPECT_EQ(Read(own), "old");
}

// A link another user planted in a shared folder (sticky, all may write) is
// never followed, whatever the system's own setting: the save is refused and
// nothing is written. Links of the saver or of the folder's owner are.
TEST(Saving, ALinkInASharedFolderIsFollowedOnlyWhereTheSystemWould)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only the administrator can make links of other users";
    QTemporaryDir top;
    ASSERT_EQ(chmod(QFile::encodeName(top.path()).constData(), 0755), 0);
    const QString shared = top.path() + "/shared", mine = top.path() + "/mine";
    Make(shared, kFolderOwner, kFolderOwner, 01777, true);
    Make(mine, kB, kB, 0755, true);
    Make(mine + "/b.tga", kB, kB, 0644);
    auto plant = [&](const char* name, const QString& to, uid_t owner) {
        const QByteArray link = QFile::encodeName(shared + "/" + name);
        EXPECT_EQ(symlink(QFile::encodeName(to).constData(), link.constData()), 0);
        EXPECT_EQ(lchown(link.constData(), owner, owner), 0);
    };
    plant("s.tga", mine + "/b.tga", kA);
    plant("d.tga", mine + "/new.tga", kA); // leads nowhere yet
    plant("evil", mine, kA);               // a folder of the path
    for (const char* name : {"s.tga", "d.tga", "evil/b.tga", "evil/new.tga", "evil/../mine/b.tga"})
        EXPECT_EQ(SaveAs(kB, {kB}, shared + "/" + name, "new set"), FileErrorText(kSharedFolderLink).toStdString()) << name;
    QString why; // the administrator is no exception
    EXPECT_FALSE(ReplaceFile(shared + "/s.tga", "new set", &why));
    EXPECT_EQ(why, FileErrorText(kSharedFolderLink));
    EXPECT_EQ(Read(mine + "/b.tga"), "old");
    EXPECT_EQ(Entries(mine), QStringList{"b.tga"});
    EXPECT_EQ(Entries(shared), (QStringList{"d.tga", "evil", "s.tga"}));

    plant("own.tga", mine + "/b.tga", kB);
    plant("folder.tga", mine + "/b.tga", kFolderOwner);
    plant("ownfolder", mine, kB);
    for (const char* name : {"own.tga", "folder.tga", "ownfolder/b.tga"}) {
        EXPECT_EQ(SaveAs(kB, {kB}, shared + "/" + name, name), "ok") << name;
        EXPECT_EQ(Read(mine + "/b.tga"), name);
    }
}

// The save goes through the folder it opened: renamed meanwhile, the save
// lands there. A name given to a link or a new file taken away meanwhile is
// reported as such, and no new file is ever left behind.
TEST(Saving, TheSaveStaysInTheFolderItOpenedAndLeavesNoNewFileBehind)
{
    QTemporaryDir top;
    const QString folder = top.path() + "/sets";
    ASSERT_TRUE(QDir().mkdir(folder));
    WriteBytes(folder + "/set.tga", "old");
    const QByteArray big(18 + 768 * 2048, 'n');
    {
        FileReplacement file(folder + "/set.tga");
        EXPECT_TRUE(file.write(big));
        ASSERT_TRUE(QDir().rename(folder, top.path() + "/moved") && QDir().mkdir(folder));
        EXPECT_TRUE(file.commit()) << file.errorText().toStdString();
    }
    EXPECT_EQ(Read(top.path() + "/moved/set.tga"), big);
    EXPECT_EQ(Entries(top.path() + "/moved"), QStringList{"set.tga"});
    EXPECT_EQ(Entries(folder), QStringList{});

    WriteBytes(folder + "/other.tga", "other");
    using Change = std::function<void()>;
    const std::pair<Change, int> changes[] = {
        {[&] { QFile::remove(folder + "/set.tga"), QFile::link(folder + "/other.tga", folder + "/set.tga"); }, kBecameLink},
        {[&] {
             for (const QString& f : QDir(folder).entryList({".glimmerdeck-*"}, QDir::Hidden | QDir::Files))
                 QFile::remove(folder + "/" + f);
         },
         kMovedAway},
    };
    for (const auto& [change, error] : changes) {
        QFile::remove(folder + "/set.tga");
        WriteBytes(folder + "/set.tga", "old");
        FileReplacement file(folder + "/set.tga");
        EXPECT_TRUE(file.write(big));
        change();
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(file.errorText(), FileErrorText(error));
    }
    EXPECT_EQ(Read(folder + "/other.tga"), "other");
    EXPECT_EQ(Entries(folder), (QStringList{"other.tga", "set.tga"}));

    // A folder whose filesystem does not flush folders: the file was flushed
    // and renamed, so the save is done. A flush the disk refuses is told.
    static int folderError;
    SetDiskFlush([](int fd) {
        struct stat st;
        return fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) ? (errno = folderError, -1) : fsync(fd);
    });
    std::string said;
    for (int error : {EINVAL, EIO}) {
        folderError = error;
        QString why;
        said += (ReplaceFile(folder + "/set.tga", QByteArray::number(error), &why) ? "ok" : why.toStdString()) + "; ";
    }
    SetDiskFlush(nullptr);
    EXPECT_EQ(said, "ok; the disk reported an input/output error; the new file has taken the name, but the disk "
                    "did not confirm it; ");
    EXPECT_EQ(Read(folder + "/set.tga"), QByteArray::number(EIO));

    // A read-only file stays so, for the administrator too.
    ASSERT_EQ(chmod(QFile::encodeName(folder + "/other.tga").constData(), 0444), 0);
    EXPECT_EQ(FileReplacement(folder + "/other.tga").errorText(), "the file is read-only");

    // A folder that only allows adding: the file is written in place, and a
    // new name is refused before anything is made there.
    if (!SetAppendOnly(folder, true))
        GTEST_SKIP() << "the folder cannot be made append-only here (chattr +a refused)";
    QString why;
    EXPECT_TRUE(ReplaceFile(folder + "/set.tga", "new set", &why)) << why.toStdString();
    EXPECT_FALSE(ReplaceFile(folder + "/new.tga", "new set", &why));
    SetAppendOnly(folder, false);
    EXPECT_EQ(why, "the file or its folder does not allow changes");
    EXPECT_EQ(Read(folder + "/set.tga"), "new set");
    EXPECT_EQ(Entries(folder), (QStringList{"other.tga", "set.tga"}));
}

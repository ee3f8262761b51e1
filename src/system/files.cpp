#include "system/files.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

QString FileErrorText(int error)
{
    switch (error) {
    case 0:
        return {};
    case kNotARegularFile:
        return QStringLiteral("not a regular file");
    case kSharedFolderLink:
        return QStringLiteral("it is a link that another user made in a shared folder, "
                              "and such links are not followed");
    case kBecameLink:
        return QStringLiteral("the name was given to a link while the file was written");
    case kMovedAway:
        return QStringLiteral("the file was moved or removed while it was written");
    case kTooLargeInPlace:
        return QStringLiteral("the file is too large to be written over where it lies");
    case kReadOnlyFile:
        return QStringLiteral("the file is read-only");
    case kAttributesUnreadable:
        return QStringLiteral("the file has extended attributes that cannot be read, "
                              "and a saved file would lose them");
    case ENOSPC:
        return QStringLiteral("no space left on the disk");
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
    case EFBIG:
        return QStringLiteral("the file is larger than the system allows");
    case EACCES:
        return QStringLiteral("permission denied");
    case EPERM: // immutable or append-only, or a sticky folder's refusal
        return QStringLiteral("the file or its folder does not allow changes");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case ENOENT:
        return QStringLiteral("no such folder");
    case ENOTDIR:
        return QStringLiteral("a part of the path is not a folder");
    case EISDIR:
        return QStringLiteral("it is a folder");
    case ENAMETOOLONG:
        return QStringLiteral("the name is too long");
    case ELOOP:
        return QStringLiteral("too many links in the path");
    case EIO:
        return QStringLiteral("the disk reported an input/output error");
    default: {
        QString text = QString::fromLocal8Bit(std::strerror(error));
        if (!text.isEmpty())
            text[0] = text[0].toLower();
        return text;
    }
    }
}

QString ShownPath(const QString& path)
{
    QByteArray p = QFile::encodeName(path);
    if (!p.startsWith('/'))
        p = QFile::encodeName(QDir::currentPath()) + '/' + p;
    // The longest leading run of folders that exists, resolved by the
    // system; what follows it cannot be resolved and is shown as given.
    for (qsizetype slash = p.lastIndexOf('/'); slash >= 0; slash = slash > 0 ? p.lastIndexOf('/', slash - 1) : -1) {
        char* real = realpath(slash == 0 ? "/" : p.left(slash).constData(), nullptr);
        if (!real)
            continue;
        QByteArray head(real);
        std::free(real);
        if (!head.endsWith('/'))
            head += '/';
        return QFile::decodeName(head + p.mid(slash + 1));
    }
    return path;
}

namespace {

constexpr char kAccessAcl[] = "system.posix_acl_access";

// A name that leads to the file or folder open at fd, and to it alone.
QByteArray ProcName(int fd) { return "/proc/self/fd/" + QByteArray::number(fd); }

// Why a node of this mode is not written over.
int NotRegular(mode_t mode) { return S_ISDIR(mode) ? EISDIR : kNotARegularFile; }

// A file that was there a moment ago and is gone is no missing folder.
int Gone(int error) { return error == ENOENT ? kMovedAway : error; }

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The kernel's rule for links in shared folders (its protected_symlinks
// setting), applied whatever that setting is: in a sticky folder that all
// may write, only a link of the follower or of the folder's owner is
// followed.
bool RefusedLink(int dir, const struct stat& link)
{
    struct stat folder;
    if (fstat(dir, &folder) != 0)
        return true;
    return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH) && link.st_uid != geteuid() &&
           link.st_uid != folder.st_uid;
}

// Whether the file or folder behind fd is immutable or append-only. statx
// tells it from a descriptor that only finds the file (O_PATH), so neither
// read permission nor an open of the file is needed; where the filesystem
// reports no such attributes through statx, its inode flags are asked.
bool Frozen(int fd)
{
    struct statx sx;
    constexpr quint64 kFrozen = STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND;
    if (statx(fd, "", AT_EMPTY_PATH, 0, &sx) == 0 && (sx.stx_attributes_mask & kFrozen) == kFrozen)
        return sx.stx_attributes & kFrozen;
    const int open = ::open(ProcName(fd).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    int flags = 0;
    if (open >= 0) {
        if (ioctl(open, FS_IOC_GETFLAGS, &flags) != 0)
            flags = 0;
        close(open);
    }
    return flags & (FS_IMMUTABLE_FL | FS_APPEND_FL);
}

// A descriptor that only finds a file or folder: it needs search permission
// on the folder it is in and nothing on the file itself.
int Find(int at, const char* name) { return openat(at, name, O_PATH | O_NOFOLLOW | O_CLOEXEC); }

// The names of a path, in order; an empty name stands for the folder of
// the slash before it (so "a/" ends in one, and "/" is two).
QList<QByteArray> Names(const QByteArray& path) { return path.split('/'); }

// Where a write to path lands: *dir, a descriptor that finds its folder,
// and *name in it; *st the file found there (*exists). 0, or why it must not
// be written.
//
// The path is walked one name at a time through descriptors, as the kernel
// walks it, with the permissions the kernel checks at each step (search
// permission on every folder passed through, none needed to read one).
// Every link met, whether it stands for a folder of the path or for the
// file itself, is read through the descriptor that was checked and followed
// here, under the shared-folder rule (RefusedLink): no link is followed by
// the kernel, so none can be swapped in between a check and its use.
int Resolve(const QByteArray& path, int* dir, QByteArray* name, struct stat* st, bool* exists)
{
    *exists = false;
    if (path.isEmpty())
        return ENOENT;
    *dir = open(path.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (*dir < 0)
        return errno;
    QList<QByteArray> names = Names(path);
    if (path.startsWith('/'))
        names.removeFirst();
    // Lost on the way: the message then shows the path as given.
    auto lost = [&](int error) {
        close(*dir);
        *dir = -1;
        return error;
    };
    int links = 0;
    while (!names.isEmpty()) {
        const QByteArray next = names.takeFirst();
        const bool last = names.isEmpty();
        if (last && (next.isEmpty() || next == "." || next == "..")) {
            name->clear();
            return EISDIR;
        }
        if (next.isEmpty() || next == ".")
            continue;
        *name = next;
        // ".." is taken from the folder reached so far, links followed, as
        // the kernel takes it.
        const int found = Find(*dir, next.constData());
        if (found < 0) {
            if (!last)
                return lost(errno);
            return errno == ENOENT ? 0 : errno; // nothing there yet: a new file
        }
        struct stat at;
        if (fstat(found, &at) != 0) {
            const int error = errno;
            close(found);
            return lost(error);
        }
        if (S_ISLNK(at.st_mode)) {
            if (++links > 40) {
                close(found);
                return lost(ELOOP);
            }
            if (RefusedLink(*dir, at)) {
                close(found);
                return kSharedFolderLink;
            }
            // Room for any link: some (those of /proc) report a size that is
            // not their length.
            QByteArray link(qsizetype(std::max<off_t>(at.st_size, PATH_MAX)) + 1, '\0');
            const ssize_t n = readlinkat(found, "", link.data(), size_t(link.size()));
            close(found);
            if (n <= 0 || n >= link.size())
                return lost(n < 0 ? Gone(errno) : n == 0 ? ENOENT : EIO);
            link.truncate(n);
            // The link's names take its place in the path; one that starts
            // at the root starts the walk there again.
            QList<QByteArray> linked = Names(link);
            if (link.startsWith('/')) {
                linked.removeFirst();
                const int root = open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
                if (root < 0)
                    return lost(errno);
                close(*dir);
                *dir = root;
            }
            names = linked + names;
            continue;
        }
        if (last) {
            close(found);
            *st = at;
            *exists = true;
            return S_ISREG(at.st_mode) ? 0 : NotRegular(at.st_mode);
        }
        if (!S_ISDIR(at.st_mode)) {
            close(found);
            return lost(ENOTDIR);
        }
        close(*dir);
        *dir = found;
    }
    return EISDIR; // not reached: the last name returns
}

int FlushByFsync(int fd) { return fsync(fd); }
DiskFlush gDiskFlush = FlushByFsync;

// Flushes fd to the disk, again when a signal interrupts it; 0 or why not.
int Sync(int fd)
{
    while (gDiskFlush(fd) != 0)
        if (errno != EINTR)
            return errno;
    return 0;
}

// Flushes the entries of the folder that dir finds to the disk, so that a
// rename in it is kept; 0 or why not. The folder is opened for reading only
// for this: a saver who may enter and write it but not list it (modes 0711,
// 0733 or 0300) may not open it so, and a filesystem may not flush folders
// at all (EINVAL, ENOTSUP). Either way the file itself was flushed before
// the rename and the rename is done, which is all the saver can make sure
// of there, so that is no failure.
int SyncFolder(int dir)
{
    const int fd = openat(dir, ".", O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES || errno == EPERM ? 0 : errno;
    int error = Sync(fd);
    close(fd);
    return error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP ? 0 : error;
}

// 0 once every byte is written (at offset, or at the file position when
// offset is negative), else why not.
int WriteAll(int fd, const char* data, std::size_t size, off_t offset = -1)
{
    while (size > 0) {
        const ssize_t n = offset < 0 ? ::write(fd, data, size) : pwrite(fd, data, size, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        data += n;
        size -= std::size_t(n);
        if (offset >= 0)
            offset += n;
    }
    return 0;
}

// The whole content of fd, read from its start; false (errno telling why)
// when it cannot be read or is larger than limit.
bool ReadWhole(int fd, QByteArray& out, std::size_t limit)
{
    out.clear();
    char block[64 * 1024];
    for (;;) {
        const ssize_t n = pread(fd, block, sizeof block, off_t(out.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (std::size_t(out.size()) + std::size_t(n) > limit) {
            errno = kTooLargeInPlace; // the caller's cause, not the system's
            return false;
        }
        out.append(block, n);
    }
}

// Reads a list or value of extended attributes whose size is asked first;
// false, errno telling why, when it cannot be read. A size of 0 is the
// answer itself: asking again with no room would only return the size anew.
template <typename Read>
bool ReadSized(QByteArray& out, Read read)
{
    for (int tries = 0; tries < 10; ++tries) {
        const ssize_t size = read(nullptr, 0);
        out.clear();
        if (size <= 0)
            return size == 0;
        out = QByteArray(qsizetype(size), '\0');
        const ssize_t n = read(out.data(), std::size_t(size));
        if (n >= 0) {
            out.truncate(n);
            return true;
        }
        if (errno != ERANGE) // ERANGE: it grew between the two calls
            return false;
    }
    errno = ERANGE;
    return false;
}

// The extended attributes of a file, its access list among them: names and
// values.
using Attributes = std::vector<std::pair<QByteArray, QByteArray>>;

// Reads every extended attribute of old into *out. A file opened only to be
// found (not readable: the saver may not read it) has them read through its
// name in /proc, which leads to it alone. 0, or why not: an attribute the
// system lists that cannot be read (a user attribute of a file its owner
// may only write, say) would be lost by the save, which then fails.
int ReadAttributes(int old, bool readable, Attributes* out)
{
    out->clear();
    const QByteArray proc = ProcName(old);
    QByteArray names;
    if (!ReadSized(names, [&](char* b, std::size_t n) {
            return readable ? flistxattr(old, b, n) : listxattr(proc.constData(), b, n);
        }))
        return errno == ENOTSUP ? 0 : kAttributesUnreadable;
    for (const QByteArray& name : names.split('\0')) {
        if (name.isEmpty())
            continue;
        QByteArray value;
        if (!ReadSized(value, [&](char* b, std::size_t n) {
                return readable ? fgetxattr(old, name.constData(), b, n) : getxattr(proc.constData(), name.constData(), b, n);
            })) {
            if (errno == ENODATA) // removed meanwhile
                continue;
            return kAttributesUnreadable;
        }
        out->emplace_back(name, value);
    }
    return 0;
}

// Gives the new file (fd) what the user set on the old one (old, the file
// that was checked): owner and group, then the permissions, then the
// extended attributes read from it. A change of owner clears set-id bits,
// so the permissions come after it, and the access-control list after them,
// since setting the permissions rewrites its mask. Returns 0, or why it
// failed; the old file is untouched either way.
int TakeOver(int fd, int old, const Attributes& attributes)
{
    struct stat st;
    if (fstat(old, &st) != 0)
        return errno;
    if (fchown(fd, st.st_uid, st.st_gid) != 0)
        return errno;
    const auto acl = std::find_if(attributes.begin(), attributes.end(),
                                  [](const auto& a) { return a.first == kAccessAcl; });
    // An access list the folder's default gave the new file, which the old
    // file does not have, would open it to others.
    if (acl == attributes.end() && fremovexattr(fd, kAccessAcl) != 0 && errno != ENODATA && errno != ENOTSUP)
        return errno;
    if (fchmod(fd, st.st_mode & 07777) != 0)
        return errno;
    for (const auto& [name, value] : attributes) {
        if (fsetxattr(fd, name.constData(), value.constData(), std::size_t(value.size()), 0) == 0)
            continue;
        // Security attributes belong to the system (a label its policy gives
        // every new file, an integrity hash of the new content): it sets
        // them itself, and refuses them to the saver.
        if (!name.startsWith("security."))
            return errno;
    }
    return 0;
}

} // namespace

DiskFlush SetDiskFlush(DiskFlush flush) { return std::exchange(gDiskFlush, flush ? flush : FlushByFsync); }

FileReplacement::FileReplacement(const QString& path) : path_(QFile::encodeName(path))
{
    struct stat st;
    bool exists = false;
    if (const int error = Resolve(path_, &dir_, &name_, &st, &exists)) {
        fail(error);
        return;
    }
    // A new file gets the permissions the user's umask (or the folder's
    // default access list) gives any new file. One that replaces a file is
    // private while it is written, never more open than the file it
    // replaces; it takes that file's permissions at commit.
    mode_t createMode = 0666;
    if (exists) {
        // The file checked is the one whose attributes the new file takes.
        old_ = openat(dir_, name_.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        oldReadable_ = old_ >= 0;
        if (old_ < 0 && errno == EACCES)
            old_ = openat(dir_, name_.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        struct stat now;
        if (old_ < 0 || fstat(old_, &now) != 0) {
            fail(errno == ELOOP ? kBecameLink : Gone(errno));
            return;
        }
        if (!SameFile(now, st) || !S_ISREG(now.st_mode)) {
            fail(S_ISREG(now.st_mode) ? kMovedAway : NotRegular(now.st_mode));
            return;
        }
        // A read-only file stays read-only, for the administrator too: it is
        // not replaced behind the user's back.
        if ((now.st_mode & 0222) == 0) {
            fail(kReadOnlyFile);
            return;
        }
        if (faccessat(dir_, name_.constData(), W_OK, AT_EACCESS) != 0) {
            fail(Gone(errno));
            return;
        }
        if (Frozen(old_)) {
            fail(EPERM);
            return;
        }
        // Attributes that cannot be read could not be carried over: the save
        // fails before anything is made.
        Attributes attributes;
        if (const int error = ReadAttributes(old_, oldReadable_, &attributes)) {
            fail(error);
            return;
        }
        createMode = 0600 & now.st_mode;
    }
    // A folder that only allows adding keeps any new file for good: none is
    // made there, the existing file is written over in place.
    if (Frozen(dir_)) {
        if (exists)
            openInPlace();
        else
            fail(EPERM);
        return;
    }
    // A short name of our own, so that any name the filesystem takes for the
    // target can be written through it.
    int error = 0;
    for (int tries = 0; tries < 100 && fd_ < 0; ++tries) {
        temp_ = ".glimmerdeck-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
        fd_ = openat(dir_, temp_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
        error = errno;
        if (fd_ < 0 && error != EEXIST)
            break;
    }
    if (fd_ < 0) {
        temp_.clear();
        // A folder the saver may not write: the file itself may still be.
        if (!exists || (error != EACCES && error != EPERM))
            fail(error);
        else
            openInPlace();
        return;
    }
    // Only the administrator gives a file away, and only a member of a group
    // gives a file that group: a new file that cannot have the old file's
    // owner and group would change who may read it.
    if (exists && fchown(fd_, st.st_uid, st.st_gid) != 0) {
        cancel();
        openInPlace();
    }
}

FileReplacement::~FileReplacement()
{
    cancel();
    if (old_ >= 0)
        close(old_);
    if (dir_ >= 0)
        close(dir_);
}

bool FileReplacement::openInPlace()
{
    inPlace_ = true;
    fd_ = openat(dir_, name_.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat now, checked;
    if (fd_ < 0)
        return fail(errno == ELOOP ? kBecameLink : Gone(errno));
    if (fstat(fd_, &now) != 0 || fstat(old_, &checked) != 0 || !SameFile(now, checked))
        return fail(kMovedAway);
    return true;
}

bool FileReplacement::fail(int error)
{
    if (error_ == 0)
        error_ = error;
    cancel();
    return false;
}

bool FileReplacement::write(const void* data, std::size_t size)
{
    if (!ok())
        return false;
    if (inPlace_) {
        if (size > kInPlaceLimit - std::size_t(pending_.size()))
            return fail(kTooLargeInPlace);
        pending_.append(static_cast<const char*>(data), qsizetype(size));
        return true;
    }
    const int error = WriteAll(fd_, static_cast<const char*>(data), size);
    return error == 0 || fail(error);
}

bool FileReplacement::commit()
{
    if (!ok())
        return false;
    return inPlace_ ? commitInPlace() : commitByRename();
}

bool FileReplacement::commitInPlace()
{
    // The name must still lead to the file that was checked and opened.
    struct stat now, open;
    if (fstatat(dir_, name_.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0)
        return fail(Gone(errno));
    if (S_ISLNK(now.st_mode))
        return fail(kBecameLink);
    if (fstat(fd_, &open) != 0)
        return fail(errno);
    if (!SameFile(now, open))
        return fail(S_ISREG(now.st_mode) ? kMovedAway : NotRegular(now.st_mode));
    QByteArray old;
    if (!ReadWhole(fd_, old, kInPlaceLimit))
        return fail(errno);
    int error = WriteAll(fd_, pending_.constData(), std::size_t(pending_.size()), 0);
    if (error == 0 && ftruncate(fd_, off_t(pending_.size())) != 0)
        error = errno;
    if (error == 0)
        error = Sync(fd_);
    if (error != 0) {
        int back = WriteAll(fd_, old.constData(), std::size_t(old.size()), 0);
        if (back == 0 && ftruncate(fd_, off_t(old.size())) != 0)
            back = errno;
        // Written back but not flushed: the old bytes are in the file, only
        // the disk has not confirmed them.
        outcome_ = back != 0 ? Outcome::Damaged : Sync(fd_) == 0 ? Outcome::WrittenBack : Outcome::WrittenBackUnconfirmed;
        return fail(error);
    }
    // Every byte is on the disk; a failing close changes nothing of that.
    close(fd_);
    fd_ = -1;
    pending_.clear();
    return true;
}

bool FileReplacement::commitByRename()
{
    if (old_ >= 0) {
        // Read again: what the user set meanwhile is kept too.
        Attributes attributes;
        int error = ReadAttributes(old_, oldReadable_, &attributes);
        if (error == 0)
            error = TakeOver(fd_, old_, attributes);
        if (error != 0)
            return fail(Gone(error));
    }
    // Everything written must be on the disk before the name moves: a disk
    // that refuses the data at this point still leaves the older file.
    if (const int error = Sync(fd_))
        return fail(error);
    const int closed = close(fd_);
    fd_ = -1;
    if (closed != 0)
        return fail(errno);
    // A save lets the event loop run while it writes, so the name may have
    // been given to a pipe, a device or a link meanwhile: that is left alone.
    // (A swap after this look still loses to the rename, which has no form
    // that replaces regular files only.)
    struct stat now;
    if (fstatat(dir_, name_.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(now.st_mode))
            return fail(kBecameLink);
        if (!S_ISREG(now.st_mode))
            return fail(NotRegular(now.st_mode));
    } else if (errno != ENOENT) {
        return fail(errno);
    }
    if (renameat(dir_, temp_.constData(), dir_, name_.constData()) != 0)
        return fail(Gone(errno));
    temp_.clear();
    // The rename itself reaches the disk with the folder's entries; until
    // the disk has said so, the save is not done.
    if (const int error = SyncFolder(dir_)) {
        outcome_ = Outcome::Unconfirmed;
        return fail(error);
    }
    return true;
}

void FileReplacement::cancel()
{
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    if (!temp_.isEmpty() && dir_ >= 0)
        unlinkat(dir_, temp_.constData(), 0);
    temp_.clear();
    pending_ = QByteArray();
}

QString FileReplacement::errorText() const
{
    QString text = FileErrorText(error_);
    switch (outcome_) {
    case Outcome::Untouched:
        break;
    case Outcome::WrittenBack:
        text += QStringLiteral("; the file's old content was written back");
        break;
    case Outcome::WrittenBackUnconfirmed:
        text += QStringLiteral("; the file's old content was written back, but the disk did not confirm it");
        break;
    case Outcome::Damaged:
        text += QStringLiteral("; the file's old content could not be written back, so the file may be incomplete");
        break;
    case Outcome::Unconfirmed:
        text += QStringLiteral("; the new file has taken the name, but the disk did not confirm it");
        break;
    }
    return text;
}

QString FileReplacement::shownPath() const
{
    if (dir_ >= 0) {
        char folder[PATH_MAX];
        const ssize_t n = readlink(ProcName(dir_).constData(), folder, sizeof folder);
        if (n > 0 && n < ssize_t(sizeof folder) && folder[0] == '/') {
            QByteArray shown(folder, n);
            if (!shown.endsWith('/'))
                shown += '/';
            return QFile::decodeName(shown + name_);
        }
    }
    return ShownPath(QFile::decodeName(path_));
}

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* why, QString* shown)
{
    FileReplacement file(path);
    const bool done = file.write(bytes) && file.commit();
    if (!done && why)
        *why = file.errorText();
    if (shown)
        *shown = file.shownPath();
    return done;
}

#include "core/files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

bool IsRegularFile(const QString& path)
{
    // QFileInfo reports a file only for S_ISREG after following links.
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

QString FileErrorText(int error)
{
    switch (error) {
    case 0:
        return {};
    case kNotARegularFile:
        return QStringLiteral("not a regular file");
    case ENOSPC:
        return QStringLiteral("no space left on the disk");
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
    case EFBIG:
        return QStringLiteral("the file is larger than the system allows");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission denied");
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

namespace {

constexpr char kAccessAcl[] = "system.posix_acl_access";

// Why a node of this mode is not written over.
int NotRegular(mode_t mode) { return S_ISDIR(mode) ? EISDIR : kNotARegularFile; }

// The folder part of a path, with its slash ("" for a bare name).
QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash + 1);
}

// Where a write to path lands: path itself, or what its chain of links
// leads to, existing or not. Empty, with *error telling why, for a loop of
// links or a path that cannot be looked at.
QByteArray FollowLinks(QByteArray path, int* error)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (lstat(path.constData(), &st) != 0) {
            if (errno == ENOENT)
                return path;
            *error = errno;
            return {};
        }
        if (!S_ISLNK(st.st_mode))
            return path;
        QByteArray link(qsizetype(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = readlink(path.constData(), link.data(), size_t(link.size()));
        if (n <= 0 || n >= link.size()) {
            *error = n < 0 ? errno : EIO;
            return {};
        }
        link.truncate(n);
        path = link.startsWith('/') ? link : FolderOf(path) + link;
    }
    *error = ELOOP;
    return {};
}

// The target of a write to path, or empty when it must not be written, with
// *error telling why: something there that is not a regular file, say.
QByteArray ReplaceableTarget(const QByteArray& path, int* error)
{
    if (path.isEmpty()) {
        *error = ENOENT;
        return {};
    }
    const QByteArray target = FollowLinks(path, error);
    struct stat st;
    if (!target.isEmpty() && stat(target.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        *error = NotRegular(st.st_mode);
        return {};
    }
    return target;
}

// 0 once every byte is written, else why not.
int WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        data += n;
        size -= std::size_t(n);
    }
    return 0;
}

// Reads a list or value of extended attributes whose size is asked first;
// false, errno telling why, when it cannot be read.
template <typename Read>
bool ReadSized(QByteArray& out, Read read)
{
    for (int tries = 0; tries < 3; ++tries) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return false;
        out = QByteArray(qsizetype(size), '\0');
        const ssize_t n = read(out.data(), std::size_t(size));
        if (n >= 0) {
            out.truncate(n);
            return true;
        }
        if (errno != ERANGE) // ERANGE: it grew between the two calls
            return false;
    }
    return false;
}

// Gives the new file (fd) what the user set on the old one (st, at old):
// owner and group where the system allows, then the permissions, then the
// extended attributes. A change of owner clears set-id bits, so the
// permissions come after it, and the access-control list after them, since
// setting the permissions rewrites its mask. Returns 0, or why it failed.
int TakeOver(int fd, const QByteArray& old, const struct stat& st)
{
    // Only root gives a file away; a member of the old file's group may
    // still give it that group. What is refused stays as the system made it.
    if (fchown(fd, st.st_uid, st.st_gid) != 0)
        (void)fchown(fd, uid_t(-1), st.st_gid);

    QByteArray names;
    if (!ReadSized(names, [&](char* b, std::size_t n) { return llistxattr(old.constData(), b, n); }) &&
        errno != ENOTSUP)
        return errno;
    const QList<QByteArray> list = names.split('\0');
    // An access list the folder's default gave the new file, which the old
    // file does not have, would open it to others.
    if (!list.contains(kAccessAcl) && fremovexattr(fd, kAccessAcl) != 0 && errno != ENODATA && errno != ENOTSUP)
        return errno;
    if (fchmod(fd, st.st_mode & 07777) != 0)
        return errno;
    for (const QByteArray& name : list) {
        QByteArray value;
        if (name.isEmpty() ||
            !ReadSized(value, [&](char* b, std::size_t n) { return lgetxattr(old.constData(), name.constData(), b, n); }))
            continue; // gone meanwhile, or not the saver's to read
        // The access list must come along: without it the group's bits
        // would take the mask's permissions. Any other attribute is carried
        // where the system lets the saver set it (security.* and trusted.*
        // ones only for root).
        if (fsetxattr(fd, name.constData(), value.constData(), std::size_t(value.size()), 0) != 0 && name == kAccessAcl)
            return errno;
    }
    return 0;
}

} // namespace

bool CanReplace(const QString& path)
{
    int error = 0;
    return !ReplaceableTarget(QFile::encodeName(path), &error).isEmpty();
}

FileReplacement::FileReplacement(const QString& path) : path_(QFile::encodeName(path))
{
    int error = 0;
    target_ = ReplaceableTarget(path_, &error);
    if (target_.isEmpty()) {
        fail(error);
        return;
    }
    // A new file gets the permissions the user's umask (or the folder's
    // default access list) gives any new file. One that replaces a file is
    // private while it is written, never more open than the file it
    // replaces; it takes that file's permissions at commit.
    mode_t createMode = 0666;
    struct stat st;
    if (stat(target_.constData(), &st) == 0) {
        // A read-only file stays read-only: it is not replaced behind the
        // user's back.
        if (access(target_.constData(), W_OK) != 0) {
            fail(errno);
            return;
        }
        mode_ = st.st_mode & 07777;
        keepMode_ = true;
        createMode = 0600 & mode_;
    }
    // A short name of our own, so that any name the filesystem takes for the
    // target can be written through it.
    for (int tries = 0; tries < 100 && fd_ < 0; ++tries) {
        temp_ = FolderOf(target_) + ".glimmerdeck-" +
                QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
        fd_ = open(temp_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        error = errno;
        if (fd_ < 0 && error != EEXIST)
            break;
    }
    if (fd_ < 0) {
        temp_.clear();
        fail(error);
    }
}

FileReplacement::~FileReplacement() { cancel(); }

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
    const int error = WriteAll(fd_, static_cast<const char*>(data), size);
    return error == 0 || fail(error);
}

bool FileReplacement::commit()
{
    if (!ok())
        return false;
    // The old file as it is now gives the new one its owner, permissions and
    // attributes; one gone since the save began leaves its permissions then.
    struct stat old;
    if (lstat(target_.constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (const int error = TakeOver(fd_, target_, old))
            return fail(error);
    } else if (keepMode_ && fchmod(fd_, mode_) != 0) {
        return fail(errno);
    }
    // Everything written must be on the disk before the name moves: a disk
    // that refuses the data at this point still leaves the older file.
    if (fsync(fd_) != 0)
        return fail(errno);
    const int closed = close(fd_);
    fd_ = -1;
    if (closed != 0)
        return fail(errno);
    // A save lets the event loop run while it writes, so the name may have
    // been given to a pipe or a device meanwhile: that is left alone. (A
    // swap after this look still loses to the rename, which has no form that
    // replaces regular files only.)
    int error = 0;
    if (ReplaceableTarget(path_, &error).isEmpty())
        return fail(error);
    if (lstat(target_.constData(), &old) == 0 && !S_ISREG(old.st_mode))
        return fail(NotRegular(old.st_mode));
    if (rename(temp_.constData(), target_.constData()) != 0)
        return fail(errno);
    temp_.clear();
    // The rename itself reaches the disk with the folder's entries.
    const QByteArray folder = FolderOf(target_);
    const int dir = open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

void FileReplacement::cancel()
{
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    if (!temp_.isEmpty())
        unlink(temp_.constData());
    temp_.clear();
}

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* why)
{
    FileReplacement file(path);
    if (file.write(bytes) && file.commit())
        return true;
    if (why)
        *why = file.errorText();
    return false;
}

#include "core/files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
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

namespace {

// The folder part of a path, with its slash ("" for a bare name).
QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash + 1);
}

// Where a write to path lands: path itself, or what its chain of links
// leads to, existing or not. Empty for a loop of links or a path that
// cannot be looked at.
QByteArray FollowLinks(QByteArray path)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (lstat(path.constData(), &st) != 0)
            return errno == ENOENT ? path : QByteArray();
        if (!S_ISLNK(st.st_mode))
            return path;
        QByteArray link(qsizetype(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = readlink(path.constData(), link.data(), size_t(link.size()));
        if (n <= 0 || n >= link.size())
            return {};
        link.truncate(n);
        path = link.startsWith('/') ? link : FolderOf(path) + link;
    }
    return {};
}

// The target of a write to path, or empty when it must not be written:
// something there that is not a regular file.
QByteArray ReplaceableTarget(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QByteArray target = FollowLinks(QFile::encodeName(path));
    struct stat st;
    if (target.isEmpty() || (stat(target.constData(), &st) == 0 && !S_ISREG(st.st_mode)))
        return {};
    return target;
}

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

} // namespace

bool CanReplace(const QString& path) { return !ReplaceableTarget(path).isEmpty(); }

FileReplacement::FileReplacement(const QString& path) : target_(ReplaceableTarget(path))
{
    if (target_.isEmpty())
        return;
    struct stat st;
    if (stat(target_.constData(), &st) == 0) {
        // A read-only file stays read-only: it is not replaced behind the
        // user's back.
        if (access(target_.constData(), W_OK) != 0)
            return;
        mode_ = st.st_mode & 07777;
        keepMode_ = true;
    }
    // A short name of our own, so that any name the filesystem takes for the
    // target can be written through it. A new file gets the permissions the
    // user's umask gives any new file.
    for (int tries = 0; tries < 100 && fd_ < 0; ++tries) {
        temp_ = FolderOf(target_) + ".glimmerdeck-" +
                QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
        fd_ = open(temp_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0)
        temp_.clear();
}

FileReplacement::~FileReplacement() { cancel(); }

bool FileReplacement::write(const void* data, std::size_t size)
{
    if (!ok())
        return false;
    if (!WriteAll(fd_, static_cast<const char*>(data), size)) {
        cancel();
        return false;
    }
    return true;
}

bool FileReplacement::commit()
{
    if (!ok())
        return false;
    // Everything written must be on the disk before the name moves: a disk
    // that refuses the data at this point still leaves the older file.
    bool done = (!keepMode_ || fchmod(fd_, mode_) == 0) && fsync(fd_) == 0;
    done = close(fd_) == 0 && done;
    fd_ = -1;
    if (!done || rename(temp_.constData(), target_.constData()) != 0) {
        unlink(temp_.constData());
        temp_.clear();
        return false;
    }
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

bool ReplaceFile(const QString& path, const QByteArray& bytes)
{
    FileReplacement file(path);
    return file.write(bytes) && file.commit();
}

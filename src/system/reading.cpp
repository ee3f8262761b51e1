#include "system/reading.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ReadFault FaultOf(const struct stat& st) { return S_ISDIR(st.st_mode) ? ReadFault::Folder : ReadFault::NotAFile; }

} // namespace

ReadFault OpenForReading(const QString& path, QFile& file, QIODevice::OpenMode extra)
{
    if (path.isEmpty())
        return ReadFault::Missing;
    const QByteArray name = QFile::encodeName(path);
    // A look at the name first spares pipes and devices the open in the
    // usual case (opening some devices has effects of its own). It decides
    // nothing on its own: the check that counts is made on the descriptor.
    struct stat st;
    if (stat(name.constData(), &st) != 0)
        return ReadFault::Missing;
    if (!S_ISREG(st.st_mode))
        return FaultOf(st);
    int fd;
    do
        fd = open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR || errno == ELOOP ? ReadFault::Missing : ReadFault::CannotOpen;
    const bool looked = fstat(fd, &st) == 0;
    if (!looked || !S_ISREG(st.st_mode)) {
        close(fd);
        return looked ? FaultOf(st) : ReadFault::CannotOpen;
    }
    // Reads of a regular file then block as they always do.
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file.open(fd, QIODevice::ReadOnly | extra, QFileDevice::AutoCloseHandle)) {
        close(fd);
        return ReadFault::CannotOpen;
    }
    return ReadFault::None;
}

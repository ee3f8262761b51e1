#pragma once
// Checks made on a file before anything opens it, and writing a file whole
// or not at all.
#include <cstddef>

#include <QByteArray>
#include <QString>

// True when path names a regular file (or a link to one). Pipes, devices,
// sockets and folders are refused before anything opens them: opening a
// named pipe for reading blocks until a writer appears.
bool IsRegularFile(const QString& path);

// True when a file may be written at path: nothing is there yet (a link
// that leads nowhere counts as nothing), or, after following links, a
// regular file. A pipe, device, socket or folder is never replaced, nor a
// link to one, nor a loop of links.
bool CanReplace(const QString& path);

// Why a file could not be written: an errno value, or kNotARegularFile when
// something other than a regular file has the name.
inline constexpr int kNotARegularFile = -1;

// A short text for a user that completes "... could not be written: ...",
// such as "no space left on the disk" or "permission denied".
QString FileErrorText(int error);

// Writes a file whole or not at all. The bytes go to a new file with a short
// name beside the target; commit() flushes it to the disk and only then
// renames it over the target, so a failed write, a full disk or an abandoned
// save leaves any older file byte for byte as it was. A link is followed:
// the file it leads to is replaced and the link stays. Unlike QSaveFile,
// nothing is buffered, so every write that the disk refuses is seen, and
// names of any length the filesystem takes can be replaced.
//
// The new file replacing an existing one is private while it is written (no
// more open than the old file), and takes the old file's owner and group
// where the system allows, then its permissions, then its extended
// attributes (its access-control list among them). A new target gets the
// permissions any new file gets from the umask and the folder.
//
// Other hard links to the old file keep the old content: the new file takes
// the name saved to, and the other names still lead to the old file.
class FileReplacement {
public:
    // Refuses (ok() false, nothing created) targets that CanReplace refuses
    // and read-only files.
    explicit FileReplacement(const QString& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False once anything has failed; every later call then does nothing.
    bool ok() const { return fd_ >= 0; }
    bool write(const void* data, std::size_t size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), std::size_t(bytes.size())); }
    // Puts the file in place; true only when every byte is on the disk.
    bool commit();
    // Drops the new file; the target stays as it was.
    void cancel();

    // Why the file was not written (0 while nothing has failed), and that as
    // a short text (FileErrorText).
    int error() const { return error_; }
    QString errorText() const { return FileErrorText(error_); }

private:
    bool fail(int error);

    QByteArray path_;   // the name as given
    QByteArray target_; // where the file goes, links followed
    QByteArray temp_;   // the new file beside it
    int fd_ = -1;
    int error_ = 0;
    unsigned mode_ = 0;
    bool keepMode_ = false;
};

// Writes bytes as the whole file at path; false when any of it failed, the
// older file then left as it was and *why (when given) telling the cause.
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* why = nullptr);

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

// Writes a file whole or not at all. The bytes go to a new file with a short
// name beside the target; commit() flushes it to the disk and only then
// renames it over the target, so a failed write, a full disk or an abandoned
// save leaves any older file byte for byte as it was. A link is followed:
// the file it leads to is replaced and the link stays. An existing file
// keeps its permissions. Unlike QSaveFile, nothing is buffered, so every
// write that the disk refuses is seen, and names of any length the
// filesystem takes can be replaced.
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

private:
    QByteArray target_; // where the file goes, links followed
    QByteArray temp_;   // the new file beside it
    int fd_ = -1;
    unsigned mode_ = 0;
    bool keepMode_ = false;
};

// Writes bytes as the whole file at path; false when any of it failed, the
// older file then left as it was.
bool ReplaceFile(const QString& path, const QByteArray& bytes);

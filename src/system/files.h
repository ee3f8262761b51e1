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
// link to one, nor a loop of links, nor a link the system would refuse to
// follow (see FileReplacement).
bool CanReplace(const QString& path);

// Why a file could not be written: an errno value, or one of these.
inline constexpr int kNotARegularFile = -1; // something other than a regular file has the name
inline constexpr int kSharedFolderLink = -2; // a link of another user in a shared folder
inline constexpr int kBecameLink = -3;       // the name was given to a link meanwhile
inline constexpr int kMovedAway = -4;        // the file or the new file was moved or removed
inline constexpr int kTooLargeInPlace = -5;  // too large to be written over in place

// A short text for a user that completes "... could not be written: ...",
// such as "no space left on the disk" or "permission denied".
QString FileErrorText(int error);

// path as the system finds it, for a message: its folders resolved as far as
// they exist (links followed, ".." taken after them, as the system takes
// it), then the rest as given.
QString ShownPath(const QString& path);

// Writes a file whole or not at all. The folder of the target is opened once
// and everything happens through it (the checks, the new file, the rename),
// so a folder renamed during the save changes nothing: the file lands in
// that folder under its new name.
//
// A link at the name is followed, and the file it leads to is replaced while
// the link stays; but never a link in a shared folder (sticky and writable by
// all, such as the temporary folder) whose owner is neither the saver nor the
// folder's owner, whatever the system's own setting for such links: another
// user could have planted it to make the save overwrite or create a file of
// the saver's elsewhere. Such a save is refused and writes nothing.
//
// Usually the bytes go to a new file with a short name beside the target;
// commit() flushes it to the disk and only then renames it over the target,
// so a failed write, a full disk or an abandoned save leaves any older file
// byte for byte as it was. Unlike QSaveFile, nothing is buffered, so every
// write that the disk refuses is seen, and names of any length the
// filesystem takes can be replaced. The new file is private while it is
// written (no more open than the old file), then takes the old file's owner,
// group, permissions and extended attributes (its access-control list among
// them; an old list that cannot be read fails the save). Other hard links to
// the old file keep the old content: the new file takes the name saved to.
// A new target gets the permissions any new file gets from the umask and
// the folder.
//
// Where the new file could not take over the old file's owner and group (a
// user saving over a file of another user that they may write), or could
// not be renamed into place (a folder the saver may not write, or one that
// only allows adding), the existing file is written over in place instead,
// so its owner, group, permissions and access list stay exactly as they
// were, and so do its other hard links, which see the new content. The new
// bytes are then kept in memory until commit() (up to kInPlaceLimit), which
// reads the old bytes, writes the new ones over them, cuts the file to
// length and flushes it; when any of that fails, the old bytes are written
// back and the error says so. A crash or power cut in the middle of that
// write can leave the file with the new bytes in front and the old ones
// after them, or cut short; nothing is ever left beside it. This needs read
// and write permission on the file. No new file is made in a folder that
// only allows adding, since it could never be removed again: a new name
// there is refused.
class FileReplacement {
public:
    static constexpr std::size_t kInPlaceLimit = std::size_t(64) << 20;

    // Refuses (ok() false, nothing created) targets that CanReplace refuses
    // and read-only files (by their permissions: the administrator too).
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
    // a short text (FileErrorText), followed by what became of the old file
    // when it is not simply as it was.
    int error() const { return error_; }
    QString errorText() const;
    // True unless a failure came after the old file was touched: its old
    // bytes written back, or the new file renamed into place but not
    // confirmed by the disk.
    bool oldFileUntouched() const { return outcome_ == Outcome::Untouched; }
    // The file as the system resolved it, for a message.
    QString shownPath() const;

private:
    enum class Outcome { Untouched, WrittenBack, Damaged, Unconfirmed };
    bool fail(int error);
    bool openInPlace();
    bool commitInPlace();
    bool commitByRename();

    QByteArray path_;   // the name as given
    int dir_ = -1;      // the folder of the target, links followed
    QByteArray name_;   // the target's name in dir_
    int old_ = -1;      // the existing file that was checked, or -1
    bool oldReadable_ = false;
    QByteArray temp_;   // the new file in dir_
    int fd_ = -1;       // the new file, or the old one when written in place
    bool inPlace_ = false;
    QByteArray pending_; // in place: the new bytes, written at commit
    int error_ = 0;
    Outcome outcome_ = Outcome::Untouched;
};

// Writes bytes as the whole file at path; false when any of it failed, the
// older file then left as it was and *why (when given) telling the cause.
// *shown (when given) gets the file as the system resolved it.
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* why = nullptr, QString* shown = nullptr);

#pragma once
// Writing a file whole or not at all, and the checks made on it before
// anything is written.
#include <cstddef>

#include <QByteArray>
#include <QString>

// Why a file could not be written: an errno value, or one of these.
inline constexpr int kNotARegularFile = -1; // something other than a regular file has the name
inline constexpr int kSharedFolderLink = -2; // a link of another user in a shared folder
inline constexpr int kBecameLink = -3;       // the name was given to a link meanwhile
inline constexpr int kMovedAway = -4;        // the file or the new file was moved or removed
inline constexpr int kTooLargeInPlace = -5;  // too large to be written over in place
inline constexpr int kReadOnlyFile = -6;      // the file is read-only
inline constexpr int kAttributesUnreadable = -7; // attributes the save would lose

// A short text for a user that completes "... could not be written: ...",
// such as "no space left on the disk" or "permission denied".
QString FileErrorText(int error);

// path as the system finds it, for a message: its folders resolved as far as
// they exist (links followed, ".." taken after them, as the system takes
// it), then the rest as given.
QString ShownPath(const QString& path);

// Writes a file whole or not at all.
//
// The path is walked one name at a time, as the kernel walks it and with
// the permissions it checks: a folder the saver may enter but not list
// (0711, 0733, 0300) is no obstacle. The folder of the target is then held
// by a descriptor and everything happens through it (the checks, the new
// file, the rename), so a folder renamed during the save changes nothing:
// the file lands in that folder under its new name.
//
// Links are followed wherever they stand in the path, folders included, and
// a link at the name leads to the file that is replaced while the link
// stays; but never a link in a shared folder (sticky and writable by all,
// such as the temporary folder) whose owner is neither the saver nor the
// folder's owner, whatever the system's own setting for such links: another
// user could have planted it to make the save overwrite or create a file of
// the saver's elsewhere. Such a save is refused and writes nothing.
//
// Usually the bytes go to a new file beside the target, named
// ".glimmerdeck-<letters and digits>.tmp"; commit() flushes it to the disk
// and only then renames it over the target, so a failed write, a full disk
// or an abandoned save leaves any older file byte for byte as it was. Unlike
// QSaveFile, nothing is buffered, so every write that the disk refuses is
// seen, and names of any length the filesystem takes can be replaced. The
// new file is private while it is written (no more open than the old file),
// then takes the old file's owner, group, permissions and extended
// attributes (its access-control list among them). Attributes that cannot be
// read or set fail the save before the old file is touched, rather than
// being lost. Other hard links to the old file keep the old content: the
// new file takes the name saved to. A new target gets the permissions any
// new file gets from the umask and the folder. After the rename the
// folder's entries are flushed too, where the saver may open the folder to
// read it and its filesystem flushes folders; where not, the flushed file
// under its new name is the save.
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
// back and the error says so. This needs read and write permission on the
// file. No new file is made in a folder that only allows adding, since it
// could never be removed again: a new name there is refused.
//
// What a save killed in the middle (or cut off by a crash or a power cut)
// can leave:
// - by rename: the old file as it was, and beside it the hidden new file
//   ".glimmerdeck-<letters and digits>.tmp", holding any part of the new
//   set up to the whole of it, until someone removes it; or, killed after
//   the rename, the whole new file. A power cut soon after a save into a
//   folder that could not be flushed can also bring back the old file, with
//   the whole new one beside it under that hidden name;
// - in place: the new bytes in front and the old ones after them, or the
//   file cut short; and, killed while the old bytes are written back after
//   a failure, old bytes in front and new ones after them. Nothing is left
//   beside the file.
class FileReplacement {
public:
    static constexpr std::size_t kInPlaceLimit = std::size_t(64) << 20;

    // Refuses (ok() false, nothing created) all but a name where nothing is
    // yet (a link that leads nowhere counts as nothing) and a regular file
    // (after following links): a pipe, device, socket or folder is never
    // replaced, nor a link to one, nor a loop of links, nor a link the
    // shared-folder rule refuses. Refuses read-only files too (by their
    // permissions: the administrator too), and files whose attributes cannot
    // be read.
    explicit FileReplacement(const QString& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False once anything has failed; every later call then does nothing.
    bool ok() const { return fd_ >= 0; }
    bool write(const void* data, std::size_t size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), std::size_t(bytes.size())); }
    // Puts the file in place; true only when every byte is on the disk, and
    // so is the new name where the folder could be flushed (see above).
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
    enum class Outcome { Untouched, WrittenBack, WrittenBackUnconfirmed, Damaged, Unconfirmed };
    bool fail(int error);
    bool openInPlace();
    bool commitInPlace();
    bool commitByRename();

    QByteArray path_;   // the name as given
    int dir_ = -1;      // finds the folder of the target, links followed (O_PATH)
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

// For tests: the call that flushes an open file or folder to the disk
// (fsync unless set; 0, or -1 with errno), so that answers no filesystem
// here gives (EINVAL for a folder, EIO) can be tried. Gives back the call it
// replaces; nullptr sets fsync again.
using DiskFlush = int (*)(int fd);
DiskFlush SetDiskFlush(DiskFlush flush);

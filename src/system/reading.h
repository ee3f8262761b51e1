#pragma once
// The one way the program opens a file to read it.
#include <QFile>
#include <QString>

// Why a name gave no file to read.
enum class ReadFault {
    None,
    Missing,    // nothing of that name (or no name, or a path that leads nowhere)
    Folder,     // a folder
    NotAFile,   // a pipe, device or socket
    CannotOpen, // a regular file that could not be opened (permissions, ...)
};

// Opens the file at path for reading into file, which must be closed, and
// gives ReadFault::None; else leaves file closed and says why.
//
// The name is opened once and the open descriptor is what is checked and
// read: a check of the name followed by a second open could meet a pipe
// swapped in between, and opening a pipe waits for a writer, freezing the
// window. The open never waits (it is non-blocking and takes no terminal),
// and anything but a regular file is closed again unread. extra adds open
// modes to ReadOnly (such as Unbuffered).
ReadFault OpenForReading(const QString& path, QFile& file, QIODevice::OpenMode extra = {});

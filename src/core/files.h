#pragma once
// Checks made on a file before anything opens it.
#include <QString>

// True when path names a regular file (or a link to one). Pipes, devices,
// sockets and folders are refused before anything opens them: opening a
// named pipe for reading blocks until a writer appears.
bool IsRegularFile(const QString& path);

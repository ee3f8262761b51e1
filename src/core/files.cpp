#include "core/files.h"

#include <QFileInfo>

bool IsRegularFile(const QString& path)
{
    // QFileInfo reports a file only for S_ISREG after following links.
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

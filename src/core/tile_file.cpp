#include "core/tile_file.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "core/picture_files.h"

namespace tile_file {

QString JoinName(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString ExportName(const QString& name)
{
    return name.endsWith(QLatin1String(".bmp"), Qt::CaseSensitive) ? name : name + QStringLiteral(".bmp");
}

ImportResult ReadTilePicture(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {std::nullopt, QStringLiteral("The tile was not imported: the file \"%1\" was not found.").arg(shown)};
    // Folders, pipes and devices are no picture files; reading a pipe could
    // wait forever.
    if (!info.isFile())
        return {std::nullopt, QStringLiteral("The tile was not imported: \"%1\" is not a file.").arg(shown)};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("The tile was not imported: the file \"%1\" could not be opened.").arg(shown)};
    // The header tells the picture's size; a huge picture is refused before
    // any memory is spent on it.
    QImageReader header(&file);
    header.setDecideFormatFromContent(true);
    const QSize size = header.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        return {std::nullopt, QStringLiteral("The tile was not imported: the picture in \"%1\" is too large (%2 x %3 "
                                             "pixels).")
                                  .arg(shown)
                                  .arg(size.width())
                                  .arg(size.height())};
    file.close();

    std::optional<QImage> img = LoadPicture(path);
    if (!img || img->isNull())
        return {std::nullopt,
                QStringLiteral("The tile was not imported: \"%1\" is not a picture that can be read.").arg(shown)};
    // A layer shows the top-left tile of its picture; keeping only that part
    // keeps a large picture from lingering in memory.
    if (img->width() > kTileSide || img->height() > kTileSide)
        img = img->copy(0, 0, std::min(img->width(), kTileSide), std::min(img->height(), kTileSide));
    return {std::move(img), {}};
}

} // namespace tile_file

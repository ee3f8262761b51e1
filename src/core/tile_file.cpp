#include "core/tile_file.h"

#include <algorithm>

#include <QDir>

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
    auto fail = [](const QString& why) {
        return ImportResult{std::nullopt, QStringLiteral("The tile was not imported: ") + why};
    };
    PictureFile file(path);
    // Only the top-left tile is kept, but the whole picture is decoded, so a
    // file that ends early is told from a whole one.
    std::optional<QImage> img = file.read(kMaxPixels);
    switch (file.fault()) {
    case PictureFault::None:
        break;
    case PictureFault::Missing:
        return fail(QStringLiteral("the file \"%1\" was not found.").arg(shown));
    case PictureFault::NotAFile:
        // Folders, pipes and devices are no picture files; reading a pipe
        // could wait forever.
        return fail(QStringLiteral("\"%1\" is not a file.").arg(shown));
    case PictureFault::CannotOpen:
        return fail(QStringLiteral("the file \"%1\" could not be opened.").arg(shown));
    case PictureFault::TooLarge:
        return fail(QStringLiteral("the picture in \"%1\" is too large (%2 x %3 pixels).")
                        .arg(shown)
                        .arg(file.size().width())
                        .arg(file.size().height()));
    case PictureFault::NotAPicture:
    case PictureFault::Unreadable:
        return fail(QStringLiteral("\"%1\" is not a picture that can be read.").arg(shown));
    }
    // A layer shows the top-left tile of its picture; keeping only that part
    // keeps a large picture from lingering in memory.
    if (img->width() > kTileSide || img->height() > kTileSide)
        img = img->copy(0, 0, std::min(img->width(), kTileSide), std::min(img->height(), kTileSide));
    return {std::move(img), {}};
}

} // namespace tile_file

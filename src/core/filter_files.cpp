#include "core/filter_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include "core/text_line.h"
#include "system/reading.h"

#include "core/picture_files.h"

namespace {

constexpr int kLines = 3;
// Enough for three lines of the longest allowed length with their CR LF.
constexpr qint64 kReadLimit = kLines * (kMaxFilterLine + 2) + 1;

FilterInstructionsResult Fail(const QString& why) { return FilterInstructionsResult{std::nullopt, why}; }

} // namespace

FilterInstructionsResult ReadFilterInstructions(const QString& path)
{
    // Folders, pipes and devices are refused unread.
    QFile file;
    switch (OpenForReading(path, file)) {
    case ReadFault::None:
        break;
    case ReadFault::Missing:
        return Fail(QStringLiteral("its file was not found"));
    case ReadFault::Folder:
    case ReadFault::NotAFile:
        return Fail(QStringLiteral("it is not a file"));
    case ReadFault::CannotOpen:
        return Fail(QStringLiteral("its file could not be opened"));
    }

    QByteArray data = file.read(kReadLimit);
    const bool wholeFile = file.atEnd();
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);

    QList<QByteArray> lines;
    qsizetype pos = 0;
    while (lines.size() < kLines && pos < data.size()) {
        qsizetype end = pos;
        while (end < data.size() && data[end] != '\r' && data[end] != '\n')
            ++end;
        if (end == data.size() && !wholeFile)
            return Fail(QStringLiteral("line %1 is too long for a filter file").arg(lines.size() + 1));
        const QByteArray line = data.mid(pos, end - pos);
        if (line.size() > kMaxFilterLine)
            return Fail(QStringLiteral("line %1 is too long for a filter file").arg(lines.size() + 1));
        if (line.contains('\0'))
            return Fail(QStringLiteral("it is not a text file"));
        lines.append(line);
        pos = end;
        if (pos < data.size() && data[pos] == '\r')
            ++pos;
        if (pos < data.size() && data[pos] == '\n')
            ++pos;
    }
    if (lines.size() < kLines)
        return Fail(QStringLiteral("it has %1 of the three lines a filter needs (title, author, bitmap name)")
                        .arg(lines.size()));

    FilterInstructions f{DecodeTextLine(lines[0]), DecodeTextLine(lines[1]), DecodeTextLine(lines[2])};
    if (f.bitmapName.contains(QLatin1Char('/')) || f.bitmapName.contains(QLatin1Char('\\')))
        return Fail(QStringLiteral("its bitmap name '%1' points outside the Filters folder").arg(f.bitmapName));
    return FilterInstructionsResult{std::move(f), QString()};
}

QString FilterCaption(const FilterInstructions& filter)
{
    return QStringLiteral("'") + filter.title + QStringLiteral("' by ") + filter.author;
}

QString FilterBitmapPath(const QString& filtersFolder, const QString& bitmapName)
{
    return QDir(filtersFolder).filePath(bitmapName + QStringLiteral(".bmp"));
}

FilterBitmapResult LoadFilterBitmap(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    auto fail = [](const QString& why) { return FilterBitmapResult{std::nullopt, why}; };
    PictureFile file(path);
    switch (file.fault()) {
    case PictureFault::None:
        break;
    case PictureFault::Missing:
        return fail(QStringLiteral("its bitmap '%1' was not found in the Filters folder").arg(name));
    case PictureFault::NotAFile: // a folder, pipe or device: never opened
        return fail(QStringLiteral("its bitmap '%1' is not a regular file").arg(name));
    case PictureFault::CannotOpen:
        return fail(QStringLiteral("its bitmap '%1' could not be opened").arg(name));
    default:
        return fail(QStringLiteral("its bitmap '%1' is not a picture").arg(name));
    }
    auto wrongSize = [&](QSize s, const char* bound, int side) {
        return fail(QStringLiteral("its bitmap '%1' is %2 x %3 pixels; a filter bitmap must be %4 %5 x %5")
                        .arg(name)
                        .arg(s.width())
                        .arg(s.height())
                        .arg(QLatin1String(bound))
                        .arg(side));
    };
    auto tooSmall = [](QSize s) { return s.width() < kFilterSide || s.height() < kFilterSide; };
    auto tooLarge = [](QSize s) { return s.width() > kMaxFilterBitmapSide || s.height() > kMaxFilterBitmapSide; };
    const QSize announced = file.size();
    if (announced.isValid()) {
        if (tooSmall(announced))
            return wrongSize(announced, "at least", kFilterSide);
        if (tooLarge(announced))
            return wrongSize(announced, "at most", kMaxFilterBitmapSide);
    }
    // Only the top-left 64 x 64 pixels act as the filter.
    const QRect used(0, 0, kFilterSide, kFilterSide);
    std::optional<QImage> img = file.read(qint64(kMaxFilterBitmapSide) * kMaxFilterBitmapSide, used);
    if (!img)
        return fail(QStringLiteral("its bitmap '%1' could not be read as a picture").arg(name));
    if (img->size() != used.size()) {
        // A reader that announced no size, or ignored the clip.
        if (tooSmall(img->size()))
            return wrongSize(img->size(), "at least", kFilterSide);
        img = img->copy(used);
    }
    return FilterBitmapResult{std::move(img), QString()};
}

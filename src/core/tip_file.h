#pragma once
// The tip file: one tip a line, read safely whatever the file holds, and the
// choice of a tip by a random number.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tips {

enum class TipFileState { Missing, Unreadable, Read };
struct TipFile {
    TipFileState state = TipFileState::Missing;
    QStringList lines;
};

// Bounds far above any real tip file, whose tips are a sentence or two each,
// so that no file can stall the start or fill the memory (a label asked to
// lay out a line of hundreds of megabytes takes seconds and gigabytes, and
// crashes past that): only the first MiB of a file is read, and a longer
// line shows cut, its first kMaxTipLine bytes kept, less the start of a
// character that would not fit whole.
inline constexpr qint64 kMaxTipFileRead = 1 << 20;
inline constexpr qsizetype kMaxTipLine = 4096;

// Splits a tip file's bytes into its lines, as they are (no trimming, empty
// lines kept), each cut at kMaxTipLine bytes. A line ends at CR LF, LF or
// CR; a line end at the very end of the file does not start another line.
// Lines are UTF-8, or Latin-1 when they are not valid UTF-8.
QStringList SplitTipLines(const QByteArray& bytes);

// Reads the tip file, its first kMaxTipFileRead bytes at most: Missing when
// there is no file of that name (or the name is empty or names a folder),
// Unreadable when it exists but cannot be read, Read with its lines
// otherwise.
TipFile ReadTipFile(const QString& path);

// The 1-based position of a tip for a random number r in [0, 1):
// floor(r * count + 1), in double precision, kept within 1..count. 1 when
// there are no tips (the caller shows nothing then).
int TipIndexFor(float r, int count);

// Whether a stored setting switches the tips on. Missing or not a number:
// on (the default); otherwise a number that rounds to 0 switches them off.
bool TipsOn(const QString& stored);

} // namespace tips

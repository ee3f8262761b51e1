#include "core/tip_file.h"

#include <algorithm>
#include <cmath>

#include <QFile>

#include "core/conversions.h"
#include "system/reading.h"
#include "core/text_line.h"

namespace tips {

namespace {

// Where bytes may be cut before position end (end < size) without splitting
// a UTF-8 character: end, or the start of the character that end falls
// inside. Text that is not UTF-8 loses at most three bytes more.
qsizetype CharacterStart(const QByteArray& bytes, qsizetype end)
{
    for (int i = 0; i < 3 && end > 0 && (uchar(bytes[end]) & 0xC0) == 0x80; ++i)
        --end;
    return end;
}

QString TipLine(const QByteArray& line)
{
    if (line.size() <= kMaxTipLine)
        return DecodeTextLine(line);
    return DecodeTextLine(line.left(CharacterStart(line, kMaxTipLine)));
}

// Appends the lines of one chunk that ended at LF (or at the end of the
// file): a CR before the LF belongs to the line end, a lone CR ends a line.
void AppendChunk(QByteArray chunk, QStringList& lines)
{
    if (chunk.endsWith('\n'))
        chunk.chop(1);
    if (chunk.endsWith('\r'))
        chunk.chop(1);
    qsizetype start = 0;
    for (qsizetype i = chunk.indexOf('\r'); i >= 0; i = chunk.indexOf('\r', start)) {
        lines.append(TipLine(chunk.mid(start, i - start)));
        start = i + 1;
    }
    lines.append(TipLine(chunk.mid(start)));
}

} // namespace

QStringList SplitTipLines(const QByteArray& bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        const qsizetype end = lf < 0 ? bytes.size() : lf + 1;
        AppendChunk(bytes.mid(start, end - start), lines);
        start = end;
    }
    return lines;
}

TipFile ReadTipFile(const QString& path)
{
    TipFile result;
    // Pipes and devices are not tip files; reading one could wait forever.
    QFile file;
    const ReadFault fault = OpenForReading(path, file);
    if (fault == ReadFault::Missing || fault == ReadFault::Folder)
        return result; // Missing
    result.state = TipFileState::Unreadable;
    if (fault != ReadFault::None)
        return result;
    // One byte past the bound tells whether the file goes on, and whether
    // the cut falls inside a character.
    QByteArray bytes = file.read(kMaxTipFileRead + 1);
    if (file.error() != QFileDevice::NoError)
        return result;
    if (bytes.size() > kMaxTipFileRead)
        bytes.truncate(CharacterStart(bytes, kMaxTipFileRead));
    result.lines = SplitTipLines(bytes);
    result.state = TipFileState::Read;
    return result;
}

int TipIndexFor(float r, int count)
{
    // An empty list gives position 1 (r x 0 + 1), which names no tip.
    if (count <= 0)
        return 1;
    const double index = std::floor(static_cast<double>(r) * count + 1);
    // r below 1 keeps the index within the list; the clamp also covers a
    // product that rounds up for very long lists.
    return static_cast<int>(std::clamp(index, 1.0, static_cast<double>(count)));
}

bool TipsOn(const QString& stored)
{
    bool ok = false;
    const double v = stored.trimmed().toDouble(&ok);
    if (!ok)
        return true;
    return conv::CLng(v) != 0;
}

} // namespace tips

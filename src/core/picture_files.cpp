#include "core/picture_files.h"

#include <algorithm>
#include <climits>

#include <QFile>
#include <QImageReader>
#include <QBuffer>

#include "system/files.h"
#include "system/reading.h"

// A file that notes when a decoder asked it for more bytes than were left.
// The device itself is unbuffered, so every request a decoder makes arrives
// here as it was made; the requests are served from a buffered QFile, so a
// decoder that reads a byte at a time costs no system call a byte.
class PictureFile::WatchedFile : public QIODevice {
public:
    // Opens the file at path, or says why not.
    ReadFault open(const QString& path)
    {
        const ReadFault fault = OpenForReading(path, file_);
        if (fault == ReadFault::None && !QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            file_.close();
            return ReadFault::CannotOpen;
        }
        return fault;
    }
    void close() override
    {
        QIODevice::close();
        file_.close();
    }
    qint64 size() const override { return file_.size(); }
    bool seek(qint64 pos) override { return file_.seek(pos) && QIODevice::seek(pos); }

    void forget() { cameShort_ = foundNothing_ = false; }
    bool cameShort() const { return cameShort_; }
    bool foundNothing() const { return foundNothing_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        // A regular file gives fewer bytes than asked only where it ends.
        const qint64 got = file_.read(data, maxSize);
        if (maxSize > 0 && got < maxSize) {
            cameShort_ = true;
            foundNothing_ = foundNothing_ || got <= 0;
        }
        return got;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile file_;
    bool cameShort_ = false;
    bool foundNothing_ = false;
};

namespace {

// Qt refuses to decode pictures beyond a process-wide allocation limit
// (128 MB unless set), which lies below kMaxPicturePixels. For one read the
// limit becomes what maxPixels needs at 8 bytes a pixel, the most any of
// Qt's decoders keeps (16 bits a channel); it is set back afterwards.
class AllocationLimit {
public:
    explicit AllocationLimit(qint64 maxPixels) : saved_(QImageReader::allocationLimit())
    {
        const qint64 mb = (std::max<qint64>(maxPixels, 0) * 8 + (1 << 20) - 1) >> 20;
        QImageReader::setAllocationLimit(int(std::clamp<qint64>(mb, 1, INT_MAX)));
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(saved_); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    int saved_;
};

bool MorePixelsThan(QSize s, qint64 maxPixels) { return qint64(s.width()) * s.height() > maxPixels; }

} // namespace

PictureFile::PictureFile(const QString& path)
{
    file_ = std::make_unique<WatchedFile>();
    switch (file_->open(path)) {
    case ReadFault::None:
        break;
    case ReadFault::Missing:
        fault_ = PictureFault::Missing;
        return;
    case ReadFault::Folder:
    case ReadFault::NotAFile:
        fault_ = PictureFault::NotAFile;
        return;
    case ReadFault::CannotOpen:
        fault_ = PictureFault::CannotOpen;
        return;
    }
    reader_ = std::make_unique<QImageReader>(file_.get());
    reader_->setDecideFormatFromContent(true);
    // Texture sets have their own reader; this loader never reads Targa
    // files, whatever image plugins the machine has.
    format_ = reader_->format().toLower();
    if (!reader_->canRead() || format_ == "tga") {
        fault_ = PictureFault::NotAPicture;
        return;
    }
    size_ = reader_->size();
}

PictureFile::~PictureFile() = default;

bool PictureFile::dataEndedEarly() const
{
    // The bitmap reader reads every row it needs exactly and, when the file
    // ends first, keeps the rows it never read as they were in memory.
    if (format_ == "bmp")
        return file_->cameShort();
    // The other readers ask for blocks and take what they get, so only a
    // request that finds nothing at all means the picture went on past the
    // end. The text formats read up to the end and report short data
    // themselves.
    static const QByteArray kText[] = {"pbm", "pgm", "ppm", "xbm", "xpm"};
    if (std::find(std::begin(kText), std::end(kText), format_) != std::end(kText))
        return false;
    return file_->foundNothing();
}

std::optional<QImage> PictureFile::read(qint64 maxPixels, const QRect& clip)
{
    if (fault_ != PictureFault::None)
        return std::nullopt;
    if (size_.isValid() && MorePixelsThan(size_, maxPixels)) {
        fault_ = PictureFault::TooLarge;
        return std::nullopt;
    }
    if (clip.isValid())
        reader_->setClipRect(clip);
    QImage img;
    {
        const AllocationLimit limit(maxPixels);
        file_->forget();
        img = reader_->read();
    }
    if (img.isNull() || dataEndedEarly()) {
        fault_ = PictureFault::Unreadable;
        return std::nullopt;
    }
    if (!size_.isValid() && MorePixelsThan(img.size(), maxPixels)) {
        fault_ = PictureFault::TooLarge;
        return std::nullopt;
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

std::optional<QImage> LoadPicture(const QString& path) { return PictureFile(path).read(); }

bool SavePicture(const QImage& img, const QString& path, QString* why, QString* shown)
{
    // Encoded in memory, then written whole or not at all, so a failed write
    // leaves any existing file as it was.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!img.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) {
        if (why)
            *why = QStringLiteral("the picture could not be made into a bitmap");
        return false;
    }
    return ReplaceFile(path, bytes, why, shown);
}

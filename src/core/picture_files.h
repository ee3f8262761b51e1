#pragma once
// Picture files: loading any format Qt reads, and writing bitmaps.
#include <memory>
#include <optional>

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

class QImageReader;

// The largest picture the program decodes, in pixels: larger ones are
// refused, unread when the file's header tells the size.
inline constexpr qint64 kMaxPicturePixels = qint64(8192) * 8192;

// Why a picture file gave no picture.
enum class PictureFault {
    None,
    Missing,     // no file of that name (or no name)
    NotAFile,    // a folder, pipe, device or socket: never read
    CannotOpen,  // it exists but could not be opened
    NotAPicture, // not in a format the loader reads (Targa files are texture sets)
    TooLarge,    // more pixels than the caller allows
    Unreadable,  // the decoder failed, or the data ends before the picture does
};

// One picture file, opened to be decoded once. Only regular files are read
// (see OpenForReading): a named pipe waits for a writer and a device never
// ends. A
// picture whose data ends early is refused, whatever the format's decoder
// makes of it, so no result ever shows memory that the file did not fill.
class PictureFile {
public:
    explicit PictureFile(const QString& path);
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    // None while the file can still be read; after a failed read, why.
    PictureFault fault() const { return fault_; }
    // The size the file's header announces; invalid when it tells none.
    QSize size() const { return size_; }
    // Decodes the picture (only the clip rectangle of it, when one is given)
    // as Format_RGB32. Refused, with fault() telling why, when it has more
    // than maxPixels pixels or cannot be decoded whole.
    std::optional<QImage> read(qint64 maxPixels = kMaxPicturePixels, const QRect& clip = {});

private:
    class WatchedFile;
    bool dataEndedEarly() const;

    std::unique_ptr<WatchedFile> file_;
    std::unique_ptr<QImageReader> reader_;
    QByteArray format_;
    QSize size_;
    PictureFault fault_ = PictureFault::None;
};

// The picture in the file, or nothing when it cannot be read as a picture
// of at most kMaxPicturePixels pixels.
std::optional<QImage> LoadPicture(const QString& path);
// Writes img as a 24-bit BMP file; false when the file could not be written,
// *why (when given) then telling the cause in a few words and *shown (when
// given) the file as the system resolved it.
bool SavePicture(const QImage& img, const QString& path, QString* why = nullptr, QString* shown = nullptr);

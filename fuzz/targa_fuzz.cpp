// Feeds arbitrary bytes to the texture-set reader. Whatever the header says,
// decoding must stay in bounds, terminate and allocate at most the capped
// picture size; a decoded picture must have the header's size, and reading
// the same bytes as a file, in pieces, must give the same picture.
#include <cstdint>
#include <cstdlib>
#include <span>

#include <QBuffer>

#include "core/targa.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> file(data, size);
    const TargaHeader header = ReadTargaHeader(file);
    // Pictures are capped at 32 MiB here so that each input runs quickly;
    // the size check itself is the same for every cap.
    const qint64 cap = qint64(32) << 20;
    const auto image = DecodeTarga(file, cap);
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const auto read = ReadTarga(device, cap);
    if (image.has_value() != read.has_value() || (image && *image != *read))
        std::abort();
    if (!image)
        return 0;
    if (image->width() != header.Width || image->height() != header.Height
        || image->format() != QImage::Format_RGB32)
        std::abort();
    // Touch the first and the last pixel of the picture.
    volatile QRgb sink = image->pixel(0, 0) ^ image->pixel(image->width() - 1, image->height() - 1);
    (void)sink;
    return 0;
}

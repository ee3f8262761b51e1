#include "core/picture_memory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

QImage NewPicture(int width, int height)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    const std::size_t bytes = std::size_t(std::max(width, 0)) * std::size_t(std::max(height, 0)) * 4;
    if (bytes >= 4 * kHugePage) {
        const std::size_t size = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        if (void* memory = std::aligned_alloc(kHugePage, size)) {
            madvise(memory, size, MADV_HUGEPAGE); // only a hint: failure is harmless
            QImage image(static_cast<uchar*>(memory), width, height, qsizetype(width) * 4,
                         QImage::Format_RGB32, [](void* p) { std::free(p); }, memory);
            if (!image.isNull())
                return image;
            std::free(memory); // a null image never takes ownership
        }
    }
#endif
    return QImage(width, height, QImage::Format_RGB32);
}

QImage CopyPicture(const QImage& img)
{
    if (img.isNull())
        return img;
    if (img.format() != QImage::Format_RGB32)
        return img.convertToFormat(QImage::Format_RGB32);
    QImage copy = NewPicture(img.width(), img.height());
    if (copy.isNull())
        return img.copy(); // the general allocator may still find the memory
    uchar* dst = copy.bits();
    const uchar* src = img.constBits();
    if (copy.bytesPerLine() == img.bytesPerLine()) {
        std::memcpy(dst, src, std::size_t(img.sizeInBytes()));
    } else {
        const std::size_t rowBytes = std::size_t(img.width()) * 4;
        for (int y = 0; y < img.height(); ++y)
            std::memcpy(dst + y * copy.bytesPerLine(), src + y * img.bytesPerLine(), rowBytes);
    }
    return copy;
}

QImage AsRgb32(const QImage& img)
{
    return img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
}

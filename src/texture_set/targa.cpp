#include "texture_set/targa.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>
#define GLIMMERDECK_TARGA_SSSE3 1
#endif

#include "platform/conversions.h"

namespace {

uint8_t ByteAt(std::span<const uint8_t> file, std::size_t i)
{
    return i < file.size() ? file[i] : 0;
}

int16_t Int16At(std::span<const uint8_t> file, std::size_t i)
{
    const auto v = static_cast<uint16_t>(ByteAt(file, i) | (ByteAt(file, i + 1) << 8));
    return static_cast<int16_t>(v);
}

void PutInt16(uint8_t* p, int16_t v)
{
    const auto u = static_cast<uint16_t>(v);
    p[0] = static_cast<uint8_t>(u & 0xFF);
    p[1] = static_cast<uint8_t>(u >> 8);
}

constexpr uint32_t kOpaque = 0xFF000000u;

uint32_t Load32(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Converts n whole 3-byte (blue, green, red) pixels into 0xFFRRGGBB words.
void ConvertPixelsPortable(const uint8_t* src, uint32_t* dst, qint64 n)
{
    qint64 i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        // Four pixels from three 32-bit loads: the words hold
        // B0 G0 R0 B1 | G1 R1 B2 G2 | R2 B3 G3 R3 (lowest byte first).
        for (; i + 4 <= n; i += 4, src += 12, dst += 4) {
            const uint32_t a = Load32(src);
            const uint32_t b = Load32(src + 4);
            const uint32_t c = Load32(src + 8);
            dst[0] = kOpaque | (a & 0x00FFFFFFu);
            dst[1] = kOpaque | (a >> 24) | ((b & 0x0000FFFFu) << 8);
            dst[2] = kOpaque | (b >> 16) | ((c & 0x000000FFu) << 16);
            dst[3] = kOpaque | (c >> 8);
        }
    }
    for (; i < n; ++i, src += 3, ++dst)
        *dst = kOpaque | (uint32_t(src[2]) << 16) | (uint32_t(src[1]) << 8) | src[0];
}

#ifdef GLIMMERDECK_TARGA_SSSE3
// The same with byte shuffles, 16 pixels a step. Each 16-byte load covers
// four pixels plus 4 bytes it does not use, so the loop stops while at least
// two pixels' worth of bytes remain past the last load.
__attribute__((target("ssse3"))) void ConvertPixelsSsse3(const uint8_t* src, uint32_t* dst, qint64 n)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(int(kOpaque));
    qint64 i = 0;
    for (; i + 18 <= n; i += 16, src += 48, dst += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 12));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 24));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 36));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_or_si128(_mm_shuffle_epi8(a, spread), opaque));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4), _mm_or_si128(_mm_shuffle_epi8(b, spread), opaque));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 8), _mm_or_si128(_mm_shuffle_epi8(c, spread), opaque));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 12), _mm_or_si128(_mm_shuffle_epi8(d, spread), opaque));
    }
    ConvertPixelsPortable(src, dst, n - i);
}
#endif

using ConvertFunction = void (*)(const uint8_t*, uint32_t*, qint64);

ConvertFunction PickConverter()
{
#ifdef GLIMMERDECK_TARGA_SSSE3
    if (__builtin_cpu_supports("ssse3"))
        return ConvertPixelsSsse3;
#endif
    return ConvertPixelsPortable;
}

// A new, uninitialised width x height RGB32 picture. Large pictures get
// memory aligned to 2 MiB and marked for transparent huge pages: touching a
// fresh 64 MiB picture one 4 KiB page at a time costs several times the
// decode itself.
QImage NewPicture(int width, int height)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
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

} // namespace

TargaHeader ReadTargaHeader(std::span<const uint8_t> file)
{
    TargaHeader h;
    h.IDLength = ByteAt(file, 0);
    h.ColorMapType = ByteAt(file, 1);
    h.ImageType = ByteAt(file, 2);
    h.ColorMapStart = Int16At(file, 3);
    h.ColorMapLength = Int16At(file, 5);
    h.ColorMapEntrySize = ByteAt(file, 7);
    h.XOrigin = Int16At(file, 8);
    h.YOrigin = Int16At(file, 10);
    h.Width = Int16At(file, 12);
    h.Height = Int16At(file, 14);
    h.PixelDepth = ByteAt(file, 16);
    h.ImageDescriptor = ByteAt(file, 17);
    return h;
}

std::array<uint8_t, kTargaHeaderSize> EncodeTargaHeader(const TargaHeader& h)
{
    std::array<uint8_t, kTargaHeaderSize> out{};
    out[0] = h.IDLength;
    out[1] = h.ColorMapType;
    out[2] = h.ImageType;
    PutInt16(&out[3], h.ColorMapStart);
    PutInt16(&out[5], h.ColorMapLength);
    out[7] = h.ColorMapEntrySize;
    PutInt16(&out[8], h.XOrigin);
    PutInt16(&out[10], h.YOrigin);
    PutInt16(&out[12], h.Width);
    PutInt16(&out[14], h.Height);
    out[16] = h.PixelDepth;
    out[17] = h.ImageDescriptor;
    return out;
}

TargaHeader TextureSetHeader(int32_t usedRows)
{
    TargaHeader h;
    h.ImageType = 2; // uncompressed true colour
    h.Width = 256;
    h.Height = conv::Wrap16(usedRows);
    h.PixelDepth = 24;
    return h;
}

std::size_t TargaPixelDataOffset(std::span<const uint8_t> file)
{
    const TargaHeader h = ReadTargaHeader(file);
    std::size_t p = kTargaHeaderSize;
    p += h.IDLength;
    if (h.ColorMapType == 1) {
        int32_t entryBytes = 0;
        switch (h.ColorMapEntrySize) {
        case 16: entryBytes = 2; break;
        case 24: entryBytes = 3; break;
        case 32: entryBytes = 4; break;
        default: break;
        }
        const int32_t n = int32_t(h.ColorMapLength) * entryBytes;
        if (n > 0)
            p += std::size_t(n);
    }
    return p;
}

std::optional<QImage> DecodeTarga(std::span<const uint8_t> file, qint64 maxImageBytes)
{
    if (file.empty())
        return std::nullopt;
    const TargaHeader h = ReadTargaHeader(file);
    const int width = h.Width;
    const int height = h.Height;
    if (width <= 0 || height <= 0)
        return std::nullopt;
    const qint64 pixelCount = qint64(width) * height;
    if (pixelCount * 4 > std::min(maxImageBytes, kMaxTargaImageBytes))
        return std::nullopt;

    QImage image = NewPicture(width, height);
    if (image.isNull()) // allocation failed
        return std::nullopt;

    const std::size_t offset = TargaPixelDataOffset(file);
    const std::span<const uint8_t> data =
        offset < file.size() ? file.subspan(offset) : std::span<const uint8_t>();
    const qint64 wholePixels = std::min<qint64>(pixelCount, qint64(data.size() / 3));

    // The pixel that fills everything after the last whole one: channels whose
    // byte exists come from the leftover bytes, the others from the previous
    // pixel (black when there was none).
    uint32_t fill = kOpaque;
    if (wholePixels < pixelCount) {
        uint8_t bgr[3] = {0, 0, 0};
        if (wholePixels > 0)
            std::memcpy(bgr, data.data() + (wholePixels - 1) * 3, 3);
        const std::size_t k = std::size_t(wholePixels) * 3;
        for (std::size_t c = 0; c < 3 && k + c < data.size(); ++c)
            bgr[c] = data[k + c];
        fill = kOpaque | (uint32_t(bgr[2]) << 16) | (uint32_t(bgr[1]) << 8) | bgr[0];
    }

    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const uint8_t* src = data.data();
    static const ConvertFunction convert = PickConverter();
    for (int r = 0; r < height; ++r) {
        // The r-th stored row is picture row height-1-r.
        auto* line = reinterpret_cast<uint32_t*>(bits + qint64(height - 1 - r) * stride);
        const qint64 rowStart = qint64(r) * width;
        const qint64 whole = std::clamp<qint64>(wholePixels - rowStart, 0, width);
        if (whole > 0) {
            convert(src, line, whole);
            src += whole * 3;
        }
        if (whole < width)
            std::fill(line + whole, line + width, fill);
    }
    return image;
}

void EncodeTargaRow(std::span<const Colour> row, std::vector<uint8_t>& out)
{
    out.reserve(out.size() + row.size() * 3);
    for (const Colour c : row) {
        const RgbParts p = SplitColor(c);
        out.push_back(static_cast<uint8_t>(p.blue));
        out.push_back(static_cast<uint8_t>(p.green));
        out.push_back(static_cast<uint8_t>(p.red));
    }
}

std::vector<uint8_t> EncodeTarga(const std::vector<std::vector<Colour>>& rows)
{
    TargaHeader h = TextureSetHeader(static_cast<int32_t>(rows.size()));
    const std::size_t width = rows.empty() ? 0 : rows.front().size();
    h.Width = conv::Wrap16(static_cast<int32_t>(width));

    std::vector<uint8_t> out;
    out.reserve(kTargaHeaderSize + rows.size() * width * 3);
    const auto header = EncodeTargaHeader(h);
    out.insert(out.end(), header.begin(), header.end());

    const std::vector<Colour> black(width, 0);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const std::size_t n = std::min(width, it->size());
        EncodeTargaRow(std::span<const Colour>(it->data(), n), out);
        EncodeTargaRow(std::span<const Colour>(black.data(), width - n), out);
    }
    return out;
}

#include "core/targa.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include <QIODevice>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>
#define GLIMMERDECK_TARGA_SSSE3 1
#endif

#include "core/conversions.h"
#include "core/picture_memory.h"

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

// Pixel data is taken in pieces of about this size, so that a file can be
// read into a small buffer that stays in the cache while it is converted.
constexpr std::size_t kPieceBytes = std::size_t(256) << 10;

class SpanPixelSource final : public TargaPixelSource {
public:
    explicit SpanPixelSource(std::span<const uint8_t> data) : rest_(data) {}
    std::span<const uint8_t> next(std::size_t n) override
    {
        const std::span<const uint8_t> piece = rest_.first(std::min(n, rest_.size()));
        rest_ = rest_.subspan(piece.size());
        return piece;
    }

private:
    std::span<const uint8_t> rest_;
};

// Reads from a device into one buffer. A read that returns nothing ends the
// data, so a file that shrinks while it is read simply ends early.
class DevicePixelSource final : public TargaPixelSource {
public:
    explicit DevicePixelSource(QIODevice& device) : device_(device) {}
    std::span<const uint8_t> next(std::size_t n) override
    {
        if (buffer_.size() < n)
            buffer_.resize(n);
        std::size_t got = 0;
        while (!ended_ && got < n) {
            const qint64 r = device_.read(reinterpret_cast<char*>(buffer_.data() + got), qint64(n - got));
            if (r <= 0)
                ended_ = true;
            else
                got += std::size_t(r);
        }
        return {buffer_.data(), got};
    }

private:
    QIODevice& device_;
    std::vector<uint8_t> buffer_;
    bool ended_ = false;
};

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

std::optional<QImage> DecodeTarga(const TargaHeader& h, TargaPixelSource& pixels, qint64 maxImageBytes)
{
    const int width = h.Width;
    const int height = h.Height;
    if (width <= 0 || height <= 0)
        return std::nullopt;
    if (qint64(width) * height * 4 > std::min(maxImageBytes, kMaxTargaImageBytes))
        return std::nullopt;

    QImage image = NewPicture(width, height);
    if (image.isNull()) // no memory for it
        return std::nullopt;

    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    // The r-th stored row is picture row height-1-r.
    const auto line = [&](int r) { return reinterpret_cast<uint32_t*>(bits + qint64(height - 1 - r) * stride); };
    const std::size_t rowBytes = std::size_t(width) * 3;
    const int rowsPerPiece = int(std::max<std::size_t>(1, kPieceBytes / rowBytes));
    static const ConvertFunction convert = PickConverter();
    for (int r = 0; r < height;) {
        const int rows = std::min(rowsPerPiece, height - r);
        const std::span<const uint8_t> piece = pixels.next(std::size_t(rows) * rowBytes);
        const int wholeRows = int(piece.size() / rowBytes);
        for (int i = 0; i < wholeRows; ++i, ++r)
            convert(piece.data() + std::size_t(i) * rowBytes, line(r), width);
        if (wholeRows == rows)
            continue;

        // The data ends in row r: its whole pixels are converted, and the
        // pixel that fills everything after them takes the channels whose
        // byte exists from the leftover bytes, the others from the previous
        // pixel (black when there was none).
        const std::span<const uint8_t> rest = piece.subspan(std::size_t(wholeRows) * rowBytes);
        const qint64 whole = qint64(rest.size() / 3);
        uint32_t* const out = line(r);
        convert(rest.data(), out, whole);
        const uint32_t previous = whole > 0 ? out[whole - 1] : r > 0 ? line(r - 1)[width - 1] : kOpaque;
        uint8_t bgr[3] = {uint8_t(previous), uint8_t(previous >> 8), uint8_t(previous >> 16)};
        for (std::size_t c = 0; c < rest.size() % 3; ++c)
            bgr[c] = rest[std::size_t(whole) * 3 + c];
        const uint32_t fill = kOpaque | (uint32_t(bgr[2]) << 16) | (uint32_t(bgr[1]) << 8) | bgr[0];
        std::fill(out + whole, out + width, fill);
        for (++r; r < height; ++r)
            std::fill(line(r), line(r) + width, fill);
    }
    return image;
}

std::optional<QImage> DecodeTarga(std::span<const uint8_t> file, qint64 maxImageBytes)
{
    if (file.empty())
        return std::nullopt;
    const std::size_t offset = TargaPixelDataOffset(file);
    SpanPixelSource pixels(offset < file.size() ? file.subspan(offset) : std::span<const uint8_t>());
    return DecodeTarga(ReadTargaHeader(file), pixels, maxImageBytes);
}

std::optional<QImage> ReadTarga(QIODevice& file, qint64 maxImageBytes)
{
    DevicePixelSource source(file);
    const std::span<const uint8_t> head = source.next(kTargaHeaderSize);
    if (head.empty())
        return std::nullopt;
    const TargaHeader h = ReadTargaHeader(head);
    source.next(TargaPixelDataOffset(head) - kTargaHeaderSize); // the image ID and colour map
    return DecodeTarga(h, source, maxImageBytes);
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

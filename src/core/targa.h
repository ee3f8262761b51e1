#pragma once
// Reading and writing texture sets as uncompressed 24-bit Targa files.
//
// The reader is deliberately lenient and simple: whatever the header says
// about image type, pixel depth or origin, the pixel data is taken as rows of
// 3-byte (blue, green, red) pixels stored bottom-up. Stored texture sets rely
// on that. A file that ends early paints the rest of the picture from the
// last bytes it had (see DecodeTarga).
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <QImage>
#include <QtGlobal>

#include "core/colour.h"

class QIODevice;

// The 18-byte file header, little-endian, 16-bit fields signed.
struct TargaHeader {
    uint8_t IDLength = 0;
    uint8_t ColorMapType = 0;
    uint8_t ImageType = 0;
    int16_t ColorMapStart = 0;
    int16_t ColorMapLength = 0;
    uint8_t ColorMapEntrySize = 0;
    int16_t XOrigin = 0;
    int16_t YOrigin = 0;
    int16_t Width = 0;
    int16_t Height = 0;
    uint8_t PixelDepth = 0;
    uint8_t ImageDescriptor = 0;
};

constexpr int kTargaHeaderSize = 18;
// Largest picture the reader will allocate (width x height x 4 bytes).
constexpr qint64 kMaxTargaImageBytes = qint64(1) << 30;

// The header from the first 18 bytes; bytes past the end of a short file
// read as 0.
TargaHeader ReadTargaHeader(std::span<const uint8_t> file);

std::array<uint8_t, kTargaHeaderSize> EncodeTargaHeader(const TargaHeader& h);

// The header the save command writes: 256 pixels wide, usedRows high
// (stored as a 16-bit value, wrapping like 16-bit arithmetic), 24 bits a pixel,
// uncompressed true colour, no ID, no colour map, bottom-left origin.
TargaHeader TextureSetHeader(int32_t usedRows);

// Where the pixel data starts: after the header, the image ID and, when
// ColorMapType is 1, a colour map of 16-, 24- or 32-bit entries (other entry
// sizes and negative lengths skip nothing). May lie beyond the end of the file.
std::size_t TargaPixelDataOffset(std::span<const uint8_t> file);

// Hands the pixel data to the decoder in order: next(n) gives the next n
// bytes, fewer only where the data ends. They stay valid until the next call.
class TargaPixelSource {
public:
    virtual ~TargaPixelSource() = default;
    virtual std::span<const uint8_t> next(std::size_t n) = 0;
};

// Decodes the pixel data of a file with header h into a new Width x Height
// picture of QImage::Format_RGB32 (each pixel 0xFFRRGGBB). Rows are read
// bottom-up, 3 bytes (blue, green, red) a pixel, regardless of the header's
// type, depth and descriptor; no more than Width x Height x 3 bytes are asked
// for. When the data runs out, a channel whose byte is missing keeps the
// previous pixel's value (0 before the first pixel), so the rest of the
// picture repeats the last pixel that could be built. Returns nullopt for a
// width or height <= 0 or a picture larger than kMaxTargaImageBytes;
// maxImageBytes lowers the cap (the fuzz target uses it to run faster).
std::optional<QImage> DecodeTarga(const TargaHeader& h, TargaPixelSource& pixels,
                                  qint64 maxImageBytes = kMaxTargaImageBytes);

// Decodes a whole file held in memory (nullopt for an empty one).
std::optional<QImage> DecodeTarga(std::span<const uint8_t> file, qint64 maxImageBytes = kMaxTargaImageBytes);

// Decodes a file read in order from an open device, in pieces: the header,
// the image ID and colour map (skipped), then no more pixel data than the
// picture can take. A file that ends early, also one that shrinks while it is
// read, follows the rule for missing data above. Nullopt for an empty file.
std::optional<QImage> ReadTarga(QIODevice& file, qint64 maxImageBytes = kMaxTargaImageBytes);

// Appends one row of Colours as 3-byte pixels (blue, green, red).
void EncodeTargaRow(std::span<const Colour> row, std::vector<uint8_t>& out);

// A whole texture-set file from rows of Colours (row 0 is the top row): the
// save header with Width set to the length of the first row and Height to the
// number of rows, then the rows bottom-up. Every row is written Width pixels
// long: a shorter row is padded with black, a longer one cut.
std::vector<uint8_t> EncodeTarga(const std::vector<std::vector<Colour>>& rows);

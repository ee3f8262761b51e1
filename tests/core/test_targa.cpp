#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/targa.h"

namespace {

// A file from a header and the bytes that follow it.
std::vector<uint8_t> MakeFile(const TargaHeader& h, const std::vector<uint8_t>& rest = {})
{
    const auto head = EncodeTargaHeader(h);
    std::vector<uint8_t> file(head.size() + rest.size());
    std::copy(head.begin(), head.end(), file.begin());
    std::copy(rest.begin(), rest.end(), file.begin() + head.size());
    return file;
}

TargaHeader Picture(int16_t width, int16_t height)
{
    TargaHeader h = TextureSetHeader(height);
    h.Width = width;
    return h;
}

QRgb Rgb(int red, int green, int blue) { return qRgb(red, green, blue); }

std::optional<QImage> Decode(const std::vector<uint8_t>& file)
{
    return DecodeTarga(std::span<const uint8_t>(file));
}

} // namespace

TEST(Targa, RoundTripKeepsEveryPixelAndOrientation)
{
    // Widths around the converter's 4- and 16-pixel steps and their leftovers.
    for (const int width : {1, 4, 7, 16, 18, 37, 256}) {
        std::vector<std::vector<Colour>> rows(5, std::vector<Colour>(width));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x)
                rows[y][x] = RGB(x * 37 % 256, y * 50 + 3, (x * y + 11) % 256);
        const auto decoded = Decode(EncodeTarga(rows));
        ASSERT_TRUE(decoded) << "width " << width;
        ASSERT_EQ(decoded->format(), QImage::Format_RGB32);
        ASSERT_EQ(decoded->size(), QSize(width, 5));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x) {
                const RgbParts p = SplitColor(rows[y][x]);
                ASSERT_EQ(decoded->pixel(x, y), Rgb(p.red, p.green, p.blue))
                    << "width " << width << " at " << x << "," << y;
            }
    }
}

TEST(Targa, SavedSetHasTheFixedHeaderAndSize)
{
    const std::vector<std::vector<Colour>> rows(64, std::vector<Colour>(256, RGB(1, 2, 3)));
    const auto file = EncodeTarga(rows);
    ASSERT_EQ(file.size(), 49170u);
    const std::vector<uint8_t> head(file.begin(), file.begin() + kTargaHeaderSize);
    const std::vector<uint8_t> expected = {0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                           0x00, 0x00, 0x00, 0x00, 0x01, 0x40, 0x00, 0x18, 0x00};
    EXPECT_EQ(head, expected);
    const auto saveHeader = EncodeTargaHeader(TextureSetHeader(64));
    EXPECT_EQ(std::vector<uint8_t>(saveHeader.begin(), saveHeader.end()), expected);
    EXPECT_EQ(file[18], 3); // blue first
    EXPECT_EQ(file[20], 1); // red last
}

TEST(Targa, HeaderFieldsAreSignedLittleEndian)
{
    TargaHeader h;
    h.IDLength = 9;
    h.ColorMapType = 1;
    h.ImageType = 10;
    h.ColorMapStart = -2;
    h.ColorMapLength = 0x1234;
    h.ColorMapEntrySize = 24;
    h.XOrigin = -32768;
    h.YOrigin = 32767;
    h.Width = 300;
    h.Height = -1;
    h.PixelDepth = 32;
    h.ImageDescriptor = 0x28;
    const auto bytes = EncodeTargaHeader(h);
    EXPECT_EQ(bytes[3], 0xFE);
    EXPECT_EQ(bytes[4], 0xFF);
    EXPECT_EQ(bytes[5], 0x34);
    EXPECT_EQ(bytes[6], 0x12);
    EXPECT_EQ(bytes[12], 0x2C);
    EXPECT_EQ(bytes[13], 0x01);

    const TargaHeader back = ReadTargaHeader(bytes);
    EXPECT_EQ(back.IDLength, 9);
    EXPECT_EQ(back.ColorMapType, 1);
    EXPECT_EQ(back.ImageType, 10);
    EXPECT_EQ(back.ColorMapStart, -2);
    EXPECT_EQ(back.ColorMapLength, 0x1234);
    EXPECT_EQ(back.ColorMapEntrySize, 24);
    EXPECT_EQ(back.XOrigin, -32768);
    EXPECT_EQ(back.YOrigin, 32767);
    EXPECT_EQ(back.Width, 300);
    EXPECT_EQ(back.Height, -1);
    EXPECT_EQ(back.PixelDepth, 32);
    EXPECT_EQ(back.ImageDescriptor, 0x28);

    // A short file reads its missing header bytes as 0.
    const std::vector<uint8_t> shortFile = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x05};
    const TargaHeader partial = ReadTargaHeader(shortFile);
    EXPECT_EQ(partial.Width, 5);
    EXPECT_EQ(partial.Height, 0);
    EXPECT_EQ(partial.PixelDepth, 0);
}

TEST(Targa, PixelDataSkipsImageIdAndOnlyRealColourMaps)
{
    struct Case {
        uint8_t idLength, mapType, entrySize;
        int16_t mapLength;
        std::size_t offset;
    };
    const Case cases[] = {
        {5, 0, 0, 0, 23},
        {0, 1, 24, 256, 18 + 768},
        {0, 1, 16, 10, 38},
        {0, 1, 32, 10, 58},
        {3, 1, 24, 2, 27},
        {0, 0, 24, 256, 18}, // no colour map: map fields are ignored
        {0, 2, 24, 256, 18},
        {0, 1, 15, 256, 18}, // entry size without a byte count
        {0, 1, 24, -5, 18},  // negative length skips nothing
        {255, 1, 32, 32767, 18 + 255 + 32767 * 4},
    };
    for (const Case& c : cases) {
        TargaHeader h = Picture(1, 1);
        h.IDLength = c.idLength;
        h.ColorMapType = c.mapType;
        h.ColorMapEntrySize = c.entrySize;
        h.ColorMapLength = c.mapLength;
        const auto file = MakeFile(h);
        EXPECT_EQ(TargaPixelDataOffset(file), c.offset)
            << int(c.idLength) << "/" << int(c.mapType) << "/" << int(c.entrySize) << "/" << c.mapLength;
    }
}

TEST(Targa, DecodingStartsAfterIdAndColourMap)
{
    TargaHeader h = Picture(1, 1);
    h.IDLength = 5;
    auto file = MakeFile(h, {9, 9, 9, 9, 9, 10, 20, 30});
    auto image = Decode(file);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixel(0, 0), Rgb(30, 20, 10));

    h = Picture(1, 1);
    h.ColorMapType = 1;
    h.ColorMapEntrySize = 24;
    h.ColorMapLength = 256;
    std::vector<uint8_t> rest(768 + 3, 0xEE);
    rest[768] = 1;
    rest[769] = 2;
    rest[770] = 3;
    image = Decode(MakeFile(h, rest));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixel(0, 0), Rgb(3, 2, 1));
}

TEST(Targa, RowsAreBottomUpWhateverTheHeaderSays)
{
    // Two stored rows: first (30, 20, 10) then (60, 50, 40) as blue, green, red.
    const std::vector<uint8_t> pixels = {30, 20, 10, 60, 50, 40};
    for (const uint8_t descriptor : {0x00, 0x20}) {
        for (const uint8_t depth : {16, 24, 32}) {
            TargaHeader h = Picture(1, 2);
            h.ImageDescriptor = descriptor; // 0x20 would be a top-left origin
            h.PixelDepth = depth;
            h.ImageType = depth == 24 ? 2 : 10;
            const auto image = Decode(MakeFile(h, pixels));
            ASSERT_TRUE(image);
            EXPECT_EQ(image->pixel(0, 1), Rgb(10, 20, 30)) << int(descriptor) << "/" << int(depth);
            EXPECT_EQ(image->pixel(0, 0), Rgb(40, 50, 60)) << int(descriptor) << "/" << int(depth);
        }
    }
}

TEST(Targa, ExtraBytesAfterThePictureAreIgnored)
{
    const auto image = Decode(MakeFile(Picture(1, 1), {1, 2, 3, 4, 5, 6, 7}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(1, 1));
    EXPECT_EQ(image->pixel(0, 0), Rgb(3, 2, 1));
}

TEST(Targa, ShortDataRepeatsTheLastChannelValues)
{
    // 3 x 2: the bottom row is stored first. One whole pixel, then 0, 1 or 2
    // leftover bytes.
    const TargaHeader h = Picture(3, 2);
    auto image = Decode(MakeFile(h, {10, 20, 30}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixel(0, 1), Rgb(30, 20, 10));
    for (const QPoint p : {QPoint(1, 1), QPoint(2, 1), QPoint(0, 0), QPoint(2, 0)})
        EXPECT_EQ(image->pixel(p), Rgb(30, 20, 10)) << p.x() << "," << p.y();

    image = Decode(MakeFile(h, {10, 20, 30, 99}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixel(0, 1), Rgb(30, 20, 10));
    for (const QPoint p : {QPoint(1, 1), QPoint(2, 1), QPoint(0, 0), QPoint(2, 0)})
        EXPECT_EQ(image->pixel(p), Rgb(30, 20, 99)) << p.x() << "," << p.y();

    image = Decode(MakeFile(h, {10, 20, 30, 99, 88}));
    ASSERT_TRUE(image);
    for (const QPoint p : {QPoint(1, 1), QPoint(2, 0)})
        EXPECT_EQ(image->pixel(p), Rgb(30, 88, 99)) << p.x() << "," << p.y();

    // Without a whole pixel the missing channels start from black.
    image = Decode(MakeFile(h, {99, 88}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixel(0, 1), Rgb(0, 88, 99));
    EXPECT_EQ(image->pixel(2, 0), Rgb(0, 88, 99));
}

TEST(Targa, DataEndingInALaterRowFillsTheRowsAbove)
{
    // 5 x 3: the bottom row whole, the middle row's first two pixels, one byte.
    std::vector<uint8_t> data;
    for (int i = 0; i < 7; ++i)
        data.insert(data.end(), {uint8_t(i), uint8_t(10 + i), uint8_t(20 + i)});
    data.push_back(200);
    const auto image = Decode(MakeFile(Picture(5, 3), data));
    ASSERT_TRUE(image);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(image->pixel(x, 2), Rgb(20 + x, 10 + x, x));
    EXPECT_EQ(image->pixel(0, 1), Rgb(25, 15, 5));
    EXPECT_EQ(image->pixel(1, 1), Rgb(26, 16, 6));
    for (int x = 2; x < 5; ++x)
        EXPECT_EQ(image->pixel(x, 1), Rgb(26, 16, 200)) << x;
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(image->pixel(x, 0), Rgb(26, 16, 200)) << x;
}

TEST(Targa, MissingPixelDataGivesABlackPicture)
{
    const QImage black = [] {
        QImage img(4, 3, QImage::Format_RGB32);
        img.fill(Rgb(0, 0, 0));
        return img;
    }();

    auto image = Decode(MakeFile(Picture(4, 3)));
    ASSERT_TRUE(image);
    EXPECT_EQ(*image, black);

    // A 16-byte file: the header ends before PixelDepth but has both sizes.
    auto truncated = MakeFile(Picture(4, 3));
    truncated.resize(16);
    image = Decode(truncated);
    ASSERT_TRUE(image);
    EXPECT_EQ(*image, black);

    // An ID longer than what follows the header.
    TargaHeader h = Picture(4, 3);
    h.IDLength = 255;
    image = Decode(MakeFile(h, std::vector<uint8_t>(40, 0x77)));
    ASSERT_TRUE(image);
    EXPECT_EQ(*image, black);

    // A colour map declared longer than the file.
    h = Picture(4, 3);
    h.ColorMapType = 1;
    h.ColorMapEntrySize = 32;
    h.ColorMapLength = 32767;
    image = Decode(MakeFile(h, std::vector<uint8_t>(1000, 0x55)));
    ASSERT_TRUE(image);
    EXPECT_EQ(*image, black);
}

TEST(Targa, RefusesEmptyDegenerateAndHugePictures)
{
    EXPECT_FALSE(DecodeTarga({}));
    EXPECT_FALSE(Decode(MakeFile(Picture(0, 4), {1, 2, 3})));
    EXPECT_FALSE(Decode(MakeFile(Picture(4, 0), {1, 2, 3})));
    EXPECT_FALSE(Decode(MakeFile(Picture(-4, 4), {1, 2, 3})));
    EXPECT_FALSE(Decode(MakeFile(Picture(4, -4), {1, 2, 3})));
    EXPECT_FALSE(Decode(MakeFile(Picture(-32768, -32768))));
    EXPECT_FALSE(Decode(MakeFile(Picture(32767, 32767))));
    // Just over the 1 GiB limit.
    EXPECT_FALSE(Decode(MakeFile(Picture(32767, 8193))));
    // A file too short to hold the height.
    auto file = MakeFile(Picture(4, 4));
    file.resize(14);
    EXPECT_FALSE(Decode(file));
}

TEST(Targa, ColoursAreWrittenBlueGreenRed)
{
    std::vector<uint8_t> out = {0xAA};
    const std::vector<Colour> row = {-1, 0x00123456, 0};
    EncodeTargaRow(row, out);
    const std::vector<uint8_t> expected = {0xAA, 0x00, 0x00, 0xFF, 0x12, 0x34, 0x56, 0x00, 0x00, 0x00};
    EXPECT_EQ(out, expected);
}

TEST(Targa, UnevenRowsAreWrittenAtTheFirstRowsWidth)
{
    const std::vector<std::vector<Colour>> rows = {{RGB(1, 1, 1), RGB(2, 2, 2)}, {RGB(3, 3, 3)},
                                                   {RGB(4, 4, 4), RGB(5, 5, 5), RGB(6, 6, 6)}};
    const auto file = EncodeTarga(rows);
    ASSERT_EQ(file.size(), std::size_t(kTargaHeaderSize + 3 * 2 * 3));
    const auto image = Decode(file);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(2, 3));
    EXPECT_EQ(image->pixel(1, 1), Rgb(0, 0, 0));
    EXPECT_EQ(image->pixel(1, 2), Rgb(5, 5, 5));
}

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <cstdlib>
#include <functional>
#include <vector>

#include "artwork/artwork.h"

namespace {

constexpr int kIconCount = 14;
constexpr int kFrameCount = 8;
const QRect kBinCentre(9, 9, 64, 64);

// Pixel values with the alpha byte ignored.
QRgb Rgb(const QImage& img, int x, int y)
{
    return img.pixel(x, y) & 0x00FFFFFFu;
}

// Every pixel on the rectangle's outline has the given colour.
bool OutlineIs(const QImage& img, const QRect& r, QRgb colour)
{
    for (int x = r.left(); x <= r.right(); ++x)
        if (Rgb(img, x, r.top()) != colour || Rgb(img, x, r.bottom()) != colour)
            return false;
    for (int y = r.top(); y <= r.bottom(); ++y)
        if (Rgb(img, r.left(), y) != colour || Rgb(img, r.right(), y) != colour)
            return false;
    return true;
}

void ExpectAllDistinct(const std::vector<QImage>& images, const char* what)
{
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << what << " " << i << " and " << j << " are identical";
}

} // namespace

TEST(Artwork, EveryPictureHasItsSizeIsOpaqueRgb32AndIsDeterministic)
{
    using artwork::Arrow;
    struct Case {
        QString name;
        std::function<QImage()> draw;
        QSize size;
    };
    std::vector<Case> cases = {
        {"ToolbarIcon(-1)", [] { return artwork::ToolbarIcon(-1); }, {26, 26}},
        {"ToolbarIcon(14)", [] { return artwork::ToolbarIcon(kIconCount); }, {26, 26}},
        {"ToolbarBarEnd(left)", [] { return artwork::ToolbarBarEnd(true); }, {13, 26}},
        {"ToolbarBarEnd(right)", [] { return artwork::ToolbarBarEnd(false); }, {13, 26}},
        {"ToolbarBarStrip", artwork::ToolbarBarStrip, {3, 26}},
        {"ToolbarMarker", artwork::ToolbarMarker, {22, 9}},
        {"StartBanner", artwork::StartBanner, {256, 60}},
        {"SelectorFrame(-3)", [] { return artwork::SelectorFrame(-3); }, {82, 82}},
        {"SelectorMask", artwork::SelectorMask, {82, 82}},
        {"LayerLetterTile(A)", [] { return artwork::LayerLetterTile('A'); }, {64, 64}},
        {"LayerLetterTile(B)", [] { return artwork::LayerLetterTile('B'); }, {64, 64}},
        {"SaveProgressBackground", artwork::SaveProgressBackground, {318, 67}},
        {"AppIcon", artwork::AppIcon, {32, 32}},
    };
    for (int i = 0; i < kIconCount; ++i)
        cases.push_back(
            {QString("ToolbarIcon(%1)").arg(i), [i] { return artwork::ToolbarIcon(i); }, {26, 26}});
    for (int i = 0; i < kFrameCount; ++i)
        cases.push_back(
            {QString("SelectorFrame(%1)").arg(i), [i] { return artwork::SelectorFrame(i); }, {82, 82}});
    for (Arrow dir : {Arrow::Left, Arrow::Up, Arrow::Down, Arrow::Right})
        cases.push_back({"ArrowGlyph", [dir] { return artwork::ArrowGlyph(dir); }, {23, 22}});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QImage image = c.draw();
        EXPECT_EQ(image.size(), c.size);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image, c.draw()) << "drawn differently the second time";
    }
}

// Pictures are laid onto fixed backgrounds (the grey toolbar panel, a light
// grey button); what they draw must stay inside and leave the edges alone.
TEST(Artwork, DrawingsStayInsideTheirButtonsAndBackgrounds)
{
    const QRgb panel = 0xC0C0C0;
    const QImage reference = artwork::ToolbarIcon(0);
    for (int i = 0; i < kIconCount; ++i) {
        SCOPED_TRACE(i);
        const QImage icon = artwork::ToolbarIcon(i);
        // A raised button edge: light along the top and left, dark along the
        // bottom and right.
        EXPECT_TRUE(OutlineIs(icon.copy(0, 0, 25, 1), QRect(0, 0, 25, 1), 0xFFFFFF));
        EXPECT_TRUE(OutlineIs(icon.copy(0, 0, 1, 25), QRect(0, 0, 1, 25), 0xFFFFFF));
        EXPECT_TRUE(OutlineIs(icon.copy(1, 25, 25, 1), QRect(0, 0, 25, 1), 0x808080));
        EXPECT_TRUE(OutlineIs(icon.copy(25, 1, 1, 25), QRect(0, 0, 1, 25), 0x808080));
        // The two outer rings (the whole bevel) are the same on every button.
        for (int k = 0; k < 26; ++k)
            for (int ring : {0, 1, 24, 25}) {
                ASSERT_EQ(icon.pixel(k, ring), reference.pixel(k, ring)) << k << "," << ring;
                ASSERT_EQ(icon.pixel(ring, k), reference.pixel(ring, k)) << ring << "," << k;
            }
    }
    EXPECT_TRUE(OutlineIs(artwork::ToolbarIcon(-1), QRect(0, 0, 26, 26), panel));
    EXPECT_EQ(artwork::ToolbarIcon(-1), artwork::ToolbarIcon(kIconCount));
    EXPECT_TRUE(OutlineIs(artwork::ToolbarMarker(), QRect(0, 0, 22, 9), panel));
    EXPECT_EQ(Rgb(artwork::ToolbarBarEnd(true), 0, 0), panel);
    EXPECT_EQ(Rgb(artwork::ToolbarBarEnd(false), 12, 25), panel);
    for (auto dir : {artwork::Arrow::Left, artwork::Arrow::Up, artwork::Arrow::Down, artwork::Arrow::Right})
        EXPECT_TRUE(OutlineIs(artwork::ArrowGlyph(dir), QRect(0, 0, 23, 22), 0xE0E0E0)) << int(dir);
}

// The bin draws a frame by ANDing the mask and then ORing the frame: the
// tile inside must come through untouched and the ring must be the frame's.
TEST(Artwork, SelectorFrameAndMaskCombineOverABin)
{
    const QImage mask = artwork::SelectorMask();
    QImage bin(82, 82, QImage::Format_RGB32);
    for (int y = 0; y < 82; ++y)
        for (int x = 0; x < 82; ++x)
            bin.setPixel(x, y, qRgb((x * 37) & 255, (y * 53) & 255, (x * y) & 255));

    for (int i = 0; i < kFrameCount; ++i) {
        SCOPED_TRACE(i);
        const QImage frame = artwork::SelectorFrame(i);
        bool ringHasColour = false;
        for (int y = 0; y < 82; ++y)
            for (int x = 0; x < 82; ++x) {
                const bool centre = kBinCentre.contains(x, y);
                ASSERT_EQ(Rgb(mask, x, y), centre ? 0xFFFFFFu : 0u) << x << "," << y;
                if (centre)
                    ASSERT_EQ(Rgb(frame, x, y), 0u) << x << "," << y;
                else
                    ringHasColour |= Rgb(frame, x, y) != 0;
                const QRgb blitted = (Rgb(bin, x, y) & Rgb(mask, x, y)) | Rgb(frame, x, y);
                ASSERT_EQ(blitted, centre ? Rgb(bin, x, y) : Rgb(frame, x, y)) << x << "," << y;
            }
        EXPECT_TRUE(ringHasColour);
    }
    EXPECT_EQ(artwork::SelectorFrame(kFrameCount), artwork::SelectorFrame(0));
    EXPECT_EQ(artwork::SelectorFrame(-1), artwork::SelectorFrame(0));
}

TEST(Artwork, PicturesThatStandForDifferentThingsDiffer)
{
    std::vector<QImage> icons;
    for (int i = 0; i < kIconCount; ++i)
        icons.push_back(artwork::ToolbarIcon(i));
    icons.push_back(artwork::ToolbarIcon(kIconCount)); // the blank button
    ExpectAllDistinct(icons, "toolbar icons");

    std::vector<QImage> frames;
    for (int i = 0; i < kFrameCount; ++i)
        frames.push_back(artwork::SelectorFrame(i));
    ExpectAllDistinct(frames, "selector frames");

    ExpectAllDistinct(
        {artwork::ArrowGlyph(artwork::Arrow::Left), artwork::ArrowGlyph(artwork::Arrow::Up),
            artwork::ArrowGlyph(artwork::Arrow::Down), artwork::ArrowGlyph(artwork::Arrow::Right)},
        "arrow glyphs");
    ExpectAllDistinct({artwork::LayerLetterTile('A'), artwork::LayerLetterTile('B')}, "letter tiles");
    ExpectAllDistinct({artwork::ToolbarBarEnd(true), artwork::ToolbarBarEnd(false)}, "bar ends");
}

// The bar is drawn as end + stretched strip + end; where they meet there
// must be no visible seam.
TEST(Artwork, ToolbarBarEndsJoinTheStripWithoutASeam)
{
    const QImage strip = artwork::ToolbarBarStrip();
    const QImage left = artwork::ToolbarBarEnd(true);
    const QImage right = artwork::ToolbarBarEnd(false);
    auto close = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2
            && std::abs(qBlue(a) - qBlue(b)) <= 2;
    };
    for (int y = 0; y < 26; ++y) {
        EXPECT_EQ(strip.pixel(0, y), strip.pixel(2, y)) << y;
        EXPECT_TRUE(close(left.pixel(12, y), strip.pixel(0, y))) << "left end, row " << y;
        EXPECT_TRUE(close(right.pixel(0, y), strip.pixel(0, y))) << "right end, row " << y;
    }
}

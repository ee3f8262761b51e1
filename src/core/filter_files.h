#pragma once
// Filter instruction files (*.fil) and filter bitmaps, read so that no file
// can crash the program or make it read more than it needs.
//
// An instruction file is plain text; only its first three lines count: the
// filter's title, its author and the base name of its bitmap without ".bmp".
// Lines end with CR LF, LF or CR. The bitmap is a 64 x 64 picture in the
// Filters folder, in any format the picture loader reads.
#include <optional>

#include <QImage>
#include <QString>

struct FilterInstructions {
    QString title;
    QString author;
    QString bitmapName; // kept exactly as written, blanks included
};

// Either the instructions or, when they cannot be used, why: a short phrase
// that completes "The filter could not be applied: ...".
struct FilterInstructionsResult {
    std::optional<FilterInstructions> instructions;
    QString error;
};

struct FilterBitmapResult {
    std::optional<QImage> image; // 64 x 64, Format_RGB32
    QString error;
};

inline constexpr int kFilterSide = 64;
// No line of an instruction file may be longer than this (in bytes): a
// title, an author and a file name are short, and a longer line means the
// file is not an instruction file.
inline constexpr int kMaxFilterLine = 1024;
// A filter bitmap larger than 64 x 64 contributes its top-left corner; one
// wider or taller than this is refused unread, so a bogus header cannot make
// the loader decode gigabytes.
inline constexpr int kMaxFilterBitmapSide = 4096;

// Reads the first three lines of an instruction file; reads at most a few
// kilobytes whatever the file's size. Text that is not valid UTF-8 is read
// as Latin-1. Fails when the file cannot be opened, has fewer than three
// lines, has an over-long line or a NUL byte, or names a bitmap with a
// folder separator (the bitmap must lie in the Filters folder).
FilterInstructionsResult ReadFilterInstructions(const QString& path);

// What the filter list shows for the filter last applied: the title in
// single quotes, " by " and the author ('Glow' by Anon).
QString FilterCaption(const FilterInstructions& filter);

// The filter's bitmap file: the Filters folder, the name unchanged and ".bmp"
// (a name that already ends ".bmp" gets a second one).
QString FilterBitmapPath(const QString& filtersFolder, const QString& bitmapName);

// Loads a filter bitmap: its top-left 64 x 64 pixels, which are all a filter
// uses. Fails when the file is missing, is not a picture, is smaller than
// 64 x 64 pixels in either direction, or is larger than
// kMaxFilterBitmapSide; the size is checked from the file's header before
// any pixel is decoded, so a huge picture costs nothing.
FilterBitmapResult LoadFilterBitmap(const QString& path);

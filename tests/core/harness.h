#pragma once
// Picture and file helpers for the tests, with nothing above the core: the
// tests of pure code use them alone, and tests/harness.h adds the main
// window's fixtures on top.
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include "core/colour.h"

// A picture of one colour (0x00BBGGRR).
inline QImage SolidImage(int w, int h, Colour c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(ColourToQRgb(c));
    return img;
}

// A picture whose every pixel differs from its neighbours: colour from (x, y).
inline QImage PatternImage(int w, int h, int seed = 0)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, ColourToQRgb(RGB((x * 7 + seed) & 255, (y * 5 + seed) & 255, (x + y + seed) & 255)));
    return img;
}

// A 64 x 64 picture of four colours, one a quadrant (top left, top right,
// lower left, lower right), so a pixel operation's result is four colours
// worked out by hand.
inline QImage QuadrantImage(Colour topLeft, Colour topRight, Colour lowerLeft, Colour lowerRight)
{
    const Colour quadrants[4] = {topLeft, topRight, lowerLeft, lowerRight};
    QImage img(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            img.setPixel(x, y, ColourToQRgb(quadrants[(y / 32) * 2 + x / 32]));
    return img;
}

// The colour of a picture's pixel.
inline Colour At(const QImage& img, int x, int y) { return ColourFromQRgb(img.pixel(x, y)); }

// Whether big is small with every pixel a 2 x 2 block.
inline bool IsTwiceAsLarge(const QImage& big, const QImage& small)
{
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            if (big.pixel(x, y) != small.pixel(x / 2, y / 2))
                return false;
    return big.size() == small.size() * 2;
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

// The w x h pattern picture saved in folder as short.bmp (a bitmap cut after
// 100 bytes), short.png and short.jpg (each cut to 90% of its bytes): files
// whose pixel data ends early. Returns their paths.
inline QStringList WriteShortPictures(const QString& folder, int w = 64, int h = 64)
{
    QStringList paths;
    for (const auto& [format, name] : {std::pair{"BMP", "short.bmp"}, {"PNG", "short.png"}, {"JPEG", "short.jpg"}}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(PatternImage(w, h, 21).save(&buffer, format));
        QFile f(QDir(folder).filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.left(QByteArrayView(format) == "BMP" ? 100 : bytes.size() * 9 / 10));
        paths << f.fileName();
    }
    return paths;
}

// A PNG file of w x h pixels, 8-bit RGB, whose compressed data is idat (a
// zlib stream of the filtered rows).
inline QByteArray PngFile(quint32 w, quint32 h, const QByteArray& idat)
{
    auto crc32 = [](const QByteArray& bytes) {
        quint32 c = 0xFFFFFFFFu;
        for (char ch : bytes) {
            c ^= static_cast<quint8>(ch);
            for (int k = 0; k < 8; ++k)
                c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
        }
        return ~c;
    };
    auto be32 = [](quint32 v) {
        const char b[4] = {char(v >> 24), char((v >> 16) & 255), char((v >> 8) & 255), char(v & 255)};
        return QByteArray(b, 4);
    };
    auto chunk = [&](const char* type, const QByteArray& data) {
        const QByteArray body = QByteArray(type, 4) + data;
        return be32(quint32(data.size())) + body + be32(crc32(body));
    };
    const QByteArray ihdr = be32(w) + be32(h) + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", idat) + chunk("IEND", {});
}

// A valid PNG of w x h pixels all of colour c: each row after the first
// repeats the one above, so even a huge picture compresses to little.
inline QByteArray SolidPng(int w, int h, Colour c)
{
    const qsizetype row = 1 + 3 * qsizetype(w);
    QByteArray raw(row * h, '\0');
    for (int x = 0; x < w; ++x) {
        raw[1 + 3 * x] = char(c & 255);
        raw[2 + 3 * x] = char((c >> 8) & 255);
        raw[3 + 3 * x] = char((c >> 16) & 255);
    }
    for (int y = 1; y < h; ++y)
        raw[y * row] = 2; // "up": the row above, unchanged
    return PngFile(quint32(w), quint32(h), qCompress(raw, 1).mid(4)); // qCompress puts the size first
}

// A POSIX access list as the system keeps it in "system.posix_acl_access":
// entries of (tag, permission bits, user or group id); the tags are 1 the
// owner, 2 a user, 4 the owning group, 8 a group, 16 the mask, 32 others.
inline QByteArray AccessList(std::initializer_list<std::tuple<quint16, quint16, quint32>> entries)
{
    QByteArray acl;
    auto le = [&](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            acl.append(char(v >> (8 * i)));
    };
    le(2, 4);
    for (auto [tag, perm, id] : entries) {
        le(tag, 2);
        le(perm, 2);
        le(id, 4);
    }
    return acl;
}
inline constexpr quint32 kNoId = ~0u;

// Runs body in a child process as the user uid with the groups given (the
// first its own), as another user of the machine would, and gives back what
// body returned ("ok", or why not), or what ended the child. Only the
// administrator can become another user: callers skip when not root. The
// child ends with _exit, running no test code of the parent's.
inline QString AsUser(uid_t uid, std::vector<gid_t> groups, const std::function<QString()>& body)
{
    int out[2];
    if (pipe(out) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        QByteArray said = "could not become the user";
        if (setgroups(groups.size(), groups.data()) == 0 && setresgid(groups[0], groups[0], groups[0]) == 0 &&
            setresuid(uid, uid, uid) == 0)
            said = body().toUtf8();
        (void)!write(out[1], said.constData(), size_t(said.size()));
        _exit(0);
    }
    close(out[1]);
    QByteArray said;
    char block[512];
    for (ssize_t n; (n = read(out[0], block, sizeof block)) != 0;)
        if (n > 0)
            said.append(block, n);
        else if (errno != EINTR)
            break;
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(said)
                                                         : QStringLiteral("the child ended abnormally");
}

// Sets (on) or clears the "append only" flag of a folder, as chattr +a does;
// false where the filesystem or the user may not.
inline bool SetAppendOnly(const QString& folder, bool on)
{
    const int fd = open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    bool done = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_APPEND_FL : flags & ~FS_APPEND_FL;
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        close(fd);
    return done;
}

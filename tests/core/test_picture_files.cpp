// Picture files: loading what Qt reads and writing bitmaps.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/picture_files.h"
#include "harness.h"

TEST(PictureFiles, LoadWhatQtReadsAndWriteBitmaps)
{
    QTemporaryDir dir;
    const QString bmp = QDir(dir.path()).filePath("tile.bmp");
    const QImage img = PatternImage(64, 64, 3);
    ASSERT_TRUE(SavePicture(img, bmp));
    auto back = LoadPicture(bmp);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->size(), QSize(64, 64));
    EXPECT_EQ(back->pixel(10, 20), img.pixel(10, 20));

    const QString junk = QDir(dir.path()).filePath("junk.tga");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    EXPECT_FALSE(LoadPicture(junk).has_value());
    EXPECT_FALSE(LoadPicture(QDir(dir.path()).filePath("missing.bmp")).has_value());
    EXPECT_FALSE(SavePicture(img, QDir(dir.path()).filePath("no/such/folder/x.bmp")));
}

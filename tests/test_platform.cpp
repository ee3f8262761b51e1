#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/colour.h"
#include "harness.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/file_list.h"
#include "platform/slanted_line.h"

TEST(PictureBuffer, OnlyWholeImageAssignmentNotifiesAndItDoesSoBeforeReturning)
{
    PictureBuffer buf(nullptr, PictureKind::Box, "buf", 0, 0, 8, 8);
    int changes = 0;
    Colour seen = 0;
    buf.onChange = [&] {
        ++changes;
        seen = buf.GetPixel(1, 1); // the handler already sees the new image
    };
    buf.setPicture(SolidImage(8, 8, 0x00123456));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(seen, 0x00123456);

    buf.SetPixel(2, 2, 0x000000FF);
    buf.PaintPicture(SolidImage(4, 4, 0), 0, 0, 4, 4, 0, 0, RasterOp::And);
    buf.PaintPicture(SolidImage(4, 4, 0xFF), 0, 0, 4, 4, 0, 0, RasterOp::Or);
    buf.Cls();
    buf.Line(0, 0, 7, 7, 0xFF);
    buf.setWidth(10);
    buf.setLeft(5);
    buf.Refresh();
    EXPECT_EQ(changes, 1);

    buf.setPicture(buf.Image()); // assigning its own image still notifies
    EXPECT_EQ(changes, 2);
}

TEST(PictureBuffer, PixelsOutsideReadMinusOneAndWritesAreClipped)
{
    PictureBuffer buf(nullptr, PictureKind::Box, "buf", 0, 0, 4, 3, 0x00800000);
    EXPECT_EQ(buf.GetPixel(0, 0), 0x00800000);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {-32768, 32767}})
        EXPECT_EQ(buf.GetPixel(x, y), -1) << x << "," << y;
    buf.SetPixel(4, 0, 0xFF);
    buf.SetPixel(-1, -1, 0xFF);
    buf.SetPixel(3, 2, 0x00ABCDEF);
    EXPECT_EQ(buf.GetPixel(3, 2), 0x00ABCDEF);
    EXPECT_EQ(buf.Width(), 4);
    EXPECT_EQ(buf.Height(), 3);
}

TEST(PictureBuffer, RasterOperationsCombineBitsAndClipAtEveryEdge)
{
    PictureBuffer buf(nullptr, PictureKind::Box, "buf", 0, 0, 6, 6);
    buf.setPicture(SolidImage(6, 6, 0x00F0F0F0));
    buf.PaintPicture(SolidImage(3, 3, 0x0033CC0F), 1, 1, 3, 3, 0, 0, RasterOp::And);
    EXPECT_EQ(buf.GetPixel(1, 1), 0x0030C000);
    EXPECT_EQ(buf.GetPixel(0, 0), 0x00F0F0F0);
    buf.PaintPicture(SolidImage(3, 3, 0x0000000F), 1, 1, 3, 3, 0, 0, RasterOp::Or);
    EXPECT_EQ(buf.GetPixel(3, 3), 0x0030C00F);
    EXPECT_EQ(buf.GetPixel(4, 4), 0x00F0F0F0);

    // A mask then a picture, as the selector is drawn: ring replaced, centre kept.
    QImage mask = SolidImage(4, 4, 0);
    mask.setPixel(1, 1, PictureBuffer::ToQRgb(0x00FFFFFF));
    QImage frame = SolidImage(4, 4, 0x000000FF);
    frame.setPixel(1, 1, PictureBuffer::ToQRgb(0));
    buf.setPicture(SolidImage(6, 6, 0x00445566));
    buf.PaintPicture(mask, -2, -2, 4, 4, 0, 0, RasterOp::And); // hangs off the top-left
    buf.PaintPicture(frame, -2, -2, 4, 4, 0, 0, RasterOp::Or);
    EXPECT_EQ(buf.GetPixel(0, 0), 0x000000FF);
    EXPECT_EQ(buf.GetPixel(2, 2), 0x00445566);

    // Source rectangle beyond the source, target beyond the bottom-right.
    buf.PaintPicture(SolidImage(2, 2, 0x00010203), 5, 5, 64, 64);
    EXPECT_EQ(buf.GetPixel(5, 5), 0x00010203);
    EXPECT_EQ(buf.GetPixel(4, 5), 0x00445566);
    buf.PaintPicture(SolidImage(2, 2, 0x00111111), 0, 0, 2, 2, 5, 5); // source corner outside: nothing
    EXPECT_EQ(buf.GetPixel(0, 0), 0x000000FF);
}

TEST(PictureBuffer, ResizingKeepsTheOverlapAndFillsNewAreaWithTheBackground)
{
    PictureBuffer buf(nullptr, PictureKind::Box, "buf", 0, 0, 4, 4, 0x00800000);
    buf.setPicture(PatternImage(4, 4));
    const Colour corner = buf.GetPixel(3, 3);
    buf.setHeight(6);
    buf.setWidth(2);
    EXPECT_EQ(buf.Width(), 2);
    EXPECT_EQ(buf.Height(), 6);
    EXPECT_EQ(buf.GetPixel(1, 3), PictureBuffer::FromQRgb(PatternImage(4, 4).pixel(1, 3)));
    EXPECT_EQ(buf.GetPixel(0, 5), 0x00800000);
    buf.setWidth(4);
    EXPECT_EQ(buf.GetPixel(3, 3), 0x00800000); // cut away, then regrown as background
    EXPECT_NE(corner, 0x00800000);
}

TEST(PictureBuffer, AssignmentSizesOnlyWithAutoSizeAndClsKeepsThePicture)
{
    PictureBuffer fixed(nullptr, PictureKind::Box, "fixed", 0, 0, 4, 4, 0x00800000);
    fixed.setPicture(SolidImage(2, 6, 0x000000FF));
    EXPECT_EQ(fixed.Width(), 4);
    EXPECT_EQ(fixed.Height(), 4);
    EXPECT_EQ(fixed.GetPixel(1, 3), 0x000000FF);
    EXPECT_EQ(fixed.GetPixel(2, 0), 0x00800000); // beyond the picture: background

    PictureBuffer autosized(nullptr, PictureKind::Box, "auto", 0, 0, 4, 4);
    autosized.setAutoSize(true);
    autosized.setPicture(SolidImage(82, 82, 0));
    EXPECT_EQ(autosized.Width(), 82);
    EXPECT_EQ(autosized.Height(), 82);

    fixed.Cls();
    EXPECT_EQ(fixed.GetPixel(1, 1), 0x00800000);
    EXPECT_EQ(PictureBuffer::FromQRgb(fixed.Picture().pixel(1, 1)), 0x000000FF);
}

TEST(PictureBuffer, LinesExcludeTheirEndPointAndInvertInInvertMode)
{
    PictureBuffer buf(nullptr, PictureKind::Box, "buf", 0, 0, 8, 8, 0);
    buf.Line(0, 0, 4, 0, 0x000000FF);
    EXPECT_EQ(buf.GetPixel(3, 0), 0x000000FF);
    EXPECT_EQ(buf.GetPixel(4, 0), 0); // the end point is not drawn
    buf.setDrawMode(LineMode::Invert);
    buf.Line(0, 0, 0, 3, 0x000000FF); // the pen colour is ignored
    buf.Line(0, 0, 2, 0, 0x000000FF);
    EXPECT_EQ(buf.GetPixel(0, 1), 0x00FFFFFF);
    EXPECT_EQ(buf.GetPixel(1, 0), 0x00FFFF00);
    EXPECT_EQ(buf.GetPixel(0, 0), 0x000000FF); // inverted twice
    buf.Line(-5, 7, 20, 7, 0); // clipped, no crash
    EXPECT_EQ(buf.GetPixel(7, 7), 0x00FFFFFF);
}

TEST(LineControls, AreOnePixelWideAndKeepBothEndsWhicheverComesFirst)
{
    QWidget page;
    page.resize(64, 40);
    SetBackColor(&page, 0x00FFFFFF);
    // Separators are given left to right and right to left alike.
    EXPECT_EQ(Line(&page, "ltr", QPoint(5, 10), QPoint(30, 10))->geometry(), QRect(5, 10, 26, 1));
    EXPECT_EQ(Line(&page, "rtl", QPoint(30, 20), QPoint(5, 20))->geometry(), QRect(5, 20, 26, 1));
    EXPECT_EQ(Line(&page, "up", QPoint(40, 30), QPoint(40, 5))->geometry(), QRect(40, 5, 1, 26));
    // A slanted line rising to the right shows both its end pixels.
    new SlantedLine(&page, "slant", QPoint(44, 30), QPoint(60, 24), 0x000000FF);
    const QImage shown = page.grab().toImage();
    EXPECT_EQ(shown.pixelColor(44, 30), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(60, 24), QColor(255, 0, 0));
}

namespace {
struct MouseLog {
    std::vector<std::array<float, 4>> downs, moves;
};

void Send(PictureBuffer& buf, QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QMouseEvent e(type, pos, buf.mapToGlobal(pos), button, held, mods);
    QApplication::sendEvent(&buf, &e);
}
} // namespace

TEST(PictureBuffer, MouseEventsArriveWithTheOldButtonShiftAndPositionArguments)
{
    PictureBuffer buf(nullptr, PictureKind::Box, "buf", 0, 0, 64, 64);
    MouseLog log;
    buf.onMouseDown = [&](int b, int s, float x, float y) { log.downs.push_back({float(b), float(s), x, y}); };
    buf.onMouseMove = [&](int b, int s, float x, float y) { log.moves.push_back({float(b), float(s), x, y}); };

    Send(buf, QEvent::MouseButtonPress, {10.5, 20}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    // The right button pressed while the left one is held reports only itself.
    Send(buf, QEvent::MouseButtonPress, {10, 20}, Qt::RightButton, Qt::LeftButton | Qt::RightButton,
         Qt::ControlModifier | Qt::AltModifier);
    Send(buf, QEvent::MouseButtonPress, {1, 1}, Qt::MiddleButton, Qt::MiddleButton);
    // A move reports the sum held, and positions outside the buffer as they are.
    Send(buf, QEvent::MouseMove, {-10, 70}, Qt::NoButton, Qt::LeftButton | Qt::RightButton,
         Qt::ShiftModifier | Qt::ControlModifier);
    Send(buf, QEvent::MouseMove, {3, 3}, Qt::NoButton, Qt::NoButton);

    ASSERT_EQ(log.downs.size(), 3u);
    EXPECT_EQ(log.downs[0], (std::array<float, 4>{1, 1, 10.5f, 20}));
    EXPECT_EQ(log.downs[1], (std::array<float, 4>{2, 6, 10, 20}));
    EXPECT_EQ(log.downs[2][0], 4);
    // A double click: the second press still raises a press, then the
    // double click; its release raises no click.
    int clicks = 0, doubles = 0;
    buf.onClick = [&] { ++clicks; };
    buf.onDblClick = [&] { ++doubles; };
    Send(buf, QEvent::MouseButtonRelease, {1, 1}, Qt::MiddleButton, Qt::NoButton);
    Send(buf, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    Send(buf, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    Send(buf, QEvent::MouseButtonDblClick, {7, 5}, Qt::LeftButton, Qt::LeftButton);
    Send(buf, QEvent::MouseButtonRelease, {7, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
    ASSERT_EQ(log.downs.size(), 5u);
    EXPECT_EQ(log.downs[4], (std::array<float, 4>{1, 0, 7, 5}));
    ASSERT_EQ(log.moves.size(), 2u);
    EXPECT_EQ(log.moves[0], (std::array<float, 4>{3, 3, -10, 70}));
    EXPECT_EQ(log.moves[1], (std::array<float, 4>{0, 0, 3, 3}));
    // The same through the window system, which turns the second press into
    // a double click event.
    buf.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&buf));
    QTest::mouseDClick(buf.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(9, 9));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubles, 2);
    ASSERT_EQ(log.downs.size(), 7u);
    EXPECT_EQ(log.downs[6], (std::array<float, 4>{1, 0, 9, 9}));
}

TEST(Environment, SettingsStoreAndFileListWorkInTheirOwnFolders)
{
    TempSettingsStore store;
    EXPECT_EQ(SettingsStore::GetSetting("app", "Options", "Show Tips at Startup", "1"), "1");
    SettingsStore::SaveSetting("app", "Options", "Show Tips at Startup", "0");
    EXPECT_EQ(SettingsStore::GetSetting("app", "Options", "Show Tips at Startup", "1"), "0");
    EXPECT_EQ(SettingsStore::GetSetting("other", "Options", "Show Tips at Startup", "1"), "1");

    QTemporaryDir dir;
    for (const char* name : {"b.fil", "a.fil", "c.bmp"}) {
        QFile f(QDir(dir.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    FileListBox list(nullptr, "File1", "*.fil");
    EXPECT_FALSE(list.setPath(QDir(dir.path()).filePath("missing")));
    ASSERT_TRUE(list.setPath(dir.path()));
    ASSERT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.item(0)->text(), "a.fil");
    EXPECT_FALSE(list.setPath(QDir(dir.path()).filePath("missing")));
    EXPECT_EQ(list.ListCount(), 2); // a failed move keeps what was listed
    list.setCurrentRow(1);
    EXPECT_EQ(list.FileName(), "b.fil");
}

TEST(Dialogs, AMessageWithALongPathWrapsItWhole)
{
    const QString text = "Could not save \"/home/user/" + QString(240, 'n') + ".tga\". " + QString(30, 'w');
    QtDialogs dialogs;
    int checked = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (!label->text().contains("Could not save"))
                continue;
            ++checked;
            // Every line fits: no unbreakable run is wider than the label.
            EXPECT_LE(label->minimumSizeHint().width(), label->width());
            EXPECT_EQ(QString(label->text()).remove(QChar(0x200B)), text);
            EXPECT_TRUE(label->text().endsWith(QString(30, 'w'))); // short words left alone
        }
        box->accept();
    });
    dialogs.MsgBox(text, MsgButtons::OK);
    EXPECT_EQ(checked, 1);
}

#include "core/velmora_error.h"
#include "controls/balloon_hint.h"
#include "controls/click_shape.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/skin_picture.h"
#include "ui/support/skin_fixture.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QColor colourOf(const QPixmap &pixmap)
{
    return pixmap.toImage().pixelColor(0, 0);
}

} // namespace

TEST(SkinPicture, IsFoundWhateverTheCaseOfItsName)
{
    QTemporaryDir dir;
    WriteTestBitmap(dir.filePath(QStringLiteral("GUI_Home.bmp")), QSize(4, 3), Qt::red);

    EXPECT_EQ(FindSkinFile(dir.path(), QStringLiteral("GUI_home.bmp")), dir.filePath(QStringLiteral("GUI_Home.bmp")));
    const QPixmap picture = LoadSkinPicture(dir.path(), QStringLiteral("gui_HOME.BMP"));
    EXPECT_EQ(picture.size(), QSize(4, 3));
    EXPECT_EQ(colourOf(picture), QColor(Qt::red));
}

TEST(SkinPicture, AMissingPictureRaisesTheFileErrorWithThePath)
{
    QTemporaryDir dir;
    try {
        LoadSkinPicture(dir.path(), QStringLiteral("GUI_welcome.bmp"));
        FAIL() << "no error";
    } catch (const VelmoraError &error) {
        const QString prefix = QStringLiteral("Datei %1 kann nicht geöffnet werden. ")
                                   .arg(dir.filePath(QStringLiteral("GUI_welcome.bmp")));
        EXPECT_TRUE(error.message().startsWith(prefix)) << error.message().toStdString();
        EXPECT_GT(error.message().size(), prefix.size()) << "the system's reason follows";
    }
}

TEST(SkinPicture, AFileThatIsNoPictureRaisesTheFileError)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("GUI_exit.bmp")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    EXPECT_THROW(LoadSkinPicture(dir.path(), QStringLiteral("GUI_exit.bmp")), VelmoraError);
}

TEST(PictureButton, ShowsItsDownPartnerWhileHeldAndClicksOnReleaseInside)
{
    QTemporaryDir dir;
    WriteTestBitmap(dir.filePath(QStringLiteral("GUI_buy.bmp")), QSize(20, 10), Qt::blue);
    WriteTestBitmap(dir.filePath(QStringLiteral("GUI_Buy_Down.bmp")), QSize(20, 10), Qt::green);
    QWidget window;
    auto *button = new TPictureButton(&window);
    button->setGeometry(5, 5, 20, 10);
    button->LoadSkin(dir.path(), QStringLiteral("GUI_buy.bmp"));
    window.show();
    QSignalSpy clicks(button, &TPictureButton::clicked);

    EXPECT_EQ(colourOf(button->shownPicture()), QColor(Qt::blue));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(button->isDown());
    EXPECT_EQ(colourOf(button->shownPicture()), QColor(Qt::green));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(clicks.count(), 1);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(clicks.count(), 1) << "released outside: no click";
}

TEST(PictureButton, WithoutADownPartnerRefreshShowsTheNewNormalPicture)
{
    QTemporaryDir dir;
    WriteTestBitmap(dir.filePath(QStringLiteral("GUI_back.bmp")), QSize(8, 8), Qt::yellow);
    TPictureButton button;
    button.LoadSkin(dir.path(), QStringLiteral("GUI_back.bmp"));
    EXPECT_TRUE(button.downPicture().isNull());
    button.Refresh();
    EXPECT_FALSE(button.isDown());
    EXPECT_EQ(colourOf(button.shownPicture()), QColor(Qt::yellow));
}

TEST(PictureBox, TransparentPicturesLetTheBottomLeftColourThrough)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    image.setPixelColor(1, 1, Qt::black);
    QWidget backdrop;
    backdrop.resize(4, 4);
    backdrop.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, Qt::white);
    backdrop.setPalette(pal);
    auto *box = new TPictureBox(&backdrop);
    box->setAutoSize(true);
    box->setTransparent(true);
    box->setPicture(QPixmap::fromImage(image));
    EXPECT_EQ(box->size(), QSize(4, 4));

    const QImage shot = backdrop.grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(Qt::black));
}

TEST(ClickShape, AnEllipseReactsInsideOnlyAndLetsTheCornersThrough)
{
    QWidget window;
    window.resize(200, 100);
    auto *shape = new TClickShape(TClickShape::Shape::Ellipse, &window);
    shape->setGeometry(10, 10, 100, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(shape, &TClickShape::clicked);

    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(60, 30)); // centre
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(12, 12)); // corner of the rectangle
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(shape->hits(QPoint(1, 1)));
    EXPECT_TRUE(shape->hits(QPoint(50, 20)));
}

TEST(BalloonHints, AppearHalfASecondAfterThePointerRestsAndCarryTheHint)
{
    TBalloonHints *hints = TBalloonHints::instance();
    ASSERT_NE(hints, nullptr);
    QWidget window;
    window.resize(300, 200);
    auto *plain = new QLabel(QStringLiteral("no hint"), &window);
    plain->setGeometry(150, 0, 100, 50);
    auto *shape = new TClickShape(TClickShape::Shape::Rectangle, &window);
    shape->setGeometry(10, 10, 100, 50);
    shape->setToolTip(QStringLiteral("Erste Zeile\r\nzweite Zeile"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(hints->showTimer().interval(), 500);
    EXPECT_EQ(hints->hideTimer().interval(), 8000);

    QTest::mouseMove(&window, QPoint(30, 30));
    EXPECT_TRUE(hints->showTimer().isActive());
    EXPECT_FALSE(hints->isShowing());
    QTest::qWait(700);
    ASSERT_TRUE(hints->isShowing());
    EXPECT_EQ(hints->hintControl(), shape);
    EXPECT_EQ(hints->window()->text(), QStringLiteral("Erste Zeile\nzweite Zeile"));
    EXPECT_TRUE(hints->hideTimer().isActive());
    const QPoint pointer = window.mapToGlobal(QPoint(30, 30));
    EXPECT_GE(hints->window()->y(), pointer.y()) << "below the pointer";

    QTest::mouseMove(&window, QPoint(200, 20)); // onto a control without a hint
    EXPECT_FALSE(hints->isShowing());
    QTest::qWait(700);
    EXPECT_FALSE(hints->isShowing());
}

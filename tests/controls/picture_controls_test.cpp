#include "controls/bitmap_image.h"
#include "controls/click_shape.h"
#include "controls/link_label.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/picture_switch.h"
#include "controls/questionnaire_tile.h"
#include "controls/show_picture_form.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A picture whose every pixel has its own colour, so a shifted or mirrored copy cannot pass.
TBitmap patterned(int width, int height, TPixelFormat format = TPixelFormat::Bits24)
{
    TBitmap bitmap(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.setPixelColor(x, y, TRgb{quint8(40 + 8 * x), quint8(30 + 16 * y), quint8((x * 7 + y * 13) % 256)});
    return bitmap;
}

QColor colourOf(const TRgb &rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The box as it is drawn on a white window.
QImage drawn(TPictureBox &box)
{
    box.setAutoFillBackground(true);
    QPalette pal = box.palette();
    pal.setColor(QPalette::Window, Qt::white);
    box.setPalette(pal);
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Every pixel of the drawn box: the picture's own pixel inside `at` (placed at its own size),
// white outside.
void expectPlacedAtOwnSize(const QImage &image, const TBitmap &picture, QPoint at)
{
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int px = x - at.x(), py = y - at.y();
            const bool inside = px >= 0 && py >= 0 && px < picture.width() && py < picture.height();
            const QColor expected = inside ? colourOf(picture.pixelColor(px, py)) : QColor(Qt::white);
            wrong += image.pixelColor(x, y) == expected ? 0 : 1;
        }
    }
    EXPECT_EQ(wrong, 0) << "of " << image.width() * image.height() << " pixels";
}

} // namespace

TEST(BitmapImage, ViewsEveryDirectFormatWithoutACopyAndConvertsBackPixelForPixel)
{
    for (TPixelFormat format : {TPixelFormat::Bits15, TPixelFormat::Bits16, TPixelFormat::Bits24, TPixelFormat::Bits32}) {
        const TBitmap bitmap = patterned(7, 5, format); // 7 pixels: rows with padding
        const QImage view = ImageView(bitmap);
        EXPECT_EQ(view.constBits(), bitmap.bits()) << int(format) << ": the same memory";
        const TBitmap back = BitmapFromImage(view);
        EXPECT_EQ(back.pixelFormat(), TPixelFormat::Bits24);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                ASSERT_EQ(view.pixelColor(x, y), colourOf(bitmap.pixelColor(x, y))) << int(format) << " " << x << "," << y;
                ASSERT_EQ(back.pixelColor(x, y), bitmap.pixelColor(x, y)) << int(format) << " " << x << "," << y;
            }
    }
    TBitmap palette = TBitmap::indexed(3, 2, 8, {TRgb{255, 0, 0}, TRgb{0, 0, 255}});
    palette.scanLine(1)[2] = 1;
    const QImage converted = ImageView(palette);
    EXPECT_EQ(converted.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(converted.pixelColor(2, 1), QColor(Qt::blue));
    EXPECT_TRUE(ImageView(TBitmap()).isNull());
}

TEST(PictureBox, PlacesItsPictureByItsMode)
{
    TPictureBox box;
    box.resize(21, 11);
    const TBitmap small = patterned(8, 4);
    box.setBitmap(small);

    expectPlacedAtOwnSize(drawn(box), small, {0, 0});
    box.setMode(TPictureMode::Centre);
    expectPlacedAtOwnSize(drawn(box), small, {6, 3});
    box.setMode(TPictureMode::ShrinkCentre);
    expectPlacedAtOwnSize(drawn(box), small, {6, 3}); // a smaller picture is never enlarged

    // Larger than the box: cut on every side when centred, reduced into it when shrinking.
    const TBitmap wide = patterned(25, 13);
    box.setBitmap(wide);
    box.setMode(TPictureMode::Centre);
    expectPlacedAtOwnSize(drawn(box), wide, {-2, -1});
    box.setMode(TPictureMode::ShrinkCentre);
    EXPECT_EQ(box.shownRect(), QRect(0, 0, 21, 10)); // 25 x 13 kept in proportion, centred
    box.setMode(TPictureMode::Proportional);
    EXPECT_EQ(box.shownRect(), QRect(0, 0, 21, 10));
    box.setBitmap(small);
    EXPECT_EQ(box.shownRect(), QRect(0, 0, 21, 10)) << "a small picture is stretched, at the top-left corner";
    const QImage stretched = drawn(box);
    EXPECT_EQ(stretched.pixelColor(0, 0), colourOf(small.pixelColor(0, 0)));
    EXPECT_EQ(stretched.pixelColor(20, 9), colourOf(small.pixelColor(7, 3)));
    EXPECT_EQ(stretched.pixelColor(10, 10), QColor(Qt::white)) << "below the picture";
}

TEST(PictureBox, ATransparentBoxLetsThePicturesBottomLeftColourThrough)
{
    TBitmap picture = patterned(6, 4);
    picture.setPixelColor(0, 3, TRgb{1, 2, 3});
    picture.setPixelColor(4, 1, TRgb{1, 2, 3});
    TPictureBox box;
    box.resize(6, 4);
    box.setBitmap(picture);
    box.setTransparent(true);
    const QImage image = drawn(box);
    EXPECT_EQ(image.pixelColor(0, 3), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(4, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(1, 1), colourOf(picture.pixelColor(1, 1)));
}

TEST(ShowPicture, FillsTheScreenShowsThePictureAtFullSizeAndClosesWithSchliessen)
{
    const TBitmap picture = patterned(1500, 1200); // larger than the offscreen screen: scrolled
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *form = qobject_cast<TShowPictureForm *>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        seen = true;
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Bild anzeigen"));
        const QRect screen = form->screen()->availableGeometry();
        EXPECT_TRUE(form->isMaximized());
        EXPECT_GE(form->width(), screen.width() - 8) << "the window fills its screen, less a frame";
        EXPECT_GE(form->height(), screen.height() - 8);
        EXPECT_EQ(form->BitBtn1->text(), QStringLiteral("&Schließen"));
        EXPECT_EQ(form->BitBtn1->geometry(), QRect(5, 5, 86, 25));
        EXPECT_EQ(form->Panel1->height(), 36);
        EXPECT_EQ(form->Image1->size(), QSize(1500, 1200));
        EXPECT_EQ(form->Image1->shownRect(), QRect(0, 0, 1500, 1200));
        EXPECT_GT(form->ScrollBox1->horizontalScrollBar()->maximum(), 0) << "a large picture is scrolled";
        EXPECT_GT(form->ScrollBox1->verticalScrollBar()->maximum(), 0);
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    });
    ShowPicture(picture);
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// ---------------------------------------------------------------- keyboard

TEST(KeyboardTrigger, SpaceAndEnterPressPictureControlsWithThePressedLookAsAClickDoes)
{
    QWidget window;
    auto *button = new TPictureButton(&window);
    QPixmap normal(10, 10);
    normal.fill(Qt::red);
    button->setPictures(normal);
    button->setAccessibleName(QStringLiteral("Zurück"));
    auto *toggle = new TPictureSwitch(&window);
    auto *shape = new TClickShape(TClickShape::Shape::Ellipse, &window);
    shape->resize(20, 20);
    auto *link = new TLinkLabel(QStringLiteral("Weitere Sets im Internet"), &window);
    window.show();

    QSignalSpy buttonClicks(button, &TPictureButton::clicked);
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(button->isDown()) << "the pressed look while the key is held";
    EXPECT_EQ(buttonClicks.count(), 0);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(buttonClicks.count(), 1);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_A);
    EXPECT_EQ(buttonClicks.count(), 2);

    QSignalSpy toggles(toggle, &TPictureSwitch::toggled);
    QTest::keyPress(toggle, Qt::Key_Enter);
    EXPECT_TRUE(toggle->isDown());
    QTest::keyRelease(toggle, Qt::Key_Enter);
    EXPECT_TRUE(toggle->isChecked());
    toggle->setReadOnly(true);
    QTest::keyClick(toggle, Qt::Key_Space);
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(toggle->isChecked()) << "read-only";
    toggle->setChecked(false);
    EXPECT_EQ(toggles.count(), 1) << "the program's setChecked tells nobody";

    QSignalSpy shapeClicks(shape, &TClickShape::clicked);
    QTest::keyClick(shape, Qt::Key_Space);
    QSignalSpy linkClicks(link, &TLinkLabel::clicked);
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_EQ(shapeClicks.count(), 1);
    EXPECT_EQ(linkClicks.count(), 1);

    for (QWidget *control : std::initializer_list<QWidget *>{button, toggle, shape, link})
        EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << control->metaObject()->className();
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Zurück"));
    EXPECT_EQ(link->accessibleName(), QStringLiteral("Weitere Sets im Internet"));
}

TEST(KeyboardTrigger, AKeyHeldWhileTheFocusLeavesTriggersNothing)
{
    QWidget window;
    auto *button = new TPictureButton(&window);
    window.show();
    QSignalSpy clicks(button, &TPictureButton::clicked);
    QTest::keyPress(button, Qt::Key_Space);
    QFocusEvent focusGoes(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(button, &focusGoes);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(clicks.count(), 0);
}

TEST(PictureButton, TakesTheMeaningOfItsSkinPictureAsAccessibleName)
{
    EXPECT_EQ(SkinButtonMeaning(QStringLiteral("GUI_home.bmp")), QStringLiteral("Startseite"));
    EXPECT_EQ(SkinButtonMeaning(QStringLiteral("gui_Auswerten.BMP")), QStringLiteral("Test auswerten"));
    EXPECT_TRUE(SkinButtonMeaning(QStringLiteral("GUI_main_bodytop.bmp")).isEmpty());
}

TEST(QuestionnaireTile, IsOneFocusableButtonNamedByItsNumberThatCarriesTheId)
{
    TQuestionnaireTile tile(3, 17, 1, 2, 0);
    QSignalSpy clicks(&tile, &TQuestionnaireTile::clicked);
    tile.show();
    EXPECT_EQ(tile.ClickArea()->accessibleName(), QStringLiteral("Fragebogen 3"));
    EXPECT_TRUE(tile.ClickArea()->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(tile.ClickArea(), Qt::Key_Space);
    QTest::mouseClick(tile.ClickArea(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(clicks.count(), 1 + 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 17);
}

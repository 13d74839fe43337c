#include "core/velmora_error.h"
#include "app/vl_background.h"
#include "app/vl_wait.h"
#include "app/vl_welcome.h"
#include "controls/balloon_hint.h"
#include "controls/click_shape.h"
#include "controls/picture_box.h"
#include "layout/welcome.h"
#include "screen/layout_geometry.h"
#include "ui/support/shell_fixture.h"

#include <QLabel>
#include <QTest>

namespace {

class WelcomeTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        writeInstallation();
        start();
        welcome = qobject_cast<TWelcomeFrame *>(browse->CurrentScreen());
        ASSERT_NE(welcome, nullptr);
    }

    void clickAt(QPoint inWelcome)
    {
        const QPoint inWindow = welcome->mapTo(browse.get(), inWelcome);
        QTest::mouseClick(browse->windowHandle(), Qt::LeftButton, {}, inWindow);
    }

    TWelcomeFrame *welcome = nullptr;
};

} // namespace

TEST_F(WelcomeTest, ShowsItsPictureAndThreeEllipsesWithTheirHints)
{
    for (const TLayoutRect &place : layout::welcome::kControls) {
        const QWidget *control = welcome->findChild<QWidget *>(NameOf(place));
        ASSERT_NE(control, nullptr) << place.name;
        EXPECT_EQ(control->geometry(), RectOf(place)) << place.name;
    }
    EXPECT_EQ(welcome->Image1->picture().size(), welcome->Image1->size());
    for (TClickShape *shape : {welcome->BetreutesShape, welcome->NachschlagenShape, welcome->EinstellungenShape}) {
        EXPECT_EQ(shape->shape(), TClickShape::Shape::Ellipse);
        EXPECT_EQ(shape->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(welcome->BetreutesShape->toolTip(),
              QStringLiteral("Beim Pimp-Training werden Sie\r\nideal auf die Theorie-Prüfung\r\nvorbereitet.\r\n\r\n"
                             "...und dabei von den Girls\r\nmotiviert!"));
    EXPECT_EQ(welcome->NachschlagenShape->toolTip(),
              QStringLiteral("Alle Fragebögen incl. Lösungen\r\nzum gemütlichem Nachschlagen!"));
    EXPECT_EQ(welcome->EinstellungenShape->toolTip(),
              QStringLiteral("Sie wollen alles aus Velmora herausholen?\r\n\r\nDann auf zum Tuning!"));
}

TEST_F(WelcomeTest, AnEllipsePlaysItsCueAndLeadsToItsScreen)
{
    clickAt(RectOf(layout::welcome::BetreutesShape).center());
    EXPECT_EQ(audio.cues, QStringList{programPath(QStringLiteral("sounds/training.wav"))});
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("betreutes"));
}

TEST_F(WelcomeTest, ClicksBesideTheEllipsesDoNothing)
{
    // inside the rectangle of the learning ellipse, outside the ellipse
    clickAt(RectOf(layout::welcome::BetreutesShape).topLeft() + QPoint(2, 2));
    clickAt(QPoint(500, 100));
    EXPECT_TRUE(audio.cues.isEmpty());
    EXPECT_EQ(browse->CurrentScreen(), welcome);
}

TEST_F(WelcomeTest, AHintShowsAsABalloonWhenThePointerRests)
{
    TBalloonHints *hints = TBalloonHints::instance();
    ASSERT_NE(hints, nullptr);
    const QPoint inWindow = welcome->mapTo(browse.get(), RectOf(layout::welcome::NachschlagenShape).center());
    QTest::mouseMove(browse->windowHandle(), inWindow);
    ASSERT_TRUE(WaitFor([&] { return hints->isShowing(); }, 2000));
    EXPECT_EQ(hints->hintControl(), welcome->NachschlagenShape);
    EXPECT_EQ(hints->window()->text(), QStringLiteral("Alle Fragebögen incl. Lösungen\nzum gemütlichem Nachschlagen!"));
    hints->hideHint();
}

TEST(AuxiliaryWindows, TheBackgroundIsAPyramidGradientFromWhiteToSilver)
{
    const QSize size(200, 100);
    EXPECT_GE(TBackgroundForm::GradientColourAt(size, QPoint(100, 50)).red(), 254) << "white in the middle";
    EXPECT_LE(TBackgroundForm::GradientColourAt(size, QPoint(0, 50)).red(), 193) << "silver at the edges";
    EXPECT_LE(TBackgroundForm::GradientColourAt(size, QPoint(100, 0)).red(), 193);
    EXPECT_EQ(TBackgroundForm::GradientColourAt(size, QPoint(199, 99)), TBackgroundForm::GradientColourAt(size, QPoint(0, 0)));
    // Equal colour on the rectangle half way out, whichever side.
    EXPECT_EQ(TBackgroundForm::GradientColourAt(size, QPoint(50, 50)),
              TBackgroundForm::GradientColourAt(size, QPoint(100, 25)));
}

TEST(AuxiliaryWindows, TheBackgroundCoversTheScreenAndBringsTheMainWindowBack)
{
    QWidget mainWindow;
    mainWindow.resize(100, 100);
    TBackgroundForm background(&mainWindow);
    EXPECT_TRUE(background.isVisible());
    EXPECT_EQ(background.geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_FALSE(mainWindow.isVisible());
    background.activateWindow();
    ASSERT_TRUE(WaitFor([&] { return background.isActiveWindow() || mainWindow.isVisible(); }, 2000));
    EXPECT_TRUE(WaitFor([&] { return mainWindow.isVisible(); }, 2000));
}

TEST(AuxiliaryWindows, TheWaitWindowAsksForPatience)
{
    TVelmoraWaitForm wait;
    EXPECT_EQ(wait.windowTitle(), QStringLiteral("Programm arbeitet"));
    EXPECT_EQ(wait.size(), QSize(363, 133));
    auto *label = wait.findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Bitte haben Sie einen Moment Geduld..."));
    EXPECT_EQ(label->geometry(), QRect(40, 35, 282, 20));
}

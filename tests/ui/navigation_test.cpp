#include "app/screen_registry.h"
#include "app/widget_ports.h"
#include "core/velmora_error.h"
#include "ui/support/shell_fixture.h"

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace {

class NavigationTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        writeInstallation();
        start();
    }

    bool visible(const char *name) const { return !control(name)->isHidden(); }

    // The screens in the screen area that the user can see.
    QList<TModelFrame *> shownScreens() const
    {
        QList<TModelFrame *> shown;
        for (TModelFrame *screen : control("BrowsePanel")->findChildren<TModelFrame *>(Qt::FindDirectChildrenOnly))
            if (!screen->isHidden())
                shown << screen;
        return shown;
    }
};

// A screen that cannot be made: its creation step fails, as a missing skin picture makes it fail.
class TFailingScreen : public TModelFrame
{
public:
    using TModelFrame::TModelFrame;
    void OnCreation() override { throw VelmoraError(QStringLiteral("Datei fehlt.bmp kann nicht geöffnet werden")); }
};

} // namespace

TEST_F(NavigationTest, TheButtonsFollowTheScreensHooks)
{
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
    EXPECT_FALSE(visible("BackImage"));
    EXPECT_FALSE(visible("ForwardImage"));
    EXPECT_TRUE(visible("HomeImage"));
    EXPECT_TRUE(visible("ExitImage"));

    browse->ShowScreen(QStringLiteral("betreutes"));
    EXPECT_TRUE(visible("BackImage"));
    EXPECT_FALSE(visible("ForwardImage"));
    EXPECT_TRUE(visible("HomeImage"));
    EXPECT_TRUE(visible("ExitImage"));

    browse->ShowScreen(QStringLiteral("welcome"));
    EXPECT_FALSE(visible("BackImage"));
    EXPECT_TRUE(visible("HomeImage"));
    EXPECT_TRUE(visible("ExitImage"));
}

TEST_F(NavigationTest, HomeOnTheWelcomeScreenRebuildsItAndTheOldOneGoesASecondLater)
{
    // The program's own pause: the fixture's short one can run out while a loaded machine is still
    // building the new screen.
    destroy();
    retireDelayMs = 1000;
    start();
    QPointer<TModelFrame> old = browse->CurrentScreen();
    EXPECT_EQ(old->objectName(), QStringLiteral("WelcomeFrame"));
    clickControl("HomeImage");

    TModelFrame *fresh = browse->CurrentScreen();
    ASSERT_NE(fresh, old.data());
    EXPECT_EQ(fresh->objectName(), QStringLiteral("WelcomeFrame"));
    ASSERT_FALSE(old.isNull());
    EXPECT_TRUE(old->isHidden());
    EXPECT_TRUE(old->objectName().isEmpty());
    EXPECT_EQ(browse->PendingRetirements(), 1);
    EXPECT_EQ(audio.cues, QStringList{programPath(QStringLiteral("sounds/pop.wav"))});

    EXPECT_TRUE(WaitFor([&] { return old.isNull(); }, 3000));
    EXPECT_EQ(browse->PendingRetirements(), 0);
    EXPECT_EQ(browse->CurrentScreen(), fresh);
}

TEST_F(NavigationTest, EachRetiredScreenHasItsOwnTimer)
{
    // The program's own pauses are half a second before the start-up step and a second before a
    // retired screen goes.
    EXPECT_EQ(TBrowseFormSetup{}.startUpDelayMs, 500);
    EXPECT_EQ(TBrowseFormSetup{}.retireDelayMs, 1000);
    destroy();
    retireDelayMs = 400;
    start();

    QPointer<TModelFrame> first = browse->CurrentScreen();
    browse->ShowScreen(QStringLiteral("betreutes"));
    QPointer<TModelFrame> second = browse->CurrentScreen();
    QTest::qWait(200);
    browse->ShowScreen(QStringLiteral("welcome"));
    EXPECT_EQ(browse->PendingRetirements(), 2);

    ASSERT_TRUE(WaitFor([&] { return first.isNull(); }, 3000));
    EXPECT_FALSE(second.isNull()) << "retired 200 ms later, so it goes 200 ms later";
    ASSERT_TRUE(WaitFor([&] { return second.isNull(); }, 3000));
    EXPECT_FALSE(browse->CurrentScreen() == nullptr);
}

TEST_F(NavigationTest, TheBackClickPlaysThePopCueBeforeTheHookEvenWhenTheHookDoesNothing)
{
    browse->ShowScreen(QStringLiteral("betreutes"));
    auto *screen = static_cast<TTestScreen *>(browse->CurrentScreen());
    clickControl("BackImage");
    EXPECT_EQ(screen->cuesAtBackAction, 1) << "the cue sounded before the back action ran";

    // The welcome screen's back action is the base one, which does nothing: the cue still sounds.
    browse->ShowScreen(QStringLiteral("welcome"));
    audio.cues.clear();
    control("BackImage")->show();
    clickControl("BackImage");
    EXPECT_EQ(audio.cues, QStringList{programPath(QStringLiteral("sounds/pop.wav"))});
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
}

TEST_F(NavigationTest, AnUnknownScreenIsRefusedAndTheCurrentOneStays)
{
    TModelFrame *welcome = browse->CurrentScreen();
    try {
        browse->ShowScreen(QStringLiteral("Welcome"));
        FAIL() << "no error: names compare with case";
    } catch (const VelmoraError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Unbekannte Seite \"Welcome\""));
    }
    EXPECT_EQ(browse->CurrentScreen(), welcome);
    EXPECT_FALSE(welcome->isHidden());
    EXPECT_EQ(browse->PendingRetirements(), 0);
}

TEST(StandardScreens, EveryScreenNameCanBeShown)
{
    TScreenRegistry standard;
    RegisterStandardScreens(standard);
    for (const QString &name : TScreenRegistry::ScreenNames())
        EXPECT_NO_THROW(standard.CheckRequest(name)) << name.toStdString();
}

TEST_F(NavigationTest, TheScreenSeesItsLifeInOrder)
{
    class TLoggingScreen : public TModelFrame
    {
    public:
        TLoggingScreen(IScreenContext &context, QWidget *parent, QStringList &log)
            : TModelFrame(context, parent), m_log(log)
        {
        }
        bool BackAvailable() override
        {
            m_log << QStringLiteral("back available");
            return true;
        }
        void OnCreation() override { m_log << QStringLiteral("creation"); }
        void BeforeShow() override { m_log << QStringLiteral("before show") + (isHidden() ? QStringLiteral(" hidden") : QStringLiteral(" shown")); }
        void OnShow() override { m_log << QStringLiteral("show") + (isHidden() ? QStringLiteral(" hidden") : QStringLiteral(" shown")); }
        void OnLeave() override { m_log << QStringLiteral("leave"); }

    private:
        QStringList &m_log;
    };
    destroy();
    QStringList log;
    registerTestScreen = false;
    TBrowseFormSetup logged = setup();
    logged.registerScreens = [&log](TScreenRegistry &registry) {
        registry.Register(
            QStringLiteral("nachschlagen"), QStringLiteral("NachschlagenFrame"),
            [&log](IScreenContext &context, QWidget *parent) { return new TLoggingScreen(context, parent, log); },
            [&log](TModelFrame &) { log << QStringLiteral("after shown"); });
    };
    browse = std::make_unique<TBrowseForm>(std::move(logged));
    browse->ShowScreen(QStringLiteral("nachschlagen"));
    browse->ShowScreen(QStringLiteral("welcome"));
    EXPECT_EQ(log, (QStringList{QStringLiteral("creation"), QStringLiteral("before show hidden"),
                                QStringLiteral("back available"), QStringLiteral("show shown"),
                                QStringLiteral("after shown"), QStringLiteral("leave")}));
}

TEST_F(NavigationTest, AClickDuringAScreenSwitchWaitsUntilTheSwitchHasFinished)
{
    destroy();
    TWidgetEventPort windowSystem;
    eventPort = &windowSystem;
    retireDelayMs = 60000;
    start();
    browse->ShowScreen(QStringLiteral("betreutes"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(browse.get()));
    const int retiredBefore = browse->PendingRetirements();

    // The user clicks Home while the switch back to the welcome screen lets the window system work.
    QWidget *home = control("HomeImage");
    const QPointF inWindow = home->mapTo(browse.get(), home->rect().center());
    const QPointF global = browse->mapToGlobal(inWindow.toPoint());
    QWindow *window = browse->windowHandle();
    QWindowSystemInterface::handleMouseEvent(window, inWindow, global, Qt::LeftButton, Qt::LeftButton,
                                             QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent(window, inWindow, global, Qt::NoButton, Qt::LeftButton,
                                             QEvent::MouseButtonRelease);
    browse->ShowScreen(QStringLiteral("welcome"));
    EXPECT_EQ(browse->PendingRetirements(), retiredBefore + 1) << "the click did not run inside the switch";
    EXPECT_EQ(shownScreens(), QList<TModelFrame *>{browse->CurrentScreen()});

    // Afterwards the click is handled: Home rebuilds the welcome screen, and still one screen shows.
    ASSERT_TRUE(WaitFor([&] { return browse->PendingRetirements() == retiredBefore + 2; }, 2000));
    EXPECT_EQ(audio.cues, QStringList{programPath(QStringLiteral("sounds/pop.wav"))});
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
    EXPECT_EQ(shownScreens(), QList<TModelFrame *>{browse->CurrentScreen()});
    EXPECT_EQ(browse->CurrentScreen()->objectName(), QStringLiteral("WelcomeFrame"));
    eventPort = &events;
    destroy();
}

TEST_F(NavigationTest, AScreenShownByATimerDuringASwitchGivesWay)
{
    destroy();
    TWidgetEventPort windowSystem;
    eventPort = &windowSystem;
    retireDelayMs = 60000;
    start();
    browse->ShowScreen(QStringLiteral("betreutes"));
    const int retiredBefore = browse->PendingRetirements();
    QTimer::singleShot(0, browse.get(), [this] { browse->ShowScreen(QStringLiteral("betreutes")); });
    browse->ShowScreen(QStringLiteral("welcome"));
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
    EXPECT_EQ(shownScreens(), QList<TModelFrame *>{browse->CurrentScreen()});
    for (TModelFrame *screen : control("BrowsePanel")->findChildren<TModelFrame *>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(screen == browse->CurrentScreen() || screen->objectName().isEmpty()) << "every other one is retired";
    EXPECT_EQ(browse->PendingRetirements(), retiredBefore + 2);
    eventPort = &events;
    destroy();
}

TEST_F(NavigationTest, AScreenThatCannotBeMadeIsRemovedAndTheWelcomeScreenShows)
{
    destroy();
    QPointer<TModelFrame> halfMade;
    TBrowseFormSetup failing = setup();
    failing.registerScreens = [&](TScreenRegistry &registry) {
        registry.Register(QStringLiteral("betreutes"), QStringLiteral("BetreutesFrame"),
                          [this](IScreenContext &context, QWidget *parent) { return new TTestScreen(context, parent, audio); });
        registry.Register(QStringLiteral("galerie"), QStringLiteral("GalerieFrame"),
                          [&halfMade](IScreenContext &context, QWidget *parent) {
                              halfMade = new TFailingScreen(context, parent);
                              return halfMade.data();
                          });
    };
    browse = std::make_unique<TBrowseForm>(std::move(failing));
    data = std::make_unique<TMainDataModule>(browse->StoredValues(), browse->ModulePorts(), folder.path());
    browse->AttachDataModule(*data);
    browse->show();
    ASSERT_TRUE(WaitFor([this] { return !browse->SplashShown(); }, 5000));
    browse->ShowScreen(QStringLiteral("betreutes"));

    EXPECT_THROW(browse->ShowScreen(QStringLiteral("galerie")), VelmoraError);
    EXPECT_TRUE(halfMade.isNull()) << "the half-made screen is deleted";
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
    EXPECT_EQ(shownScreens(), QList<TModelFrame *>{browse->CurrentScreen()});
    EXPECT_TRUE(visible("HomeImage"));

    // The program can still be ended in order, with what the run changed saved.
    data->SetPimpPoints(55);
    dialogs.answers = {true};
    browse->close();
    EXPECT_EQ(loopEnds, 1);
    destroy();
    TStoredUserValues stored(programPath(QStringLiteral("velmora")));
    stored.Restore();
    EXPECT_EQ(stored.pimpPoints, QStringLiteral("55"));
}

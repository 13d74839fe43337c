#include "app/velmora_error.h"
#include "ui/support/shell_fixture.h"

#include <QPointer>
#include <QTest>

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

    QTest::qWait(600);
    EXPECT_FALSE(old.isNull()) << "still there 600 ms later";
    EXPECT_TRUE(WaitFor([&] { return old.isNull(); }, 3000));
    EXPECT_EQ(browse->PendingRetirements(), 0);
    EXPECT_EQ(browse->CurrentScreen(), fresh);
}

TEST_F(NavigationTest, EachRetiredScreenHasItsOwnTimer)
{
    QPointer<TModelFrame> first = browse->CurrentScreen();
    browse->ShowScreen(QStringLiteral("betreutes"));
    QPointer<TModelFrame> second = browse->CurrentScreen();
    QTest::qWait(400);
    browse->ShowScreen(QStringLiteral("welcome"));
    EXPECT_EQ(browse->PendingRetirements(), 2);

    ASSERT_TRUE(WaitFor([&] { return first.isNull(); }, 3000));
    EXPECT_FALSE(second.isNull()) << "retired 400 ms later, so it goes 400 ms later";
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

TEST_F(NavigationTest, AScreenThatIsNotBuiltIsRefusedAndTheCurrentOneStays)
{
    TModelFrame *welcome = browse->CurrentScreen();
    try {
        browse->ShowScreen(QStringLiteral("galerie"));
        FAIL() << "no error";
    } catch (const VelmoraError &error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Die Seite \"galerie\" ist in dieser Version von Velmora noch nicht enthalten"));
    }
    EXPECT_THROW(browse->ShowScreen(QStringLiteral("Welcome")), VelmoraError) << "names compare with case";
    EXPECT_EQ(browse->CurrentScreen(), welcome);
    EXPECT_FALSE(welcome->isHidden());
    EXPECT_EQ(browse->PendingRetirements(), 0);
}

TEST_F(NavigationTest, TheScreenSeesItsLifeInOrder)
{
    class TLoggingScreen : public TModelFrame
    {
    public:
        TLoggingScreen(TBrowseForm &form, QWidget *parent, QStringList &log) : TModelFrame(form, parent), m_log(log) {}
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
    TBrowseFormSetup setup;
    setup.programFilePath = programPath(QStringLiteral("velmora"));
    setup.dialogs = &dialogs;
    setup.events = &events;
    setup.documents = &documents;
    setup.audio = &audio;
    setup.random = &random;
    setup.reportError = [this](const QString &message) { errors << message; };
    setup.endMessageLoop = [this] { ++loopEnds; };
    setup.registerScreens = [&log](TScreenRegistry &registry) {
        registry.Register(QStringLiteral("nachschlagen"), QStringLiteral("NachschlagenFrame"),
                          [&log](TBrowseForm &form, QWidget *parent) { return new TLoggingScreen(form, parent, log); },
                          [&log](TModelFrame &) { log << QStringLiteral("after shown"); });
    };
    browse = std::make_unique<TBrowseForm>(std::move(setup));
    browse->ShowScreen(QStringLiteral("nachschlagen"));
    browse->ShowScreen(QStringLiteral("welcome"));
    EXPECT_EQ(log, (QStringList{QStringLiteral("creation"), QStringLiteral("before show hidden"),
                                QStringLiteral("back available"), QStringLiteral("show shown"),
                                QStringLiteral("after shown"), QStringLiteral("leave")}));
}

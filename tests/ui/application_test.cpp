#include "app/velmora_application.h"
#include "core/velmora_error.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TVelmoraApplication *application()
{
    return static_cast<TVelmoraApplication *>(QCoreApplication::instance());
}

} // namespace

TEST(TopLevelHandler, AnErrorInAnEventIsShownWithAFullStopAndTheLoopGoesOn)
{
    QStringList shown;
    application()->setErrorPresenter([&](const QString &text) { shown << text; });
    bool laterEventRan = false;

    QTimer::singleShot(0, application(), [] { throw VelmoraError(QStringLiteral("'x' ist kein gültiger Integerwert")); });
    QTimer::singleShot(5, application(), [] { throw std::runtime_error("disk full"); });
    QTimer::singleShot(10, application(), [] { throw VelmoraError(QStringLiteral("Schon mit Punkt.")); });
    QTimer::singleShot(20, application(), [&] { laterEventRan = true; });
    QTest::qWait(100);

    EXPECT_EQ(shown, (QStringList{QStringLiteral("'x' ist kein gültiger Integerwert."),
                                  QStringLiteral("disk full."), QStringLiteral("Schon mit Punkt.")}));
    EXPECT_TRUE(laterEventRan);
    application()->setErrorPresenter(nullptr);
}

TEST(TopLevelHandler, TheApplicationIsTitledVelmora)
{
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Velmora"));
}

#include "app/screen_registry.h"
#include "app/vl_betreutes.h"
#include "app/vl_einstellungen.h"
#include "app/vl_frage.h"
#include "app/vl_nachschlagen.h"
#include "app/vl_pimp.h"
#include "app/vl_versager.h"
#include "app/vl_welcome.h"
#include "data/db_module.h"

void RegisterStandardScreens(TScreenRegistry &registry)
{
    registry.Register(QStringLiteral("welcome"), QStringLiteral("WelcomeFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TWelcomeFrame(context, parent); });
    registry.Register(QStringLiteral("einstellungen"), QStringLiteral("EinstellungenFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TEinstellungenFrame(context, parent); });
    registry.Register(QStringLiteral("betreutes"), QStringLiteral("BetreutesFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TBetreutesFrame(context, parent); });
    registry.Register(QStringLiteral("versager"), QStringLiteral("VersagerFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TVersagerFrame(context, parent); });
    registry.Register(QStringLiteral("pimp"), QStringLiteral("PimpFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TPimpFrame(context, parent); });
    registry.Register(QStringLiteral("nachschlagen"), QStringLiteral("NachschlagenFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TNachschlagenFrame(context, parent); });
    // The question screen shows the first question of the running test once it is on screen.
    registry.Register(
        QStringLiteral("frage"), QStringLiteral("FrageFrame"),
        [](IScreenContext &context, QWidget *parent) { return new TFrageFrame(context, parent); },
        [](TModelFrame &screen) {
            auto &frage = static_cast<TFrageFrame &>(screen);
            frage.ShowFirstQuestion(frage.DataModule()->ViewMode);
        });
}

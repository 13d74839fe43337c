#include "app/screen_registry.h"
#include "app/vl_betreutes.h"
#include "app/vl_bilder.h"
#include "app/vl_einstellungen.h"
#include "app/vl_frage.h"
#include "app/vl_galerie.h"
#include "app/vl_girlseditor.h"
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
    registry.Register(QStringLiteral("girlseditor"), QStringLiteral("GirlsEditorFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TGirlsEditorFrame(context, parent); });
    registry.Register(QStringLiteral("betreutes"), QStringLiteral("BetreutesFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TBetreutesFrame(context, parent); });
    registry.Register(QStringLiteral("versager"), QStringLiteral("VersagerFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TVersagerFrame(context, parent); });
    registry.Register(QStringLiteral("pimp"), QStringLiteral("PimpFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TPimpFrame(context, parent); });
    registry.Register(QStringLiteral("nachschlagen"), QStringLiteral("NachschlagenFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TNachschlagenFrame(context, parent); });
    registry.Register(QStringLiteral("galerie"), QStringLiteral("GalerieFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TGalerieFrame(context, parent); });
    registry.Register(QStringLiteral("bilder"), QStringLiteral("BilderFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TBilderFrame(context, parent); });
    // The question screen shows the first question of the running test once it is on screen.
    registry.Register(
        QStringLiteral("frage"), QStringLiteral("FrageFrame"),
        [](IScreenContext &context, QWidget *parent) { return new TFrageFrame(context, parent); },
        [](TModelFrame &screen) {
            auto &frage = static_cast<TFrageFrame &>(screen);
            frage.ShowFirstQuestion(frage.DataModule()->ViewMode);
        });
}

#include "app/screen_registry.h"
#include "app/vl_einstellungen.h"
#include "app/vl_welcome.h"

void RegisterStandardScreens(TScreenRegistry &registry)
{
    registry.Register(QStringLiteral("welcome"), QStringLiteral("WelcomeFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TWelcomeFrame(context, parent); });
    registry.Register(QStringLiteral("einstellungen"), QStringLiteral("EinstellungenFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TEinstellungenFrame(context, parent); });
}

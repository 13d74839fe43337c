#include "app/screen_registry.h"
#include "app/vl_welcome.h"

void RegisterStandardScreens(TScreenRegistry &registry)
{
    registry.Register(QStringLiteral("welcome"), QStringLiteral("WelcomeFrame"),
                      [](IScreenContext &context, QWidget *parent) { return new TWelcomeFrame(context, parent); });
}

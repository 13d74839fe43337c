#include "app/screen_registry.h"
#include "app/vl_welcome.h"

void RegisterStandardScreens(TScreenRegistry &registry)
{
    registry.Register(QStringLiteral("welcome"), QStringLiteral("WelcomeFrame"),
                      [](TBrowseForm &browse, QWidget *parent) { return new TWelcomeFrame(browse, parent); });
}

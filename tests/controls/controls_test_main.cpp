#include "controls/layout_fonts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The controls are tested on their own, with a plain application object on the offscreen platform
// and the program's layout fonts, with a private config folder.
int main(int argc, char **argv)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallLayoutFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The program side of the crash test: takes the progress steps up to the one named, says "ready" and
// waits to be killed. Usage: progress_crash_child PROGRAM_FOLDER evaluate|purchase|class
#include "data/progress_installation.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    const char *lastStep = argv[2];
    TProgressProgram program(QString::fromLocal8Bit(argv[1]));
    program.EvaluateFaultlessQuestionnaire();
    if (std::strcmp(lastStep, "evaluate") != 0) {
        program.BuySetAndPicture();
        if (std::strcmp(lastStep, "purchase") != 0) {
            program.module->CurrentClass = QStringLiteral("C");
            program.module->SaveProgress({});
        }
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

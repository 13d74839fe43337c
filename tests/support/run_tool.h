#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What a command-line tool printed and how it ended.
struct TToolRun
{
    int exitCode = -1;
    QString out, err;
};

// Runs a tool of the build to its end (at most a minute).
inline TToolRun runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

int ScriptedRandom::draw(int n)
{
    askedRanges << n;
    if (m_draws.empty())
        throw std::logic_error("ScriptedRandom: the script has no more draws");
    const int value = m_draws.front();
    m_draws.pop_front();
    return value;
}

bool FakeDialogPort::askYesNo(const QString &text)
{
    questions << text;
    if (answers.isEmpty())
        return true;
    return answers.takeFirst();
}

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

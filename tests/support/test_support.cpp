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

bool FakeDialogPort::askYesNoWarning(const QString &text)
{
    warnings << text;
    return askYesNo(text);
}

QString FakeFileDialogPort::openFile(const TFileDialogOptions &options)
{
    kinds << QStringLiteral("open");
    asked << options;
    return answers.isEmpty() ? QString() : answers.takeFirst().value(0);
}

QStringList FakeFileDialogPort::openFiles(const TFileDialogOptions &options)
{
    kinds << QStringLiteral("open several");
    asked << options;
    return answers.isEmpty() ? QStringList() : answers.takeFirst();
}

QString FakeFileDialogPort::saveFile(const TFileDialogOptions &options)
{
    kinds << QStringLiteral("save");
    asked << options;
    return answers.isEmpty() ? QString() : answers.takeFirst().value(0);
}

namespace {
QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}
} // namespace

bool FakePrintPort::Print(const QString &title, const std::function<void(IPrintCanvas &canvas)> &job)
{
    if (cancel)
        return false;
    titles << title;
    pages = 1;
    job(*this);
    return true;
}

void FakePrintPort::SetFont(const QString &family, int points, bool bold)
{
    calls << QStringLiteral("font:%1,%2,%3").arg(family).arg(points).arg(bold ? 1 : 0);
}

void FakePrintPort::SetPenWidth(int width)
{
    calls << QStringLiteral("pen:%1").arg(width);
}

void FakePrintPort::TextOut(QPoint topLeft, const QString &text)
{
    calls << QStringLiteral("text:%1,%2:%3").arg(topLeft.x()).arg(topLeft.y()).arg(text);
}

void FakePrintPort::TextRect(const QRect &rectangle, const QString &text)
{
    calls << QStringLiteral("textrect:%1:%2").arg(rectText(rectangle), text);
}

void FakePrintPort::Line(QPoint from, QPoint to)
{
    calls << QStringLiteral("line:%1,%2,%3,%4").arg(from.x()).arg(from.y()).arg(to.x()).arg(to.y());
}

void FakePrintPort::Rectangle(const QRect &rectangle)
{
    calls << QStringLiteral("rect:%1").arg(rectText(rectangle));
}

void FakePrintPort::StretchPicture(const QRect &rectangle, const TBitmap &)
{
    calls << QStringLiteral("picture:%1").arg(rectText(rectangle));
}

void FakePrintPort::NewPage()
{
    calls << QStringLiteral("page");
    ++pages;
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

#pragma once

#include "core/file_dialog_port.h"
#include "core/ports.h"
#include "core/print_port.h"
#include "core/random_generator.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

// A generator that hands out a scripted sequence of draws; reseeds are counted.
// Running past the script is a test fault and throws.
class ScriptedRandom final : public IRandomGenerator
{
public:
    explicit ScriptedRandom(std::initializer_list<int> draws = {}) : m_draws(draws) {}
    void push(int value) { m_draws.push_back(value); }
    int draw(int n) override;
    void reseed() override { ++reseeds; }

    QList<int> askedRanges; // the n of every draw(n), in order
    int reseeds = 0;

private:
    std::deque<int> m_draws;
};

// Records every message; answers questions from a script (default: yes). Questions with a warning
// icon are recorded in `questions` too, and also in `warnings`.
class FakeDialogPort final : public IDialogPort
{
public:
    void showMessage(const QString &text) override { messages << text; }
    void showInformation(const QString &text) override { informations << text; }
    bool askYesNo(const QString &text) override;
    bool askYesNoWarning(const QString &text) override;

    QStringList messages, informations, questions, warnings;
    QList<bool> answers; // consumed front to back; when empty, the answer is yes
};

// Answers the file dialogs from scripts: each call takes the next answer (none left: cancelled)
// and records the options it was asked with.
class FakeFileDialogPort final : public IFileDialogPort
{
public:
    QString openFile(const TFileDialogOptions &options) override;
    QStringList openFiles(const TFileDialogOptions &options) override;
    QString saveFile(const TFileDialogOptions &options) override;

    QList<QStringList> answers; // one list per call; openFile and saveFile take its first path
    QList<TFileDialogOptions> asked;
    QStringList kinds; // "open", "open several", "save", in order
};

// A print port that "prints" into a log of canvas calls on a page of the given size; its dialog is
// confirmed unless `cancel` is set.
class FakePrintPort final : public IPrintPort, private IPrintCanvas
{
public:
    bool Print(const QString &title, const std::function<void(IPrintCanvas &canvas)> &job) override;

    bool cancel = false;
    QSize pageSize{4792, 6784};
    int resolution = 600;
    QStringList titles; // one per job that ran
    QStringList calls;  // "font:<family>,<points>,<bold>", "text:x,y:<text>", "rect:...", "page", ...
    int pages = 0;      // pages of the last job

private:
    QSize PageSize() const override { return pageSize; }
    int Resolution() const override { return resolution; }
    void SetFont(const QString &family, int points, bool bold) override;
    void SetPenWidth(int width) override;
    void TextOut(QPoint topLeft, const QString &text) override;
    void TextRect(const QRect &rectangle, const QString &text) override;
    void Line(QPoint from, QPoint to) override;
    void Rectangle(const QRect &rectangle) override;
    void StretchPicture(const QRect &rectangle, const TBitmap &picture) override;
    void NewPage() override;
};

class RecordingScreenPort final : public IScreenPort
{
public:
    void showScreen(const QString &screenName) override { screens << screenName; }
    QStringList screens;
};

// Records sound requests in one stream ("cue:<list>", "sync:<file>", "beep") to check their order.
class RecordingSoundPort final : public ISoundPort
{
public:
    void playCue(const QString &cueList) override { events << QStringLiteral("cue:") + cueList; }
    void playSoundSync(const QString &fileName) override { events << QStringLiteral("sync:") + fileName; }
    void beep() override { events << QStringLiteral("beep"); }
    QStringList events;
};

class CountingEventPort final : public IEventPort
{
public:
    void processPendingMessages() override { ++calls; }
    int calls = 0;
};

// Reads a file whole; empty when missing.
QByteArray readWholeFile(const QString &path);
// Writes bytes to a file, creating folders on the way; throws on failure.
void writeWholeFile(const QString &path, const QByteArray &bytes);

#pragma once

#include "core/ports.h"
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

// Records every message; answers questions from a script (default: yes).
class FakeDialogPort final : public IDialogPort
{
public:
    void showMessage(const QString &text) override { messages << text; }
    void showInformation(const QString &text) override { informations << text; }
    bool askYesNo(const QString &text) override;

    QStringList messages, informations, questions;
    QList<bool> answers; // consumed front to back; when empty, the answer is yes
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

#pragma once

#include "core/ports.h"
#include "core/stored_user_values.h"
#include "data/db_module.h"
#include "support/fakes.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Writes every request of the dialog, screen and sound ports into one log, so a test can check
// their order across the ports ("sync:<file>", "cue:<list>", "screen:<name>", "message:<text>").
class OrderLogPorts final : public IDialogPort, public IScreenPort, public ISoundPort
{
public:
    void showMessage(const QString &text) override { log << QStringLiteral("message:") + text; }
    void showInformation(const QString &text) override { log << QStringLiteral("information:") + text; }
    bool askYesNo(const QString &text) override
    {
        log << QStringLiteral("question:") + text;
        return true;
    }
    bool askYesNoWarning(const QString &text) override
    {
        log << QStringLiteral("warning question:") + text;
        return true;
    }
    void showScreen(const QString &screenName) override
    {
        log << QStringLiteral("screen:") + screenName;
        if (onScreen)
            onScreen();
    }
    void playCue(const QString &cueList) override { log << QStringLiteral("cue:") + cueList; }
    void playSoundSync(const QString &filePath) override { log << QStringLiteral("sync:") + filePath; }
    void beep() override { log << QStringLiteral("beep"); }

    QStringList log;
    std::function<void()> onScreen; // runs while a screen is being shown
};

// One question of the catalogue as a test writes it.
struct QuestionSpec
{
    int id = 0;
    QStringList classes = {QStringLiteral("B")};
    int fragetyp = 1;
    bool marks[3] = {true, false, false};
    QString antwort1 = QStringLiteral("Antwort eins");
    int fehlerpunkte = 3;
    int falsch = 0;
    int bearbeitet = 0;
};

// A data module on a temporary program folder with the catalogue open, a scripted generator and
// ports that log in order.
class ExamTest : public ::testing::Test
{
protected:
    ExamTest() { makeModule(m_scripted); }

    void makeModule(IRandomGenerator &random)
    {
        m_module.reset();
        m_ports = TModulePorts{&m_log, &m_log, &m_log, &random, nullptr};
        m_module = std::make_unique<TMainDataModule>(m_stored, m_ports, m_folder.path());
        m_module->OpenQuestions();
    }

    TMainDataModule &module() { return *m_module; }

    void addQuestion(const QuestionSpec &question)
    {
        TRecordTable &t = module().FragenTable;
        t.Append();
        t.FieldByName(QStringLiteral("ID")).SetAsInteger(question.id);
        t.FieldByName(QStringLiteral("Fragetyp")).SetAsInteger(question.fragetyp);
        t.FieldByName(QStringLiteral("Frage")).SetAsString(QStringLiteral("Frage %1").arg(question.id));
        t.FieldByName(QStringLiteral("Antwort1")).SetAsString(question.antwort1);
        for (int i = 0; i < 3; ++i)
            t.FieldByName(QStringLiteral("Antwort%1kreuz").arg(i + 1)).SetAsBoolean(question.marks[i]);
        t.FieldByName(QStringLiteral("Fehlerpunkte")).SetAsInteger(question.fehlerpunkte);
        t.FieldByName(QStringLiteral("Falsch")).SetAsInteger(question.falsch);
        t.FieldByName(QStringLiteral("Bearbeitet")).SetAsInteger(question.bearbeitet);
        for (const QString &code : question.classes)
            t.FieldByName(QStringLiteral("Klasse_") + code).SetAsBoolean(true);
        t.Post();
    }

    // Appends a questionnaire and returns its ID.
    int addQuestionnaire(const QString &klasse, const QString &fragen, int fehlerlos = 0, int bestanden = 0,
                         int durchgefallen = 0)
    {
        TRecordTable &t = module().FrageboegenTable;
        t.Append();
        const int id = t.FieldByName(QStringLiteral("ID")).AsInteger();
        t.FieldByName(QStringLiteral("Klasse")).SetAsString(klasse);
        t.FieldByName(QStringLiteral("Nummer")).SetAsInteger(id + 1);
        t.FieldByName(QStringLiteral("Fragen")).SetAsString(fragen);
        t.FieldByName(QStringLiteral("Fehlerlos")).SetAsInteger(fehlerlos);
        t.FieldByName(QStringLiteral("Bestanden")).SetAsInteger(bestanden);
        t.FieldByName(QStringLiteral("Durchgefallen")).SetAsInteger(durchgefallen);
        t.Post();
        return id;
    }

    // The integer field of every visible record, in the table's current order (the cursor moves).
    static QList<int> column(TRecordTable &table, const QString &field)
    {
        QList<int> values;
        for (table.First(); !table.Eof(); table.Next())
            values << table.FieldByName(field).AsInteger();
        return values;
    }

    QList<int> testQuestions() { return column(module().TestTable, QStringLiteral("FrageID")); }

    int fieldOf(TRecordTable &table, int id, const QString &field)
    {
        EXPECT_TRUE(table.Locate(QStringLiteral("ID"), id)) << id;
        return table.FieldByName(field).AsInteger();
    }

    QTemporaryDir m_folder;
    TStoredUserValues m_stored{QStringLiteral("/opt/velmora/velmora")};
    ScriptedRandom m_scripted;
    OrderLogPorts m_log;
    TModulePorts m_ports;
    std::unique_ptr<TMainDataModule> m_module;
};

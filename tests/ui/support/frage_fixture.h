#pragma once

#include "app/vl_frage.h"
#include "app/vl_uebersicht_small.h"
#include "data/db_module.h"
#include "data/record_table.h"
#include "data/table_fields.h"
#include "data/table_schemas.h"
#include "ui/support/shell_fixture.h"
#include "ui/support/skin_fixture.h"

#include <QDir>
#include <QFile>

// The main window with a catalogue of questions written for the question screen, the screen's skin
// pictures, its cue lists, a few question pictures and the answer overview window, as the program
// entry makes it. Stand-ins take the place of the menu, the result screens and the look-up screen.
class FrageFixture : public ShellFixture
{
protected:
    struct Question
    {
        int type;
        const char *text, *answer1, *answer2, *answer3;
        bool mark1, mark2, mark3;
        int errorPoints;
        const char *picture;
    };

    // IDs 1 ... 6 carry the cases; 7 is a second number question; 8 ... 40 fill long tests.
    static QList<Question> Catalogue()
    {
        QList<Question> questions{
            {1, "Frage eins\r\nzweite Zeile", "Antwort A", "Antwort B", "Antwort C", true, false, true, 4, "wide.jpg"},
            {1, "Frage zwei", "Ja", "Nein", "x", false, true, false, 2, ""},
            {2, "Frage drei", "Es sind (Lsg: 42) Meter.", "", "", false, false, false, 3, "bad.jpg"},
            {1, "Frage vier", "A4", "B4", "C4", true, false, false, 5, "tall.jpg"},
            {1, "Frage fünf", "A5", "B5", "C5", false, false, true, 5, "square.jpg"},
            {1, "Frage sechs", "A6", "B6", "C6", false, true, false, 5, "small.jpg"},
            {2, "Frage sieben", "Genau (Lsg: 42) Stück", "", "", false, false, false, 2, "mid.jpg"},
        };
        // The fillers are named "Frage <ID>".
        for (int id = 8; id <= 40; ++id)
            questions.append({1, nullptr, "AA", "BB", "CC", true, false, false, 2, ""});
        return questions;
    }

    void SetUp() override
    {
        ShellFixture::SetUp();
        if (resultStandIns)
            testScreenNames << QStringLiteral("pimp") << QStringLiteral("versager");
        if (lookUpStandIn)
            testScreenNames << QStringLiteral("nachschlagen");
        writeInstallation();
        const QString bmp = programPath(QStringLiteral("bmp"));
        for (const char *name : {"Abbrechen", "Auswerten", "Uebersicht", "previousquestion", "nextquestion",
                                 "zurueckfrage"}) {
            WriteTestBitmap(bmp + QStringLiteral("/GUI_%1.bmp").arg(QLatin1String(name)), QSize(186, 66),
                            QColor(0x40, 0x90, 0x40));
            WriteTestBitmap(bmp + QStringLiteral("/GUI_%1_down.bmp").arg(QLatin1String(name)), QSize(186, 66),
                            QColor(0x20, 0x50, 0x20));
        }
        writeVersionIni(kStandardVersionIni + "snd_vorherigefrage=prev.wav\r\nsnd_naechstefrage=next.wav\r\n"
                                              "snd_auswerten=auswerten.wav\r\n" + extraVersionIni);
        for (const char *name : {"prev.wav", "next.wav", "auswerten.wav"})
            writeFile(QStringLiteral("sounds/") + QLatin1String(name), "RIFF");
        writeCatalogue();
        const QString img = QStringLiteral("db/img/");
        writeFile(img + QStringLiteral("wide.jpg"), TestJpeg(QSize(600, 300), QColor(200, 30, 30)));
        writeFile(img + QStringLiteral("tall.jpg"), TestJpeg(QSize(300, 600), QColor(30, 200, 30)));
        writeFile(img + QStringLiteral("square.jpg"), TestJpeg(QSize(200, 200), QColor(30, 30, 200)));
        writeFile(img + QStringLiteral("small.jpg"), TestJpeg(QSize(100, 50), QColor(200, 200, 30)));
        writeFile(img + QStringLiteral("mid.jpg"), TestJpeg(QSize(300, 200), QColor(30, 200, 200)));
        writeFile(img + QStringLiteral("bad.jpg"), "this is no picture");
        start();
        overview = std::make_unique<TUebersichtForm>(browse.get());
        browse->AttachOverview(*overview);
    }

    void TearDown() override
    {
        overview.reset();
        ShellFixture::TearDown();
    }

    void writeFile(const QString &relative, const QByteArray &content)
    {
        const QString path = programPath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void writeCatalogue()
    {
        TRecordTable table;
        DefineFragenTable(table);
        table.Open();
        int id = 0;
        for (const Question &q : Catalogue()) {
            ++id;
            table.Append();
            table.FieldByName(fields::fragen::ID).SetAsInteger(id);
            table.FieldByName(fields::fragen::Klasse).SetAsString(QStringLiteral("B"));
            table.FieldByName(TMainDataModule::ClassFlagFieldName(QStringLiteral("B"))).SetAsBoolean(true);
            table.FieldByName(fields::fragen::Fragetyp).SetAsInteger(q.type);
            table.FieldByName(fields::fragen::Frage).SetAsString(q.text ? QString::fromUtf8(q.text) : QStringLiteral("Frage %1").arg(id));
            table.FieldByName(fields::fragen::Antwort1).SetAsString(QString::fromUtf8(q.answer1));
            table.FieldByName(fields::fragen::Antwort2).SetAsString(QString::fromUtf8(q.answer2));
            table.FieldByName(fields::fragen::Antwort3).SetAsString(QString::fromUtf8(q.answer3));
            table.FieldByName(fields::fragen::Antwort1kreuz).SetAsBoolean(q.mark1);
            table.FieldByName(fields::fragen::Antwort2kreuz).SetAsBoolean(q.mark2);
            table.FieldByName(fields::fragen::Antwort3kreuz).SetAsBoolean(q.mark3);
            table.FieldByName(fields::fragen::Fehlerpunkte).SetAsInteger(q.errorPoints);
            table.FieldByName(fields::fragen::Bild).SetAsString(QString::fromUtf8(q.picture));
            table.Post();
        }
        table.SaveToFile(programPath(QStringLiteral("db/fragen.dat")));
    }

    // The running test: these questions in this order.
    void buildTest(const QList<int> &frageIds)
    {
        data->ClearTest();
        TRecordTable &test = data->TestTable;
        for (int i = 0; i < frageIds.size(); ++i) {
            test.Append();
            test.FieldByName(fields::test::FrageID).SetAsInteger(frageIds[i]);
            test.FieldByName(fields::test::NrInTest).SetAsInteger(i + 1);
            test.FieldByName(fields::test::Fragebogen).SetAsInteger(7);
            test.Post();
        }
    }

    QList<int> firstQuestions(int count)
    {
        QList<int> ids;
        for (int id = 1; id <= count; ++id)
            ids << id;
        return ids;
    }

    // Requests the question screen in this view mode; it shows the first question.
    TFrageFrame *openScreen(int mode)
    {
        data->ViewMode = quint8(mode);
        browse->ShowScreen(QStringLiteral("frage"));
        return qobject_cast<TFrageFrame *>(browse->CurrentScreen());
    }

    // A field of the test record of a question.
    QVariant saved(int frageId, QLatin1String field)
    {
        TRecordTable &test = data->TestTable;
        if (!test.Locate(fields::test::FrageID, frageId))
            return QVariant();
        const TField value = test.FieldByName(field);
        if (value.Type() == TFieldType::Boolean)
            return value.AsBoolean();
        return value.AsString();
    }

    void setSaved(int frageId, QLatin1String field, const QVariant &value)
    {
        TRecordTable &test = data->TestTable;
        ASSERT_TRUE(test.Locate(fields::test::FrageID, frageId));
        test.Edit();
        if (value.typeId() == QMetaType::Bool)
            test.FieldByName(field).SetAsBoolean(value.toBool());
        else
            test.FieldByName(field).SetAsString(value.toString());
        test.Post();
    }

    QString cue(const char *file) const { return programPath(QStringLiteral("sounds/") + QLatin1String(file)); }

    std::unique_ptr<TUebersichtForm> overview;
    bool lookUpStandIn = true; // false: the real look-up screen
    bool resultStandIns = true; // false: the real result screens
    QByteArray extraVersionIni; // more lines of version.ini
};

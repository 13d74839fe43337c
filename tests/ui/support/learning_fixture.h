#pragma once

#include "app/vl_betreutes.h"
#include "app/vl_pimp.h"
#include "app/vl_versager.h"
#include "ui/support/frage_fixture.h"

#include <QTest>

// Every draw gives `value` (within its range), so a test chooses which picture or text is drawn.
class ChosenDraw final : public IRandomGenerator
{
public:
    int draw(int n) override { return n > 0 ? value % n : 0; }
    void reseed() override {}
    int value = 0;
};

// The question screen's fixture with the real learning menu and result screens, their skin pictures,
// the cue lists they play and a few questionnaires, sets, pictures and texts.
class LearningFixture : public FrageFixture
{
protected:
    LearningFixture()
    {
        testScreenNames.clear();
        resultStandIns = false;
        randomPort = &draws;
        extraVersionIni = "snd_nocheintest=nochein.wav\r\n";
    }

    void SetUp() override
    {
        writeFile(QStringLiteral("sounds/POP.wav"), "RIFF");
        writeFile(QStringLiteral("sounds/nochein.wav"), "RIFF");
        FrageFixture::SetUp();
        const QString bmp = programPath(QStringLiteral("bmp/"));
        WriteTestBitmap(bmp + QStringLiteral("gui_betreutes_lernen.bmp"), QSize(966, 571), QColor(0x80, 0x30, 0x30));
        WriteTestBitmap(bmp + QStringLiteral("GUI_versager.bmp"), QSize(961, 566), QColor(0x30, 0x30, 0x30));
        WriteTestBitmap(bmp + QStringLiteral("GUI_pimp.bmp"), QSize(961, 566), QColor(0x90, 0x20, 0x90));
        WriteTestBitmap(bmp + QStringLiteral("GUI_pimpschrift.bmp"), QSize(316, 211), QColor(0xFF, 0xFF, 0xFF));
        data->FrageboegenTable.Close();
        data->FrageboegenTable.Open();
        for (TRecordTable *table : {&data->SetsTable, &data->BilderTable, &data->TexteTable}) {
            table->Close();
            table->Open();
        }
    }

    // Counters in the order of the tile: Durchgefallen, Bestanden, Fehlerlos.
    void addQuestionnaire(int id, const char *klasse, int nummer, int d = 0, int b = 0, int f = 0)
    {
        TRecordTable &table = data->FrageboegenTable;
        table.Append();
        table.FieldByName(fields::frageboegen::ID).SetAsInteger(id);
        table.FieldByName(fields::frageboegen::Klasse).SetAsString(QString::fromLatin1(klasse));
        table.FieldByName(fields::frageboegen::Nummer).SetAsInteger(nummer);
        table.FieldByName(fields::frageboegen::Fragen).SetAsString(QStringLiteral("1\r\n2"));
        table.FieldByName(fields::frageboegen::Durchgefallen).SetAsInteger(d);
        table.FieldByName(fields::frageboegen::Bestanden).SetAsInteger(b);
        table.FieldByName(fields::frageboegen::Fehlerlos).SetAsInteger(f);
        table.Post();
    }

    void addSet(int id, const char *girl, int textGroup, bool freispielbar = true)
    {
        TRecordTable &table = data->SetsTable;
        table.Append();
        table.FieldByName(fields::sets::ID).SetAsInteger(id);
        table.FieldByName(fields::sets::Name).SetAsString(QStringLiteral("Set %1").arg(id));
        table.FieldByName(fields::sets::GirlName).SetAsString(QString::fromUtf8(girl));
        table.FieldByName(fields::sets::TextGruppeID).SetAsInteger(textGroup);
        table.FieldByName(fields::sets::Freispielbar).SetAsBoolean(freispielbar);
        table.Post();
    }

    // A picture of a set; `file` is written into db/sets/ as a JPEG of that size unless empty.
    void addPicture(int id, int setId, const char *file, const char *text = "", QSize size = QSize(900, 1200))
    {
        TRecordTable &table = data->BilderTable;
        table.Append();
        table.FieldByName(fields::bilder::ID).SetAsInteger(id);
        table.FieldByName(fields::bilder::SetID).SetAsInteger(setId);
        table.FieldByName(fields::bilder::Bild).SetAsString(QString::fromLatin1(file));
        table.FieldByName(fields::bilder::Text).SetAsString(QString::fromUtf8(text));
        table.Post();
        if (!size.isEmpty())
            writeFile(QStringLiteral("db/sets/") + QLatin1String(file), TestJpeg(size, QColor(20 * id, 90, 160)));
    }

    void addText(int id, int group, const char *text)
    {
        TRecordTable &table = data->TexteTable;
        table.Append();
        table.FieldByName(fields::texte::ID).SetAsInteger(id);
        table.FieldByName(fields::texte::TextGruppeID).SetAsInteger(group);
        table.FieldByName(fields::texte::Text).SetAsString(QString::fromUtf8(text));
        table.Post();
    }

    template <typename Screen>
    Screen *show(const char *name)
    {
        browse->ShowScreen(QString::fromLatin1(name));
        return qobject_cast<Screen *>(browse->CurrentScreen());
    }

    // The result of an evaluation as the result screens read it.
    void result(bool passed, int wrong, int errorPoints, int points, quint8 kind = testkind::Questionnaire)
    {
        data->LastPassed = passed;
        data->LastWrongCount = wrong;
        data->LastErrorPoints = errorPoints;
        data->LastPoints = points;
        data->TestKind = kind;
    }

    void clickAt(QWidget *control)
    {
        ASSERT_FALSE(control->isHidden()) << control->objectName().toStdString();
        const QPoint inWindow = control->mapTo(browse.get(), control->rect().center());
        QTest::mouseClick(browse->windowHandle(), Qt::LeftButton, {}, inWindow);
    }

    int stops() const { return int(audio.events.count(QStringLiteral("stop"))); }

    ChosenDraw draws;
};

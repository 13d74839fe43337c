#include "data/progress_installation.h"

#include "data/table_fields.h"
#include "data/table_schemas.h"

#include <QDir>

namespace {

void save(TRecordTable &table, const QString &db, const char *file)
{
    table.SaveToFile(db + u'/' + QString::fromLatin1(file));
}

int appendSet(TRecordTable &sets, const QString &name)
{
    sets.Append();
    sets.FieldByName(fields::sets::Name).SetAsString(name);
    sets.FieldByName(fields::sets::Wertung).SetAsInteger(1);
    sets.FieldByName(fields::sets::Freispielbar).SetAsBoolean(true);
    sets.FieldByName(fields::sets::Freigespielt).SetAsBoolean(false);
    sets.Post();
    return sets.FieldByName(fields::sets::ID).AsInteger();
}

} // namespace

void WriteProgressInstallation(const QString &programFolder)
{
    const QString db = programFolder + QStringLiteral("/db");
    QDir().mkpath(db);
    writeWholeFile(programFolder + QStringLiteral("/version.ini"),
                   QByteArrayLiteral("Int1=20\r\nInt2=40\r\nInt3=50\r\nInt4=75\r\nInt5=300\r\nInt6=100\r\nInt7=250\r\n"
                                     "Int8=400\r\nInt9=650\r\nInt10=2000\r\nInt20=5\r\nInt21=1\r\nInt22=500\r\n"
                                     "Int23=300\r\nInt24=0\r\n"));
    TRecordTable questions;
    DefineFragenTable(questions);
    questions.Open();
    for (const int id : {1, 2}) {
        questions.Append();
        questions.FieldByName(fields::fragen::ID).SetAsInteger(id);
        questions.FieldByName(fields::fragen::Fragetyp).SetAsInteger(1);
        questions.FieldByName(fields::fragen::Antwort1kreuz).SetAsBoolean(true);
        questions.FieldByName(fields::fragen::Fehlerpunkte).SetAsInteger(3);
        questions.FieldByName(TMainDataModule::ClassFlagFieldName(QStringLiteral("B"))).SetAsBoolean(true);
        questions.Post();
    }
    save(questions, db, "fragen.dat");

    TRecordTable questionnaires;
    DefineFrageboegenTable(questionnaires);
    questionnaires.Open();
    questionnaires.Append();
    questionnaires.FieldByName(fields::frageboegen::Klasse).SetAsString(QStringLiteral("B"));
    questionnaires.FieldByName(fields::frageboegen::Fragen).SetAsString(QStringLiteral("1\r\n2"));
    questionnaires.Post();
    save(questionnaires, db, "frageboegen.dat");

    TRecordTable sets;
    DefineSetsTable(sets);
    sets.Open();
    appendSet(sets, QStringLiteral("Kauf"));
    const int pictureSet = appendSet(sets, QStringLiteral("Bildkauf"));
    save(sets, db, "sets.dat");

    TRecordTable pictures;
    DefineBilderTable(pictures);
    pictures.Open();
    pictures.Append();
    pictures.FieldByName(fields::bilder::SetID).SetAsInteger(pictureSet);
    pictures.FieldByName(fields::bilder::NrInSet).SetAsInteger(1);
    pictures.FieldByName(fields::bilder::Wertung).SetAsInteger(1);
    pictures.FieldByName(fields::bilder::Bild).SetAsString(QStringLiteral("data0.img"));
    pictures.FieldByName(fields::bilder::Freigespielt).SetAsBoolean(false);
    pictures.Post();
    save(pictures, db, "bilder.dat");
}

TProgressProgram::TProgressProgram(const QString &programFolder, IDialogPort *dialogs)
    : stored(programFolder + QStringLiteral("/velmora"))
{
    stored.Restore();
    TModulePorts ports;
    ports.dialogs = dialogs;
    ports.random = &random;
    module = std::make_unique<TMainDataModule>(stored, ports, programFolder);
    module->LoadTables(module->Folders().db);
    module->ReadInstallationSettings();
    module->CurrentClass = stored.licenceClass;
}

void TProgressProgram::EvaluateFaultlessQuestionnaire()
{
    TMainDataModule &data = *module;
    data.FrageboegenTable.First();
    data.TestKind = testkind::Questionnaire;
    data.BuildTestFromQuestionnaire(data.FrageboegenTable.FieldByName(fields::frageboegen::ID).AsInteger());
    for (data.TestTable.First(); !data.TestTable.Eof(); data.TestTable.Next()) {
        data.TestTable.Edit();
        data.TestTable.FieldByName(fields::test::Antwort1kreuz).SetAsBoolean(true);
        data.TestTable.Post();
    }
    data.EvaluateTest();
}

void TProgressProgram::BuySetAndPicture()
{
    TMainDataModule &data = *module;
    data.SetsTable.Locate(QString(fields::sets::Name), QStringLiteral("Kauf"));
    data.BuySet();
    data.BilderTable.First();
    data.BuyPicture();
}

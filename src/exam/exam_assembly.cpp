// Building the running test: from a questionnaire, from a questionnaire drawn at random, and the
// short test of weak questions.
#include "core/random_generator.h"
#include "core/saturating.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "exam/question_list.h"

namespace {

// The scratch table of a draw: opened empty for it and closed again, which discards its records,
// however the draw ends.
class TScratchDraw
{
public:
    explicit TScratchDraw(TRecordTable &table) : m_table(table)
    {
        m_table.Close();
        m_table.Open();
    }
    ~TScratchDraw() { m_table.Close(); }
    TScratchDraw(const TScratchDraw &) = delete;
    TScratchDraw &operator=(const TScratchDraw &) = delete;

private:
    TRecordTable &m_table;
};

} // namespace

QString TMainDataModule::ClassFlagFieldName(const QString &classCode)
{
    return QString(fields::fragen::ClassFlagPrefix) + classCode;
}

void TMainDataModule::ClearTest()
{
    if (TestTable.IsEmpty())
        return;
    TestTable.First();
    while (!TestTable.IsEmpty())
        TestTable.Delete();
}

void TMainDataModule::BuildTestFromQuestionnaire(int questionnaireId)
{
    TestTable.Close();
    TestTable.Open();

    // An ID that no questionnaire carries leaves the test empty rather than taking whichever
    // questionnaire the table happens to stand on.
    if (!FrageboegenTable.Locate(fields::frageboegen::ID, questionnaireId))
        return;
    const QList<int> questionIds =
        QuestionIdsOfList(FrageboegenTable.FieldByName(fields::frageboegen::Fragen).AsString());

    TField frageId = TestTable.FieldByName(fields::test::FrageID);
    TField nrInFragebogen = TestTable.FieldByName(fields::test::NrInFragebogen);
    TField nrInTest = TestTable.FieldByName(fields::test::NrInTest);
    TField fragebogen = TestTable.FieldByName(fields::test::Fragebogen);
    TField ticks[] = {TestTable.FieldByName(fields::test::Antwort1kreuz),
                      TestTable.FieldByName(fields::test::Antwort2kreuz),
                      TestTable.FieldByName(fields::test::Antwort3kreuz)};
    int k = 0;
    for (const int id : questionIds) {
        ++k;
        TestTable.Append();
        frageId.SetAsInteger(id);
        nrInFragebogen.SetAsInteger(k);
        nrInTest.SetAsInteger(k);
        fragebogen.SetAsInteger(questionnaireId);
        for (TField tick : ticks)
            tick.SetAsBoolean(false);
        TestTable.Post();
    }
    TestTable.SortOn(fields::test::NrInFragebogen);
    TestTable.First();
}

void TMainDataModule::BuildRandomQuestionnaireTest()
{
    int chosenId = -1;
    bool found = false;
    {
        TScratchDraw draw(SortTable);
        TField sortId = SortTable.FieldByName(fields::sort::FrageID);
        TField sortValue = SortTable.FieldByName(fields::sort::Value);

        // A questionnaire never taken has the highest value, 0; every test taken lowers it by one, a
        // failed one by only a half, a passed one with errors by nine tenths, before rounding.
        TField id = FrageboegenTable.FieldByName(fields::frageboegen::ID);
        TField klasse = FrageboegenTable.FieldByName(fields::frageboegen::Klasse);
        TField fehlerlos = FrageboegenTable.FieldByName(fields::frageboegen::Fehlerlos);
        TField bestanden = FrageboegenTable.FieldByName(fields::frageboegen::Bestanden);
        TField durchgefallen = FrageboegenTable.FieldByName(fields::frageboegen::Durchgefallen);
        ReadyFlag = false;
        for (FrageboegenTable.First(); !FrageboegenTable.Eof(); FrageboegenTable.Next()) {
            if (klasse.AsString() != CurrentClass)
                continue;
            const qint64 f = fehlerlos.AsInteger();
            const qint64 b = bestanden.AsInteger();
            const qint64 d = durchgefallen.AsInteger();
            SortTable.Append();
            sortId.SetAsInteger(id.AsInteger());
            sortValue.SetAsInteger(ClampToInt32(nearest(0.5 * double(d) + 0.1 * double(b)) - (f + b + d)));
            SortTable.Post();
            // The class's last questionnaire in table order decides, whichever one is drawn.
            ReadyFlag = f + b >= 3;
        }

        // From the highest value backwards, each questionnaire is taken with probability 1/2; the
        // first one takes whatever is left.
        SortTable.SortOn(fields::sort::Value);
        SortTable.Last();
        if (!SortTable.IsEmpty()) {
            while (!SortTable.Bof() && Random().draw(2) != 1)
                SortTable.Prior();
            chosenId = sortId.AsInteger();
            found = true;
        }
    }

    if (found) {
        BuildTestFromQuestionnaire(chosenId);
    } else {
        // A class without questionnaires gets an empty test.
        TestTable.Close();
        TestTable.Open();
    }
    TestKind = testkind::Questionnaire;
}

void TMainDataModule::BuildWeakQuestionTest(int count)
{
    ClearTest();
    {
        TScratchDraw draw(SortTable);
        TField sortId = SortTable.FieldByName(fields::sort::FrageID);
        TField sortValue = SortTable.FieldByName(fields::sort::Value);

        // A question never evaluated has the highest value, 0; each evaluation lowers it by one, each
        // net wrong answer raises it by a half before rounding.
        TField classFlag = FragenTable.FieldByName(ClassFlagFieldName(CurrentClass));
        TField id = FragenTable.FieldByName(fields::fragen::ID);
        TField falsch = FragenTable.FieldByName(fields::fragen::Falsch);
        TField bearbeitet = FragenTable.FieldByName(fields::fragen::Bearbeitet);
        for (FragenTable.First(); !FragenTable.Eof(); FragenTable.Next()) {
            if (!classFlag.AsBoolean())
                continue;
            SortTable.Append();
            sortId.SetAsInteger(id.AsInteger());
            sortValue.SetAsInteger(
                ClampToInt32(nearest(0.5 * double(falsch.AsInteger())) - qint64(bearbeitet.AsInteger())));
            SortTable.Post();
        }

        SortTable.SortOn(fields::sort::Value);
        SortTable.Last();
        Random().reseed();

        TField frageId = TestTable.FieldByName(fields::test::FrageID);
        TField nrInTest = TestTable.FieldByName(fields::test::NrInTest);
        TField nrInFragebogen = TestTable.FieldByName(fields::test::NrInFragebogen);
        // An empty pool (or no questions asked for) gives an empty test.
        int k = 1;
        while (count > 0 && !SortTable.IsEmpty()) {
            // Walking back from the highest value, each question reached is taken with probability
            // 1/10; the first one takes what is left. Later draws only go further back, so the
            // questions drawn are distinct.
            while (!SortTable.Bof() && Random().draw(10) != 1)
                SortTable.Prior();
            TestTable.Append();
            frageId.SetAsInteger(sortId.AsInteger());
            nrInTest.SetAsInteger(k);
            nrInFragebogen.SetAsInteger(k);
            ++k;
            TestTable.Post();

            SortTable.Prior();
            if (SortTable.Bof() || TestTable.RecordCount() >= count)
                break;
        }
    }
    TestTable.First();
    TestKind = testkind::ShortTest;
}

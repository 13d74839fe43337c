// Scoring the running test: the pass rule, the points a result earns, and the evaluation that
// updates the learning statistics, books the points and shows the result screen.
#include "core/ports.h"
#include "core/saturating.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "exam/next_token.h"

#include <optional>

bool TMainDataModule::IsFailed(const QString &classCode, int errorPoints, int wrongCount)
{
    if (classCode == u"MO")
        return errorPoints > 7;
    return errorPoints > 10 || (errorPoints == 10 && wrongCount == 2);
}

int TMainDataModule::PointsForResult(int testKind, const QString &classCode, int errorPoints,
                                     int wrongCount) const
{
    if (testKind == testkind::ShortTest)
        return errorPoints <= 0 ? Int20 : Int21;
    if (IsFailed(classCode, errorPoints, wrongCount))
        return Int24;
    return errorPoints == 0 ? Int22 : Int23;
}


void TMainDataModule::EvaluateTest()
{
    // A test without questions has nothing to score: it books no points and counts for no
    // questionnaire.
    if (TestTable.IsEmpty()) {
        if (IDialogPort *dialogs = Ports().dialogs)
            dialogs->showMessage(QStringLiteral("Keine Fragen ausgewählt!"));
        return;
    }

    // The evaluation sound is played to its end before anything is scored.
    if (ISoundPort *sounds = Ports().sounds)
        sounds->playSoundSync(ProgramFolder() + QStringLiteral("/sounds/") +
                              CueList(QStringLiteral("snd_auswerten")));

    int wrongCount = 0;
    qint64 errorPoints = 0;
    TeaserBildID = -1;
    TeaserTextID = -1;

    TField testFrageId = TestTable.FieldByName(fields::test::FrageID);
    TField testAnswer = TestTable.FieldByName(fields::test::Antwort);
    TField testTicks[] = {TestTable.FieldByName(fields::test::Antwort1kreuz),
                          TestTable.FieldByName(fields::test::Antwort2kreuz),
                          TestTable.FieldByName(fields::test::Antwort3kreuz)};
    TField testFragebogen = TestTable.FieldByName(fields::test::Fragebogen);

    TField questionType = FragenTable.FieldByName(fields::fragen::Fragetyp);
    TField answerTemplate = FragenTable.FieldByName(fields::fragen::Antwort1);
    TField marks[] = {FragenTable.FieldByName(fields::fragen::Antwort1kreuz),
                      FragenTable.FieldByName(fields::fragen::Antwort2kreuz),
                      FragenTable.FieldByName(fields::fragen::Antwort3kreuz)};
    TField fehlerpunkte = FragenTable.FieldByName(fields::fragen::Fehlerpunkte);
    TField falsch = FragenTable.FieldByName(fields::fragen::Falsch);
    TField bearbeitet = FragenTable.FieldByName(fields::fragen::Bearbeitet);

    // A questionnaire test belongs to the questionnaire named by its first record.
    TestTable.First();
    const bool hasQuestionnaire = !TestTable.IsEmpty() && !testFragebogen.IsNull();
    const int questionnaireId = testFragebogen.AsInteger();

    for (; !TestTable.Eof(); TestTable.Next()) {
        if (testFrageId.IsNull() || !FragenTable.Locate(fields::fragen::ID, testFrageId.AsInteger())) {
            if (IDialogPort *dialogs = Ports().dialogs)
                dialogs->showMessage(QStringLiteral("Frage nicht gefunden"));
            continue;
        }
        FragenTable.Edit();
        bearbeitet.SetAsInteger(SaturatingAdd(bearbeitet.AsInteger(), 1));
        std::optional<bool> right;
        switch (questionType.AsInteger()) {
        case fragetyp::Choice:
            // Every answer must carry exactly the tick it should: a missing tick is as wrong as an extra one.
            right = true;
            for (int i = 0; i < 3; ++i)
                right = *right && testTicks[i].AsBoolean() == marks[i].AsBoolean();
            break;
        case fragetyp::Number:
            // The typed text must equal the solution exactly: no trimming, no numeric comparison.
            right = testAnswer.AsString() == NumberSolution(answerTemplate.AsString());
            break;
        default:
            break; // never scored
        }
        if (right.has_value()) {
            if (*right) {
                falsch.SetAsInteger(SaturatingAdd(falsch.AsInteger(), -1));
            } else {
                falsch.SetAsInteger(SaturatingAdd(falsch.AsInteger(), 1));
                ++wrongCount;
                errorPoints += fehlerpunkte.AsInteger();
            }
        }
        FragenTable.Post();
    }

    const int e = ClampToInt32(errorPoints);
    LastPoints = PointsForResult(TestKind, CurrentClass, e, wrongCount);
    const qint64 total = qint64(GetPimpPoints()) + LastPoints;
    SetPimpPoints(ClampToInt32(total));
    LastErrorPoints = e;
    LastWrongCount = wrongCount;

    if (TestKind == testkind::ShortTest) {
        LastPassed = wrongCount == 0;
    } else {
        LastPassed = !IsFailed(CurrentClass, e, wrongCount);
        // The questionnaire's counter is posted before the result screen appears, so that the new
        // screen never finds the questionnaire half edited. A test without a questionnaire of its
        // own changes no questionnaire's counters.
        if (hasQuestionnaire && FrageboegenTable.Locate(fields::frageboegen::ID, questionnaireId)) {
            QString counter = fields::frageboegen::Durchgefallen;
            if (LastPassed)
                counter = e <= 0 ? fields::frageboegen::Fehlerlos : fields::frageboegen::Bestanden;
            TField field = FrageboegenTable.FieldByName(counter);
            FrageboegenTable.Edit();
            field.SetAsInteger(SaturatingAdd(field.AsInteger(), 1));
            FrageboegenTable.Post();
        }
    }

    // What the test earned is on disk before its result is shown.
    TProgressTables changed = TProgressTable::Fragen;
    if (TestKind != testkind::ShortTest)
        changed |= TProgressTable::Frageboegen;
    SaveProgress(changed);

    if (ISoundPort *sounds = Ports().sounds)
        sounds->playCue(CueList(LastPassed ? QStringLiteral("snd_pimp") : QStringLiteral("snd_versager")));
    if (IScreenPort *screens = Ports().screens)
        screens->showScreen(LastPassed ? QStringLiteral("pimp") : QStringLiteral("versager"));
}

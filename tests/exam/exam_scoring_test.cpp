#include "exam_fixture.h"
#include "sound/cue_player.h"
#include "sound/cue_sound_port.h"
#include "sound/fake_audio_backend.h"

#include <limits>
#include <utility>

namespace {

class TestEvaluation : public ExamTest
{
protected:
    TestEvaluation()
    {
        writeWholeFile(
            m_folder.path() + QStringLiteral("/version.ini"),
            QByteArrayLiteral("Int1=1\r\nInt2=2\r\nInt3=3\r\nInt4=4\r\nInt5=5\r\nInt6=6\r\nInt7=7\r\n"
                              "Int8=8\r\nInt9=9\r\nInt10=10\r\nInt20=20\r\nInt21=21\r\nInt22=22\r\n"
                              "Int23=23\r\nInt24=-50\r\n"
                              "snd_auswerten=tusch 1.wav;tusch2.wav\r\n"
                              "snd_versager=buh.wav;boo.wav\r\nsnd_pimp=yeah.wav\r\n"));
        module().ReadInstallationSettings();
    }

    // A questionnaire test of the given questions (IDs 1 ... n) with the given error points, of which
    // the ones marked wrong get an answer that misses; returns the questionnaire ID.
    int questionnaireTest(const QList<int> &errorPoints, const QList<bool> &wrong)
    {
        QString list;
        for (int i = 0; i < errorPoints.size(); ++i) {
            addQuestion({.id = i + 1,
                         .classes = {QStringLiteral("B"), QStringLiteral("MO")},
                         .fehlerpunkte = errorPoints[i]});
            list += QString::number(i + 1) + QStringLiteral("\r\n");
        }
        const int id = addQuestionnaire(module().CurrentClass, list);
        module().TestKind = 1;
        module().BuildTestFromQuestionnaire(id);
        for (int i = 0; i < errorPoints.size(); ++i)
            tick(i + 1, true, wrong[i], false);
        return id;
    }

    void tick(int nrInTest, bool first, bool second, bool third)
    {
        TRecordTable &test = module().TestTable;
        test.SetRecNo(nrInTest);
        test.Edit();
        test.FieldByName(QStringLiteral("Antwort1kreuz")).SetAsBoolean(first);
        test.FieldByName(QStringLiteral("Antwort2kreuz")).SetAsBoolean(second);
        test.FieldByName(QStringLiteral("Antwort3kreuz")).SetAsBoolean(third);
        test.Post();
    }

    void type(int nrInTest, const QString &answer)
    {
        TRecordTable &test = module().TestTable;
        test.SetRecNo(nrInTest);
        test.Edit();
        test.FieldByName(QStringLiteral("Antwort")).SetAsString(answer);
        test.Post();
    }

    // A short test of the given question IDs, in this order.
    void shortTest(const QList<int> &ids)
    {
        QString list;
        for (const int id : ids)
            list += QString::number(id) + QStringLiteral("\n");
        module().BuildTestFromQuestionnaire(addQuestionnaire(QStringLiteral("Z"), list));
        TRecordTable &test = module().TestTable;
        for (test.First(); !test.Eof(); test.Next()) {
            test.Edit();
            test.FieldByName(QStringLiteral("Fragebogen")).Clear();
            test.Post();
        }
        module().TestKind = 0;
    }

    int counter(int questionnaireId, const char *field)
    {
        return fieldOf(module().FrageboegenTable, questionnaireId, QString::fromLatin1(field));
    }

    int question(int id, const char *field)
    {
        return fieldOf(module().FragenTable, id, QString::fromLatin1(field));
    }

    QString sync() const
    {
        return QStringLiteral("sync:") + m_folder.path() + QStringLiteral("/sounds/tusch 1.wav;tusch2.wav");
    }
    static QStringList failed()
    {
        return {QStringLiteral("cue:buh.wav;boo.wav"), QStringLiteral("screen:versager")};
    }
    static QStringList passed() { return {QStringLiteral("cue:yeah.wav"), QStringLiteral("screen:pimp")}; }
};

} // namespace

TEST(PassRule, ErrorPointsAndWrongAnswersDecide)
{
    const QString b = QStringLiteral("B");
    EXPECT_TRUE(TMainDataModule::IsFailed(b, 10, 2));  // two five-point errors
    EXPECT_FALSE(TMainDataModule::IsFailed(b, 10, 3)); // 4 + 3 + 3
    EXPECT_FALSE(TMainDataModule::IsFailed(b, 10, 1));
    EXPECT_FALSE(TMainDataModule::IsFailed(b, 9, 2));
    EXPECT_TRUE(TMainDataModule::IsFailed(b, 11, 3));
    EXPECT_FALSE(TMainDataModule::IsFailed(b, 0, 0));
    const QString mo = QStringLiteral("MO");
    EXPECT_FALSE(TMainDataModule::IsFailed(mo, 7, 2));
    EXPECT_TRUE(TMainDataModule::IsFailed(mo, 8, 3));
    EXPECT_TRUE(TMainDataModule::IsFailed(QStringLiteral("M"), 11, 4)); // "M" is not "MO"
    EXPECT_FALSE(TMainDataModule::IsFailed(QStringLiteral("M"), 8, 4));
}

TEST_F(TestEvaluation, PointsForEveryKindOfResult)
{
    const TMainDataModule &m = module();
    const QString b = QStringLiteral("B");
    EXPECT_EQ(m.PointsForResult(0, b, 0, 0), 20);
    EXPECT_EQ(m.PointsForResult(0, b, 0, 1), 20); // a wrong answer without error points
    EXPECT_EQ(m.PointsForResult(0, b, 30, 9), 21);
    EXPECT_EQ(m.PointsForResult(1, b, 0, 0), 22);
    EXPECT_EQ(m.PointsForResult(1, b, 10, 3), 23);
    EXPECT_EQ(m.PointsForResult(1, b, 10, 2), -50);
    EXPECT_EQ(m.PointsForResult(1, QStringLiteral("MO"), 8, 3), -50);
    EXPECT_EQ(m.PointsForResult(1, QStringLiteral("MO"), 7, 3), 23);
}

TEST_F(TestEvaluation, TwoFivePointErrorsFailAndCostTheFailAmount)
{
    m_stored.pimpPoints = QStringLiteral("120");
    const int id = questionnaireTest({5, 5, 2, 2}, {true, true, false, false});
    module().TeaserBildID = 4;
    module().TeaserTextID = 9;
    module().EvaluateTest();

    EXPECT_EQ(m_log.log, QStringList{sync()} + failed());
    EXPECT_FALSE(module().LastPassed);
    EXPECT_EQ(module().LastErrorPoints, 10);
    EXPECT_EQ(module().LastWrongCount, 2);
    EXPECT_EQ(module().LastPoints, -50);
    EXPECT_EQ(module().GetPimpPoints(), 70);
    EXPECT_EQ(counter(id, "Durchgefallen"), 1);
    EXPECT_EQ(counter(id, "Bestanden"), 0);
    EXPECT_EQ(counter(id, "Fehlerlos"), 0);
    EXPECT_EQ(module().TeaserBildID, -1);
    EXPECT_EQ(module().TeaserTextID, -1);
    // The test stays, with its answers, for the review.
    EXPECT_EQ(module().TestTable.RecordCount(), 4);
    EXPECT_EQ(module().TestKind, 1);
}

TEST_F(TestEvaluation, ThreeErrorsOfTenPointsPassWithErrors)
{
    const int id = questionnaireTest({4, 3, 3, 5}, {true, true, true, false});
    module().EvaluateTest();
    EXPECT_EQ(m_log.log, QStringList{sync()} + passed());
    EXPECT_TRUE(module().LastPassed);
    EXPECT_EQ(module().LastErrorPoints, 10);
    EXPECT_EQ(module().LastWrongCount, 3);
    EXPECT_EQ(module().LastPoints, 23);
    EXPECT_EQ(module().GetPimpPoints(), 23);
    EXPECT_EQ(counter(id, "Bestanden"), 1);
    EXPECT_EQ(counter(id, "Durchgefallen"), 0);
}

TEST_F(TestEvaluation, ElevenErrorPointsFail)
{
    const int id = questionnaireTest({4, 4, 3}, {true, true, true});
    module().EvaluateTest();
    EXPECT_FALSE(module().LastPassed);
    EXPECT_EQ(module().LastErrorPoints, 11);
    EXPECT_EQ(counter(id, "Durchgefallen"), 1);
}

TEST_F(TestEvaluation, NoErrorsPassWithoutErrors)
{
    const int id = questionnaireTest({4, 4}, {false, false});
    module().EvaluateTest();
    EXPECT_EQ(m_log.log, QStringList{sync()} + passed());
    EXPECT_EQ(module().LastPoints, 22);
    EXPECT_EQ(counter(id, "Fehlerlos"), 1);
    EXPECT_EQ(counter(id, "Bestanden"), 0);
}

TEST_F(TestEvaluation, ClassMoFailsAboveSevenPoints)
{
    module().CurrentClass = QStringLiteral("MO");
    int id = questionnaireTest({4, 3, 5}, {true, true, false});
    module().EvaluateTest();
    EXPECT_TRUE(module().LastPassed);
    EXPECT_EQ(counter(id, "Bestanden"), 1);
    EXPECT_EQ(module().GetPimpPoints(), 23);

    id = addQuestionnaire(QStringLiteral("MO"), QStringLiteral("1\r\n2\r\n3"));
    module().BuildTestFromQuestionnaire(id);
    tick(1, true, true, false);
    tick(2, true, false, false);
    tick(3, false, false, false); // 4 + 5 = 9 error points
    m_log.log.clear();
    module().EvaluateTest();
    EXPECT_EQ(m_log.log, QStringList{sync()} + failed());
    EXPECT_EQ(module().LastErrorPoints, 9);
    EXPECT_EQ(module().LastPoints, -50);
    EXPECT_EQ(module().GetPimpPoints(), 23 - 50);
    EXPECT_EQ(counter(id, "Durchgefallen"), 1);
}

TEST_F(TestEvaluation, ChoiceQuestionNeedsExactlyTheCorrectTicks)
{
    for (int id = 1; id <= 4; ++id)
        addQuestion({.id = id, .marks = {true, false, true}, .fehlerpunkte = 2});
    shortTest({1, 2, 3, 4});
    tick(1, true, false, true);  // right
    tick(2, true, false, false); // a missing tick
    tick(3, true, true, true);   // an extra tick
    tick(4, false, false, false);
    module().EvaluateTest();
    EXPECT_EQ(question(1, "Falsch"), -1);
    EXPECT_EQ(question(2, "Falsch"), 1);
    EXPECT_EQ(question(3, "Falsch"), 1);
    EXPECT_EQ(question(4, "Falsch"), 1);
    EXPECT_EQ(module().LastWrongCount, 3);
    EXPECT_EQ(module().LastErrorPoints, 6);
}

TEST_F(TestEvaluation, NumberAnswerMustMatchTheSolutionTextExactly)
{
    const QStringList answers = {QStringLiteral("42"), QStringLiteral(" 42"), QStringLiteral("042"),
                                 QStringLiteral("42 "), QString()};
    QList<int> ids;
    for (int i = 0; i < answers.size(); ++i) {
        addQuestion({.id = 10 + i, .fragetyp = 2, .antwort1 = QStringLiteral("Anhalteweg (Lsg: 42) m")});
        ids << 10 + i;
    }
    shortTest(ids);
    for (int i = 0; i < answers.size(); ++i)
        type(i + 1, answers[i]);
    module().EvaluateTest();
    EXPECT_EQ(question(10, "Falsch"), -1);
    for (int i = 1; i < answers.size(); ++i)
        EXPECT_EQ(question(10 + i, "Falsch"), 1) << answers[i].toStdString();
}

TEST_F(TestEvaluation, StatisticsCountEveryEvaluatedQuestion)
{
    addQuestion({.id = 1});                                // right for the first time
    addQuestion({.id = 2, .falsch = -3, .bearbeitet = 5}); // wrong
    addQuestion({.id = 3, .fragetyp = 0, .falsch = 2});    // never scored
    addQuestion({.id = 4, .fragetyp = 7});
    shortTest({1, 2, 3, 4});
    tick(1, true, false, false);
    tick(2, false, false, false);
    tick(3, false, true, false);
    module().EvaluateTest();
    EXPECT_EQ(question(1, "Falsch"), -1);
    EXPECT_EQ(question(1, "Bearbeitet"), 1);
    EXPECT_EQ(question(2, "Falsch"), -2);
    EXPECT_EQ(question(2, "Bearbeitet"), 6);
    EXPECT_EQ(question(3, "Falsch"), 2);
    EXPECT_EQ(question(3, "Bearbeitet"), 1);
    EXPECT_EQ(question(4, "Bearbeitet"), 1);
    EXPECT_EQ(module().LastWrongCount, 1);
}

TEST_F(TestEvaluation, CountersStopAtTheirLimits)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    addQuestion({.id = 1, .falsch = kMax, .bearbeitet = kMax}); // answered wrongly once more
    addQuestion({.id = 2, .falsch = kMin, .bearbeitet = kMax}); // answered rightly once more
    shortTest({1, 2});
    tick(1, false, false, false);
    tick(2, true, false, false);
    module().EvaluateTest();
    EXPECT_EQ(question(1, "Falsch"), kMax);
    EXPECT_EQ(question(1, "Bearbeitet"), kMax);
    EXPECT_EQ(question(2, "Falsch"), kMin);
    EXPECT_EQ(question(2, "Bearbeitet"), kMax);

    // Each of the questionnaire's three counters, raised by a faultless, a passed and a failed test.
    addQuestion({.id = 3, .fehlerpunkte = 5});
    for (const auto &[wrongAnswers, field] :
         {std::pair{0, "Fehlerlos"}, std::pair{1, "Bestanden"}, std::pair{3, "Durchgefallen"}}) {
        const int id = addQuestionnaire(QStringLiteral("B"), QStringLiteral("3\r\n3\r\n3"), kMax, kMax, kMax);
        module().TestKind = 1;
        module().BuildTestFromQuestionnaire(id);
        for (int nr = 1; nr <= 3; ++nr)
            tick(nr, nr > wrongAnswers, false, false);
        module().EvaluateTest();
        EXPECT_EQ(counter(id, field), kMax) << field;
    }
}

TEST_F(TestEvaluation, ShortTestNeverTouchesQuestionnaireCounters)
{
    addQuestion({.id = 1, .fehlerpunkte = 3});
    addQuestion({.id = 2});
    const int standing = addQuestionnaire(QStringLiteral("B"), QStringLiteral("1\r\n2"));
    module().TestKind = 0;
    m_scripted.push(1);
    m_scripted.push(1);
    module().BuildWeakQuestionTest(2);
    EXPECT_EQ(testQuestions(), (QList<int>{2, 1}));
    tick(1, true, false, false);
    tick(2, false, false, true);
    module().FrageboegenTable.Locate(QStringLiteral("ID"), standing); // where a questionnaire tile left it
    module().EvaluateTest();
    EXPECT_EQ(m_log.log, QStringList{sync()} + failed());
    EXPECT_EQ(module().LastPoints, 21);
    EXPECT_EQ(module().GetPimpPoints(), 21);
    for (const char *field : {"Fehlerlos", "Bestanden", "Durchgefallen"})
        EXPECT_EQ(counter(standing, field), 0) << field;
    EXPECT_EQ(module().TestKind, 0);

    // Without a wrong answer it passes and earns the short-test amount.
    m_scripted.push(1);
    m_scripted.push(1);
    module().BuildWeakQuestionTest(2);
    tick(1, true, false, false);
    tick(2, true, false, false);
    m_log.log.clear();
    module().EvaluateTest();
    EXPECT_EQ(m_log.log, QStringList{sync()} + passed());
    EXPECT_TRUE(module().LastPassed);
    EXPECT_EQ(module().GetPimpPoints(), 41);
}

TEST_F(TestEvaluation, MissingQuestionIsReportedAndSkipped)
{
    addQuestion({.id = 1, .fehlerpunkte = 4});
    const int id = addQuestionnaire(QStringLiteral("B"), QStringLiteral("1\r\n77\r\n1"));
    module().TestKind = 1;
    module().BuildTestFromQuestionnaire(id);
    module().EvaluateTest();
    EXPECT_EQ(m_log.log, QStringList{sync()} << QStringLiteral("message:Frage nicht gefunden") << passed());
    EXPECT_EQ(module().LastWrongCount, 2);
    EXPECT_EQ(module().LastErrorPoints, 8);
    EXPECT_EQ(question(1, "Bearbeitet"), 2);
    EXPECT_EQ(counter(id, "Bestanden"), 1);
}

TEST_F(TestEvaluation, EmptyTestIsRefusedAndBooksNothing)
{
    addQuestion({.id = 1});
    const int other = addQuestionnaire(QStringLiteral("B"), QStringLiteral("1"));
    const int empty = addQuestionnaire(QStringLiteral("B"), QString());
    module().SetPimpPoints(70);
    module().LastPoints = 5;
    for (const int kind : {0, 1}) {
        m_log.log.clear();
        module().TestKind = quint8(kind);
        module().BuildTestFromQuestionnaire(empty);
        module().FrageboegenTable.Locate(QStringLiteral("ID"), other);
        module().EvaluateTest();
        EXPECT_EQ(m_log.log, QStringList{QStringLiteral("message:Keine Fragen ausgewählt!")});
        EXPECT_EQ(module().TestTable.RecordCount(), 0);
    }
    EXPECT_EQ(module().GetPimpPoints(), 70);
    EXPECT_EQ(module().LastPoints, 5);
    EXPECT_EQ(question(1, "Bearbeitet"), 0);
    for (const int id : {other, empty})
        for (const char *field : {"Fehlerlos", "Bestanden", "Durchgefallen"})
            EXPECT_EQ(counter(id, field), 0);
}

TEST(EvaluationSound, ReachesTheWavePlayerAsTheFileOfTheSoundsFolder)
{
    QTemporaryDir folder;
    writeWholeFile(folder.path() + QStringLiteral("/version.ini"), 
                   QByteArrayLiteral("Int1=1\r\nInt2=2\r\nInt3=3\r\nInt4=4\r\nInt5=5\r\nInt6=6\r\nInt7=7\r\n"
                                     "Int8=8\r\nInt9=9\r\nInt10=10\r\nInt20=20\r\nInt21=21\r\nInt22=22\r\n"
                                     "Int23=23\r\nInt24=24\r\nsnd_auswerten=tusch 1.wav\r\n"));
    writeWholeFile(folder.path() + QStringLiteral("/sounds/tusch 1.wav"), "RIFF");
    FakeAudioBackend audio;
    ScriptedRandom random;
    QStringList beeps;
    TCueSoundPort sounds([&beeps] { beeps << QStringLiteral("beep"); });
    TCuePlayer player(audio, random, folder.path() + QStringLiteral("/sounds"), &sounds);
    sounds.AttachPlayer(player);
    FakeDialogPort dialogs;
    TStoredUserValues stored(QStringLiteral("/opt/velmora/velmora"));
    TMainDataModule module(stored, TModulePorts{&dialogs, nullptr, &sounds, &random, nullptr}, folder.path());
    module.OpenQuestions();
    module.ReadInstallationSettings();
    module.TestTable.Append();
    module.TestTable.FieldByName(QStringLiteral("FrageID")).SetAsInteger(1);
    module.TestTable.Post();

    module.EvaluateTest();
    EXPECT_EQ(audio.cues, QStringList{folder.path() + QStringLiteral("/sounds/tusch 1.wav (waited)")});
    EXPECT_TRUE(beeps.isEmpty());
    EXPECT_FALSE(player.Synchronous());
}

TEST_F(TestEvaluation, DeletedQuestionnaireChangesNoOtherCounters)
{
    const int bystander = addQuestionnaire(QStringLiteral("B"), QStringLiteral("1"));
    const int id = questionnaireTest({2}, {false});
    ASSERT_TRUE(module().FrageboegenTable.Locate(QStringLiteral("ID"), id));
    module().FrageboegenTable.Delete();
    module().FrageboegenTable.Locate(QStringLiteral("ID"), bystander);
    module().EvaluateTest();
    EXPECT_TRUE(module().LastPassed);
    EXPECT_EQ(counter(bystander, "Fehlerlos"), 0);
    EXPECT_EQ(module().GetPimpPoints(), 22);
}

TEST_F(TestEvaluation, ResultScreenFindsTheQuestionnaireAlreadyPosted)
{
    const int id = questionnaireTest({6, 6}, {true, false});
    int seenPasses = -1;
    m_log.onScreen = [&] {
        TRecordTable &questionnaires = module().FrageboegenTable;
        EXPECT_EQ(questionnaires.State(), TTableState::Browse);
        questionnaires.Locate(QStringLiteral("ID"), id);
        seenPasses = questionnaires.FieldByName(QStringLiteral("Bestanden")).AsInteger();
    };
    module().EvaluateTest();
    EXPECT_EQ(seenPasses, 1);
    EXPECT_EQ(counter(id, "Bestanden"), 1);
}

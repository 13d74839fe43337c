#include "core/random_generator.h"
#include "core/velmora_error.h"
#include "exam_fixture.h"

#include <array>
#include <limits>

namespace {

class TestAssembly : public ExamTest
{
protected:
    // The questionnaires of class B in table order, with their draw values (fixed by their counters):
    // A -2, B 0, C -1, D -5, X -1, E -7, and one questionnaire of class "A1" in between.
    // Ordered by value, equal values in table order: E, D, A, C, X, B.
    void addWeightedQuestionnaires()
    {
        idA = addQuestionnaire(QStringLiteral("B"), QStringLiteral("1"), 2, 0, 0); // -2
        addQuestionnaire(QStringLiteral("A1"), QStringLiteral("9"));               // other class
        idB = addQuestionnaire(QStringLiteral("B"), QStringLiteral("2"));          // never taken: 0
        idC = addQuestionnaire(QStringLiteral("B"), QStringLiteral("3"), 0, 0, 1); // nearest(0.5) - 1 = -1
        idD = addQuestionnaire(QStringLiteral("B"), QStringLiteral("4"), 0, 5, 0); // nearest(0.5) - 5 = -5
        idX = addQuestionnaire(QStringLiteral("B"), QStringLiteral("5"), 0, 0, 3); // nearest(1.5) - 3 = -1
        idE = addQuestionnaire(QStringLiteral("B"), QStringLiteral("6"), 0, 5, 4); // nearest(2.5) - 9 = -7
    }

    // Builds a random questionnaire test whose walk steps back `steps` times and then stops.
    int questionnaireAfterSteps(int steps)
    {
        for (int i = 0; i < steps; ++i)
            m_scripted.push(0);
        m_scripted.push(1);
        module().BuildRandomQuestionnaireTest();
        return module().TestTable.FieldByName(QStringLiteral("Fragebogen")).AsInteger();
    }

    // Questions 1 ... 6 of class B with the draw values 0, -1, -1, -2, 0, -1:
    // ordered by value, equal values in ID order: 4, 2, 3, 6, 1, 5.
    void addWeightedQuestions()
    {
        addQuestion({.id = 1});                                // never evaluated: 0
        addQuestion({.id = 2, .falsch = 1, .bearbeitet = 1});  // wrong once: nearest(0.5) - 1 = -1
        addQuestion({.id = 3, .falsch = -1, .bearbeitet = 1}); // right once: nearest(-0.5) - 1 = -1
        addQuestion({.id = 4, .falsch = 0, .bearbeitet = 2});  // wrong, then right: -2
        addQuestion({.id = 5});                                // 0
        addQuestion({.id = 6, .falsch = 5, .bearbeitet = 3});  // nearest(2.5) - 3 = -1
    }

    int idA = -1, idB = -1, idC = -1, idD = -1, idX = -1, idE = -1;
};

} // namespace

TEST_F(TestAssembly, ClassFlagFieldNameJoinsPrefixAndCode)
{
    EXPECT_EQ(TMainDataModule::ClassFlagFieldName(QStringLiteral("MO")), QStringLiteral("Klasse_MO"));
    EXPECT_EQ(TMainDataModule::ClassFlagFieldName(QStringLiteral("B")), QStringLiteral("Klasse_B"));
}

TEST_F(TestAssembly, QuestionnaireTestHoldsTheListInOrder)
{
    addQuestionnaire(QStringLiteral("B"), QStringLiteral("1\r\n2"));
    const int id = addQuestionnaire(QStringLiteral("B"), QStringLiteral("12\r\n7\r\n3\r\n"));
    module().TestKind = 0;
    module().ViewMode = 2;
    module().BuildTestFromQuestionnaire(0);
    module().BuildTestFromQuestionnaire(id); // replaces the previous test

    TRecordTable &test = module().TestTable;
    EXPECT_EQ(testQuestions(), (QList<int>{12, 7, 3}));
    EXPECT_EQ(column(test, QStringLiteral("NrInTest")), (QList<int>{1, 2, 3}));
    EXPECT_EQ(column(test, QStringLiteral("NrInFragebogen")), (QList<int>{1, 2, 3}));
    EXPECT_EQ(column(test, QStringLiteral("Fragebogen")), (QList<int>{id, id, id}));
    for (test.First(); !test.Eof(); test.Next()) {
        EXPECT_FALSE(test.FieldByName(QStringLiteral("Antwort1kreuz")).AsBoolean());
        EXPECT_FALSE(test.FieldByName(QStringLiteral("Antwort3kreuz")).AsBoolean());
        EXPECT_EQ(test.FieldByName(QStringLiteral("Antwort")).AsString(), QString());
    }
    // The kind and view mode are the caller's; the questionnaire table stays on the questionnaire.
    EXPECT_EQ(module().TestKind, 0);
    EXPECT_EQ(module().ViewMode, 2);
    EXPECT_EQ(module().FrageboegenTable.FieldByName(QStringLiteral("ID")).AsInteger(), id);
}

TEST_F(TestAssembly, QuestionnaireTestSkipsEmptyAndMalformedLines)
{
    const int id = addQuestionnaire(QStringLiteral("B"), QStringLiteral("12\n\n7a\r\n7\r3\r\n\r\n"));
    module().BuildTestFromQuestionnaire(id);
    EXPECT_EQ(testQuestions(), (QList<int>{12, 7, 3}));
    EXPECT_EQ(column(module().TestTable, QStringLiteral("NrInTest")), (QList<int>{1, 2, 3}));
}

TEST_F(TestAssembly, UnknownQuestionnaireOrEmptyListGivesAnEmptyTest)
{
    const int empty = addQuestionnaire(QStringLiteral("B"), QString());
    const int full = addQuestionnaire(QStringLiteral("B"), QStringLiteral("1\r\n2"));
    module().BuildTestFromQuestionnaire(full);
    module().BuildTestFromQuestionnaire(empty);
    EXPECT_EQ(module().TestTable.RecordCount(), 0);
    module().BuildTestFromQuestionnaire(full);
    module().BuildTestFromQuestionnaire(full + 100);
    EXPECT_EQ(module().TestTable.RecordCount(), 0);
}

TEST_F(TestAssembly, ClearTestDeletesEveryRecord)
{
    module().ClearTest(); // nothing to delete
    module().BuildTestFromQuestionnaire(addQuestionnaire(QStringLiteral("B"), QStringLiteral("1\r\n2\r\n3")));
    module().TestTable.Last();
    module().ClearTest();
    EXPECT_EQ(module().TestTable.RecordCount(), 0);
    EXPECT_TRUE(module().TestTable.Active());
}

TEST_F(TestAssembly, RandomQuestionnaireWalksBackFromTheHighestValue)
{
    addWeightedQuestionnaires();
    // Draw sequence 0, 0, 1: the third questionnaire from the end.
    EXPECT_EQ(questionnaireAfterSteps(2), idC);
    EXPECT_EQ(m_scripted.askedRanges, (QList<int>{2, 2, 2}));
    EXPECT_EQ(m_scripted.reseeds, 0);

    const std::array<int, 6> byValueFromTheEnd = {idB, idX, idC, idA, idD, idE};
    for (int steps = 0; steps < 6; ++steps)
        EXPECT_EQ(questionnaireAfterSteps(steps), byValueFromTheEnd[size_t(steps)]) << steps;

    // Stepping back past the first record stops the walk there without a further draw.
    for (int i = 0; i < 6; ++i)
        m_scripted.push(0);
    m_scripted.askedRanges.clear();
    module().TestKind = 0;
    module().BuildRandomQuestionnaireTest();
    EXPECT_EQ(m_scripted.askedRanges.size(), 6);
    EXPECT_EQ(testQuestions(), (QList<int>{6}));
    EXPECT_EQ(column(module().TestTable, QStringLiteral("Fragebogen")), (QList<int>{idE}));
    EXPECT_EQ(module().TestKind, 1);
    EXPECT_FALSE(module().SortTable.Active());
}

TEST_F(TestAssembly, SingleQuestionnaireIsAlwaysTaken)
{
    addQuestionnaire(QStringLiteral("A"), QStringLiteral("1"));
    const int only = addQuestionnaire(QStringLiteral("B"), QStringLiteral("2"));
    for (const int draw : {0, 1}) {
        m_scripted.push(draw);
        module().BuildRandomQuestionnaireTest();
        EXPECT_EQ(column(module().TestTable, QStringLiteral("Fragebogen")), (QList<int>{only}));
    }
}

TEST_F(TestAssembly, ReadyFlagFollowsTheClassesLastQuestionnaireInTableOrder)
{
    // The drawn questionnaire is ready (3 passes), the last one of the class is not.
    const int ready = addQuestionnaire(QStringLiteral("B"), QStringLiteral("1"), 2, 1, 0);
    addQuestionnaire(QStringLiteral("B"), QStringLiteral("2"), 1, 1, 5);
    addQuestionnaire(QStringLiteral("C"), QStringLiteral("3"), 9, 9, 0); // other class, ignored
    m_scripted.push(1);                                                  // takes the higher value: ready
    module().BuildRandomQuestionnaireTest();
    EXPECT_EQ(column(module().TestTable, QStringLiteral("Fragebogen")), (QList<int>{ready}));
    EXPECT_FALSE(module().ReadyFlag);

    // Now the last one has 1 + 2 passes.
    module().FrageboegenTable.Locate(QStringLiteral("Nummer"), ready + 2);
    module().FrageboegenTable.Edit();
    module().FrageboegenTable.FieldByName(QStringLiteral("Bestanden")).SetAsInteger(2);
    module().FrageboegenTable.Post();
    m_scripted.push(1);
    module().BuildRandomQuestionnaireTest();
    EXPECT_TRUE(module().ReadyFlag);
}

TEST_F(TestAssembly, ClassWithoutQuestionnairesGetsAnEmptyTest)
{
    addQuestionnaire(QStringLiteral("B"), QStringLiteral("1"), 5, 0, 0);
    addQuestionnaire(QStringLiteral("A1"), QStringLiteral("2"), 5, 0, 0);
    m_scripted.push(1);
    module().BuildRandomQuestionnaireTest();
    ASSERT_TRUE(module().ReadyFlag);

    module().CurrentClass = QStringLiteral("A"); // "A" does not match "A1"
    module().TestKind = 0;
    module().BuildRandomQuestionnaireTest();
    EXPECT_EQ(module().TestTable.RecordCount(), 0);
    EXPECT_EQ(module().TestKind, 1);
    EXPECT_FALSE(module().ReadyFlag);
    EXPECT_EQ(m_scripted.askedRanges.size(), 1); // no draw for the empty class
    EXPECT_FALSE(module().SortTable.Active());
}

TEST_F(TestAssembly, RandomQuestionnaireFrequenciesHalveFromTheHighestValue)
{
    ClockRandomGenerator clock;
    makeModule(clock);
    // Values 0, -1, -2, -3 in reverse table order, so neither table order nor a uniform draw passes.
    const int lowest = addQuestionnaire(QStringLiteral("B"), QStringLiteral("1"), 3, 0, 0);
    const int low = addQuestionnaire(QStringLiteral("B"), QStringLiteral("2"), 2, 0, 0);
    const int high = addQuestionnaire(QStringLiteral("B"), QStringLiteral("3"), 1, 0, 0);
    const int highest = addQuestionnaire(QStringLiteral("B"), QStringLiteral("4"));

    constexpr int builds = 4000;
    QHash<int, int> taken;
    for (int i = 0; i < builds; ++i) {
        module().BuildRandomQuestionnaireTest();
        ++taken[module().TestTable.FieldByName(QStringLiteral("Fragebogen")).AsInteger()];
    }
    // Expected shares 1/2, 1/4, 1/8 and the remaining 1/8; one standard deviation is below 0.008.
    const auto share = [&](int id) { return double(taken.value(id)) / builds; };
    EXPECT_NEAR(share(highest), 0.5, 0.04);
    EXPECT_NEAR(share(high), 0.25, 0.04);
    EXPECT_NEAR(share(low), 0.125, 0.04);
    EXPECT_NEAR(share(lowest), 0.125, 0.04);
}

TEST_F(TestAssembly, WeakQuestionsAreTakenInDrawOrderWalkingBack)
{
    addWeightedQuestions();
    module().TestKind = 1;
    // Take the highest value at once (5), then step back over 1 and 6 and take 3.
    for (const int draw : {1, 0, 0, 1})
        m_scripted.push(draw);
    module().BuildWeakQuestionTest(2);
    EXPECT_EQ(testQuestions(), (QList<int>{5, 3}));
    EXPECT_EQ(column(module().TestTable, QStringLiteral("NrInTest")), (QList<int>{1, 2}));
    EXPECT_EQ(column(module().TestTable, QStringLiteral("NrInFragebogen")), (QList<int>{1, 2}));
    module().TestTable.First();
    EXPECT_TRUE(module().TestTable.FieldByName(QStringLiteral("Fragebogen")).IsNull());
    EXPECT_EQ(m_scripted.askedRanges, (QList<int>{10, 10, 10, 10}));
    EXPECT_EQ(m_scripted.reseeds, 1);
    EXPECT_EQ(module().TestKind, 0);
    EXPECT_FALSE(module().SortTable.Active());
}

TEST_F(TestAssembly, CountersAtTheirLimitsRankAsTheMostPractisedNotTheLeast)
{
    // A draw value beyond the 32-bit range takes its nearest end instead of wrapping round to the top.
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    addQuestion({.id = 1, .falsch = kMin, .bearbeitet = kMax});
    addQuestion({.id = 2});
    m_scripted.push(1);
    module().BuildWeakQuestionTest(1);
    EXPECT_EQ(testQuestions(), QList<int>{2});

    const int worn = addQuestionnaire(QStringLiteral("B"), QStringLiteral("1"), kMax, kMax, kMax);
    const int fresh = addQuestionnaire(QStringLiteral("B"), QStringLiteral("2"));
    EXPECT_EQ(questionnaireAfterSteps(0), fresh);
    EXPECT_EQ(questionnaireAfterSteps(1), worn);
}

TEST_F(TestAssembly, WeakQuestionWalkThatReachesTheFirstRecordEndsTheTest)
{
    addWeightedQuestions();
    // Five steps back reach question 4 (lowest value), a sixth runs past it: one question only.
    for (int i = 0; i < 6; ++i)
        m_scripted.push(0);
    module().BuildWeakQuestionTest(2);
    EXPECT_EQ(testQuestions(), (QList<int>{4}));
    EXPECT_EQ(m_scripted.askedRanges.size(), 6);
}

TEST_F(TestAssembly, WeakQuestionTestOfTwoFromAPoolOfOne)
{
    addQuestion({.id = 7, .classes = {QStringLiteral("A")}});
    addQuestion({.id = 8});
    module().BuildTestFromQuestionnaire(addQuestionnaire(QStringLiteral("B"), QStringLiteral("7\r\n8\r\n8")));
    m_scripted.push(0);
    module().BuildWeakQuestionTest(2);
    EXPECT_EQ(testQuestions(), (QList<int>{8}));

    m_scripted.push(1);
    module().BuildWeakQuestionTest(2);
    EXPECT_EQ(testQuestions(), (QList<int>{8}));
}

TEST_F(TestAssembly, WeakQuestionsComeOnlyFromTheClassPool)
{
    for (int id = 1; id <= 9; ++id)
        addQuestion({.id = id, .classes = {id % 3 == 0 ? QStringLiteral("MO") : QStringLiteral("M")}});
    addQuestion({.id = 10, .classes = {QStringLiteral("M"), QStringLiteral("MO")}});
    module().CurrentClass = QStringLiteral("MO");
    for (int i = 0; i < 4; ++i)
        m_scripted.push(1); // take every question reached
    module().BuildWeakQuestionTest(10);
    EXPECT_EQ(testQuestions(), (QList<int>{10, 9, 6, 3}));
}

TEST_F(TestAssembly, DistinctWeakQuestionsWithTheRealGenerator)
{
    ClockRandomGenerator clock;
    makeModule(clock);
    for (int id = 1; id <= 5; ++id)
        addQuestion({.id = id});
    for (int i = 0; i < 200; ++i) {
        module().BuildWeakQuestionTest(2);
        const QList<int> ids = testQuestions();
        ASSERT_GE(ids.size(), 1);
        ASSERT_LE(ids.size(), 2);
        // Equal values: later draws stand before the earlier ones.
        if (ids.size() == 2) {
            EXPECT_GT(ids[0], ids[1]);
        }
    }
}

TEST_F(TestAssembly, EmptyPoolGivesAnEmptyTest)
{
    addQuestion({.id = 1, .classes = {QStringLiteral("B")}});
    module().CurrentClass = QStringLiteral("T");
    module().BuildWeakQuestionTest(2);
    EXPECT_EQ(module().TestTable.RecordCount(), 0);
    EXPECT_TRUE(m_scripted.askedRanges.isEmpty());
    EXPECT_FALSE(module().SortTable.Active());

    module().CurrentClass = QStringLiteral("B");
    module().BuildWeakQuestionTest(0);
    EXPECT_EQ(module().TestTable.RecordCount(), 0);
}

TEST_F(TestAssembly, CatalogueWithoutTheClassFlagFailsAndLeavesNoScratchTable)
{
    TRecordTable &questions = module().FragenTable;
    questions.Close();
    questions.ClearFields();
    questions.AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    questions.AddField(QStringLiteral("Falsch"), TFieldType::Integer);
    questions.AddField(QStringLiteral("Bearbeitet"), TFieldType::Integer);
    questions.AddField(QStringLiteral("Klasse_B"), TFieldType::Boolean);
    questions.Open();
    module().CurrentClass = QStringLiteral("S");
    try {
        module().BuildWeakQuestionTest(2);
        FAIL() << "a missing class flag must fail";
    } catch (const VelmoraError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("FragenTable: Das Feld 'Klasse_S' wurde nicht gefunden"));
    }
    EXPECT_FALSE(module().SortTable.Active());
}

#include "core/velmora_error.h"
#include "support/error_of.h"
#include "data/record_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <tuple>

namespace {

// A sets-like table: ID (AutoInc), Name (String 20), Wertung (Word), Editierbar (Boolean), Text (Memo).
std::unique_ptr<TRecordTable> makeSets()
{
    auto table = std::make_unique<TRecordTable>(QStringLiteral("SetsTable"));
    table->AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    table->AddField(QStringLiteral("Name"), TFieldType::String, 20);
    table->AddField(QStringLiteral("Wertung"), TFieldType::Word);
    table->AddField(QStringLiteral("Editierbar"), TFieldType::Boolean);
    table->AddField(QStringLiteral("Text"), TFieldType::Memo);
    table->Open();
    return table;
}

void addSet(TRecordTable &table, const QString &name, int wertung, bool editierbar = false)
{
    table.Append();
    table.FieldByName(QStringLiteral("Name")).SetAsString(name);
    table.FieldByName(QStringLiteral("Wertung")).SetAsInteger(wertung);
    table.FieldByName(QStringLiteral("Editierbar")).SetAsBoolean(editierbar);
    table.Post();
}

// The names of the visible records in browse order (moves the cursor).
QStringList names(TRecordTable &table, const QString &field = QStringLiteral("Name"))
{
    QStringList result;
    for (table.First(); !table.Eof(); table.Next())
        result << table.FieldByName(field).AsString();
    return result;
}

class RecordingObserver final : public ITableObserver
{
public:
    void recordMoved() override { events << QStringLiteral("moved"); }
    void modeChanged() override { events << QStringLiteral("mode"); }
    void postedOrCancelled() override { events << QStringLiteral("posted"); }
    void fieldWritten(const TField &field) override { events << QStringLiteral("field:") + field.Name(); }
    QStringList events;
};

} // namespace

TEST(RecordTableEmpty, ReadsGiveNullResultsAndLoopBodyRunsOnce)
{
    auto table = makeSets();
    EXPECT_TRUE(table->Bof());
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->RecordCount(), 0);
    EXPECT_EQ(table->RecNo(), 0);
    int bodies = 0;
    table->First();
    do {
        ++bodies;
        EXPECT_EQ(table->FieldByName(QStringLiteral("Wertung")).AsInteger(), 0);
        EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QString());
        EXPECT_FALSE(table->FieldByName(QStringLiteral("Editierbar")).AsBoolean());
        EXPECT_TRUE(table->FieldByName(QStringLiteral("ID")).IsNull());
        table->Next();
    } while (!table->Eof());
    EXPECT_EQ(bodies, 1);
    EXPECT_EQ(errorOf([&] { table->Delete(); }),
              QStringLiteral("SetsTable: Operation bei leerer Datenmenge nicht ausführbar"));
}

TEST(RecordTableStructure, ClosedTableAndMissingFieldsFailWithPrefixedTexts)
{
    TRecordTable table(QStringLiteral("FragenTable"));
    table.AddField(QStringLiteral("Antwort1kreuz"), TFieldType::Boolean);
    EXPECT_EQ(errorOf([&] { table.RecordCount(); }),
              QStringLiteral("FragenTable: Operation bei geschlossener Datenmenge nicht ausführbar"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("ANTWORT1KREUZ")).Name(), QStringLiteral("Antwort1kreuz"));
    EXPECT_EQ(errorOf([&] { table.FieldByName(QStringLiteral("Klasse_S")); }),
              QStringLiteral("FragenTable: Das Feld 'Klasse_S' wurde nicht gefunden"));
    TRecordTable unnamed;
    EXPECT_EQ(errorOf([&] { unnamed.FieldByName(QStringLiteral("X")); }),
              QStringLiteral("Das Feld 'X' wurde nicht gefunden"));
    table.Open();
    EXPECT_FALSE(errorOf([&] { table.AddField(QStringLiteral("Neu"), TFieldType::Integer); }).isEmpty());
    table.Close();
    table.SetFilter(QStringLiteral("(Antwort1kreuz)"));
    table.Open();
    EXPECT_EQ(table.Filter(), QStringLiteral("(Antwort1kreuz)")); // Close keeps fields and filter text
    EXPECT_EQ(table.FieldCount(), 1);
}

TEST(RecordTableAutoInc, NewTableCountsFromZeroAndReusesFreedRecordNumbers)
{
    auto table = makeSets();
    EXPECT_EQ(table->AutoIncCounter(), -1);
    table->Append();
    table->Post();
    EXPECT_EQ(table->FieldByName(QStringLiteral("ID")).AsInteger(), 0);
    table->Delete();
    table->Append();
    table->Post();
    EXPECT_EQ(table->FieldByName(QStringLiteral("ID")).AsInteger(), 1);
    EXPECT_EQ(table->CurrentRecordNumber(), 0); // the freed number came back

    addSet(*table, QStringLiteral("b"), 1); // record number 1
    addSet(*table, QStringLiteral("c"), 1); // record number 2
    table->First();
    table->Delete(); // frees 0
    table->Locate(QStringLiteral("Name"), QStringLiteral("c"));
    table->Delete(); // frees 2
    addSet(*table, QStringLiteral("d"), 1);
    EXPECT_EQ(table->CurrentRecordNumber(), 2); // most recently freed first
    addSet(*table, QStringLiteral("e"), 1);
    EXPECT_EQ(table->CurrentRecordNumber(), 0);
    addSet(*table, QStringLiteral("f"), 1);
    EXPECT_EQ(table->CurrentRecordNumber(), 3);
}

TEST(RecordTableAutoInc, CounterOnlyRisesWhenPostedAndFollowsHigherValues)
{
    auto table = makeSets();
    table->Append();
    EXPECT_EQ(table->FieldByName(QStringLiteral("ID")).AsInteger(), 0);
    table->Cancel();
    table->Append();
    table->FieldByName(QStringLiteral("ID")).SetAsInteger(7);
    table->Post();
    EXPECT_EQ(table->AutoIncCounter(), 7);
    table->Append();
    EXPECT_EQ(table->FieldByName(QStringLiteral("ID")).AsInteger(), 8);
}

TEST(RecordTableFields, ConversionsAndTheirErrors)
{
    auto table = makeSets();
    TField wertung = table->FieldByName(QStringLiteral("wertung"));
    TField name = table->FieldByName(QStringLiteral("Name"));
    TField text = table->FieldByName(QStringLiteral("Text"));
    EXPECT_EQ(errorOf([&] { wertung.SetAsInteger(3); }), QStringLiteral("SetsTable: Dataset is not in edit mode."));
    table->Append();
    EXPECT_EQ(errorOf([&] { wertung.SetAsString(QStringLiteral("12a")); }),
              QStringLiteral("'12a' ist kein gültiger Integerwert für Feld 'Wertung'"));
    wertung.SetAsString(QStringLiteral("12"));
    EXPECT_EQ(wertung.AsInteger(), 12);
    wertung.SetAsString(QString());
    EXPECT_TRUE(wertung.IsNull());
    EXPECT_EQ(wertung.AsString(), QString());
    EXPECT_FALSE(errorOf([&] { wertung.SetAsInteger(65536); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { wertung.SetAsInteger(-1); }).isEmpty());
    wertung.SetAsInteger(65535);

    name.SetAsString(QStringLiteral("abcdefghijklmnopqrstuvwxy"));
    EXPECT_EQ(name.AsString(), QStringLiteral("abcdefghijklmnopqrst"));
    name.SetAsString(QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"));
    EXPECT_EQ(name.AsString(), QStringLiteral("ab"));
    name.SetAsString(QString());
    EXPECT_FALSE(name.IsNull()); // an assigned empty String is a value
    text.SetAsString(QStringLiteral("x"));
    text.SetAsString(QString());
    EXPECT_TRUE(text.IsNull()); // an empty Memo is null

    TField id = table->FieldByName(QStringLiteral("ID"));
    id.SetAsInteger(-42);
    EXPECT_EQ(id.AsString(), QStringLiteral("-42"));
    table->Post();
    EXPECT_EQ(wertung.AsInteger(), 65535);
}

TEST(RecordTableMovement, FlagsAndPositions)
{
    auto table = makeSets();
    for (const char *n : {"a", "b", "c", "d"})
        addSet(*table, QString::fromLatin1(n), 1);
    table->First();
    EXPECT_TRUE(table->Bof());
    EXPECT_FALSE(table->Eof());
    table->Prior();
    EXPECT_TRUE(table->Bof());
    EXPECT_EQ(table->RecNo(), 1);
    table->Next();
    EXPECT_FALSE(table->Bof());
    EXPECT_FALSE(table->Eof());
    EXPECT_EQ(table->MoveBy(5), 2);
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("d"));
    table->Next();
    EXPECT_EQ(table->RecNo(), 4); // stays on the last record
    EXPECT_EQ(table->MoveBy(-2), -2);
    EXPECT_FALSE(table->Bof());
    EXPECT_EQ(table->RecNo(), 2);
    table->SetRecNo(9);
    EXPECT_EQ(table->RecNo(), 2);
    table->SetRecNo(3);
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("c"));
    table->Last();
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->RecNo(), 4);
}

TEST(RecordTableDelete, LoopVisitsTheRecordBeforeTheLastTwice)
{
    auto table = makeSets();
    for (const char *n : {"a", "b", "c", "d"})
        addSet(*table, QString::fromLatin1(n), 1);
    QStringList seen;
    table->First();
    while (!table->Eof()) {
        const QString name = table->FieldByName(QStringLiteral("Name")).AsString();
        seen << name;
        if (name == u"b" || name == u"d")
            table->Delete();
        else
            table->Next();
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                                 QStringLiteral("c")}));
    EXPECT_EQ(table->RecordCount(), 2);

    table->Last();
    table->Delete();
    EXPECT_FALSE(table->Eof());
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("a"));
    table->Delete();
    EXPECT_TRUE(table->Bof());
    EXPECT_TRUE(table->Eof());
}

TEST(RecordTableEditing, MovementPostsWrittenRecordsAndDropsUntouchedOnes)
{
    auto table = makeSets();
    addSet(*table, QStringLiteral("a"), 1);
    table->Append();
    table->First(); // nothing written: dropped
    EXPECT_EQ(table->RecordCount(), 1);
    EXPECT_EQ(table->AutoIncCounter(), 0);

    table->Append();
    table->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("b"));
    table->First(); // written: posted
    EXPECT_EQ(table->RecordCount(), 2);

    table->Edit();
    table->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("a2"));
    table->Next();
    EXPECT_EQ(names(*table), (QStringList{QStringLiteral("a2"), QStringLiteral("b")}));

    table->First();
    table->Edit();
    table->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("zzz"));
    table->Cancel();
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("a2"));

    // Insert goes before the current record in the row order; Delete while inserting cancels.
    table->Last();
    table->Insert();
    table->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("mid"));
    table->Post();
    EXPECT_EQ(table->RecNo(), 2);
    table->Insert();
    table->Delete();
    EXPECT_EQ(names(*table), (QStringList{QStringLiteral("a2"), QStringLiteral("mid"), QStringLiteral("b")}));

    // Edit on an empty view starts an insert.
    auto empty = makeSets();
    empty->Edit();
    EXPECT_EQ(empty->State(), TTableState::Insert);
    empty->Post();
    EXPECT_EQ(empty->RecordCount(), 1);
}

TEST(RecordTableLocate, ConvertsValuesMatchesSeveralFieldsAndRespectsTheFilter)
{
    auto table = makeSets();
    addSet(*table, QStringLiteral("a"), 5);
    addSet(*table, QStringLiteral("b"), 5, true);
    addSet(*table, QStringLiteral("b"), 3, true);
    table->First();
    EXPECT_TRUE(table->Locate(QStringLiteral("Wertung"), QStringLiteral("5")));
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("a"));
    EXPECT_TRUE(table->Locate(QStringLiteral("Name; Wertung"), QVariantList{QStringLiteral("b"), 3}));
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_FALSE(table->Locate(QStringLiteral("Name"), QStringLiteral("B"))); // texts compare exactly
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_FALSE(table->Locate(QStringLiteral("Text"), QStringLiteral("")));
    EXPECT_EQ(errorOf([&] { table->Locate(QStringLiteral("Wertung"), QStringLiteral("x")); }),
              QStringLiteral("'x' ist kein gültiger Integerwert für Feld 'Wertung'"));

    table->SetFilter(QStringLiteral("(Editierbar)"));
    table->SetFiltered(true);
    EXPECT_FALSE(table->Locate(QStringLiteral("Name"), QStringLiteral("a")));
    EXPECT_TRUE(table->Locate(QStringLiteral("ID"), 2));
    EXPECT_EQ(table->RecNo(), 2);
}

TEST(RecordTableFilter, AcceptsOnlyTheLanguageAndFiltersExactly)
{
    auto table = makeSets();
    for (const QString &good :
         {QStringLiteral(""), QStringLiteral("ID = 3"), QStringLiteral("ID=3"), QStringLiteral("( ID = 3 )"),
          QStringLiteral("(Name = 'A')"), QStringLiteral("(Editierbar)"), QStringLiteral("  Editierbar  "),
          QStringLiteral("(Name = '')")})
        EXPECT_EQ(errorOf([&] { table->SetFilter(good); }), QString()) << qPrintable(good);
    for (const QString &bad :
         {QStringLiteral("ID = -3"), QStringLiteral("ID > 3"), QStringLiteral("ID = 3 and Wertung = 1"),
          QStringLiteral("((ID = 3))"), QStringLiteral("(ID = 3"), QStringLiteral("Name = 'A"),
          QStringLiteral("Name = \"A\""), QStringLiteral("Na me = 1"), QStringLiteral("ID = 3x"),
          QStringLiteral("= 3"), QStringLiteral("Name = 'it's'")}) {
        const QString error = errorOf([&] { table->SetFilter(bad); });
        EXPECT_TRUE(error.startsWith(QStringLiteral("SetsTable: Der Filter \"") + bad)) << qPrintable(bad);
    }

    addSet(*table, QStringLiteral("A"), 1);
    addSet(*table, QStringLiteral("A1"), 2, true);
    addSet(*table, QStringLiteral("A"), 3, true);
    table->SetFilter(QStringLiteral("(Name = 'A')"));
    EXPECT_EQ(table->RecordCount(), 3); // the flag is off: nothing changes
    table->SetFiltered(true);
    EXPECT_EQ(table->RecordCount(), 2);
    EXPECT_EQ(table->FieldByName(QStringLiteral("Wertung")).AsInteger(), 1); // first visible record current
    EXPECT_EQ(names(*table, QStringLiteral("Wertung")), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    table->Last();
    table->SetFilter(QStringLiteral("(Editierbar)"));
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("A1"));
    table->SetFilter(QStringLiteral("Wertung = 3"));
    EXPECT_EQ(table->RecordCount(), 1);
    // A filter that does not fit the table fails when set and leaves the previous one in force.
    EXPECT_EQ(errorOf([&] { table->SetFilter(QStringLiteral("Name = 3")); }),
              QStringLiteral("SetsTable: Der Filter \"Name = 3\" passt nicht zum Typ des Feldes 'Name'"));
    EXPECT_EQ(errorOf([&] { table->SetFilter(QStringLiteral("Fehlt = 3")); }),
              QStringLiteral("SetsTable: Das Feld 'Fehlt' wurde nicht gefunden"));
    EXPECT_EQ(table->Filter(), QStringLiteral("Wertung = 3"));
    EXPECT_EQ(table->RecordCount(), 1);
    table->SetFilter(QString());
    EXPECT_EQ(table->RecordCount(), 3);
}

TEST(RecordTableFilter, ClassFilterMatchesTheWholeCodeOnly)
{
    TRecordTable questionnaires(QStringLiteral("FrageboegenTable"));
    questionnaires.AddField(QStringLiteral("Klasse"), TFieldType::String, 3);
    questionnaires.SetFiltered(true); // on at creation with an empty text: everything visible
    questionnaires.Open();
    for (const char *code : {"A", "A1", "a", "B", "A"}) {
        questionnaires.Append();
        questionnaires.FieldByName(QStringLiteral("Klasse")).SetAsString(QString::fromLatin1(code));
        questionnaires.Post();
    }
    EXPECT_EQ(questionnaires.RecordCount(), 5);
    questionnaires.SetFilter(QStringLiteral("(Klasse = 'A')"));
    EXPECT_EQ(questionnaires.RecordCount(), 2);
    EXPECT_EQ(names(questionnaires, QStringLiteral("Klasse")), (QStringList{QStringLiteral("A"), QStringLiteral("A")}));
}

TEST(RecordTableSort, TiesFollowRecordNumbersAndLaterPostsTakeTheirPlace)
{
    auto table = makeSets();
    addSet(*table, QStringLiteral("first"), 3);
    addSet(*table, QStringLiteral("five"), 5);
    addSet(*table, QStringLiteral("second"), 3);
    table->SortOn(QStringLiteral("Wertung"), true);
    EXPECT_EQ(names(*table), (QStringList{QStringLiteral("five"), QStringLiteral("second"), QStringLiteral("first")}));
    table->SortOn(QStringLiteral("Wertung"), false);
    EXPECT_EQ(names(*table), (QStringList{QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("five")}));

    table->Locate(QStringLiteral("Name"), QStringLiteral("second"));
    table->SortOn(QStringLiteral("Wertung;Name"), true);
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("second")); // stays current
    EXPECT_EQ(table->RecNo(), 2);

    addSet(*table, QStringLiteral("four"), 4);
    EXPECT_EQ(table->RecNo(), 2);
    table->Edit();
    table->FieldByName(QStringLiteral("Wertung")).SetAsInteger(1);
    table->Post();
    EXPECT_EQ(table->RecNo(), 4);
    EXPECT_EQ(names(*table), (QStringList{QStringLiteral("five"), QStringLiteral("second"), QStringLiteral("first"),
                                          QStringLiteral("four")}));
    EXPECT_EQ(errorOf([&] { table->SortOn(QStringLiteral("Fehlt"), false); }),
              QStringLiteral("SetsTable: Das Feld 'Fehlt' wurde nicht gefunden"));
    table->Close();
    table->Open();
    addSet(*table, QStringLiteral("b"), 1);
    addSet(*table, QStringLiteral("a"), 2);
    EXPECT_EQ(names(*table), (QStringList{QStringLiteral("b"), QStringLiteral("a")})); // Close ended the sort
}

TEST(RecordTableIndex, TableIsBrowsedInItsIndexOrder)
{
    TRecordTable table(QStringLiteral("FragenTable"));
    table.AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    table.AddIndexDef({QStringLiteral("ID"), QStringLiteral("ID"), false, false, false, true});
    table.SetIndexName(QStringLiteral("ID"));
    table.Open();
    for (int id : {5, 2, 9, 1}) {
        table.Append();
        table.FieldByName(QStringLiteral("ID")).SetAsInteger(id);
        table.Post();
    }
    EXPECT_EQ(names(table, QStringLiteral("ID")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("9")}));
    table.Append();
    table.Post();
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID")).AsInteger(), 10);
    EXPECT_EQ(table.RecNo(), 5);
}

TEST(RecordTableObservers, AreToldOfEveryKindOfChangeUntilDetached)
{
    auto table = makeSets();
    RecordingObserver observer;
    table->Attach(&observer);
    table->Append();
    table->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("x"));
    table->Next(); // posts, then moves
    table->Edit();
    table->Cancel();
    table->Delete();
    EXPECT_EQ(observer.events, (QStringList{QStringLiteral("mode"), QStringLiteral("field:Name"),
                                            QStringLiteral("posted"), QStringLiteral("moved"), QStringLiteral("mode"),
                                            QStringLiteral("posted"), QStringLiteral("moved")}));
    table->Detach(&observer);
    observer.events.clear();
    addSet(*table, QStringLiteral("y"), 1);
    table->First();
    EXPECT_TRUE(observer.events.isEmpty());
}

namespace {

// A table with a non-unique index on Wertung (Integer), filled with repeated values, null values,
// deleted records and later posts that reuse freed record numbers, so that neither the row order
// nor the posting order matches the browse order.
std::unique_ptr<TRecordTable> makeRanked(bool descending)
{
    auto table = std::make_unique<TRecordTable>(QStringLiteral("RankTable"));
    table->AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    table->AddField(QStringLiteral("Wertung"), TFieldType::Integer);
    table->AddField(QStringLiteral("Name"), TFieldType::String, 20);
    table->AddField(QStringLiteral("Editierbar"), TFieldType::Boolean);
    table->AddIndexDef({QStringLiteral("ByWertung"), QStringLiteral("Wertung"), descending, false, false, false});
    table->SetIndexName(QStringLiteral("ByWertung"));
    table->Open();
    const int values[] = {3, -1, 7, 3, 0, 7, 3, -1, 5, 0, 3, 7};
    int k = 0;
    for (const int value : values) {
        table->Append();
        if (k % 5 == 4)
            table->FieldByName(QStringLiteral("Wertung")).Clear();
        else
            table->FieldByName(QStringLiteral("Wertung")).SetAsInteger(value);
        table->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("r%1").arg(k++));
        table->FieldByName(QStringLiteral("Editierbar")).SetAsBoolean(k % 2 == 0);
        table->Post();
    }
    for (const int id : {2, 6, 4}) { // frees record numbers 2, 6 and 4
        table->Locate(QStringLiteral("ID"), id);
        table->Delete();
    }
    for (const int value : {7, 3, -1}) { // take the freed numbers 4, 6 and 2
        table->Append();
        table->FieldByName(QStringLiteral("Wertung")).SetAsInteger(value);
        table->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("late%1").arg(value));
        table->Post();
    }
    return table;
}

struct Visible
{
    bool isNull;
    int value;
    int recordNumber;
    QString name;
};

std::vector<Visible> visibleRecords(TRecordTable &table)
{
    std::vector<Visible> result;
    TField wertung = table.FieldByName(QStringLiteral("Wertung"));
    TField name = table.FieldByName(QStringLiteral("Name"));
    for (table.First(); !table.Eof(); table.Next())
        result.push_back({wertung.IsNull(), wertung.AsInteger(), table.CurrentRecordNumber(), name.AsString()});
    return result;
}

// Locate must stand on the first visible record in browse order that holds the value, whichever
// way it searches.
void expectLocateFindsFirstInOrder(TRecordTable &table, const char *what)
{
    const std::vector<Visible> order = visibleRecords(table);
    for (int value = -3; value <= 9; ++value) {
        int expected = 0;
        for (size_t i = 0; i < order.size() && expected == 0; ++i) {
            if (!order[i].isNull && order[i].value == value)
                expected = int(i) + 1;
        }
        table.First();
        EXPECT_EQ(table.Locate(QStringLiteral("Wertung"), value), expected > 0) << what << " value " << value;
        EXPECT_EQ(table.RecNo(), expected > 0 ? expected : 1) << what << " value " << value;
    }
    EXPECT_FALSE(table.Locate(QStringLiteral("Wertung"), QVariant())) << what;
}

} // namespace

TEST(RecordTableSort, OrderIsNullsThenValuesThenRecordNumbersAndDescendingIsItsReverse)
{
    for (const bool descending : {false, true}) {
        auto table = makeRanked(descending);
        std::vector<Visible> expected = visibleRecords(*table);
        ASSERT_EQ(expected.size(), size_t(12));
        std::sort(expected.begin(), expected.end(), [](const Visible &a, const Visible &b) {
            const auto rank = [](const Visible &v) {
                return std::tuple(!v.isNull, v.isNull ? 0 : v.value, v.recordNumber);
            };
            return rank(a) < rank(b);
        });
        if (descending)
            std::reverse(expected.begin(), expected.end());
        QStringList expectedNames;
        for (const Visible &v : expected)
            expectedNames << v.name;
        EXPECT_EQ(names(*table), expectedNames) << "descending " << descending;
        // The late record with the reused number 2 stands between the older ones numbered 1 and 7.
        const qsizetype late = expectedNames.indexOf(QStringLiteral("late-1"));
        EXPECT_EQ(late, expectedNames.indexOf((descending ? QStringLiteral("r7") : QStringLiteral("r1"))) + 1);
        EXPECT_EQ(late, expectedNames.indexOf((descending ? QStringLiteral("r1") : QStringLiteral("r7"))) - 1);

        // SortOn on the same field gives the same order.
        table->SortOn(QStringLiteral("Wertung"), descending);
        EXPECT_EQ(names(*table), expectedNames);
    }
}

TEST(RecordTableSort, EditedRecordKeepsOrChangesItsPlaceAsSortingWouldPutIt)
{
    auto table = makeSets();
    for (const int wertung : {1, 3, 5, 7})
        addSet(*table, QStringLiteral("w%1").arg(wertung), wertung);
    table->SortOn(QStringLiteral("Wertung"));
    table->SetRecNo(2);
    table->Edit();
    table->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("renamed")); // not a key
    table->Post();
    EXPECT_EQ(table->RecNo(), 2);
    table->Edit();
    table->FieldByName(QStringLiteral("Wertung")).SetAsInteger(5); // ties with w5, an older record
    table->Post();
    EXPECT_EQ(table->RecNo(), 2);
    table->Edit();
    table->FieldByName(QStringLiteral("Wertung")).SetAsInteger(0);
    table->Post();
    EXPECT_EQ(table->RecNo(), 1);
    table->Last();
    table->Edit();
    table->FieldByName(QStringLiteral("Wertung")).SetAsInteger(5); // ties with w5, a younger record
    table->Post();
    EXPECT_EQ(table->RecNo(), 4);
    EXPECT_EQ(names(*table), (QStringList{QStringLiteral("renamed"), QStringLiteral("w1"), QStringLiteral("w5"),
                                          QStringLiteral("w7")}));
}

TEST(RecordTableLocate, FindsTheFirstRecordInBrowseOrderWithEveryKindOfOrderAndFilter)
{
    for (const bool descending : {false, true}) {
        auto table = makeRanked(descending);
        expectLocateFindsFirstInOrder(*table, descending ? "index descending" : "index ascending");
        table->SortOn(QStringLiteral("Wertung;Name"), !descending);
        expectLocateFindsFirstInOrder(*table, "sorted on two fields");
        table->SortOn(QStringLiteral("Name"), descending);
        expectLocateFindsFirstInOrder(*table, "sorted on another field");
        table->ClearSort();
        table->SetFilter(QStringLiteral("(Editierbar)"));
        table->SetFiltered(true);
        expectLocateFindsFirstInOrder(*table, "filtered");
        table->SetFiltered(false);
        table->First();
        table->Delete();
        table->Last();
        table->Delete();
        expectLocateFindsFirstInOrder(*table, "after deletes");
    }
}

TEST(RecordTableLocate, UniqueIndexFindsEachIdAndNothingBetween)
{
    TRecordTable table(QStringLiteral("FragenTable"));
    table.AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    table.AddIndexDef({QStringLiteral("ID"), QStringLiteral("ID"), false, false, false, true});
    table.SetIndexName(QStringLiteral("ID"));
    table.Open();
    for (int id = 200; id >= 2; id -= 2) {
        table.Append();
        table.FieldByName(QStringLiteral("ID")).SetAsInteger(id);
        table.Post();
    }
    for (int id = 0; id <= 202; ++id) {
        const bool stored = id >= 2 && id <= 200 && id % 2 == 0;
        table.Last();
        EXPECT_EQ(table.Locate(QStringLiteral("ID"), QString::number(id)), stored) << id;
        EXPECT_EQ(table.RecNo(), stored ? id / 2 : 100) << id;
    }
}

TEST(RecordTableReuse, RecordsPostedAfterCloseStartEmpty)
{
    auto table = makeSets();
    for (int k = 0; k < 3; ++k)
        addSet(*table, QStringLiteral("full"), 9, true);
    table->Append();
    table->FieldByName(QStringLiteral("Text")).SetAsString(QStringLiteral("Grün"));
    table->Post();
    table->First();
    table->Delete();
    table->Close();
    table->Open();
    for (int k = 0; k < 5; ++k) {
        table->Append();
        table->FieldByName(QStringLiteral("Wertung")).SetAsInteger(k);
        table->Post();
    }
    int k = 0;
    for (table->First(); !table->Eof(); table->Next(), ++k) {
        EXPECT_EQ(table->CurrentRecordNumber(), k);
        EXPECT_EQ(table->FieldByName(QStringLiteral("ID")).AsInteger(), k);
        EXPECT_EQ(table->FieldByName(QStringLiteral("Wertung")).AsInteger(), k);
        EXPECT_TRUE(table->FieldByName(QStringLiteral("Name")).IsNull());
        EXPECT_TRUE(table->FieldByName(QStringLiteral("Editierbar")).IsNull());
        EXPECT_TRUE(table->FieldByName(QStringLiteral("Text")).IsNull());
    }
    EXPECT_EQ(k, 5);
}

TEST(RecordTableSort, WideValuesAndManyRecordsFollowTheSameRule)
{
    TRecordTable table(QStringLiteral("SortTable"));
    table.AddField(QStringLiteral("FrageID"), TFieldType::Integer);
    table.AddField(QStringLiteral("Value"), TFieldType::Integer);
    table.Open();
    TField frageId = table.FieldByName(QStringLiteral("FrageID"));
    TField value = table.FieldByName(QStringLiteral("Value"));
    const int extremes[] = {std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), -1, 0, 1, 65536};
    quint32 state = 12345;
    for (int k = 0; k < 700; ++k) {
        state = state * 1103515245u + 12345u;
        table.Append();
        frageId.SetAsInteger(k);
        if (k % 97 != 3)
            value.SetAsInteger(k % 7 == 0 ? extremes[(state >> 8) % 6] : int(state >> 4) - (1 << 27));
        table.Post();
    }
    for (int k = 0; k < 700; k += 3) { // free numbers that later posts take again
        table.Locate(QStringLiteral("FrageID"), k);
        table.Delete();
    }
    for (int k = 700; k < 800; ++k) {
        table.Append();
        frageId.SetAsInteger(k);
        value.SetAsInteger(extremes[k % 6]);
        table.Post();
    }
    std::vector<std::tuple<bool, int, int, int>> expected; // not null, value, record number, FrageID
    for (table.First(); !table.Eof(); table.Next())
        expected.emplace_back(!value.IsNull(), value.AsInteger(), table.CurrentRecordNumber(), frageId.AsInteger());
    std::sort(expected.begin(), expected.end());
    for (const bool descending : {false, true}) {
        table.SortOn(QStringLiteral("Value"), descending);
        QList<int> ids, expectedIds;
        for (table.First(); !table.Eof(); table.Next())
            ids << frageId.AsInteger();
        for (const auto &entry : expected)
            expectedIds << std::get<3>(entry);
        if (descending)
            std::reverse(expectedIds.begin(), expectedIds.end());
        EXPECT_EQ(ids, expectedIds) << "descending " << descending;
    }
}

#include "controls/data_bindings.h"
#include "controls/table_model.h"
#include "controls/table_view_binding.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A sets-like table: ID, Name, Wertung, Editierbar, Text, TextGruppeID.
std::unique_ptr<TRecordTable> makeSets()
{
    auto table = std::make_unique<TRecordTable>(QStringLiteral("SetsTable"));
    table->AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    table->AddField(QStringLiteral("Name"), TFieldType::String, 20);
    table->AddField(QStringLiteral("Wertung"), TFieldType::Word);
    table->AddField(QStringLiteral("Editierbar"), TFieldType::Boolean);
    table->AddField(QStringLiteral("Text"), TFieldType::Memo);
    table->AddField(QStringLiteral("TextGruppeID"), TFieldType::Integer);
    table->Open();
    return table;
}

void addSet(TRecordTable &table, const QString &name, int wertung, bool editierbar = false, int gruppe = 0)
{
    table.Append();
    table.FieldByName(QStringLiteral("Name")).SetAsString(name);
    table.FieldByName(QStringLiteral("Wertung")).SetAsInteger(wertung);
    table.FieldByName(QStringLiteral("Editierbar")).SetAsBoolean(editierbar);
    table.FieldByName(QStringLiteral("Text")).SetAsString(name + QStringLiteral("\r\nzweite Zeile"));
    if (gruppe != 0)
        table.FieldByName(QStringLiteral("TextGruppeID")).SetAsInteger(gruppe);
    table.Post();
}

std::unique_ptr<TRecordTable> fiveSets()
{
    auto table = makeSets();
    addSet(*table, QStringLiteral("Delta"), 2, true, 2);
    addSet(*table, QStringLiteral("Alpha"), 5, false, 1);
    addSet(*table, QStringLiteral("Echo"), 1, true);
    addSet(*table, QStringLiteral("Bravo"), 5, false, 2);
    addSet(*table, QStringLiteral("Charlie"), 3, true, 1);
    table->First();
    return table;
}

// What the model shows, row by row: the Name column.
QStringList shownNames(const TTableModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.data(model.index(row, model.ColumnOfField(QStringLiteral("Name")))).toString();
    return names;
}

// The visible names in the table's order, read without moving the cursor.
QStringList tableNames(const TRecordTable &table)
{
    QStringList names;
    for (int row = 0; row < table.RecordCount(); ++row)
        names << table.VisibleValue(row, table.FieldIndex(QStringLiteral("Name"))).toString();
    return names;
}

// Collects what the model tester reports (it reports through qWarning in this mode).
class TesterFailures
{
public:
    TesterFailures() { s_messages.clear(), m_previous = qInstallMessageHandler(&TesterFailures::record); }
    ~TesterFailures() { qInstallMessageHandler(m_previous); }
    const QStringList &messages() const { return s_messages; }

private:
    static void record(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            s_messages << text;
    }
    static inline QStringList s_messages;
    QtMessageHandler m_previous = nullptr;
};

} // namespace

TEST(TableModel, PassesTheModelTesterThroughFilterSortEditAppendDeleteAndReopen)
{
    auto table = fiveSets();
    TesterFailures failures;
    TTableModel model(*table, {QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Wertung")});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    QListView view; // persistent indexes and a selection, as a screen's list has them
    TTableViewBinding binding(view, model, 1);

    const auto expectSameAsTable = [&](const char *step) {
        EXPECT_EQ(shownNames(model), tableNames(*table)) << step;
        EXPECT_EQ(model.CurrentRow(), table->IsEmpty() ? -1 : table->RecNo() - 1) << step;
    };
    expectSameAsTable("start");

    table->SetFilter(QStringLiteral("Editierbar"));
    table->SetFiltered(true);
    expectSameAsTable("filtered");
    table->SortOn(QStringLiteral("Name"));
    expectSameAsTable("filtered and sorted");
    EXPECT_EQ(shownNames(model), (QStringList{QStringLiteral("Charlie"), QStringLiteral("Delta"), QStringLiteral("Echo")}));

    table->Last();
    table->Edit();
    table->FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("Ara"));
    EXPECT_EQ(shownNames(model).last(), QStringLiteral("Ara")) << "the edit shows while it is typed";
    table->Post();
    expectSameAsTable("edited: the record moves to its sorted place");
    EXPECT_EQ(shownNames(model).first(), QStringLiteral("Ara"));
    EXPECT_EQ(view.currentIndex().row(), table->RecNo() - 1) << "the view's current row follows the record";

    addSet(*table, QStringLiteral("Bert"), 4, true);
    expectSameAsTable("appended");
    table->Delete();
    expectSameAsTable("deleted");
    table->SetFiltered(false);
    table->ClearSort();
    expectSameAsTable("all records in row order");
    EXPECT_EQ(model.rowCount(), 5);

    table->Close();
    EXPECT_EQ(model.rowCount(), 0);
    table->Open();
    expectSameAsTable("reopened");
    while (!table->IsEmpty())
        table->Delete();
    expectSameAsTable("emptied");

    EXPECT_TRUE(failures.messages().isEmpty()) << failures.messages().join(u'\n').toStdString();
}

TEST(TableModel, ACursorWalkOnlyMovesTheCurrentRow)
{
    auto table = fiveSets();
    TTableModel model(*table, {QStringLiteral("Name")});
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy current(&model, &TTableModel::currentRowChanged);

    for (table->First(); !table->Eof(); table->Next()) {
    }
    EXPECT_EQ(resets.count() + layouts.count() + changes.count(), 0);
    ASSERT_FALSE(current.isEmpty());
    EXPECT_EQ(current.last().at(0).toInt(), 4);
}

TEST(TableModel, AnEditableColumnEditsThroughEditAndPostsOnTheNextMove)
{
    auto table = fiveSets();
    TTableModel model(*table, {QStringLiteral("Name"), QStringLiteral("Wertung")});
    model.SetColumnEditable(1, true);
    EXPECT_FALSE(model.setData(model.index(2, 0), QStringLiteral("x"))) << "the Name column is not editable";

    ASSERT_TRUE(model.setData(model.index(2, 1), 9));
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(table->State(), TTableState::Edit);
    table->First();
    EXPECT_EQ(table->State(), TTableState::Browse);
    EXPECT_EQ(table->VisibleValue(2, table->FieldIndex(QStringLiteral("Wertung"))).toInt(), 9);
}

TEST(TableViewBinding, TheViewsCurrentRowIsTheTablesCurrentRecordBothWays)
{
    auto table = fiveSets();
    TTableModel model(*table, {QStringLiteral("Name")});
    QListView view;
    TTableViewBinding binding(view, model);

    table->SetRecNo(4);
    EXPECT_EQ(view.currentIndex().row(), 3);
    view.setCurrentIndex(model.index(1, 0));
    EXPECT_EQ(table->RecNo(), 2);
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("Alpha"));

    // A pending edit is posted by the user's move, as by any move.
    table->Edit();
    table->FieldByName(QStringLiteral("Wertung")).SetAsInteger(7);
    view.setCurrentIndex(model.index(0, 0));
    EXPECT_EQ(table->State(), TTableState::Browse);
    EXPECT_EQ(table->VisibleValue(1, table->FieldIndex(QStringLiteral("Wertung"))).toInt(), 7);

    table->SortOn(QStringLiteral("Name"), true);
    EXPECT_EQ(model.data(view.currentIndex()).toString(), table->FieldByName(QStringLiteral("Name")).AsString());
}

// ---------------------------------------------------------------- bindings

TEST(FieldBindings, UserChangesEditTheRecordAndTheNextMovePostsThem)
{
    auto table = fiveSets();
    QLineEdit edit;
    QPlainTextEdit memo;
    QCheckBox box;
    TEditBinding name(edit, *table, QStringLiteral("Name"));
    TMemoBinding text(memo, *table, QStringLiteral("Text"));
    TCheckBoxBinding editierbar(box, *table, QStringLiteral("Editierbar"));
    EXPECT_EQ(edit.text(), QStringLiteral("Delta"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("Delta\nzweite Zeile"));
    EXPECT_TRUE(box.isChecked());

    edit.selectAll();
    QTest::keyClicks(&edit, QStringLiteral("Dora"));
    EXPECT_EQ(table->State(), TTableState::Edit);
    box.click();
    memo.setPlainText(QStringLiteral("eins\nzwei"));
    table->Next();

    EXPECT_EQ(table->State(), TTableState::Browse);
    EXPECT_EQ(edit.text(), QStringLiteral("Alpha")) << "the controls show the record moved to";
    table->First();
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("Dora"));
    EXPECT_FALSE(table->FieldByName(QStringLiteral("Editierbar")).AsBoolean());
    EXPECT_EQ(table->FieldByName(QStringLiteral("Text")).AsString(), QStringLiteral("eins\r\nzwei"));
    EXPECT_EQ(edit.text(), QStringLiteral("Dora"));
}

TEST(FieldBindings, ANumberEditTakesDigitsOnlyAndWaitsForTheDigitsOfAMinusSign)
{
    auto table = fiveSets();
    QLineEdit edit;
    TEditBinding wertung(edit, *table, QStringLiteral("Wertung"));
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("-"));
    EXPECT_EQ(table->State(), TTableState::Browse) << "nothing written yet, and no error";
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("4x2"));
    table->Next();
    EXPECT_EQ(table->VisibleValue(0, table->FieldIndex(QStringLiteral("Wertung"))).toInt(), 42);
}

TEST(FieldBindings, WhatTheProgramDoesToTheTableIsShownAndNothingIsWrittenBack)
{
    auto table = fiveSets();
    QLineEdit edit;
    QPlainTextEdit memo;
    QCheckBox box;
    QLabel label;
    TEditBinding name(edit, *table, QStringLiteral("Name"));
    TMemoBinding text(memo, *table, QStringLiteral("Text"));
    TCheckBoxBinding editierbar(box, *table, QStringLiteral("Editierbar"));
    TTextBinding shown(label, *table, QStringLiteral("Name"));

    int steps = 0;
    for (table->First(); !table->Eof(); table->Next()) {
        EXPECT_EQ(table->State(), TTableState::Browse);
        EXPECT_EQ(edit.text(), table->FieldByName(QStringLiteral("Name")).AsString());
        EXPECT_EQ(label.text(), edit.text());
        EXPECT_EQ(box.isChecked(), table->FieldByName(QStringLiteral("Editierbar")).AsBoolean());
        ++steps;
    }
    EXPECT_EQ(steps, 5);
    // The program's own edit shows in the controls while it writes, and stays the program's.
    table->First();
    table->Edit();
    table->FieldByName(QStringLiteral("Text")).SetAsString(QStringLiteral("a\r\nb"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("a\nb"));
    table->Cancel();
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("Delta\nzweite Zeile"));

    // Unbound, the control neither follows nor writes.
    name.Unbind();
    table->Next();
    EXPECT_EQ(edit.text(), QStringLiteral("Delta"));
    QTest::keyClicks(&edit, QStringLiteral("x"));
    EXPECT_EQ(table->State(), TTableState::Browse);
    name.Bind();
    EXPECT_EQ(edit.text(), QStringLiteral("Alpha"));
}

TEST(FieldBindings, OnAnEmptyOrClosedTableNothingIsInserted)
{
    auto table = makeSets();
    auto groups = makeSets();
    addSet(*groups, QStringLiteral("Gruppe"), 0);
    QLineEdit edit;
    QCheckBox box;
    QComboBox combo;
    TEditBinding name(edit, *table, QStringLiteral("Name"));
    TCheckBoxBinding editierbar(box, *table, QStringLiteral("Editierbar"));
    TLookupComboBinding gruppe(combo, *table, QStringLiteral("TextGruppeID"), *groups, QStringLiteral("ID"),
                               QStringLiteral("Name"));

    for (int pass = 0; pass < 2; ++pass) {
        QTest::keyClicks(&edit, QStringLiteral("neu"));
        box.click();
        Q_EMIT combo.activated(0);
        EXPECT_FALSE(box.isChecked()) << "the box shows the empty table again";
        EXPECT_EQ(table->Active() ? table->RecordCount() : 0, 0);
        EXPECT_NE(table->State(), TTableState::Insert);
        EXPECT_NE(table->State(), TTableState::Edit);
        table->Close();
    }
    // A record the program inserts is there to be written into.
    table->Open();
    table->Append();
    QTest::keyClicks(&edit, QStringLiteral("Neu"));
    table->Post();
    EXPECT_EQ(table->RecordCount(), 1);
    EXPECT_EQ(table->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("Neu"));
}

TEST(LookupComboBinding, StoresTheKeyShowsTheListFieldAndFollowsTheList)
{
    auto table = fiveSets();
    auto groups = makeSets();
    addSet(*groups, QStringLiteral("Allgemein"), 0); // ID 0
    addSet(*groups, QStringLiteral("Verkehr"), 0); // ID 1
    addSet(*groups, QStringLiteral("Technik"), 0); // ID 2
    groups->First();
    QComboBox combo;
    TLookupComboBinding gruppe(combo, *table, QStringLiteral("TextGruppeID"), *groups, QStringLiteral("ID"),
                               QStringLiteral("Name"));
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.currentText(), QStringLiteral("Technik")) << "Delta is in group 2";
    table->Next();
    EXPECT_EQ(combo.currentText(), QStringLiteral("Verkehr"));
    table->Next();
    EXPECT_EQ(combo.currentIndex(), -1) << "Echo has no group";

    combo.setCurrentIndex(2);
    Q_EMIT combo.activated(2);
    table->Next();
    EXPECT_EQ(table->VisibleValue(2, table->FieldIndex(QStringLiteral("TextGruppeID"))).toInt(), 2);
    EXPECT_EQ(groups->RecNo(), 1) << "the list table's cursor is not moved";

    addSet(*groups, QStringLiteral("Neu"), 0);
    EXPECT_EQ(combo.count(), 4);
}

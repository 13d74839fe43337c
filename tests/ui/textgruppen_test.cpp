#include "app/vl_newset.h"
#include "app/vl_textgruppen.h"
#include "controls/record_navigator.h"
#include "data/record_table.h"
#include "data/table_fields.h"
#include "ui/support/shell_fixture.h"
#include "ui/support/skin_fixture.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace ft = fields::texte;
namespace fg = fields::textgruppen;

namespace {

class TextGruppenTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        writeInstallation();
        start();
        form = std::make_unique<TTextGruppenForm>(*data, dialogs, fileDialogs);
    }
    void TearDown() override
    {
        form.reset();
        ShellFixture::TearDown();
    }

    // The texts of a group in the table's order, whatever the dialog shows.
    QStringList textsOf(int groupId) const
    {
        QStringList result;
        TRecordTable &texts = data->TexteTable;
        const QList<QVariant> ids = texts.AllValues(texts.FieldIndex(ft::TextGruppeID));
        const QList<QVariant> values = texts.AllValues(texts.FieldIndex(ft::Text));
        for (qsizetype i = 0; i < ids.size(); ++i)
            if (ids[i].toInt() == groupId)
                result << values[i].toString();
        return result;
    }

    int currentGroup() const { return data->TextGruppenTable.FieldByName(fg::ID).AsInteger(); }

    void addText(const QString &text)
    {
        form->Button1->click();
        form->DBMemo2->setPlainText(text);
    }

    std::unique_ptr<TTextGruppenForm> form;
};

} // namespace

TEST_F(TextGruppenTest, AGroupsTextsExportedAndImportedIntoAnotherGroupAreTheSame)
{
    data->TextGruppenTable.Last();
    const int first = currentGroup();
    const QStringList before = textsOf(first);
    addText(QStringLiteral("Grüß dich, %s"));
    addText(QStringLiteral("B"));
    const QString path = programPath(QStringLiteral("gruppe.txt"));
    fileDialogs.answers = {{path}};
    form->Button3->click();
    ASSERT_EQ(fileDialogs.kinds, QStringList{QStringLiteral("save")});
    EXPECT_EQ(fileDialogs.asked[0].filter, QStringLiteral("Textdatein|*.txt"));
    QByteArray expected;
    for (const QString &text : before)
        expected += text.toLatin1() + ';';
    expected += "Gr\xFC\xDF dich, %s;B;\r\n";
    EXPECT_EQ(readWholeFile(path), expected);

    // A new group from the navigator, its name typed in and saved, then the file read into it.
    form->DBNavigator1->Click(TNavigatorButton::Insert);
    data->TextGruppenTable.FieldByName(fg::Name).SetAsString(QStringLiteral("Fernweh"));
    form->DBNavigator1->Click(TNavigatorButton::Post);
    const int second = currentGroup();
    ASSERT_NE(second, first);
    EXPECT_TRUE(form->GroupBox2->isVisibleTo(form.get()));
    EXPECT_EQ(data->TexteTable.Filter(), QStringLiteral("TextGruppeID = %1").arg(second));
    const QStringList secondBefore = textsOf(second);
    fileDialogs.answers = {{path}};
    form->Button2->click();
    EXPECT_EQ(textsOf(second), secondBefore + textsOf(first));
    const QStringList added{QStringLiteral("Grüß dich, %s"), QStringLiteral("B")};
    EXPECT_EQ(textsOf(first), before + added);

    // Closing keeps what was typed last and frees the texts of the group's restriction.
    addText(QStringLiteral("zuletzt"));
    form->BitBtn1->click();
    EXPECT_TRUE(data->TexteTable.Filter().isEmpty());
    EXPECT_TRUE(textsOf(second).contains(QStringLiteral("zuletzt")));
}

TEST_F(TextGruppenTest, DeletingAGroupAfterTheQuestionDeletesItsTextsOnly)
{
    data->TextGruppenTable.Last();
    const int doomed = currentGroup();
    addText(QStringLiteral("weg damit"));
    data->TextGruppenTable.First();
    const int kept = currentGroup();
    ASSERT_NE(kept, doomed);
    addText(QStringLiteral("bleibt"));
    data->TextGruppenTable.Last();
    const QStringList keptTexts = textsOf(kept);
    ASSERT_TRUE(keptTexts.contains(QStringLiteral("bleibt")));

    dialogs.answers = {false};
    form->DBNavigator1->Click(TNavigatorButton::Delete);
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Datensatz löschen?")});
    EXPECT_FALSE(textsOf(doomed).isEmpty());

    form->DBNavigator1->Click(TNavigatorButton::Delete);
    EXPECT_FALSE(data->TextGruppenTable.Locate(fg::ID, doomed));
    EXPECT_TRUE(textsOf(doomed).isEmpty());
    EXPECT_EQ(textsOf(kept), keptTexts);
}

TEST_F(TextGruppenTest, WithoutAnyGroupTheTextsAreHiddenAndANewSetHasGroupZero)
{
    while (!data->TextGruppenTable.IsEmpty())
        form->DBNavigator1->Click(TNavigatorButton::Delete);
    EXPECT_FALSE(form->GroupBox2->isVisibleTo(form.get()));
    const qsizetype textsLeft = data->TexteTable.AllValues(0).size();
    form->Button1->click();
    form->Button3->click();
    form->Button2->click();
    EXPECT_TRUE(fileDialogs.kinds.isEmpty());
    form->BitBtn1->click();
    EXPECT_EQ(data->TexteTable.AllValues(0).size(), textsLeft);

    TNewSetForm newSet(*data);
    newSet.SetNameEdit->setText(QStringLiteral("Ohne Gruppe"));
    newSet.BitBtn1->click();
    EXPECT_EQ(newSet.result(), QDialog::Accepted);
    ASSERT_TRUE(data->SetsTable.Locate(fields::sets::ID, newSet.NewSetID));
    EXPECT_EQ(data->SetsTable.FieldByName(fields::sets::TextGruppeID).AsInteger(), 0);
    EXPECT_EQ(data->SetsTable.FieldByName(fields::sets::Name).AsString(), QStringLiteral("Ohne Gruppe"));
}

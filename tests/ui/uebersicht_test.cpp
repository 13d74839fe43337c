#include "app/vl_frage.h"
#include "app/vl_uebersicht_small.h"
#include "controls/picture_button.h"
#include "controls/picture_switch.h"
#include "ui/support/frage_fixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class UebersichtTest : public FrageFixture
{
protected:
    void openOverview(TFrageFrame *screen) { screen->UebersichtImage->clicked(); }
    void clickEntry(int row)
    {
        QListWidget *list = overview->ListView;
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    using Icons = QList<int>;
};

} // namespace

TEST_F(UebersichtTest, DuringATestTheIconsTellAnsweredQuestionsIncludingTheOneOnScreen)
{
    buildTest({1, 2, 3});
    TFrageFrame *screen = openScreen(0);
    screen->Antwort2checkbox->setChecked(true);
    screen->ForwardAction();
    screen->ForwardAction();
    screen->AntwortEdit->setText(QStringLiteral("7"));
    openOverview(screen);
    EXPECT_EQ(overview->EntryIcons(),
              (Icons{TUebersichtForm::Answered, TUebersichtForm::NotAnswered, TUebersichtForm::Answered}));
    EXPECT_EQ(overview->ListView->item(0)->text(), QStringLiteral("Frage eins zweite Zeile"));
    EXPECT_EQ(overview->ListView->currentRow(), 2);
    EXPECT_EQ(overview->QuestionIDs, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    // A selected entry keeps its own icon.
    const QIcon icon = overview->ListView->item(2)->icon();
    EXPECT_EQ(icon.pixmap(16, 16, QIcon::Selected).toImage(),
              TUebersichtForm::IconPicture(TUebersichtForm::Answered).toImage());
}

TEST_F(UebersichtTest, InTheReviewTheIconsTellRightFromWrongAndABlankBeforeTheNumberIsWrong)
{
    buildTest({1, 2, 3, 7, 999});
    setSaved(1, fields::test::Antwort1kreuz, true);
    setSaved(1, fields::test::Antwort3kreuz, true);
    setSaved(2, fields::test::Antwort1kreuz, true);
    setSaved(3, fields::test::Antwort, QStringLiteral("42"));
    setSaved(7, fields::test::Antwort, QStringLiteral(" 42"));
    openOverview(openScreen(1));
    EXPECT_TRUE(overview->ReviewMarks);
    EXPECT_EQ(overview->EntryIcons(), (Icons{TUebersichtForm::Right, TUebersichtForm::Wrong, TUebersichtForm::Right,
                                             TUebersichtForm::Wrong, TUebersichtForm::Wrong}));
    EXPECT_EQ(overview->ListView->item(4)->text(), QStringLiteral("Frage nicht gefunden"));
}

TEST_F(UebersichtTest, AClickSavesTheAnswerOnScreenFirstThenShowsTheClickedQuestion)
{
    buildTest({1, 2, 3});
    TFrageFrame *screen = openScreen(0);
    openOverview(screen);
    screen->Antwort1checkbox->setChecked(true);
    clickEntry(2);
    EXPECT_EQ(saved(1, fields::test::Antwort1kreuz), QVariant(true));
    EXPECT_EQ(screen->CurrentFrageID(), 3);
    overview->RefreshList();
    EXPECT_EQ(overview->ListView->currentRow(), 2);
    EXPECT_EQ(overview->EntryIcons().first(), int(TUebersichtForm::Answered));

    // A key released in the list shows the entry it selects.
    QTest::keyClick(overview->ListView, Qt::Key_Up);
    EXPECT_EQ(screen->CurrentFrageID(), 2);
}

TEST_F(UebersichtTest, ActivatingTheWindowSavesAndRebuildsTheList)
{
    buildTest({1, 2});
    TFrageFrame *screen = openScreen(0);
    openOverview(screen);
    screen->Antwort2checkbox->setChecked(true);
    browse->activateWindow();
    ASSERT_TRUE(WaitFor([this] { return browse->isActiveWindow(); }, 2000));
    overview->activateWindow();
    ASSERT_TRUE(WaitFor([this] { return overview->isActiveWindow(); }, 2000));
    EXPECT_EQ(overview->EntryIcons().first(), int(TUebersichtForm::Answered));
}

TEST_F(UebersichtTest, ItOnlyEverTalksToTheCurrentQuestionScreenAndClosesWithItsCue)
{
    buildTest({1, 2});
    TFrageFrame *screen = openScreen(2);
    openOverview(screen);
    overview->CloseButton->click();
    EXPECT_FALSE(overview->isVisible());
    EXPECT_EQ(audio.cues, (QStringList{cue("pop.wav"), cue("pop.wav")}));

    openOverview(screen);
    clickControl("HomeImage");
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
    EXPECT_FALSE(overview->isVisible());
    overview->RefreshList();
    EXPECT_EQ(overview->ListView->count(), 0);
    overview->ShowSelected();
}

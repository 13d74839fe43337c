#include "app/vl_frage.h"
#include "app/vl_frage_bild.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/picture_switch.h"
#include "layout/frage.h"
#include "screen/layout_geometry.h"
#include "ui/support/frage_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class FrageTest : public FrageFixture
{
protected:
    void click(QWidget *control)
    {
        ASSERT_FALSE(control->isHidden()) << control->objectName().toStdString();
        const QPoint inWindow = control->mapTo(browse.get(), control->rect().center());
        QTest::mouseClick(browse->windowHandle(), Qt::LeftButton, {}, inWindow);
    }
    void key(TFrageFrame *screen, Qt::Key k) { QTest::keyClick(screen, k); }
};

} // namespace

TEST_F(FrageTest, HeaderTextsFitTheirBoxesAndTheFirstQuestionIsShown)
{
    buildTest({1, 2, 3});
    TFrageFrame *screen = openScreen(0);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->CurrentFrageID(), 1);
    EXPECT_EQ(screen->FrageMemo->toPlainText(), QStringLiteral("Frage eins\nzweite Zeile"));
    EXPECT_EQ(screen->FrageNrLabel->text(), QStringLiteral("1"));
    EXPECT_EQ(screen->FragenCountLabel->text(), QStringLiteral("3"));
    EXPECT_EQ(screen->KlasseLabel->text(), QStringLiteral("B"));
    EXPECT_EQ(screen->FehlerpunkteLabel->text(), QStringLiteral("4"));
    for (QLabel *label : screen->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
        EXPECT_LE(label->fontMetrics().height(), label->height()) << label->objectName().toStdString();
    }
    // The design's header line lies under its labels.
    EXPECT_LT(screen->children().indexOf(screen->HeaderBar), screen->children().indexOf(screen->Label3));
}

TEST_F(FrageTest, StepButtonsHideAtTheEndsOfTheTestAndPlayTheirCues)
{
    buildTest({1, 2, 3});
    TFrageFrame *screen = openScreen(0);
    EXPECT_TRUE(screen->BackImage->isHidden());
    EXPECT_FALSE(screen->ForwardImage->isHidden());
    click(screen->ForwardImage);
    EXPECT_EQ(screen->CurrentFrageID(), 2);
    EXPECT_FALSE(screen->BackImage->isHidden());
    click(screen->ForwardImage);
    EXPECT_EQ(screen->CurrentFrageID(), 3);
    EXPECT_TRUE(screen->ForwardImage->isHidden());
    click(screen->BackImage);
    EXPECT_EQ(screen->CurrentFrageID(), 2);
    EXPECT_EQ(audio.cues, (QStringList{cue("next.wav"), cue("next.wav"), cue("prev.wav")}));
    // The main window's own step buttons stay hidden on this screen.
    EXPECT_TRUE(control("BackImage")->isHidden());

    buildTest({5});
    TFrageFrame *single = openScreen(0);
    EXPECT_TRUE(single->BackImage->isHidden());
    EXPECT_TRUE(single->ForwardImage->isHidden());
}

TEST_F(FrageTest, TicksAreSavedOnEveryStepAndAThirdRowOfOneCharacterIsNeitherShownNorSaved)
{
    buildTest({1, 2});
    TFrageFrame *screen = openScreen(0);
    click(screen->Antwort1checkbox);
    click(screen->Antwort3checkbox);
    click(screen->ForwardImage);
    EXPECT_EQ(saved(1, fields::test::Antwort1kreuz), QVariant(true));
    EXPECT_EQ(saved(1, fields::test::Antwort3kreuz), QVariant(true));

    EXPECT_FALSE(screen->Antwort2Memo->isHidden());
    EXPECT_TRUE(screen->Antwort3Memo->isHidden());
    EXPECT_TRUE(screen->Antwort3checkbox->isHidden());
    screen->Antwort3checkbox->setChecked(true);
    screen->SaveAnswer();
    EXPECT_EQ(saved(2, fields::test::Antwort3kreuz), QVariant(false));

    click(screen->BackImage);
    EXPECT_TRUE(screen->Antwort1checkbox->isChecked());
    EXPECT_FALSE(screen->Antwort2checkbox->isChecked());
}

TEST_F(FrageTest, EvaluationAsksWithTheRealCountOnlyAboveNineQuestions)
{
    buildTest(firstQuestions(9));
    click(openScreen(0)->AuswertenImage);
    EXPECT_TRUE(dialogs.warnings.isEmpty());
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("versager"));
    EXPECT_TRUE(audio.cues.contains(cue("auswerten.wav") + QStringLiteral(" (waited)")));

    buildTest(firstQuestions(30));
    dialogs.answers = {false};
    TFrageFrame *screen = openScreen(0);
    click(screen->AuswertenImage);
    EXPECT_EQ(dialogs.warnings,
              QStringList{QStringLiteral("Sind Sie sicher, dass Sie alle 30 Fragen beantwortet haben?")});
    EXPECT_EQ(browse->CurrentScreen(), screen);
    click(screen->AuswertenImage);
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("versager"));
}

TEST_F(FrageTest, CancelAsksInItsOwnWordsThenLeavesForTheMenuWithAnEmptyTest)
{
    buildTest({1, 2});
    TFrageFrame *screen = openScreen(0);
    dialogs.answers = {false};
    click(screen->AbbrechenImage);
    EXPECT_EQ(browse->CurrentScreen(), screen);
    EXPECT_EQ(data->TestTable.RecordCount(), 2);
    click(screen->AbbrechenImage);
    EXPECT_EQ(dialogs.questions, QStringList(2, QStringLiteral("Wollen Sie den Text wirklich abbrechen? "
                                                               "(Alle Angaben gehen \r\nverloren.)")));
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("betreutes"));
    EXPECT_TRUE(data->TestTable.IsEmpty());
}

TEST_F(FrageTest, HomeAsksExceptInLookUpAndKeepsTheTest)
{
    buildTest({1, 2});
    openScreen(1);
    clickControl("HomeImage");
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Wollen Sie den Test wirklich abbrechen? "
                                                            "(Alle Angaben gehen \r\nverloren.)")});
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
    EXPECT_EQ(data->TestTable.RecordCount(), 2);

    dialogs.questions.clear();
    openScreen(2);
    clickControl("HomeImage");
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
}

TEST_F(FrageTest, ReviewShowsTheMarksAndTheSolutionAndKeepsTheAnswersReadOnly)
{
    buildTest({1, 3});
    setSaved(3, fields::test::Antwort, QStringLiteral("41"));
    data->LastPassed = true;
    TFrageFrame *screen = openScreen(1);
    EXPECT_FALSE(screen->Kreuz1checkbox->isHidden());
    EXPECT_TRUE(screen->Kreuz1checkbox->isChecked());
    EXPECT_FALSE(screen->Kreuz2checkbox->isChecked());
    EXPECT_TRUE(screen->Kreuz3checkbox->isChecked());
    EXPECT_FALSE(screen->Kreuz1checkbox->isEnabled());
    click(screen->Antwort1checkbox);
    key(screen, Qt::Key_1);
    EXPECT_FALSE(screen->Antwort1checkbox->isChecked());

    click(screen->ForwardImage);
    EXPECT_EQ(screen->DirektLabel->text(), QStringLiteral("Lösung:  42"));
    EXPECT_FALSE(screen->DirektLabel->isHidden());
    EXPECT_TRUE(screen->AntwortEdit->isReadOnly());
    EXPECT_EQ(screen->AntwortEdit->text(), QStringLiteral("41"));
    EXPECT_EQ(saved(1, fields::test::Antwort1kreuz), QVariant(false));

    for (TPictureButton *hidden : {screen->AbbrechenImage, screen->AuswertenImage, screen->AuswahlImage})
        EXPECT_TRUE(hidden->isHidden());
    click(screen->BackToResultsImage);
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("pimp"));
}

TEST_F(FrageTest, LookUpHidesTheClassAndLeadsBackToTheSelection)
{
    buildTest({2});
    TFrageFrame *screen = openScreen(2);
    EXPECT_TRUE(screen->Label1->isHidden());
    EXPECT_TRUE(screen->KlasseLabel->isHidden());
    EXPECT_FALSE(screen->Kreuz2checkbox->isHidden());
    EXPECT_TRUE(screen->Antwort1checkbox->isReadOnly());
    click(screen->AuswahlImage);
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("nachschlagen"));
    EXPECT_EQ(audio.cues, QStringList{cue("pop.wav")});
}

TEST_F(FrageTest, ANumberQuestionCoversTheRowsAndItsAnswerIsCutToTwentyCharacters)
{
    buildTest({3, 1});
    TFrageFrame *screen = openScreen(0);
    EXPECT_FALSE(screen->AntwortPanel->isHidden());
    for (QWidget *row : std::initializer_list<QWidget *>{screen->Antwort1Memo, screen->Antwort1checkbox,
                                                         screen->Kreuz1checkbox, screen->Antwort2Memo})
        EXPECT_TRUE(row->isHidden());
    EXPECT_EQ(screen->DirektMemo1->toPlainText(), QStringLiteral("Es sind "));
    EXPECT_EQ(screen->DirektMemo2->toPlainText(), QStringLiteral(" Meter."));
    EXPECT_TRUE(screen->DirektLabel->isHidden());
    screen->AntwortEdit->setText(QStringLiteral("1234567890123456789012345"));
    click(screen->ForwardImage);
    EXPECT_EQ(saved(3, fields::test::Antwort), QVariant(QStringLiteral("12345678901234567890")));
    EXPECT_TRUE(screen->AntwortPanel->isHidden());
}

TEST_F(FrageTest, PicturesAreFittedIntoTheBoxAndAMissingOrBrokenOneShowsNone)
{
    buildTest({1, 4, 5, 6, 2, 3});
    TFrageFrame *screen = openScreen(0);
    const QSize fitted[] = {QSize(301, 150), QSize(100, 201), QSize(201, 201), QSize(301, 150)};
    for (const QSize &size : fitted) {
        EXPECT_FALSE(screen->Image->isHidden());
        EXPECT_FALSE(screen->VergroessernButton->isHidden());
        EXPECT_EQ(screen->Image->pictureSize(), size);
        EXPECT_EQ(screen->Image->shownRect(), QRect(QPoint(0, 0), size));
        click(screen->ForwardImage);
    }
    // No picture named (the path is the picture folder itself), then a file that is no JPEG: the
    // rest of the question is shown all the same.
    EXPECT_EQ(screen->CurrentFrageID(), 2);
    EXPECT_TRUE(screen->Image->isHidden());
    click(screen->ForwardImage);
    EXPECT_EQ(screen->CurrentFrageID(), 3);
    EXPECT_TRUE(screen->Image->isHidden());
    EXPECT_TRUE(screen->VergroessernButton->isHidden());
    EXPECT_EQ(screen->FrageNrLabel->text(), QStringLiteral("6"));
    EXPECT_TRUE(screen->ForwardImage->isHidden());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FrageTest, TheEnlargedPictureIsFittedIntoItsModalWindowAndFreedAfterClosing)
{
    buildTest({7});
    TFrageFrame *screen = openScreen(0);
    QString title;
    QSize inner, shown;
    QTimer::singleShot(0, [&] {
        auto *form = qobject_cast<TFrageBildForm *>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        title = form->windowTitle();
        inner = form->size();
        shown = form->Image1->shownRect().size();
        form->CloseButton->click();
    });
    screen->VergroessernButton->click();
    EXPECT_EQ(title, QStringLiteral("Bild zu Frage vergrößert"));
    EXPECT_EQ(inner, QSize(953, 654));
    EXPECT_EQ(shown, QSize(901, 601));
    EXPECT_EQ(screen->findChild<TFrageBildForm *>(), nullptr);
}

TEST_F(FrageTest, AnEmptyTestOffersOnlyTheWayOutAndBooksNothing)
{
    buildTest({});
    const int points = data->GetPimpPoints();
    TFrageFrame *screen = openScreen(0);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Keine Fragen ausgewählt!")});
    for (TPictureButton *hidden : {screen->AuswertenImage, screen->UebersichtImage, screen->BackImage,
                                   screen->ForwardImage})
        EXPECT_TRUE(hidden->isHidden());
    EXPECT_FALSE(screen->AbbrechenImage->isHidden());
    screen->SaveAnswer();
    screen->ForwardAction();
    EXPECT_TRUE(data->TestTable.IsEmpty());
    EXPECT_EQ(data->GetPimpPoints(), points);
}

TEST_F(FrageTest, AQuestionMissingFromCatalogueOrTestIsNamedAndWritesNothingElsewhere)
{
    buildTest({999, 2});
    TFrageFrame *screen = openScreen(0);
    EXPECT_EQ(screen->FrageMemo->toPlainText(), QStringLiteral("Frage nicht gefunden"));
    for (QWidget *row : std::initializer_list<QWidget *>{screen->Antwort1Memo, screen->Antwort1checkbox,
                                                         screen->AntwortPanel, screen->Image})
        EXPECT_TRUE(row->isHidden());

    click(screen->ForwardImage);
    screen->Antwort1checkbox->setChecked(true);
    screen->ShowQuestion(5, 0);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Test-Tabelle nicht verfügbar")});
    EXPECT_EQ(screen->FrageMemo->toPlainText(), QStringLiteral("Frage fünf"));
    screen->SaveAnswer();
    EXPECT_EQ(saved(2, fields::test::Antwort1kreuz), QVariant(false));
    EXPECT_EQ(saved(999, fields::test::Antwort1kreuz), QVariant(false));
}

TEST_F(FrageTest, KeysTickShownAnswersAndStepLikeTheButtonsUnlessTheNumberEntryHasThem)
{
    buildTest({1, 2, 3});
    TFrageFrame *screen = openScreen(0);
    key(screen, Qt::Key_Left);
    EXPECT_EQ(screen->CurrentFrageID(), 1);
    key(screen, Qt::Key_2);
    EXPECT_TRUE(screen->Antwort2checkbox->isChecked());
    key(screen, Qt::Key_Right);
    EXPECT_EQ(screen->CurrentFrageID(), 2);
    EXPECT_EQ(saved(1, fields::test::Antwort2kreuz), QVariant(true));
    key(screen, Qt::Key_3);
    EXPECT_FALSE(screen->Antwort3checkbox->isChecked());
    key(screen, Qt::Key_Return);
    EXPECT_EQ(browse->CurrentScreen(), screen);
    EXPECT_TRUE(dialogs.warnings.isEmpty() && dialogs.questions.isEmpty());
    key(screen, Qt::Key_Right);
    EXPECT_EQ(screen->CurrentFrageID(), 3);

    screen->AntwortEdit->setFocus();
    QTest::keyClicks(screen->AntwortEdit, QStringLiteral("12"));
    QTest::keyClick(screen->AntwortEdit, Qt::Key_Left);
    EXPECT_EQ(screen->AntwortEdit->text(), QStringLiteral("12"));
    EXPECT_EQ(screen->CurrentFrageID(), 3);
}

TEST_F(FrageTest, TheOverviewButtonPlaysItsCueAndPlacesTheWindowOverItsArea)
{
    buildTest({1, 2});
    TFrageFrame *screen = openScreen(0);
    click(screen->UebersichtImage);
    EXPECT_EQ(audio.cues, QStringList{cue("pop.wav")});
    EXPECT_TRUE(overview->isVisible());
    EXPECT_EQ(overview->pos(), screen->OverviewArea->mapToGlobal(QPoint(0, 0)));
    EXPECT_EQ(overview->size(), QSize(301, 286));
    click(screen->ForwardImage);
    click(screen->AuswertenImage);
    EXPECT_FALSE(overview->isVisible());
}

#include "app/vl_frage.h"
#include "controls/click_shape.h"
#include "controls/link_label.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "ui/support/learning_fixture.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

class ResultScreensTest : public LearningFixture
{
protected:
    void SetUp() override
    {
        LearningFixture::SetUp();
        addQuestionnaire(7, "B", 1);
        addSet(1, "Anna", 1);
        addSet(2, "Berta", 2);
        addText(1, 1, "Das ist %s.");
        addText(2, 1, "Auch %s, 100%d und %n.");
        addText(3, 2, "Berta mag %s");
        data->TeaserBildID = -1;
        data->TeaserTextID = -1;
    }

    TPimpFrame *pass()
    {
        result(true, 0, 0, 60);
        return show<TPimpFrame>("pimp");
    }

    QImage teaserPixels(TPimpFrame *screen) { return screen->ContentPicture->grab().toImage(); }
};

} // namespace

TEST_F(ResultScreensTest, TheFailScreenGivesTheReasonForEachKindOfFailure)
{
    // Short test, class MO, more than two wrong answers, two wrong answers.
    EXPECT_EQ(TVersagerFrame::Reason(testkind::ShortTest, QStringLiteral("B"), 1),
              QStringLiteral("Sie haben mindestens einen Fehler gemacht. Damit gibt's leider keine Punkte!"));
    EXPECT_EQ(TVersagerFrame::Reason(testkind::Questionnaire, QStringLiteral("MO"), 2),
              QStringLiteral("Sie haben mehr als 7 Fehlerpunkte und sind damit durchgefallen!"));
    EXPECT_EQ(TVersagerFrame::Reason(testkind::Questionnaire, QStringLiteral("MO"), 3),
              QStringLiteral("Sie haben mehr als 7 Fehlerpunkte und sind damit durchgefallen!"));
    EXPECT_EQ(TVersagerFrame::Reason(testkind::Questionnaire, QStringLiteral("B"), 3),
              QStringLiteral("Sie haben mehr als 10 Fehlerpunkte und sind damit durchgefallen!"));
    EXPECT_EQ(TVersagerFrame::Reason(testkind::Questionnaire, QStringLiteral("B"), 2),
              QStringLiteral("Sie haben zwei Fragen mit je 5 FP falsch beantwortet. Damit sind sie durchgefallen!"));

    data->SetPimpPoints(90);
    result(false, 4, 14, -10);
    auto *screen = show<TVersagerFrame>("versager");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->FehlerLabel->text(), QStringLiteral("4"));
    EXPECT_EQ(screen->FehlerpunkteLabel->text(), QStringLiteral("14"));
    EXPECT_EQ(screen->PimpPointsLabel->text(), QStringLiteral("-10"));
    EXPECT_EQ(screen->PimpPointsgesLabel->text(), QStringLiteral("90"));
    EXPECT_EQ(screen->DescMemo->toPlainText(),
              QStringLiteral("Sie haben mehr als 10 Fehlerpunkte und sind damit durchgefallen!"));
}

TEST_F(ResultScreensTest, ThePassScreenSignsItsPointsAndShowsTheReadyNoteOnlyWhenReady)
{
    addPicture(1, 1, "1.jpg");
    data->ReadyFlag = false;
    result(true, 1, 2, 0);
    auto *screen = show<TPimpFrame>("pimp");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->PimpPointsLabel->text(), QStringLiteral("+0"));
    EXPECT_TRUE(screen->BereitLabel->isHidden());
    data->ReadyFlag = true;
    screen = pass();
    EXPECT_EQ(screen->PimpPointsLabel->text(), QStringLiteral("+60"));
    EXPECT_FALSE(screen->BereitLabel->isHidden());
    EXPECT_EQ(screen->BereitLabel->text(), QStringLiteral("Du bist bereit für die Prüfung!"));
    // The delivered 900 x 1200 picture fills the height and is centred.
    EXPECT_EQ(screen->ContentPicture->shownRect(), QRect(121, 0, 424, 566));
}

TEST_F(ResultScreensTest, ReviewAndBackShowTheSameTeaserAndAnotherTestDrawsANewOne)
{
    addPicture(1, 1, "1.jpg");
    addPicture(2, 1, "2.jpg", "x");
    addPicture(3, 2, "3.jpg");
    buildTest({1, 2});
    draws.value = 1;
    TPimpFrame *screen = pass();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(data->TeaserBildID, 2);
    // A one-character picture text gives way to a text of the set's group.
    EXPECT_EQ(screen->GirlMemo->toPlainText(), QStringLiteral("Auch Anna, 100%d und %n."));
    const QImage before = teaserPixels(screen);

    draws.value = 0;
    clickAt(screen->Label4);
    ASSERT_TRUE(WaitFor([this] { return browse->CurrentScreenName() == u"frage"; }, 2000));
    auto *frage = qobject_cast<TFrageFrame *>(browse->CurrentScreen());
    ASSERT_NE(frage, nullptr);
    EXPECT_EQ(data->ViewMode, viewmode::Reviewing);
    EXPECT_TRUE(overview->isVisible());
    EXPECT_FALSE(frage->BackToResultsImage->isHidden());
    clickAt(frage->BackToResultsImage);
    ASSERT_TRUE(WaitFor([this] { return browse->CurrentScreenName() == u"pimp"; }, 2000));
    screen = qobject_cast<TPimpFrame *>(browse->CurrentScreen());
    EXPECT_EQ(screen->GirlMemo->toPlainText(), QStringLiteral("Auch Anna, 100%d und %n."));
    EXPECT_EQ(teaserPixels(screen), before);

    draws.value = 2;
    clickAt(screen->TestShape);
    ASSERT_TRUE(WaitFor([this] { return browse->CurrentScreenName() == u"frage"; }, 2000));
    EXPECT_EQ(audio.cues.last(), cue("nochein.wav"));
    EXPECT_EQ(data->ViewMode, viewmode::Answering);
    EXPECT_EQ(data->TestTable.RecordCount(), 2);
    screen = pass();
    EXPECT_EQ(data->TeaserBildID, 3);
    EXPECT_EQ(screen->GirlMemo->toPlainText(), QStringLiteral("Berta mag Berta"));
    EXPECT_NE(teaserPixels(screen), before);
}

TEST_F(ResultScreensTest, AMissingOrBrokenTeaserOrAnEmptyGroupShowsNothingThere)
{
    addSet(3, "Clara", 9); // a group without texts
    addPicture(1, 1, "gone.jpg", "", QSize());
    addPicture(2, 1, "bad.jpg", "", QSize());
    addPicture(3, 3, "3.jpg");
    writeFile(QStringLiteral("db/sets/bad.jpg"), "no picture");
    for (int drawn : {0, 1}) {
        data->TeaserBildID = -1;
        draws.value = drawn;
        TPimpFrame *screen = pass();
        ASSERT_NE(screen, nullptr) << drawn;
        EXPECT_TRUE(screen->ContentPicture->isHidden());
        EXPECT_EQ(screen->PimpPointsLabel->text(), QStringLiteral("+60"));
        EXPECT_EQ(screen->GirlMemo->toPlainText(), QStringLiteral("Das ist Anna."));
    }
    data->TeaserBildID = -1;
    data->TeaserTextID = -1;
    draws.value = 2;
    TPimpFrame *screen = pass();
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->ContentPicture->isHidden());
    EXPECT_EQ(screen->GirlMemo->toPlainText(), QString());

    data->BilderTable.Close();
    data->BilderTable.Open();
    screen = pass();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->ContentPicture->isHidden());
    EXPECT_EQ(screen->GirlMemo->toPlainText(), QString());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(ResultScreensTest, TheTeaserFindsItsSetWhateverFilterTheSetsTableHas)
{
    addPicture(1, 2, "1.jpg");
    TRecordTable &sets = data->SetsTable;
    sets.SetFilter(QStringLiteral("ID = 1"));
    sets.SetFiltered(true);
    TPimpFrame *screen = pass();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->GirlMemo->toPlainText(), QStringLiteral("Berta mag Berta"));
    EXPECT_EQ(sets.Filter(), QStringLiteral("ID = 1"));
    EXPECT_TRUE(sets.Filtered());
    EXPECT_EQ(sets.RecordCount(), 1);
}

TEST_F(ResultScreensTest, BackAndHomeResumeTheMusicFailReviewPlacesTheOverview)
{
    result(false, 3, 15, -10, testkind::ShortTest);
    auto *screen = show<TVersagerFrame>("versager");
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->ForwardAvailable());
    buildTest({1, 2});
    clickAt(screen->LernenShape);
    ASSERT_TRUE(WaitFor([this] { return browse->CurrentScreenName() == u"frage"; }, 2000));
    auto *frage = qobject_cast<TFrageFrame *>(browse->CurrentScreen());
    ASSERT_NE(frage, nullptr);
    EXPECT_EQ(audio.cues.last(), cue("pop.wav"));
    EXPECT_TRUE(overview->isVisible());
    EXPECT_EQ(overview->pos(), frage->OverviewArea->mapToGlobal(QPoint(0, 0)));

    const qsizetype eventsBefore = audio.events.size();
    screen = show<TVersagerFrame>("versager");
    data->SetPimpPoints(240); // what the evaluation left on the account
    screen->BackAction();
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("betreutes"));
    auto *menu = qobject_cast<TBetreutesFrame *>(browse->CurrentScreen());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->PPLabel->text(), QStringLiteral("240")) << "the menu shows the account after the test";
    show<TVersagerFrame>("versager")->HomeAction();
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
    // Resuming starts a track where there is one; the fixture's folder has none, so nothing fails.
    EXPECT_GE(audio.events.size(), eventsBefore);
}

#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/wertung_frame.h"
#include "ui/support/sets_fixture.h"

#include <QLabel>
#include <QTableView>
#include <QTest>

namespace fs = fields::sets;

namespace {

class GalerieTest : public SetsFixture
{
protected:
    void SetUp() override
    {
        SetsFixture::SetUp();
        screen = showGallery();
        ASSERT_NE(screen, nullptr);
        audio.cues.clear();
    }

    void buy() { QTest::mouseClick(screen->BuyImage, Qt::LeftButton); }

    TGalerieFrame *screen = nullptr;
};

} // namespace

TEST_F(GalerieTest, ListsTheUnlockableSetsBestFirstWithTheChosenSetsDetails)
{
    ASSERT_EQ(screen->DBGrid1->model()->rowCount(), 3);
    EXPECT_EQ(screen->DBGrid1->model()->index(0, 0).data().toString(), QStringLiteral("Drei"));
    EXPECT_EQ(screen->DBGrid1->model()->index(2, 0).data().toString(), QStringLiteral("Leer"));
    EXPECT_EQ(screen->DBText1->text(), QStringLiteral("Drei"));
    EXPECT_EQ(screen->Label8->text(), QStringLiteral("400 PimpPoints"));
    EXPECT_EQ(litStars(*screen->WertungFrame1), 3);
    EXPECT_TRUE(screen->BuyImage->isVisible());
    EXPECT_FALSE(screen->Image1->isVisible());
    EXPECT_TRUE(screen->DBGrid1->hasFocus());

    // Moving down the list follows the current set.
    QTest::keyClick(screen->DBGrid1, Qt::Key_Down);
    EXPECT_EQ(screen->DBText1->text(), QStringLiteral("Zwei"));
    EXPECT_EQ(screen->Label8->text(), QStringLiteral("250 PimpPoints"));
    EXPECT_EQ(litStars(*screen->WertungFrame1), 2);
}

TEST_F(GalerieTest, APurchaseNeedsThePriceAndTakesIt)
{
    setPoints(399);
    buy();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Wollen Sie wirklich 400 PimpPoints ausgeben?")});
    EXPECT_EQ(dialogs.informations, QStringList{QStringLiteral("Das können Sie sich nicht leisten!")});
    EXPECT_EQ(audio.cues, (QStringList{cue("pop.wav"), cue("zuteuer.wav")}));
    EXPECT_FALSE(setValue(3, fs::Freigespielt).toBool());
    EXPECT_EQ(data->GetPimpPoints(), 399);
    EXPECT_TRUE(screen->BuyImage->isVisible());

    // Exactly the price is enough.
    setPoints(400);
    audio.cues.clear();
    buy();
    EXPECT_EQ(dialogs.informations.size(), 1) << "no second refusal";
    EXPECT_EQ(audio.cues, (QStringList{cue("pop.wav"), cue("gekauft.wav")}));
    EXPECT_TRUE(setValue(3, fs::Freigespielt).toBool());
    EXPECT_FALSE(setValue(2, fs::Freigespielt).toBool());
    EXPECT_EQ(data->GetPimpPoints(), 0);
    EXPECT_EQ(screen->PPLabel->text(), QStringLiteral("0"));
    EXPECT_FALSE(screen->BuyImage->isVisible());
    EXPECT_TRUE(screen->Image1->isVisible());
    EXPECT_TRUE(screen->BilderImage->isVisible()) << "an unlocked set still shows its pictures";
}

TEST_F(GalerieTest, AnsweringNoPlaysOnlyThePopCueAndChangesNothing)
{
    setPoints(1000);
    dialogs.answers = {false};
    buy();
    EXPECT_EQ(audio.cues, QStringList{cue("pop.wav")});
    EXPECT_EQ(data->GetPimpPoints(), 1000);
    EXPECT_FALSE(setValue(3, fs::Freigespielt).toBool());
}

TEST_F(GalerieTest, WithNoSetListedNothingCanBeBoughtOrCreated)
{
    setPoints(5000);
    TRecordTable &sets = data->SetsTable;
    sets.SetFilter(QStringLiteral("(Wertung = 4)")); // no set of that rating
    ASSERT_TRUE(sets.IsEmpty());
    EXPECT_FALSE(screen->BuyImage->isVisible());
    EXPECT_FALSE(screen->BilderImage->isVisible());
    EXPECT_FALSE(screen->Image1->isVisible());
    EXPECT_TRUE(screen->Label8->text().isEmpty());

    screen->BuyImageClick();
    screen->BilderImageClick();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(data->GetPimpPoints(), 5000);
    sets.SetFiltered(false);
    EXPECT_EQ(sets.RecordCount(), 4) << "no set was made";
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("galerie"));
}

TEST_F(GalerieTest, PicturesOfTheSetAndBackKeepTheListWhileBackOrHomeClearTheFilter)
{
    QTest::keyClick(screen->DBGrid1, Qt::Key_Down);
    QTest::mouseClick(screen->BilderImage, Qt::LeftButton);
    EXPECT_EQ(audio.cues, QStringList{cue("bilder.wav")});
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("bilder"));
    EXPECT_TRUE(data->BilderTable.Filtered());
    EXPECT_EQ(data->BilderTable.RecordCount(), 1) << "the pictures of set 2 only";

    clickControl("BackImage");
    screen = qobject_cast<TGalerieFrame *>(browse->CurrentScreen());
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(data->BilderTable.Filtered());
    EXPECT_EQ(screen->DBText1->text(), QStringLiteral("Zwei")) << "the chosen set stays";
    EXPECT_EQ(screen->DBGrid1->currentIndex().row(), 1);
    EXPECT_EQ(data->SetsTable.RecordCount(), 3) << "the filter stays";

    clickControl("BackImage");
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("betreutes"));
    EXPECT_FALSE(data->SetsTable.Filtered());
    EXPECT_EQ(data->SetsTable.RecordCount(), 4);

    data->SetsTable.SetFilter(QStringLiteral("(Freispielbar)"));
    data->SetsTable.SetFiltered(true);
    showGallery();
    clickControl("HomeImage");
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
    EXPECT_FALSE(data->SetsTable.Filtered());
    EXPECT_TRUE(data->SetsTable.Filter().isEmpty());
}

TEST_F(GalerieTest, TheWebPictureOpensTheSetsPage)
{
    QTest::mouseClick(screen->NeueGirlsImage, Qt::LeftButton);
    EXPECT_EQ(documents.opened, QStringList{QStringLiteral("http://sets.example/")});
}

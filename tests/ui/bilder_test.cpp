#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/show_picture_form.h"
#include "controls/wertung_frame.h"
#include "pictures/picture_teaser.h"
#include "ui/support/sets_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace fs = fields::sets;
namespace fb = fields::bilder;

namespace {

class BilderTest : public SetsFixture
{
protected:
    // The set "Drei", bought in the gallery first when asked.
    void showDrei(bool boughtInGallery)
    {
        if (boughtInGallery) {
            setPoints(400);
            TGalerieFrame *gallery = showGallery();
            ASSERT_NE(gallery, nullptr);
            QTest::mouseClick(gallery->BuyImage, Qt::LeftButton);
            ASSERT_TRUE(setValue(3, fs::Freigespielt).toBool());
        }
        screen = showPictures("Drei");
        ASSERT_NE(screen, nullptr);
        audio.cues.clear();
        dialogs.questions.clear();
    }

    QVariant pictureValue(int id, QLatin1String field) const
    {
        const TRecordTable &pictures = data->BilderTable;
        const QVariantList ids = pictures.AllValues(pictures.FieldIndex(fb::ID));
        const qsizetype at = ids.indexOf(QVariant(id));
        return at < 0 ? QVariant() : pictures.AllValues(pictures.FieldIndex(field)).at(at);
    }

    void next() { QTest::keyClick(screen->DBGrid1, Qt::Key_Down); }
    void buy() { QTest::mouseClick(screen->BuyImage, Qt::LeftButton); }

    TBilderFrame *screen = nullptr;
};

} // namespace

TEST_F(BilderTest, ALockedPictureOfALockedSetShowsOnlyThroughTheQuestionMark)
{
    showDrei(false);
    EXPECT_EQ(screen->DBGrid1->model()->rowCount(), 3);
    EXPECT_EQ(screen->DBText1->text(), QStringLiteral("Drei"));
    EXPECT_TRUE(screen->BuyImage->isVisible());
    EXPECT_EQ(screen->Label8->text(), QStringLiteral("82 Points")) << "rating 4 at place 1";
    EXPECT_EQ(litStars(*screen->WertungFrame1), 4);

    const TBitmap &shown = screen->Image1->bitmap();
    ASSERT_EQ(shown.width(), TBilderFrame::kBoxWidth);
    ASSERT_EQ(shown.height(), TBilderFrame::kBoxHeight);
    const TBitmap picture = LoadSetPicture(programPath(QStringLiteral("db/sets/tall.img")));
    // The mask's square 20 ... 59, 10 ... 49, moved by 40, 20: the picture unscaled shows there only.
    for (int y = 0; y < shown.height(); y += 3)
        for (int x = 0; x < shown.width(); x += 3) {
            const bool inside = x >= 60 && x < 100 && y >= 30 && y < 70;
            ASSERT_EQ(shown.pixelColor(x, y), inside ? picture.pixelColor(x, y) : TRgb{}) << x << "," << y;
        }
}

TEST_F(BilderTest, PicturesOfABoughtSetAreFittedIntoTheBoxAndCentred)
{
    showDrei(true);
    EXPECT_FALSE(screen->BuyImage->isVisible());
    EXPECT_FALSE(pictureValue(11, fb::Freigespielt).toBool()) << "its own flag stays";
    EXPECT_EQ(screen->Image1->pictureSize(), QSize(366, 488)) << "300 x 400 enlarged";
    EXPECT_EQ(screen->Image1->shownRect(), QRect(0, 12, 366, 488));
    next();
    EXPECT_EQ(screen->Image1->pictureSize(), QSize(366, 274)) << "1200 x 900 reduced";
    EXPECT_EQ(screen->Label8->text(), QStringLiteral("24 Points")) << "rating 1 at place 2";
    // A file that is no JPEG picture shows as the blank picture, and nothing is reported.
    next();
    EXPECT_EQ(screen->Image1->pictureSize(), QSize(366, 366));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(BilderTest, BuyingAPictureNeedsItsPriceAndTheLastOneUnlocksTheSet)
{
    showDrei(false);
    setPoints(81);
    buy();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Wollen Sie wirklich 82 PimpPoints ausgeben?")});
    EXPECT_EQ(dialogs.informations, QStringList{QStringLiteral("Das können Sie sich nicht leisten!")});
    EXPECT_EQ(audio.cues, (QStringList{cue("pop.wav"), cue("zuteuer.wav")}));
    EXPECT_FALSE(pictureValue(11, fb::Freigespielt).toBool());
    EXPECT_EQ(data->GetPimpPoints(), 81);

    setPoints(82);
    audio.cues.clear();
    buy();
    EXPECT_EQ(audio.cues, (QStringList{cue("pop.wav"), cue("gekauft.wav")}));
    EXPECT_EQ(data->GetPimpPoints(), 0);
    EXPECT_EQ(screen->PPLabel->text(), QStringLiteral("0"));
    EXPECT_TRUE(pictureValue(11, fb::Freigespielt).toBool());
    EXPECT_FALSE(screen->BuyImage->isVisible());
    EXPECT_EQ(screen->Image1->pictureSize(), QSize(366, 488)) << "the picture itself now";
    EXPECT_FALSE(setValue(3, fs::Freigespielt).toBool()) << "two pictures are still locked";

    // "Zwei" has one picture: buying it unlocks the set, and the gallery shows the mark.
    clickControl("BackImage");
    TGalerieFrame *gallery = qobject_cast<TGalerieFrame *>(browse->CurrentScreen());
    ASSERT_NE(gallery, nullptr);
    screen = showPictures("Zwei");
    ASSERT_NE(screen, nullptr);
    setPoints(44);
    buy();
    EXPECT_EQ(data->GetPimpPoints(), 0);
    EXPECT_TRUE(setValue(2, fs::Freigespielt).toBool());
    QTest::mouseClick(screen->BackImage, Qt::LeftButton);
    gallery = qobject_cast<TGalerieFrame *>(browse->CurrentScreen());
    ASSERT_NE(gallery, nullptr);
    EXPECT_EQ(gallery->DBText1->text(), QStringLiteral("Zwei"));
    EXPECT_TRUE(gallery->Image1->isVisible());
    EXPECT_FALSE(gallery->BuyImage->isVisible());
}

TEST_F(BilderTest, FullSizeShowsAViewablePictureWholeAndALockedOneNotAtAll)
{
    showDrei(false);
    QSize opened;
    auto watchForWindow = [&opened] {
        QTimer::singleShot(0, [&opened] {
            if (auto *form = qobject_cast<TShowPictureForm *>(QApplication::activeModalWidget())) {
                opened = form->Image1->pictureSize();
                form->close();
            }
        });
    };
    watchForWindow();
    QTest::mouseClick(screen->VollbildButton, Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(dialogs.informations, QStringList{TBilderFrame::LockedMessage()});
    EXPECT_EQ(TBilderFrame::LockedMessage(),
              QStringLiteral("Dieses Bild kann erst angesehen werden, wenn es freigepimpt \r\nwurde!"));
    EXPECT_FALSE(opened.isValid()) << "no window for a locked picture";

    setPoints(82);
    buy();
    watchForWindow();
    QTest::mouseClick(screen->VollbildButton, Qt::LeftButton);
    EXPECT_EQ(opened, QSize(300, 400)) << "the whole picture at its own size";
    EXPECT_EQ(dialogs.informations.size(), 1);
}

TEST_F(BilderTest, ASetWithoutPicturesOffersNothingToBuyAndCreatesNothing)
{
    setPoints(5000);
    screen = showPictures("Leer");
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->BuyImage->isVisible());
    EXPECT_FALSE(screen->VollbildButton->isVisible());
    EXPECT_TRUE(screen->Label8->text().isEmpty());
    screen->BuyImageClick();
    screen->VollbildButtonClick();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.informations.isEmpty());
    EXPECT_EQ(data->GetPimpPoints(), 5000);
    EXPECT_FALSE(setValue(1, fs::Freigespielt).toBool());

    clickControl("HomeImage");
    EXPECT_FALSE(data->BilderTable.Filtered()) << "every way out lifts the restriction";
    EXPECT_EQ(data->BilderTable.RecordCount(), 4) << "no picture was made";
}

#include "controls/picture_box.h"
#include "controls/wertung_frame.h"
#include "core/velmora_error.h"
#include "ui/support/skin_fixture.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kLit(250, 200, 20);
const QColor kUnlit(120, 120, 120);

class WertungTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WriteTestBitmap(dir.filePath(QStringLiteral("star.bmp")), QSize(31, 36), kLit);
        WriteTestBitmap(dir.filePath(QStringLiteral("star_deaktiviert.bmp")), QSize(31, 36), kUnlit);
        frame = std::make_unique<TWertungFrame>(dir.path(), nullptr);
        frame->show();
    }

    // The colours of the five stars as drawn, as "L" (lit) and "-" (unlit), rank 1 first.
    std::string stars() const
    {
        std::string shown;
        const QImage image = frame->grab().toImage();
        for (int rank = 1; rank <= TWertungFrame::kStarCount; ++rank) {
            const QColor colour = image.pixelColor(frame->Star(rank)->geometry().center());
            shown += colour == kLit ? 'L' : colour == kUnlit ? '-' : '?';
        }
        return shown;
    }

    void click(int rank) { QTest::mouseClick(frame->Star(rank), Qt::LeftButton); }

    QTemporaryDir dir;
    std::unique_ptr<TWertungFrame> frame;
};

} // namespace

TEST_F(WertungTest, SetValueLightsTheStarsUpToTheRatingWithoutTellingTheOwner)
{
    int calls = 0;
    frame->ReadOnly = false;
    frame->OnValueChange = [&calls](TWertungFrame &) { ++calls; };
    EXPECT_EQ(stars(), "-----");
    frame->SetValue(3);
    EXPECT_EQ(stars(), "LLL--");
    EXPECT_EQ(frame->Value, 3);
    frame->SetValue(7);
    EXPECT_EQ(stars(), "LLLLL");
    frame->SetValue(-1);
    EXPECT_EQ(stars(), "-----");
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(frame->width(), 173);
    EXPECT_EQ(frame->height(), 37);
}

TEST_F(WertungTest, AReadOnlyControlIgnoresClicks)
{
    int calls = 0;
    frame->OnValueChange = [&calls](TWertungFrame &) { ++calls; };
    frame->SetValue(2);
    for (int rank = 1; rank <= 5; ++rank)
        click(rank);
    EXPECT_EQ(stars(), "LL---");
    EXPECT_EQ(frame->Value, 2);
    EXPECT_EQ(calls, 0);
}

TEST_F(WertungTest, AClickSetsTheRatingTellsTheOwnerEachTimeAndOutlastsItsRedraw)
{
    std::vector<int> told;
    frame->ReadOnly = false;
    frame->SetValue(2);
    frame->OnValueChange = [&told](TWertungFrame &sender) {
        told.push_back(sender.Value);
        sender.SetValue(1); // the owner redraws from other data
    };
    click(5);
    EXPECT_EQ(stars(), "LLLLL");
    EXPECT_EQ(frame->Value, 5);
    click(5);
    EXPECT_EQ(told, (std::vector<int>{5, 5}));
    click(1);
    EXPECT_EQ(stars(), "L----");
}

TEST_F(WertungTest, ResetStarsShowsFiveUnlitStarsAndKeepsTheRating)
{
    frame->SetValue(4);
    frame->ResetStars();
    EXPECT_EQ(stars(), "-----");
    EXPECT_EQ(frame->Value, 4);
}

TEST(Wertung, AMissingStarPictureStopsTheCreation)
{
    QTemporaryDir dir;
    WriteTestBitmap(dir.filePath(QStringLiteral("star.bmp")), QSize(31, 36), kLit);
    EXPECT_THROW(TWertungFrame(dir.path(), nullptr), VelmoraError);
}

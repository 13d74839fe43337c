#include "controls/gradient_panel.h"
#include "controls/questionnaire_tile.h"
#include "core/stored_user_values.h"
#include "core/velmora_error.h"
#include "layout/betreutes.h"
#include "ui/support/learning_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace {

class BetreutesTest : public LearningFixture
{
protected:
    TBetreutesFrame *openPanel()
    {
        auto *screen = show<TBetreutesFrame>("betreutes");
        EXPECT_NE(screen, nullptr);
        if (screen)
            screen->FragebogenShapeClick();
        return screen;
    }

    static QPoint inPanel(const TBetreutesFrame &screen, const QWidget *tile)
    {
        return tile->mapTo(screen.FrageboegenPanel, QPoint(0, 0));
    }
};

} // namespace

TEST_F(BetreutesTest, TilesShowTheirCountersAsStatusLightsInTableOrder)
{
    // (F, B, D) of the design's examples, the last rule that applies winning.
    struct Case { int f, b, d; QColor colour; };
    const QList<Case> cases{{0, 0, 0, Qt::white},          {0, 0, 1, QColor(0xFF, 0, 0)},
                            {0, 1, 1, QColor(0xFF, 0xFF, 0)}, {1, 0, 0, QColor(0, 0x80, 0)},
                            {0, 0, 2, QColor(0xFF, 0, 0)},    {2, 0, 5, QColor(0, 0x80, 0)}};
    for (int i = 0; i < cases.size(); ++i)
        addQuestionnaire(100 + i, "B", 6 - i, cases[i].d, cases[i].b, cases[i].f);
    addQuestionnaire(200, "C", 1);
    TBetreutesFrame *screen = openPanel();
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->FrageboegenPanel->isHidden());
    ASSERT_EQ(screen->Tiles().size(), cases.size());
    for (int i = 0; i < cases.size(); ++i) {
        const TQuestionnaireTile *tile = screen->Tiles()[i];
        EXPECT_EQ(tile->QuestionnaireID(), 100 + i);
        EXPECT_EQ(tile->StatusColour(), cases[i].colour) << i;
        EXPECT_EQ(inPanel(*screen, tile), QPoint(15 + 49 * i, 70));
    }
    // The walk leaves every questionnaire visible again.
    EXPECT_EQ(data->FrageboegenTable.Filter(), QString());
    EXPECT_EQ(data->FrageboegenTable.RecordCount(), 7);
    screen->ClosePanelButton->click();
    EXPECT_TRUE(screen->FrageboegenPanel->isHidden());
}

TEST_F(BetreutesTest, RowsHoldFifteenTilesAndThePanelScrollsToRowsBeyondItsHeight)
{
    for (int n = 1; n <= 16; ++n)
        addQuestionnaire(n, "B", n);
    for (int n = 1; n <= 61; ++n)
        addQuestionnaire(100 + n, "C", n);
    TBetreutesFrame *screen = openPanel();
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->Tiles().size(), 16);
    EXPECT_EQ(inPanel(*screen, screen->Tiles()[14]), QPoint(701, 70));
    EXPECT_EQ(inPanel(*screen, screen->Tiles()[15]), QPoint(15, 122));
    EXPECT_EQ(screen->TileScroller->verticalScrollBar()->maximum(), 0) << "two rows fit";

    screen->KlasseBox->setCurrentText(QStringLiteral("C"));
    ASSERT_EQ(screen->Tiles().size(), 61);
    // Row 5 and the 61st tile in row 5 lie below the panel's edge until scrolled to.
    TQuestionnaireTile *last = screen->Tiles().last();
    EXPECT_EQ(inPanel(*screen, last), QPoint(15, 70 + 4 * 52));
    QScrollBar *bar = screen->TileScroller->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    screen->TileScroller->ensureWidgetVisible(last, 0, 0);
    const QRect shown = QRect(last->mapTo(screen->FrageboegenPanel, QPoint(0, 0)), last->size());
    EXPECT_TRUE(screen->FrageboegenPanel->rect().contains(shown)) << shown.top();
    EXPECT_GT(bar->value(), 0);
}

TEST_F(BetreutesTest, TheClassBoxShowsTheClassInForceAndAChoiceRebuildsAnOpenPanel)
{
    addQuestionnaire(1, "B", 1);
    addQuestionnaire(2, "B", 2);
    addQuestionnaire(3, "MO", 1);
    data->CurrentClass = QStringLiteral("MO");
    auto *screen = show<TBetreutesFrame>("betreutes");
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->KlasseBox->isEditable());
    EXPECT_EQ(screen->KlasseBox->count(), 13);
    EXPECT_EQ(screen->KlasseBox->currentText(), QStringLiteral("MO"));
    EXPECT_TRUE(screen->FrageboegenPanel->isHidden());

    screen->KlasseBox->setCurrentText(QStringLiteral("B"));
    EXPECT_EQ(data->CurrentClass, QStringLiteral("B"));
    TStoredUserValues stored(programPath(QStringLiteral("velmora")));
    stored.Restore();
    EXPECT_EQ(stored.licenceClass, QStringLiteral("B")) << "the choice is stored at once";
    EXPECT_TRUE(screen->Tiles().isEmpty()) << "a closed panel is not built";
    screen->FragebogenShapeClick();
    ASSERT_EQ(screen->Tiles().size(), 2);
    const QPointer<TQuestionnaireTile> old = screen->Tiles().first();
    screen->KlasseBox->setCurrentText(QStringLiteral("MO"));
    ASSERT_EQ(screen->Tiles().size(), 1);
    EXPECT_EQ(screen->Tiles().first()->QuestionnaireID(), 3);
    EXPECT_TRUE(old.isNull());
    // The panel's own controls are no tiles and stay.
    EXPECT_FALSE(screen->Label2->isHidden());
    screen->KlasseBox->setCurrentText(QStringLiteral("L"));
    EXPECT_TRUE(screen->Tiles().isEmpty());
    EXPECT_FALSE(screen->FrageboegenPanel->isHidden());
}

TEST_F(BetreutesTest, TilesTheShortTestAndTheRandomChoiceStartATestAndPauseTheMusic)
{
    addQuestionnaire(7, "B", 1);
    TBetreutesFrame *screen = openPanel();
    ASSERT_NE(screen, nullptr);
    const QString pop = cue("POP.wav");
    int stopsBefore = stops();
    clickAt(screen->Tiles().first()->ClickArea());
    ASSERT_TRUE(WaitFor([this] { return browse->CurrentScreenName() == u"frage"; }, 2000));
    EXPECT_EQ(audio.cues.last(), pop);
    EXPECT_EQ(data->TestKind, testkind::Questionnaire);
    EXPECT_EQ(data->TestTable.RecordCount(), 2);
    EXPECT_GT(stops(), stopsBefore);

    screen = show<TBetreutesFrame>("betreutes");
    const qsizetype cuesBefore = audio.cues.size();
    stopsBefore = stops();
    screen->FragebogenShapeClick();
    screen->RandomQuestionnaireButton->click();
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("frage"));
    EXPECT_EQ(audio.cues.size(), cuesBefore) << "the random choice plays no sound";
    EXPECT_GT(stops(), stopsBefore);
    EXPECT_EQ(data->TestTable.RecordCount(), 2);

    screen = show<TBetreutesFrame>("betreutes");
    data->TestKind = testkind::Questionnaire;
    draws.value = 1; // every question reached is taken
    screen->ZweiFragenShapeClick();
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("frage"));
    EXPECT_EQ(audio.cues.last(), pop);
    EXPECT_EQ(data->TestKind, testkind::ShortTest);
    EXPECT_EQ(data->TestTable.RecordCount(), 2);
}

TEST_F(BetreutesTest, AGalleryThatCannotBeShownLeavesTheSetsTableAsItWas)
{
    addSet(1, "Anna", 1, false);
    addSet(2, "Berta", 1, true);
    auto *screen = show<TBetreutesFrame>("betreutes");
    ASSERT_NE(screen, nullptr);
    // This program folder has no gallery pictures in its skin.
    try {
        screen->freigespielteShapeClick();
        FAIL() << "no error";
    } catch (const VelmoraError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("GUI_galerie.bmp"))) << error.message().toStdString();
    }
    EXPECT_EQ(audio.cues.last(), cue("POP.wav"));
    EXPECT_EQ(data->SetsTable.Filter(), QString());
    EXPECT_EQ(data->SetsTable.RecordCount(), 2);
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
}

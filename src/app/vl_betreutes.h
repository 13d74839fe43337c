#pragma once

#include "screen/vl_model.h"

#include <QList>
#include <QPointer>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class TClickShape;
class TGradientPanel;
class TPictureBox;
class TQuestionnaireTile;

// The learning menu "betreutes", the hub of the exam: the points total, the class in force, a short
// test of two questions, the panel of the class's questionnaires (each a tile with its counters and
// status light, plus a random choice) and the way to the gallery.
class TBetreutesFrame : public TModelFrame
{
    Q_OBJECT
public:
    TBetreutesFrame(IScreenContext &context, QWidget *parent);

    bool ForwardAvailable() override { return false; }
    void BackAction() override;
    void OnCreation() override;
    void OnShow() override;

    // Rebuilds the tiles of the panel for the class in force, in table order.
    void ShowQuestionnaires();
    // A tile of the panel, not yet placed.
    TQuestionnaireTile *CreateQuestionnaireTile(int nummer, int questionnaireId, int durchgefallen, int bestanden,
                                                int fehlerlos);
    const QList<QPointer<TQuestionnaireTile>> &Tiles() const { return m_tiles; }

    TPictureBox *Image1;
    QLabel *PPLabel;
    QFrame *Shape1;
    QLabel *Label1;
    QComboBox *KlasseBox;
    TClickShape *ZweiFragenShape, *FragebogenShape, *freigespielteShape;
    TGradientPanel *FrageboegenPanel;
    QLabel *Label2;
    QPushButton *RandomQuestionnaireButton;
    QPushButton *ClosePanelButton;
    // The tiles lie in a grid that scrolls when they need more rows than the panel shows.
    QScrollArea *TileScroller;
    QWidget *TileGrid;

    // --- actions of the controls ---
    void KlasseBoxChange();
    void ZweiFragenShapeClick();
    void FragebogenShapeClick();
    void TileClick(int questionnaireId);
    void RandomQuestionnaireButtonClick();
    void freigespielteShapeClick();

private:
    // Switches to the question screen for the test just built; the music pauses while it is taken.
    void StartTest();

    QList<QPointer<TQuestionnaireTile>> m_tiles;
};

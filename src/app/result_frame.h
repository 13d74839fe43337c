#pragma once

#include "screen/vl_model.h"

class QLabel;
class TPictureBox;
struct TLayoutRect;

// What the fail and the pass screen share: the background, the four bare numbers of the last
// evaluation (wrong answers, error points, points booked, new total), another test of the same kind,
// the review with the solutions and the ways back, which resume the music paused for the test.
class TResultFrame : public TModelFrame
{
    Q_OBJECT
public:
    struct Places
    {
        const TLayoutRect &image, &fehler, &fehlerpunkte, &pimpPoints, &pimpPointsGes;
    };
    TResultFrame(IScreenContext &context, QWidget *parent, const Places &places);

    bool ForwardAvailable() override { return false; }
    void BackAction() override;
    void HomeAction() override;
    void OnShow() override;

    // Fills the numbers from the result of the last evaluation.
    virtual void ShowResult();

    // The points booked as shown: "+" before 0 and more ("+0", "+60"), a bare minus otherwise.
    static QString SignedPoints(int points);

    TPictureBox *Image1;
    QLabel *FehlerLabel, *FehlerpunkteLabel, *PimpPointsLabel, *PimpPointsgesLabel;

protected:
    // Another test of the kind just taken: the weak-question test of two or a drawn questionnaire.
    void StartAnotherTest();
    // The test just evaluated, with its solutions, on the question screen with the overview over it.
    void StartReview();
};

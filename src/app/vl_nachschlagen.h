#pragma once

#include "screen/vl_model.h"

class QComboBox;
class TClickShape;
class TPictureBox;

// The look-up screen: a class and one of its questionnaires, shown with their solutions on the
// question screen or printed as a solution sheet. It keeps its own class choice: the class in force
// is never changed here.
class TNachschlagenFrame : public TModelFrame
{
    Q_OBJECT
public:
    TNachschlagenFrame(IScreenContext &context, QWidget *parent);

    bool ForwardAvailable() override { return false; }
    void BackAction() override;
    void OnCreation() override;
    void OnShow() override;

    TPictureBox *Image1;
    QComboBox *KlasseBox;
    QComboBox *FragebogenComboBox;
    TClickShape *FragebogenShape;
    TClickShape *DruckenShape;

    // --- actions of the controls ---
    // Fills the number box with the chosen class's questionnaires, in table order.
    void KlasseBoxChange();
    void FragebogenShapeClick();
    void DruckenShapeClick();

private:
    // The ID of the questionnaire of the chosen class and number; -1 when none matches.
    int ChosenQuestionnaireId() const;
};

#pragma once

#include "screen/vl_model.h"

class TClickShape;
class TPictureBox;

// The welcome screen, the home of the program: its picture and three invisible click ellipses that
// lead to the learning menu, the look-up screen and the settings screen.
class TWelcomeFrame : public TModelFrame
{
    Q_OBJECT
public:
    TWelcomeFrame(IScreenContext &context, QWidget *parent);

    bool ForwardAvailable() override { return false; }
    bool BackAvailable() override { return false; }
    void OnCreation() override;

    TPictureBox *Image1;
    TClickShape *BetreutesShape;
    TClickShape *NachschlagenShape;
    TClickShape *EinstellungenShape;

private:
    void Go(const char *cueKey, const char *screenName);
};

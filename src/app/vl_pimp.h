#pragma once

#include "app/result_frame.h"

class QPlainTextEdit;
class TClickShape;
class TLinkLabel;

// The pass screen "pimp": the result of a passed test with a teaser (a set picture and a text about
// its girl, the same again after a review), the note when the user is ready for the exam, the review
// and another test.
class TPimpFrame : public TResultFrame
{
    Q_OBJECT
public:
    TPimpFrame(IScreenContext &context, QWidget *parent);

    void OnCreation() override;
    void ShowResult() override;
    // Shows the teaser of the picture BilderTable stands on, kept or drawn anew. A picture that is
    // missing or no JPEG shows nothing; the rest of the screen does not depend on it.
    void ShowTeaser();

    TPictureBox *ContentPicture;
    TPictureBox *PimpschriftImage;
    QLabel *BereitLabel;
    QPlainTextEdit *GirlMemo;
    TLinkLabel *Label4;
    TClickShape *TestShape;
};

#pragma once

#include "pictures/bitmap.h"
#include "screen/vl_model.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TPictureBox;
class TPictureButton;
class TPictureSwitch;
class TUebersichtForm;

// The question screen "frage": one question of the running test at a time, with the user's ticks
// or typed number, moving back and forward through the test, the answer overview, the enlarged
// picture, and the end of the test by cancelling or evaluating. The same screen answers a test
// (ViewMode 0), reviews an evaluated test with its solutions (1) and looks a questionnaire up (2);
// in the last two the user's answers are shown read-only.
class TFrageFrame : public TModelFrame
{
    Q_OBJECT
public:
    TFrageFrame(IScreenContext &context, QWidget *parent);

    // Shows the question with this ID in the given view mode.
    void ShowQuestion(int frageId, int mode);
    // Shows the first question of the running test; an empty test leaves only cancel, home and exit.
    void ShowFirstQuestion(int mode);
    // Writes the answer on screen into the test record of the question shown; nothing when the
    // question has no record in the test.
    void SaveAnswer();
    // Places the answer overview over the screen's overview area and shows it, its list refreshed.
    void ShowOverview();

    int CurrentFrageID() const { return m_currentFrageId; }
    const TBitmap &BigImage() const { return m_bigImage; }

    bool BackAvailable() override;
    bool ForwardAvailable() override;
    void BackAction() override;
    void ForwardAction() override;
    void HomeAction() override;
    void OnCreation() override;
    void OnLeave() override;

    QFrame *HeaderBar;
    QLabel *Label3, *FrageNrLabel, *Label5, *FragenCountLabel;
    QLabel *Label1, *KlasseLabel;
    QLabel *Label6, *FehlerpunkteLabel;
    QPlainTextEdit *FrageMemo;
    QPlainTextEdit *Antwort1Memo, *Antwort2Memo, *Antwort3Memo;
    TPictureSwitch *Antwort1checkbox, *Antwort2checkbox, *Antwort3checkbox;
    QCheckBox *Kreuz1checkbox, *Kreuz2checkbox, *Kreuz3checkbox;
    QFrame *AntwortPanel;
    QPlainTextEdit *DirektMemo1;
    QLineEdit *AntwortEdit;
    QPlainTextEdit *DirektMemo2;
    QLabel *DirektLabel;
    TPictureBox *Image;
    QPushButton *VergroessernButton;
    QWidget *OverviewArea;
    TPictureButton *AbbrechenImage, *AuswertenImage, *UebersichtImage, *BackImage, *ForwardImage;
    TPictureButton *BackToResultsImage, *AuswahlImage;

    // The cancel question (its wording is the program's own, "Text" included).
    static QString CancelQuestion();
    // The question of the home action.
    static QString HomeQuestion();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Step(bool forward);
    // Hides a step button on the question at that end of the test (and on an empty test).
    void ShowStepUnlessAtEnd(TPictureButton &button, bool lastEnd);
    void ShowPicture(const QString &pictureName);
    // The answer texts as the catalogue holds them (CR LF counts as two characters).
    void ShowAnswerRows(bool choice, const QString (&texts)[3], int mode);
    void ShowButtonsOf(int mode);
    void HideOverview();
    TUebersichtForm *Overview() const;

    void AbbrechenClick();
    void AuswertenClick();
    void UebersichtClick();
    void AuswahlClick();
    void BackToResultsClick();
    void VergroessernClick();

    int m_currentFrageId = -1;
    TBitmap m_bigImage;
    TBitmap m_fitted;
};

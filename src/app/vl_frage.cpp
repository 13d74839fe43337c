#include "app/vl_frage.h"

#include "app/vl_frage_bild.h"
#include "app/vl_uebersicht_small.h"
#include "controls/bitmap_image.h"
#include "controls/layout_fonts.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/picture_switch.h"
#include "core/ports.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "exam/next_token.h"
#include "layout/frage.h"
#include "pictures/jpeg_decoder.h"
#include "pictures/scaling.h"
#include "screen/layout_geometry.h"
#include "screen/screen_context.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace F = layout::frage;

namespace {

// The screen's background: the system's tooltip yellow; the header line is cream.
const QColor kScreenColour(255, 255, 225);
const QColor kHeaderColour(255, 251, 240);

void Paint(QWidget &widget, const QColor &colour)
{
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget.setPalette(palette);
}

QLabel *MakeLabel(QWidget *parent, const TLayoutRect &place, const QString &text, const QFont &font)
{
    auto *label = Placed(new QLabel(text, parent), place);
    label->setFont(font);
    return label;
}

QPlainTextEdit *MakeMemo(QWidget *parent, const TLayoutRect &place, bool border)
{
    auto *memo = Placed(new QPlainTextEdit(parent), place);
    memo->setReadOnly(true);
    memo->setFont(LayoutFont(12, TFontStyle::Bold));
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Paint(*memo->viewport(), kScreenColour);
    Paint(*memo, kScreenColour);
    return memo;
}

// Texts of the tables carry CR LF line breaks; the memo shows them as lines.
void SetMemoText(QPlainTextEdit &memo, const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memo.setPlainText(shown);
}

QCheckBox *MakeMark(QWidget *parent, const TLayoutRect &place)
{
    auto *mark = Placed(new QCheckBox(parent), place);
    mark->setEnabled(false);
    mark->hide();
    return mark;
}

TPictureButton *MakeButton(QWidget *parent, const TLayoutRect &place, const QString &meaning)
{
    auto *button = Placed(new TPictureButton(parent), place);
    MakeKeyboardTriggerable(*button, meaning);
    return button;
}

} // namespace

TFrageFrame::TFrageFrame(IScreenContext &context, QWidget *parent)
    : TModelFrame(context, parent),
      HeaderBar(Placed(new QFrame(this), F::HeaderBar)),
      Label3(MakeLabel(this, F::Label3, QStringLiteral("Frage:"), LayoutFont(8))),
      FrageNrLabel(MakeLabel(this, F::FrageNrLabel, QString(), LayoutFont(8))),
      Label5(MakeLabel(this, F::Label5, QStringLiteral("von"), LayoutFont(8))),
      FragenCountLabel(MakeLabel(this, F::FragenCountLabel, QString(), LayoutFont(8))),
      Label1(MakeLabel(this, F::Label1, QStringLiteral("Klasse:"), LayoutFont(8))),
      KlasseLabel(MakeLabel(this, F::KlasseLabel, QString(), LayoutFont(8))),
      Label6(MakeLabel(this, F::Label6, QStringLiteral("Fehlerpunkte:"), LayoutFont(12, TFontStyle::Bold))),
      FehlerpunkteLabel(MakeLabel(this, F::FehlerpunkteLabel, QString(), LayoutFont(12, TFontStyle::Bold))),
      FrageMemo(MakeMemo(this, F::FrageMemo, false)),
      Antwort1Memo(MakeMemo(this, F::Antwort1Memo, true)),
      Antwort2Memo(MakeMemo(this, F::Antwort2Memo, true)),
      Antwort3Memo(MakeMemo(this, F::Antwort3Memo, true)),
      Antwort1checkbox(Placed(new TPictureSwitch(this), F::Antwort1checkbox)),
      Antwort2checkbox(Placed(new TPictureSwitch(this), F::Antwort2checkbox)),
      Antwort3checkbox(Placed(new TPictureSwitch(this), F::Antwort3checkbox)),
      Kreuz1checkbox(MakeMark(this, F::Kreuz1checkbox)),
      Kreuz2checkbox(MakeMark(this, F::Kreuz2checkbox)),
      Kreuz3checkbox(MakeMark(this, F::Kreuz3checkbox)),
      AntwortPanel(Placed(new QFrame(this), F::AntwortPanel)),
      DirektMemo1(MakeMemo(AntwortPanel, F::DirektMemo1, false)),
      AntwortEdit(Placed(new QLineEdit(AntwortPanel), F::AntwortEdit)),
      DirektMemo2(MakeMemo(AntwortPanel, F::DirektMemo2, false)),
      DirektLabel(MakeLabel(AntwortPanel, F::DirektLabel, QString(), LayoutFont(12, TFontStyle::Bold))),
      Image(Placed(new TPictureBox(this), F::Image)),
      VergroessernButton(Placed(new QPushButton(QStringLiteral("Vergrößern"), this), F::VergroessernButton)),
      OverviewArea(Placed(new QWidget(this), F::OverviewArea)),
      AbbrechenImage(MakeButton(this, F::AbbrechenImage, QStringLiteral("Abbrechen"))),
      AuswertenImage(MakeButton(this, F::AuswertenImage, QStringLiteral("Auswerten"))),
      UebersichtImage(MakeButton(this, F::UebersichtImage, QStringLiteral("Übersicht"))),
      BackImage(MakeButton(this, F::BackImage, QStringLiteral("Vorherige Frage"))),
      ForwardImage(MakeButton(this, F::ForwardImage, QStringLiteral("Nächste Frage"))),
      BackToResultsImage(MakeButton(this, F::BackToResultsImage, QStringLiteral("Zurück zum Ergebnis"))),
      AuswahlImage(MakeButton(this, F::AuswahlImage, QStringLiteral("Zurück zur Auswahl")))
{
    resize(F::kWidth, F::kHeight);
    Paint(*this, kScreenColour);
    Paint(*HeaderBar, kHeaderColour);
    HeaderBar->lower();
    Paint(*AntwortPanel, kScreenColour);
    AntwortPanel->setFrameShape(QFrame::NoFrame);
    AntwortPanel->raise();
    AntwortPanel->hide();
    AntwortEdit->setFont(LayoutFont(12));
    AntwortEdit->setMaxLength(32767);
    DirektLabel->hide();
    FehlerpunkteLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Image->hide();
    VergroessernButton->hide();
    VergroessernButton->setFont(LayoutFont(8));
    // A click on it leaves the keys with the screen.
    VergroessernButton->setFocusPolicy(Qt::TabFocus);
    OverviewArea->hide();
    // Until a question is shown, only the way out and the overview are offered.
    for (TPictureButton *button : {AuswertenImage, BackImage, ForwardImage, BackToResultsImage, AuswahlImage})
        button->hide();
    // The keys of the screen (1, 2, 3 and the arrows) reach it unless the number entry has them.
    setFocusPolicy(Qt::StrongFocus);

    connect(BackImage, &TPictureButton::clicked, this, [this] {
        PlayCueOf(QStringLiteral("snd_vorherigefrage"));
        BackAction();
    });
    connect(ForwardImage, &TPictureButton::clicked, this, [this] {
        PlayCueOf(QStringLiteral("snd_naechstefrage"));
        ForwardAction();
    });
    connect(AbbrechenImage, &TPictureButton::clicked, this, &TFrageFrame::AbbrechenClick);
    connect(AuswertenImage, &TPictureButton::clicked, this, &TFrageFrame::AuswertenClick);
    connect(UebersichtImage, &TPictureButton::clicked, this, &TFrageFrame::UebersichtClick);
    connect(AuswahlImage, &TPictureButton::clicked, this, &TFrageFrame::AuswahlClick);
    connect(BackToResultsImage, &TPictureButton::clicked, this, &TFrageFrame::BackToResultsClick);
    connect(VergroessernButton, &QPushButton::clicked, this, &TFrageFrame::VergroessernClick);
}

QString TFrageFrame::CancelQuestion()
{
    return QStringLiteral("Wollen Sie den Text wirklich abbrechen? (Alle Angaben gehen \r\nverloren.)");
}

QString TFrageFrame::HomeQuestion()
{
    return QStringLiteral("Wollen Sie den Test wirklich abbrechen? (Alle Angaben gehen \r\nverloren.)");
}

void TFrageFrame::OnCreation()
{
    const QString skin = SkinFolder();
    AbbrechenImage->LoadSkin(skin, QStringLiteral("GUI_Abbrechen.bmp"));
    AuswertenImage->LoadSkin(skin, QStringLiteral("GUI_Auswerten.bmp"));
    UebersichtImage->LoadSkin(skin, QStringLiteral("GUI_Uebersicht.bmp"));
    BackImage->LoadSkin(skin, QStringLiteral("GUI_previousquestion.bmp"));
    ForwardImage->LoadSkin(skin, QStringLiteral("GUI_nextquestion.bmp"));
    BackToResultsImage->LoadSkin(skin, QStringLiteral("GUI_zurueckfrage.bmp"));
    AuswahlImage->LoadSkin(skin, QStringLiteral("GUI_zurueckfrage.bmp"));
    m_currentFrageId = -1;
}

void TFrageFrame::ShowFirstQuestion(int mode)
{
    TMainDataModule &data = *DataModule();
    if (data.TestTable.IsEmpty()) {
        Context().Dialogs().showMessage(QStringLiteral("Keine Fragen ausgewählt!"));
        // Nothing can be answered, stepped through or evaluated: only the ways out stay.
        ShowButtonsOf(mode);
        for (TPictureButton *button : {AuswertenImage, UebersichtImage, BackImage, ForwardImage})
            button->hide();
        Context().UpdateNavigation();
        return;
    }
    data.TestTable.First();
    ShowQuestion(data.TestTable.FieldByName(fields::test::FrageID).AsInteger(), mode);
}

void TFrageFrame::ShowQuestion(int frageId, int mode)
{
    TMainDataModule &data = *DataModule();
    TRecordTable &fragen = data.FragenTable;
    m_currentFrageId = frageId;
    const bool known = fragen.Locate(fields::fragen::ID, frageId);

    // Texts and correct marks; a question the catalogue lacks is named as such and has no answers.
    const QString answers[] = {known ? fragen.FieldByName(fields::fragen::Antwort1).AsString() : QString(),
                               known ? fragen.FieldByName(fields::fragen::Antwort2).AsString() : QString(),
                               known ? fragen.FieldByName(fields::fragen::Antwort3).AsString() : QString()};
    SetMemoText(*FrageMemo, known ? fragen.FieldByName(fields::fragen::Frage).AsString()
                                  : QStringLiteral("Frage nicht gefunden"));
    SetMemoText(*Antwort1Memo, answers[0]);
    SetMemoText(*Antwort2Memo, answers[1]);
    SetMemoText(*Antwort3Memo, answers[2]);
    Kreuz1checkbox->setChecked(known && fragen.FieldByName(fields::fragen::Antwort1kreuz).AsBoolean());
    Kreuz2checkbox->setChecked(known && fragen.FieldByName(fields::fragen::Antwort2kreuz).AsBoolean());
    Kreuz3checkbox->setChecked(known && fragen.FieldByName(fields::fragen::Antwort3kreuz).AsBoolean());

    const bool lookingUp = data.ViewMode == viewmode::LookingUp;
    Label1->setVisible(!lookingUp);
    KlasseLabel->setVisible(!lookingUp);
    if (!lookingUp)
        KlasseLabel->setText(data.CurrentClass);

    FehlerpunkteLabel->setText(known ? fragen.FieldByName(fields::fragen::Fehlerpunkte).AsString() : QString());
    const int questionType = known ? fragen.FieldByName(fields::fragen::Fragetyp).AsInteger() : 0;
    ShowPicture(known ? fragen.FieldByName(fields::fragen::Bild).AsString() : QString());

    if (questionType == 2) {
        int position = 1;
        SetMemoText(*DirektMemo1, NextToken(answers[0], position, QStringLiteral("(Lsg:")));
        const QString solution = NextToken(answers[0], position, QStringLiteral(")"));
        SetMemoText(*DirektMemo2, NextToken(answers[0], position, QString()));
        DirektLabel->setText(QStringLiteral("Lösung: ") + solution);
    }

    TRecordTable &test = data.TestTable;
    if (test.Locate(fields::test::FrageID, frageId)) {
        FrageNrLabel->setText(test.FieldByName(fields::test::NrInTest).AsString());
        FragenCountLabel->setText(QString::number(test.RecordCount()));
        Antwort1checkbox->setChecked(test.FieldByName(fields::test::Antwort1kreuz).AsBoolean());
        Antwort2checkbox->setChecked(test.FieldByName(fields::test::Antwort2kreuz).AsBoolean());
        Antwort3checkbox->setChecked(test.FieldByName(fields::test::Antwort3kreuz).AsBoolean());
        AntwortEdit->setText(test.FieldByName(fields::test::Antwort).AsString());
    } else {
        Context().Dialogs().showMessage(QStringLiteral("Test-Tabelle nicht verfügbar"));
    }

    DirektLabel->setVisible(mode == 1 || mode == 2);
    ShowAnswerRows(known && questionType == 1, answers, mode);
    AntwortPanel->setVisible(known && questionType != 1);
    // A review or a look-up shows the answers that were given; it does not change them.
    const bool editable = mode == 0;
    for (TPictureSwitch *tick : {Antwort1checkbox, Antwort2checkbox, Antwort3checkbox})
        tick->setReadOnly(!editable);
    AntwortEdit->setReadOnly(!editable);
    ShowButtonsOf(mode);
    // The keys stay with the number entry while it is in use; otherwise they come to the screen, never
    // to a button that the focus fell to when a control was hidden.
    if (!(AntwortEdit->hasFocus() && !AntwortPanel->isHidden()))
        setFocus();
    Context().UpdateNavigation();
}

void TFrageFrame::ShowPicture(const QString &pictureName)
{
    // A picture "exists" when it is a regular file; one that cannot be decoded counts as missing.
    const QString path = DataModule()->Folders().dbImg + QLatin1Char('/') + pictureName;
    bool shown = false;
    if (!pictureName.isEmpty() && QFileInfo(path).isFile()) {
        try {
            m_bigImage = DecodeJpegFile(path);
            const TRect fit = FitRect(F::kPictureBoxWidth, F::kPictureBoxHeight, m_bigImage.width(),
                                      m_bigImage.height(), true, true, false);
            ResizeBitmapInto(m_bigImage, m_fitted, fit.width, fit.height, TResizeMode::Cubic);
            Image->setBitmap(m_fitted);
            shown = !m_fitted.isEmpty();
        } catch (const VelmoraError &) {
            shown = false;
        }
    }
    if (!shown) {
        m_bigImage = TBitmap();
        Image->clearPicture();
    }
    Image->setVisible(shown);
    VergroessernButton->setVisible(shown);
}

void TFrageFrame::ShowAnswerRows(bool choice, const QString (&texts)[3], int mode)
{
    QPlainTextEdit *memos[] = {Antwort1Memo, Antwort2Memo, Antwort3Memo};
    TPictureSwitch *ticks[] = {Antwort1checkbox, Antwort2checkbox, Antwort3checkbox};
    QCheckBox *marks[] = {Kreuz1checkbox, Kreuz2checkbox, Kreuz3checkbox};
    for (int k = 0; k < 3; ++k) {
        // Measured on the field's text: a CR LF counts as two characters.
        const bool shown = choice && texts[k].size() >= 2;
        memos[k]->setVisible(shown);
        ticks[k]->setVisible(shown);
        marks[k]->setVisible(shown && (mode == 1 || mode == 2));
    }
}

void TFrageFrame::ShowButtonsOf(int mode)
{
    AuswertenImage->setVisible(mode == 0);
    AbbrechenImage->setVisible(mode == 0);
    BackToResultsImage->setVisible(mode == 1);
    AuswahlImage->setVisible(mode == 2);
}

void TFrageFrame::SaveAnswer()
{
    TRecordTable &test = DataModule()->TestTable;
    // Only the question's own record takes its answer; a question the test lacks writes nothing.
    if (test.IsEmpty() || !test.Locate(fields::test::FrageID, m_currentFrageId))
        return;
    test.Edit();
    test.FieldByName(fields::test::Antwort1kreuz).SetAsBoolean(Antwort1checkbox->isChecked());
    if (!Antwort2checkbox->isHidden())
        test.FieldByName(fields::test::Antwort2kreuz).SetAsBoolean(Antwort2checkbox->isChecked());
    if (!Antwort3checkbox->isHidden())
        test.FieldByName(fields::test::Antwort3kreuz).SetAsBoolean(Antwort3checkbox->isChecked());
    test.FieldByName(fields::test::Antwort).SetAsString(AntwortEdit->text());
    test.Post();
}

bool TFrageFrame::BackAvailable()
{
    ShowStepUnlessAtEnd(*BackImage, false);
    return false;
}

bool TFrageFrame::ForwardAvailable()
{
    ShowStepUnlessAtEnd(*ForwardImage, true);
    return false;
}

void TFrageFrame::ShowStepUnlessAtEnd(TPictureButton &button, bool lastEnd)
{
    // The test's cursor is left on that end; whoever needs a position sets it again.
    TRecordTable &test = DataModule()->TestTable;
    if (test.IsEmpty()) {
        button.hide();
        return;
    }
    if (lastEnd)
        test.Last();
    else
        test.First();
    button.setVisible(test.FieldByName(fields::test::FrageID).AsInteger() != m_currentFrageId);
}

void TFrageFrame::BackAction()
{
    Step(false);
}

void TFrageFrame::ForwardAction()
{
    Step(true);
}

void TFrageFrame::Step(bool forward)
{
    TMainDataModule &data = *DataModule();
    TRecordTable &test = data.TestTable;
    if (test.IsEmpty() || !test.Locate(fields::test::FrageID, m_currentFrageId))
        return;
    SaveAnswer();
    if (forward)
        test.Next();
    else
        test.Prior();
    ShowQuestion(test.FieldByName(fields::test::FrageID).AsInteger(), data.ViewMode);
}

void TFrageFrame::HomeAction()
{
    if (DataModule()->ViewMode != viewmode::LookingUp && !Context().Dialogs().askYesNo(HomeQuestion()))
        return;
    Context().ResumeMusic();
    HideOverview();
    ShowScreen(QStringLiteral("welcome"));
}

void TFrageFrame::OnLeave()
{
    HideOverview();
}

TUebersichtForm *TFrageFrame::Overview() const
{
    return Context().Overview();
}

void TFrageFrame::HideOverview()
{
    if (TUebersichtForm *overview = Overview())
        overview->hide();
}

void TFrageFrame::AbbrechenClick()
{
    PlayCueOf(QStringLiteral("snd_pop"));
    if (!Context().Dialogs().askYesNo(CancelQuestion()))
        return;
    TMainDataModule &data = *DataModule();
    if (data.ViewMode == viewmode::Answering)
        ShowScreen(QStringLiteral("betreutes"));
    HideOverview();
    data.ClearTest();
    Context().ResumeMusic();
}

void TFrageFrame::AuswertenClick()
{
    PlayCueOf(QStringLiteral("snd_pop"));
    TMainDataModule &data = *DataModule();
    const int count = data.TestTable.RecordCount();
    if (count > 9 &&
        !Context().Dialogs().askYesNoWarning(QStringLiteral("Sind Sie sicher, dass Sie alle ") +
                                             QString::number(count) +
                                             QStringLiteral(" Fragen beantwortet haben?")))
        return;
    SaveAnswer();
    HideOverview();
    data.EvaluateTest();
}

void TFrageFrame::UebersichtClick()
{
    PlayCueOf(QStringLiteral("snd_pop"));
    ShowOverview();
}

void TFrageFrame::ShowOverview()
{
    TUebersichtForm *overview = Overview();
    if (!overview)
        return;
    // Showing a tool window need not activate it, so the answer on screen is saved here.
    SaveAnswer();
    overview->ReviewMarks = DataModule()->ViewMode == viewmode::Reviewing;
    overview->move(OverviewArea->mapToGlobal(QPoint(0, 0)));
    overview->resize(OverviewArea->size());
    overview->RefreshList();
    overview->show();
}

void TFrageFrame::AuswahlClick()
{
    PlayCueOf(QStringLiteral("snd_pop"));
    ShowScreen(QStringLiteral("nachschlagen"));
}

void TFrageFrame::BackToResultsClick()
{
    PlayCueOf(QStringLiteral("snd_pop"));
    ShowScreen(DataModule()->LastPassed ? QStringLiteral("pimp") : QStringLiteral("versager"));
}

void TFrageFrame::VergroessernClick()
{
    TFrageBildForm form(this);
    form.SetPicture(m_bigImage);
    form.exec();
}

void TFrageFrame::keyPressEvent(QKeyEvent *event)
{
    TPictureSwitch *ticks[] = {Antwort1checkbox, Antwort2checkbox, Antwort3checkbox};
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key >= Qt::Key_1 && key <= Qt::Key_3) {
            TPictureSwitch *tick = ticks[key - Qt::Key_1];
            if (!tick->isHidden() && !tick->isReadOnly())
                tick->setChecked(!tick->isChecked());
            return;
        }
        TPictureButton *button = key == Qt::Key_Left ? BackImage : key == Qt::Key_Right ? ForwardImage : nullptr;
        if (button) {
            if (!button->isHidden())
                button->clicked();
            return;
        }
    }
    TModelFrame::keyPressEvent(event);
}

#include "app/result_frame.h"

#include "app/vl_frage.h"
#include "controls/layout_fonts.h"
#include "controls/picture_box.h"
#include "data/db_module.h"
#include "screen/layout_geometry.h"
#include "screen/screen_context.h"

#include <QLabel>

namespace {

QLabel *MakeNumber(QWidget *parent, const TLayoutRect &place)
{
    auto *label = Placed(new QLabel(parent), place);
    label->setFont(LayoutFont(12, TFontStyle::Bold));
    return label;
}

} // namespace

TResultFrame::TResultFrame(IScreenContext &context, QWidget *parent, const Places &places)
    : TModelFrame(context, parent),
      Image1(Placed(new TPictureBox(this), places.image)),
      FehlerLabel(MakeNumber(this, places.fehler)),
      FehlerpunkteLabel(MakeNumber(this, places.fehlerpunkte)),
      PimpPointsLabel(MakeNumber(this, places.pimpPoints)),
      PimpPointsgesLabel(MakeNumber(this, places.pimpPointsGes))
{
    Image1->lower();
}

QString TResultFrame::SignedPoints(int points)
{
    return points >= 0 ? QStringLiteral("+") + QString::number(points) : QString::number(points);
}

void TResultFrame::ShowResult()
{
    const TMainDataModule &data = *DataModule();
    FehlerLabel->setText(QString::number(data.LastWrongCount));
    FehlerpunkteLabel->setText(QString::number(data.LastErrorPoints));
    PimpPointsLabel->setText(SignedPoints(data.LastPoints));
    PimpPointsgesLabel->setText(QString::number(data.GetPimpPoints()));
}

void TResultFrame::OnShow()
{
    ShowResult();
}

void TResultFrame::BackAction()
{
    ShowScreen(QStringLiteral("betreutes"));
    Context().ResumeMusic();
}

void TResultFrame::HomeAction()
{
    ShowScreen(QStringLiteral("welcome"));
    Context().ResumeMusic();
}

void TResultFrame::StartAnotherTest()
{
    TMainDataModule &data = *DataModule();
    data.ViewMode = viewmode::Answering;
    // The kind of the test just taken; a questionnaire is drawn anew, never the same one on purpose.
    if (data.TestKind == testkind::Questionnaire)
        data.BuildRandomQuestionnaireTest();
    else
        data.BuildWeakQuestionTest(2);
    // The music stays paused: another test is being taken.
    ShowScreen(QStringLiteral("frage"));
}

void TResultFrame::StartReview()
{
    DataModule()->ViewMode = viewmode::Reviewing;
    IScreenContext &context = Context();
    ShowScreen(QStringLiteral("frage"));
    // This screen is retired now: the overview goes over the new question screen.
    if (auto *frage = qobject_cast<TFrageFrame *>(context.CurrentScreen()))
        frage->ShowOverview();
}

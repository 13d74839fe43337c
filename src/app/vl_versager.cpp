#include "app/vl_versager.h"

#include "controls/click_shape.h"
#include "controls/layout_fonts.h"
#include "controls/picture_box.h"
#include "controls/skin_picture.h"
#include "data/db_module.h"
#include "layout/versager.h"
#include "screen/layout_geometry.h"

#include <QPlainTextEdit>

namespace L = layout::versager;

TVersagerFrame::TVersagerFrame(IScreenContext &context, QWidget *parent)
    : TResultFrame(context, parent,
                   {L::Image1, L::FehlerLabel, L::FehlerpunkteLabel, L::PimpPointsLabel, L::PimpPointsgesLabel}),
      DescMemo(Placed(new QPlainTextEdit(this), L::DescMemo)),
      LernenShape(Placed(new TClickShape(TClickShape::Shape::Ellipse, this), L::LernenShape)),
      TestShape(Placed(new TClickShape(TClickShape::Shape::Ellipse, this), L::TestShape))
{
    resize(L::kWidth, L::kHeight);
    DescMemo->setReadOnly(true);
    DescMemo->setFont(LayoutFont(10));
    DescMemo->setFrameShape(QFrame::NoFrame);
    DescMemo->setFocusPolicy(Qt::NoFocus);
    QPalette black = DescMemo->palette();
    black.setColor(QPalette::Text, Qt::black);
    DescMemo->setPalette(black);
    for (TClickShape *shape : {LernenShape, TestShape})
        shape->setCursor(Qt::PointingHandCursor);
    connect(LernenShape, &TClickShape::clicked, this, [this] {
        PlayCueOf(QStringLiteral("snd_pop"));
        StartReview();
    });
    connect(TestShape, &TClickShape::clicked, this, [this] {
        PlayCueOf(QStringLiteral("snd_pop"));
        StartAnotherTest();
    });
}

void TVersagerFrame::OnCreation()
{
    Image1->setPicture(LoadSkinPicture(SkinFolder(), QStringLiteral("GUI_versager.bmp")));
}

QString TVersagerFrame::Reason(int testKind, const QString &classCode, int wrongCount)
{
    if (testKind != testkind::Questionnaire)
        return QStringLiteral("Sie haben mindestens einen Fehler gemacht. Damit gibt's leider keine Punkte!");
    if (classCode == u"MO")
        return QStringLiteral("Sie haben mehr als 7 Fehlerpunkte und sind damit durchgefallen!");
    if (wrongCount > 2)
        return QStringLiteral("Sie haben mehr als 10 Fehlerpunkte und sind damit durchgefallen!");
    return QStringLiteral("Sie haben zwei Fragen mit je 5 FP falsch beantwortet. Damit sind sie durchgefallen!");
}

void TVersagerFrame::ShowResult()
{
    TResultFrame::ShowResult();
    const TMainDataModule &data = *DataModule();
    DescMemo->clear();
    DescMemo->appendPlainText(Reason(data.TestKind, data.CurrentClass, data.LastWrongCount));
}

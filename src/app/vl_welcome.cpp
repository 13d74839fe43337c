#include "app/vl_welcome.h"

#include "controls/click_shape.h"
#include "controls/picture_box.h"
#include "controls/skin_picture.h"
#include "layout/welcome.h"
#include "screen/layout_geometry.h"

TWelcomeFrame::TWelcomeFrame(IScreenContext &context, QWidget *parent)
    : TModelFrame(context, parent),
      Image1(Placed(new TPictureBox(this), layout::welcome::Image1)),
      BetreutesShape(Placed(new TClickShape(TClickShape::Shape::Ellipse, this), layout::welcome::BetreutesShape)),
      NachschlagenShape(
          Placed(new TClickShape(TClickShape::Shape::Ellipse, this), layout::welcome::NachschlagenShape)),
      EinstellungenShape(
          Placed(new TClickShape(TClickShape::Shape::Ellipse, this), layout::welcome::EinstellungenShape))
{
    resize(layout::welcome::kWidth, layout::welcome::kHeight);
    BetreutesShape->setToolTip(QStringLiteral("Beim Pimp-Training werden Sie\r\nideal auf die Theorie-Prüfung\r\n"
                                              "vorbereitet.\r\n\r\n...und dabei von den Girls\r\nmotiviert!"));
    NachschlagenShape->setToolTip(QStringLiteral("Alle Fragebögen incl. Lösungen\r\nzum gemütlichem Nachschlagen!"));
    EinstellungenShape->setToolTip(
        QStringLiteral("Sie wollen alles aus Velmora herausholen?\r\n\r\nDann auf zum Tuning!"));

    for (TClickShape *shape : {BetreutesShape, NachschlagenShape, EinstellungenShape})
        shape->setCursor(Qt::PointingHandCursor);

    connect(BetreutesShape, &TClickShape::clicked, this, [this] { Go("snd_pimptraining", "betreutes"); });
    connect(NachschlagenShape, &TClickShape::clicked, this, [this] { Go("snd_nachschlagen", "nachschlagen"); });
    connect(EinstellungenShape, &TClickShape::clicked, this,
            [this] { Go("snd_einstellungen", "einstellungen"); });
}

void TWelcomeFrame::OnCreation()
{
    // The data module may not exist yet: only the picture is loaded here.
    Image1->setPicture(LoadSkinPicture(SkinFolder(), QStringLiteral("GUI_welcome.bmp")));
}

void TWelcomeFrame::Go(const char *cueKey, const char *screenName)
{
    PlayCueOf(QString::fromLatin1(cueKey));
    ShowScreen(QString::fromLatin1(screenName));
}

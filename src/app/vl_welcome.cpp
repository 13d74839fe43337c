#include "app/vl_welcome.h"

#include "controls/click_shape.h"
#include "controls/picture_box.h"
#include "controls/skin_picture.h"

TWelcomeFrame::TWelcomeFrame(TBrowseForm &browse, QWidget *parent)
    : TModelFrame(browse, parent), Image1(new TPictureBox(this)),
      BetreutesShape(new TClickShape(TClickShape::Shape::Ellipse, this)),
      NachschlagenShape(new TClickShape(TClickShape::Shape::Ellipse, this)),
      EinstellungenShape(new TClickShape(TClickShape::Shape::Ellipse, this))
{
    resize(972, 570);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 966, 566);

    BetreutesShape->setObjectName(QStringLiteral("BetreutesShape"));
    BetreutesShape->setGeometry(645, 355, 281, 86);
    BetreutesShape->setToolTip(QStringLiteral("Beim Pimp-Training werden Sie\r\nideal auf die Theorie-Prüfung\r\n"
                                              "vorbereitet.\r\n\r\n...und dabei von den Girls\r\nmotiviert!"));
    NachschlagenShape->setObjectName(QStringLiteral("NachschlagenShape"));
    NachschlagenShape->setGeometry(65, 285, 256, 86);
    NachschlagenShape->setToolTip(QStringLiteral("Alle Fragebögen incl. Lösungen\r\nzum gemütlichem Nachschlagen!"));
    EinstellungenShape->setObjectName(QStringLiteral("EinstellungenShape"));
    EinstellungenShape->setGeometry(70, 400, 251, 86);
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
    PlayCue(CueList(QString::fromLatin1(cueKey)));
    ShowScreen(QString::fromLatin1(screenName));
}

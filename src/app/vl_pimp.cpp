#include "app/vl_pimp.h"

#include "controls/click_shape.h"
#include "controls/layout_fonts.h"
#include "controls/link_label.h"
#include "controls/picture_box.h"
#include "controls/skin_picture.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "layout/pimp.h"
#include "pictures/fit_rect.h"
#include "pictures/jpeg_decoder.h"
#include "pictures/scaling.h"
#include "pictures/teaser_choice.h"
#include "screen/layout_geometry.h"

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>

namespace L = layout::pimp;

TPimpFrame::TPimpFrame(IScreenContext &context, QWidget *parent)
    : TResultFrame(context, parent,
                   {L::Image1, L::FehlerLabel, L::FehlerpunkteLabel, L::PimpPointsLabel, L::PimpPointsgesLabel}),
      ContentPicture(Placed(new TPictureBox(this), L::ContentPicture)),
      PimpschriftImage(Placed(new TPictureBox(this), L::PimpschriftImage)),
      BereitLabel(Placed(new QLabel(QStringLiteral("Du bist bereit für die Prüfung!"), this), L::BereitLabel)),
      GirlMemo(Placed(new QPlainTextEdit(this), L::GirlMemo)),
      Label4(Placed(new TLinkLabel(QStringLiteral("Fragen mit Antworten anzeigen"), this), L::Label4)),
      TestShape(Placed(new TClickShape(TClickShape::Shape::Ellipse, this), L::TestShape))
{
    resize(L::kWidth, L::kHeight);
    ContentPicture->setMode(TPictureMode::Centre);
    ContentPicture->hide();
    // The lettering lies over the teaser.
    PimpschriftImage->setTransparent(true);
    PimpschriftImage->raise();
    BereitLabel->setFont(LayoutFont(12, TFontStyle::BoldUnderline));
    QPalette red = BereitLabel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    BereitLabel->setPalette(red);
    BereitLabel->hide();
    GirlMemo->setReadOnly(true);
    GirlMemo->setFont(LayoutFont(10));
    GirlMemo->setFrameShape(QFrame::NoFrame);
    GirlMemo->setFocusPolicy(Qt::NoFocus);
    GirlMemo->setTextInteractionFlags(Qt::NoTextInteraction);
    QPalette white = GirlMemo->palette();
    white.setColor(QPalette::Base, Qt::white);
    GirlMemo->setPalette(white);
    Label4->setFont(LayoutFont(8, TFontStyle::Underline));
    TestShape->setCursor(Qt::PointingHandCursor);
    for (QWidget *above : {static_cast<QWidget *>(Label4), static_cast<QWidget *>(TestShape)})
        above->raise();

    connect(Label4, &TLinkLabel::clicked, this, [this] { StartReview(); });
    connect(TestShape, &TClickShape::clicked, this, [this] {
        PlayCueOf(QStringLiteral("snd_nocheintest"));
        TMainDataModule &data = *DataModule();
        data.TeaserBildID = -1;
        data.TeaserTextID = -1;
        StartAnotherTest();
    });
}

void TPimpFrame::OnCreation()
{
    const QString skin = SkinFolder();
    Image1->setPicture(LoadSkinPicture(skin, QStringLiteral("GUI_pimp.bmp")));
    PimpschriftImage->setPicture(LoadSkinPicture(skin, QStringLiteral("GUI_pimpschrift.bmp")));
    ShowTeaser();
}

void TPimpFrame::ShowTeaser()
{
    const TTeaser teaser = ChooseTeaser(*DataModule());
    TBitmap fitted;
    if (!teaser.picturePath.isEmpty() && QFileInfo(teaser.picturePath).isFile()) {
        try {
            const TBitmap picture = DecodeJpegFile(teaser.picturePath);
            const TRect fit = FitRect(L::ContentPicture.width, L::ContentPicture.height, picture.width(),
                                      picture.height(), true, true, false);
            ResizeBitmapInto(picture, fitted, fit.width, fit.height, TResizeMode::Cubic);
        } catch (const VelmoraError &) {
            // Not a JPEG or unreadable: the screen goes on without a picture.
            fitted = TBitmap();
        }
    }
    const bool shown = !fitted.isEmpty();
    if (shown)
        ContentPicture->setBitmap(std::move(fitted));
    else
        ContentPicture->clearPicture();
    ContentPicture->setVisible(shown);
    QString text = teaser.text;
    GirlMemo->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TPimpFrame::ShowResult()
{
    TResultFrame::ShowResult();
    BereitLabel->setVisible(DataModule()->ReadyFlag);
}

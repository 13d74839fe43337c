#include "app/vl_bilder.h"

#include "app/vl_galerie.h"
#include "controls/bitmap_image.h"
#include "controls/data_bindings.h"
#include "controls/layout_fonts.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/show_picture_form.h"
#include "controls/skin_picture.h"
#include "controls/table_model.h"
#include "controls/table_view_binding.h"
#include "controls/table_watch.h"
#include "controls/wertung_frame.h"
#include "core/ports.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "layout/bilder.h"
#include "pictures/bmp_file.h"
#include "pictures/fit_rect.h"
#include "pictures/picture_teaser.h"
#include "pictures/scaling.h"
#include "screen/layout_geometry.h"
#include "screen/screen_context.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace L = layout::bilder;
namespace fs = fields::sets;
namespace fb = fields::bilder;

namespace {

QLabel *MakeLabel(QWidget *parent, const TLayoutRect &place, int fontPx, TFontStyle style)
{
    auto *label = Placed(new QLabel(parent), place);
    label->setFont(LayoutFontPx(fontPx, style));
    return label;
}

} // namespace

TBilderFrame::TBilderFrame(IScreenContext &context, QWidget *parent)
    : TModelFrame(context, parent),
      Image2(Placed(new TPictureBox(this), L::Image2)),
      DBText1(MakeLabel(this, L::DBText1, L::kNameFontPx, TFontStyle::Bold)),
      DBGrid1(Placed(new QTableView(this), L::DBGrid1)),
      Image1(Placed(new TPictureBox(this), L::Image1)),
      WertungFrame1(Placed(new TWertungFrame(context.Folders().bmp, this), L::WertungFrame1)),
      Label1(MakeLabel(this, L::Label1, L::kPriceFontPx, TFontStyle::Normal)),
      Label8(MakeLabel(this, L::Label8, L::kPriceFontPx, TFontStyle::Normal)),
      PPLabel(MakeLabel(this, L::PPLabel, L::kPointsFontPx, TFontStyle::Bold)),
      VollbildButton(Placed(new QPushButton(QStringLiteral("Vollbild"), this), L::VollbildButton)),
      BuyImage(Placed(new TPictureButton(this), L::BuyImage)),
      BackImage(Placed(new TPictureButton(this), L::BackImage))
{
    resize(L::kWidth, L::kHeight);
    DBText1->setAlignment(Qt::AlignCenter);
    Label1->setText(QStringLiteral("Preis:"));
    Label1->adjustSize();
    Image1->setMode(TPictureMode::ShrinkCentre);
    VollbildButton->setFont(LayoutFontPx(L::kButtonFontPx, TFontStyle::Bold));
    BuyImage->setAccessibleName(QStringLiteral("Kaufen"));
    BackImage->setAccessibleName(QStringLiteral("Zurück"));
    for (QWidget *button : {static_cast<QWidget *>(BuyImage), static_cast<QWidget *>(BackImage)})
        button->setCursor(Qt::PointingHandCursor);

    DBGrid1->horizontalHeader()->hide();
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setShowGrid(false);
    DBGrid1->setFrameShape(QFrame::NoFrame);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);

    new TTextBinding(*DBText1, DataModule()->SetsTable, QString(fs::Name));

    connect(BuyImage, &TPictureButton::clicked, this, &TBilderFrame::BuyImageClick);
    connect(BackImage, &TPictureButton::clicked, this, &TBilderFrame::BackImageClick);
    connect(VollbildButton, &QPushButton::clicked, this, &TBilderFrame::VollbildButtonClick);
}

TBilderFrame::~TBilderFrame()
{
    Unbind();
}

QString TBilderFrame::LockedMessage()
{
    return QStringLiteral("Dieses Bild kann erst angesehen werden, wenn es freigepimpt \r\nwurde!");
}

void TBilderFrame::OnCreation()
{
    const QString bmp = SkinFolder();
    Image2->setPicture(LoadSkinPicture(bmp, QStringLiteral("GUI_bilder.bmp")));
    BuyImage->LoadSkin(bmp, QStringLiteral("GUI_buy.bmp"));
    BackImage->LoadSkin(bmp, QStringLiteral("GUI_zurueck.bmp"));
}

void TBilderFrame::OnShow()
{
    TMainDataModule &data = *DataModule();
    if (!m_model) {
        m_model = new TTableModel(data.BilderTable, {QString(fb::NrInSet)}, this);
        DBGrid1->setModel(m_model);
        DBGrid1->setColumnWidth(0, L::kPlaceColumnWidth);
        m_listBinding = std::make_unique<TTableViewBinding>(*DBGrid1, *m_model);
        m_watch = std::make_unique<TTableWatch>(data.BilderTable, [this] { RedrawPicture(); });
        RedrawPicture();
    }
    PPLabel->setText(QString::number(data.GetPimpPoints()));
    PPLabel->adjustSize();
    m_listBinding->ShowCurrent();
    DBGrid1->setFocus();
}

void TBilderFrame::Unbind()
{
    m_watch.reset();
    m_listBinding.reset();
    if (m_model) {
        DBGrid1->setModel(nullptr);
        delete m_model;
        m_model = nullptr;
    }
}

void TBilderFrame::OnLeave()
{
    Unbind();
    TRecordTable &pictures = DataModule()->BilderTable;
    pictures.SetFilter(QString());
    pictures.SetFiltered(false);
}

void TBilderFrame::BackAction()
{
    ShowScreen(QStringLiteral("galerie"));
}

void TBilderFrame::BackImageClick()
{
    PlayCueOf(QStringLiteral("snd_pop"));
    ShowScreen(QStringLiteral("galerie"));
}

bool TBilderFrame::HasPicture() const
{
    const TRecordTable &pictures = DataModule()->BilderTable;
    return pictures.Active() && !pictures.IsEmpty();
}

bool TBilderFrame::IsViewable() const
{
    TMainDataModule &data = *DataModule();
    TRecordTable &pictures = data.BilderTable;
    if (pictures.FieldByName(fb::Freigespielt).AsBoolean())
        return true;
    // The set: the current one of the sets table, where the gallery left it; read without moving.
    TRecordTable &sets = data.SetsTable;
    if (!sets.Active() || sets.IsEmpty())
        return false;
    const int setId = pictures.FieldByName(fb::SetID).AsInteger();
    if (sets.FieldByName(fs::ID).AsInteger() == setId)
        return sets.FieldByName(fs::Freigespielt).AsBoolean();
    const int idColumn = sets.FieldIndex(fs::ID);
    const int unlockedColumn = sets.FieldIndex(fs::Freigespielt);
    for (int row = 0, count = sets.RecordCount(); row < count; ++row) {
        if (sets.VisibleValue(row, idColumn).toInt() == setId)
            return sets.VisibleValue(row, unlockedColumn).toBool();
    }
    return false;
}

TBitmap TBilderFrame::CurrentPicture() const
{
    TMainDataModule &data = *DataModule();
    return LoadSetPicture(data.SetPicturePath(data.BilderTable.FieldByName(fb::Bild).AsString()));
}

void TBilderFrame::RedrawPicture()
{
    if (!HasPicture()) {
        // No picture is listed: nothing to show, to price, to buy or to enlarge.
        Image1->clearPicture();
        BuyImage->hide();
        VollbildButton->hide();
        Label8->clear();
        WertungFrame1->SetValue(0);
        return;
    }
    TMainDataModule &data = *DataModule();
    TBitmap picture = CurrentPicture();
    VollbildButton->show();
    if (IsViewable()) {
        BuyImage->hide();
        const TRect fitted = FitRect(kBoxWidth, kBoxHeight, picture.width(), picture.height(), true, true, false);
        ResizeBitmap(picture, fitted.width, fitted.height, TResizeMode::Bilinear);
        Image1->setBitmap(std::move(picture));
    } else {
        BuyImage->show();
        if (!m_teaserShapeMade) {
            TeaserRegion = TeaserShape(ReadBmpFile(FindSkinFile(SkinFolder(), QStringLiteral("GUI_questionmask.bmp"))));
            m_teaserShapeMade = true;
        }
        Image1->setBitmap(MakeTeaser(picture, TeaserRegion, kBoxWidth, kBoxHeight));
    }
    Image1->show();
    WertungFrame1->SetValue(data.BilderTable.FieldByName(fb::Wertung).AsInteger());
    Label8->setText(QStringLiteral("%1 Points").arg(data.PicturePrice()));
    Label8->adjustSize();
}

void TBilderFrame::BuyImageClick()
{
    if (!HasPicture())
        return;
    TMainDataModule &data = *DataModule();
    PlayCueOf(QStringLiteral("snd_pop"));
    if (!Context().Dialogs().askYesNo(TGalerieFrame::PurchaseQuestion(data.PicturePrice())))
        return;
    if (!data.BuyPicture()) {
        PlayCueOf(QStringLiteral("snd_zuteuer"));
        Context().Dialogs().showInformation(TGalerieFrame::RefusedMessage());
        return;
    }
    PlayCueOf(QStringLiteral("snd_bildgekauft"));
    OnShow();
}

void TBilderFrame::VollbildButtonClick()
{
    if (!HasPicture())
        return;
    if (!IsViewable()) {
        Context().Dialogs().showInformation(LockedMessage());
        return;
    }
    ShowPicture(CurrentPicture(), window());
}

#include "app/vl_galerie.h"

#include "controls/data_bindings.h"
#include "controls/layout_fonts.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/skin_picture.h"
#include "controls/table_model.h"
#include "controls/table_view_binding.h"
#include "controls/table_watch.h"
#include "controls/wertung_frame.h"
#include "core/ports.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "layout/galerie.h"
#include "screen/layout_geometry.h"
#include "screen/screen_context.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace L = layout::galerie;
namespace fs = fields::sets;

namespace {

QLabel *MakeLabel(QWidget *parent, const TLayoutRect &place, int fontPx)
{
    auto *label = Placed(new QLabel(parent), place);
    label->setFont(LayoutFontPx(fontPx, TFontStyle::Bold));
    QPalette black = label->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(black);
    return label;
}

// The button's pictures with the colour of their bottom-left pixel let through.
void LoadTransparentButton(TPictureButton &button, const QString &folder, const QString &name)
{
    button.LoadSkin(folder, name);
    const QPixmap down = button.downPicture().isNull()
        ? QPixmap()
        : QPixmap::fromImage(WithTransparentKey(button.downPicture().toImage()));
    button.setPictures(QPixmap::fromImage(WithTransparentKey(button.normalPicture().toImage())), down);
}

} // namespace

TGalerieFrame::TGalerieFrame(IScreenContext &context, QWidget *parent)
    : TModelFrame(context, parent),
      GalerieImage(Placed(new TPictureBox(this), L::GalerieImage)),
      DBGrid1(Placed(new QTableView(this), L::DBGrid1)),
      DBText1(MakeLabel(this, L::DBText1, L::kNameFontPx)),
      WertungFrame1(Placed(new TWertungFrame(context.Folders().bmp, this), L::WertungFrame1)),
      Image1(Placed(new TPictureBox(this), L::Image1)),
      Label8(MakeLabel(this, L::Label8, L::kPriceFontPx)),
      PPLabel(MakeLabel(this, L::PPLabel, L::kPointsFontPx)),
      BuyImage(Placed(new TPictureButton(this), L::BuyImage)),
      BilderImage(Placed(new TPictureButton(this), L::BilderImage)),
      NeueGirlsImage(Placed(new TPictureBox(this), L::NeueGirlsImage))
{
    resize(L::kWidth, L::kHeight);
    TRecordTable &sets = DataModule()->SetsTable;

    m_model = new TTableModel(sets, {QString(fs::Name)}, this);
    DBGrid1->setModel(m_model);
    DBGrid1->horizontalHeader()->hide();
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setShowGrid(false);
    DBGrid1->setFrameShape(QFrame::NoFrame);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setFont(LayoutFontPx(L::kListFontPx));
    DBGrid1->setColumnWidth(0, L::kNameColumnWidth);
    m_listBinding = new TTableViewBinding(*DBGrid1, *m_model);
    m_listBinding->setParent(this);

    DBText1->setAutoFillBackground(true);
    QPalette white = DBText1->palette();
    white.setColor(QPalette::Window, Qt::white);
    DBText1->setPalette(white);
    new TTextBinding(*DBText1, sets, QString(fs::Name));

    BuyImage->setAccessibleName(QStringLiteral("Kaufen"));
    BilderImage->setAccessibleName(QStringLiteral("Bilder anzeigen"));
    for (QWidget *button : {static_cast<QWidget *>(BuyImage), static_cast<QWidget *>(BilderImage),
                            static_cast<QWidget *>(NeueGirlsImage)})
        button->setCursor(Qt::PointingHandCursor);
    NeueGirlsImage->setTransparent(true);

    connect(BuyImage, &TPictureButton::clicked, this, &TGalerieFrame::BuyImageClick);
    connect(BilderImage, &TPictureButton::clicked, this, &TGalerieFrame::BilderImageClick);
    connect(NeueGirlsImage, &TPictureBox::clicked, this, &TGalerieFrame::NeueGirlsImageClick);
    m_watch = std::make_unique<TTableWatch>(sets, [this] { RefreshDetails(); });
    RefreshDetails();
}

TGalerieFrame::~TGalerieFrame() = default;

QString TGalerieFrame::PurchaseQuestion(qint64 price)
{
    return QStringLiteral("Wollen Sie wirklich %1 PimpPoints ausgeben?").arg(price);
}

QString TGalerieFrame::RefusedMessage()
{
    return QStringLiteral("Das können Sie sich nicht leisten!");
}

void TGalerieFrame::OnCreation()
{
    const QString bmp = SkinFolder();
    GalerieImage->setPicture(LoadSkinPicture(bmp, QStringLiteral("GUI_galerie.bmp")));
    Image1->setPicture(LoadSkinPicture(bmp, QStringLiteral("GUI_freigespielt.bmp")));
    LoadTransparentButton(*BuyImage, bmp, QStringLiteral("GUI_buy.bmp"));
    LoadTransparentButton(*BilderImage, bmp, QStringLiteral("GUI_bilderanzeigen.bmp"));
    NeueGirlsImage->setPicture(LoadSkinPicture(bmp, QStringLiteral("GUI_neuegirlsiminternet.bmp")));
}

void TGalerieFrame::OnShow()
{
    PPLabel->setText(QString::number(DataModule()->GetPimpPoints()));
    PPLabel->adjustSize();
    m_listBinding->ShowCurrent();
    DBGrid1->setFocus();
}

void TGalerieFrame::ClearSetsFilter()
{
    TRecordTable &sets = DataModule()->SetsTable;
    sets.SetFilter(QString());
    sets.SetFiltered(false);
}

void TGalerieFrame::BackAction()
{
    ClearSetsFilter();
    ShowScreen(QStringLiteral("betreutes"));
}

void TGalerieFrame::HomeAction()
{
    ShowScreen(QStringLiteral("welcome"));
    ClearSetsFilter();
}

bool TGalerieFrame::HasChosenSet() const
{
    const TRecordTable &sets = DataModule()->SetsTable;
    return sets.Active() && !sets.IsEmpty();
}

void TGalerieFrame::RefreshDetails()
{
    if (!HasChosenSet()) {
        // No set is listed: nothing to price, to buy or to look at.
        Label8->clear();
        BuyImage->hide();
        BilderImage->hide();
        Image1->hide();
        WertungFrame1->SetValue(0);
        return;
    }
    TMainDataModule &data = *DataModule();
    TRecordTable &sets = data.SetsTable;
    Label8->setText(QStringLiteral("%1 PimpPoints").arg(data.SetPrice()));
    Label8->adjustSize();
    const bool unlocked = sets.FieldByName(fs::Freigespielt).AsBoolean();
    BuyImage->setVisible(!unlocked);
    Image1->setVisible(unlocked);
    BilderImage->show();
    WertungFrame1->SetValue(int(sets.FieldByName(fs::Wertung).AsInteger()));
}

void TGalerieFrame::BuyImageClick()
{
    if (!HasChosenSet())
        return;
    TMainDataModule &data = *DataModule();
    PlayCueOf(QStringLiteral("snd_pop"));
    if (!Context().Dialogs().askYesNo(PurchaseQuestion(data.SetPrice())))
        return;
    if (data.BuySet()) {
        PlayCueOf(QStringLiteral("snd_bildgekauft"));
        PPLabel->setText(QString::number(data.GetPimpPoints()));
        PPLabel->adjustSize();
    } else {
        PlayCueOf(QStringLiteral("snd_zuteuer"));
        Context().Dialogs().showInformation(RefusedMessage());
    }
}

void TGalerieFrame::BilderImageClick()
{
    if (!HasChosenSet())
        return;
    TMainDataModule &data = *DataModule();
    PlayCueOf(QStringLiteral("snd_bilderanzeigen"));
    TRecordTable &pictures = data.BilderTable;
    pictures.SetFiltered(true);
    pictures.SetFilter(QStringLiteral("(SetID = %1)").arg(data.SetsTable.FieldByName(fs::ID).AsInteger()));
    ShowScreen(QStringLiteral("bilder"));
}

void TGalerieFrame::NeueGirlsImageClick()
{
    Context().Documents().openDocument(DataModule()->LinkVelmoraSets);
}

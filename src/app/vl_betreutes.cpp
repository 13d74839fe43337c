#include "app/vl_betreutes.h"

#include "controls/click_shape.h"
#include "controls/gradient_panel.h"
#include "controls/layout_fonts.h"
#include "controls/picture_box.h"
#include "controls/questionnaire_tile.h"
#include "controls/skin_picture.h"
#include "core/licence_classes.h"
#include "data/db_module.h"
#include "data/filter_guard.h"
#include "data/table_fields.h"
#include "layout/betreutes.h"
#include "screen/layout_geometry.h"
#include "screen/screen_context.h"
#include "sound/cue_player.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>

namespace L = layout::betreutes;
namespace fb = fields::frageboegen;

namespace {

const QColor kTooltipYellow(255, 255, 225);

TClickShape *MakeShape(QWidget *parent, const TLayoutRect &place, const QString &hint)
{
    auto *shape = Placed(new TClickShape(TClickShape::Shape::Ellipse, parent), place);
    shape->setCursor(Qt::PointingHandCursor);
    shape->setToolTip(hint);
    return shape;
}

QLabel *MakeLabel(QWidget *parent, const TLayoutRect &place, const QString &text, const QFont &font)
{
    auto *label = Placed(new QLabel(text, parent), place);
    label->setFont(font);
    return label;
}

QPushButton *MakeButton(QWidget *parent, const TLayoutRect &place, const QString &text)
{
    auto *button = Placed(new QPushButton(text, parent), place);
    button->setFont(LayoutFont(8));
    return button;
}

// The grid's own coordinates: the scroller lies inside the panel's border, just above the first row.
constexpr int kScrollerLeft = L::kPanelBorder;
constexpr int kScrollerTop = L::kTileTop - 10;

} // namespace

TBetreutesFrame::TBetreutesFrame(IScreenContext &context, QWidget *parent)
    : TModelFrame(context, parent),
      Image1(Placed(new TPictureBox(this), L::Image1)),
      PPLabel(MakeLabel(this, L::PPLabel, QString(), LayoutFont(24, TFontStyle::Bold))),
      Shape1(Placed(new QFrame(this), L::Shape1)),
      Label1(MakeLabel(this, L::Label1, QStringLiteral("Klasse:"), LayoutFont(12, TFontStyle::Bold))),
      KlasseBox(Placed(new QComboBox(this), L::KlasseBox)),
      ZweiFragenShape(MakeShape(
          this, L::ZweiFragenShape,
          QStringLiteral("Lust auf 'nen Quickie?\r\nDann schnell zwei Fragen richtig\r\nbeantworten und die Girls\r\n"
                         "werden beeindruckt sein!\r\n\r\nEs werden automatisch Fragen\r\nausgewählt, die Sie noch "
                         "nicht\r\noder falsch beantwortet haben."))),
      FragebogenShape(MakeShape(
          this, L::FragebogenShape,
          QStringLiteral("Beantworten Sie einen kompletten\r\nFragebogen, um einen dicken Batzen\r\nPimpPoints zu "
                         "ergattern!\r\n\r\nEs wird automatisch ein Fragebogen\r\nausgewählt, den Sie noch nicht "
                         "oder\r\nziemlich falsch beantwortet haben."))),
      freigespielteShape(MakeShape(this, L::freigespielteShape,
                                   QStringLiteral("Hier können Sie Ihre PimpPoints\r\n'raushauen und scharfe Bilder\r\n"
                                                  "erwerben!\r\nOder einfach nur in Ihrer Sammlung\r\nstöbern..."))),
      FrageboegenPanel(Placed(new TGradientPanel(this), L::FrageboegenPanel)),
      Label2(MakeLabel(FrageboegenPanel, L::Label2, QStringLiteral("Fragebogen auswählen:"), LayoutFont(12))),
      RandomQuestionnaireButton(
          MakeButton(FrageboegenPanel, L::RandomQuestionnaireButton, QStringLiteral("-> Zufälliger Fragebogen"))),
      ClosePanelButton(MakeButton(FrageboegenPanel, L::ClosePanelButton, QStringLiteral("Fenster schließen"))),
      TileScroller(new QScrollArea(FrageboegenPanel)),
      TileGrid(new QWidget)
{
    resize(L::kWidth, L::kHeight);
    PPLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette white = PPLabel->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    PPLabel->setPalette(white);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setLineWidth(2);
    KlasseBox->setEditable(false);
    KlasseBox->setFont(LayoutFont(12));
    KlasseBox->addItems(ClassCodes());
    KlasseBox->setCurrentText(QStringLiteral("B"));

    FrageboegenPanel->setColours(QColor(0xC0, 0xC0, 0xC0), Qt::white);
    FrageboegenPanel->setBorder(L::kPanelBorder);
    FrageboegenPanel->hide();
    QPalette yellow = RandomQuestionnaireButton->palette();
    yellow.setColor(QPalette::Button, kTooltipYellow);
    RandomQuestionnaireButton->setPalette(yellow);
    RandomQuestionnaireButton->setAutoFillBackground(true);

    TileScroller->setObjectName(QStringLiteral("TileScroller"));
    TileScroller->setGeometry(kScrollerLeft, kScrollerTop, L::FrageboegenPanel.width - 2 * L::kPanelBorder,
                              L::FrageboegenPanel.height - kScrollerTop - L::kPanelBorder);
    TileScroller->setFrameShape(QFrame::NoFrame);
    TileScroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TileScroller->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The gradient shows through the scroller and its grid.
    TileScroller->setAutoFillBackground(false);
    TileScroller->viewport()->setAutoFillBackground(false);
    TileGrid->setObjectName(QStringLiteral("TileGrid"));
    TileGrid->setAutoFillBackground(false);
    TileScroller->setWidget(TileGrid);

    connect(KlasseBox, &QComboBox::currentIndexChanged, this, [this] { KlasseBoxChange(); });
    connect(ZweiFragenShape, &TClickShape::clicked, this, &TBetreutesFrame::ZweiFragenShapeClick);
    connect(FragebogenShape, &TClickShape::clicked, this, &TBetreutesFrame::FragebogenShapeClick);
    connect(freigespielteShape, &TClickShape::clicked, this, &TBetreutesFrame::freigespielteShapeClick);
    connect(RandomQuestionnaireButton, &QPushButton::clicked, this,
            &TBetreutesFrame::RandomQuestionnaireButtonClick);
    connect(ClosePanelButton, &QPushButton::clicked, FrageboegenPanel, &QWidget::hide);
}

void TBetreutesFrame::OnCreation()
{
    Image1->setPicture(LoadSkinPicture(SkinFolder(), QStringLiteral("gui_betreutes_lernen.bmp")));
}

void TBetreutesFrame::BackAction()
{
    ShowScreen(QStringLiteral("welcome"));
}

void TBetreutesFrame::OnShow()
{
    TMainDataModule &data = *DataModule();
    {
        // Showing the class in force is no choice of the user's.
        const QSignalBlocker quiet(KlasseBox);
        const int index = KlasseBox->findText(data.CurrentClass);
        if (index >= 0)
            KlasseBox->setCurrentIndex(index);
    }
    PPLabel->setText(QString::number(data.GetPimpPoints()));
}

void TBetreutesFrame::KlasseBoxChange()
{
    DataModule()->CurrentClass = KlasseBox->currentText();
    // The class chosen is kept even if the program never ends normally.
    DataModule()->SaveProgress({});
    if (!FrageboegenPanel->isHidden())
        ShowQuestionnaires();
}

TQuestionnaireTile *TBetreutesFrame::CreateQuestionnaireTile(int nummer, int questionnaireId, int durchgefallen,
                                                             int bestanden, int fehlerlos)
{
    auto *tile = new TQuestionnaireTile(nummer, questionnaireId, durchgefallen, bestanden, fehlerlos, TileGrid);
    connect(tile, &TQuestionnaireTile::clicked, this, &TBetreutesFrame::TileClick);
    return tile;
}

void TBetreutesFrame::ShowQuestionnaires()
{
    for (auto it = m_tiles.rbegin(); it != m_tiles.rend(); ++it)
        delete it->data();
    m_tiles.clear();

    TRecordTable &table = DataModule()->FrageboegenTable;
    // The class in force is always one of the codes, so the filter holds no text of the user's.
    table.SetFilter(QStringLiteral("(Klasse = '") + DataModule()->CurrentClass + QStringLiteral("')"));
    int left = L::kTileLeft;
    int top = L::kTileTop;
    int bottom = top;
    if (!table.IsEmpty()) {
        const TField id = table.FieldByName(fb::ID);
        const TField nummer = table.FieldByName(fb::Nummer);
        const TField durchgefallen = table.FieldByName(fb::Durchgefallen);
        const TField bestanden = table.FieldByName(fb::Bestanden);
        const TField fehlerlos = table.FieldByName(fb::Fehlerlos);
        for (table.First(); !table.Eof(); table.Next()) {
            TQuestionnaireTile *tile = CreateQuestionnaireTile(
                nummer.AsInteger(), id.AsInteger(), durchgefallen.AsInteger(), bestanden.AsInteger(),
                fehlerlos.AsInteger());
            tile->move(left - kScrollerLeft, top - kScrollerTop);
            tile->show();
            m_tiles.append(tile);
            bottom = top + TQuestionnaireTile::kHeight;
            left += L::kTileStep;
            if (left > L::kWrapAfter) {
                left = L::kTileLeft;
                top += L::kRowStep;
            }
        }
    }
    table.SetFilter(QString());
    TileGrid->resize(TileScroller->viewport()->width(), bottom - kScrollerTop + L::kTileTop - kScrollerTop);
}

void TBetreutesFrame::FragebogenShapeClick()
{
    FrageboegenPanel->show();
    FrageboegenPanel->raise();
    ShowQuestionnaires();
}

void TBetreutesFrame::StartTest()
{
    ShowScreen(QStringLiteral("frage"));
    // After the switch, so an empty test's message comes first.
    Context().PauseMusic();
}

void TBetreutesFrame::ZweiFragenShapeClick()
{
    PlayCue(TCuePlayer::PopCue());
    TMainDataModule &data = *DataModule();
    data.ViewMode = viewmode::Answering;
    data.TestKind = testkind::ShortTest;
    data.BuildWeakQuestionTest(2);
    StartTest();
}

void TBetreutesFrame::TileClick(int questionnaireId)
{
    PlayCue(TCuePlayer::PopCue());
    TMainDataModule &data = *DataModule();
    data.ViewMode = viewmode::Answering;
    data.TestKind = testkind::Questionnaire;
    data.BuildTestFromQuestionnaire(questionnaireId);
    StartTest();
}

void TBetreutesFrame::RandomQuestionnaireButtonClick()
{
    // No sound; the music pauses as it does for a tile, since every way out of the test resumes it.
    TMainDataModule &data = *DataModule();
    data.ViewMode = viewmode::Answering;
    data.BuildRandomQuestionnaireTest();
    StartTest();

}

void TBetreutesFrame::freigespielteShapeClick()
{
    PlayCue(TCuePlayer::PopCue());
    TRecordTable &sets = DataModule()->SetsTable;
    const QString filterBefore = sets.Filter();
    const bool filteredBefore = sets.Filtered();
    sets.SetFilter(QStringLiteral("(Freispielbar)"));
    sets.SetFiltered(true);
    sets.SortOn(QString(fields::sets::Wertung), true);
    try {
        ShowScreen(QStringLiteral("galerie"));
    } catch (...) {
        // The gallery could not be shown: no other screen may find the sets table narrowed to it.
        sets.SetFilter(filterBefore);
        sets.SetFiltered(filteredBefore);
        throw;
    }
}

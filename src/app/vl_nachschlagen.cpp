#include "app/vl_nachschlagen.h"

#include "app/vl_wait.h"
#include "controls/click_shape.h"
#include "controls/layout_fonts.h"
#include "controls/picture_box.h"
#include "controls/skin_picture.h"
#include "core/licence_classes.h"
#include "core/ports.h"
#include "data/db_module.h"
#include "data/filter_guard.h"
#include "data/table_fields.h"
#include "layout/nachschlagen.h"
#include "screen/layout_geometry.h"
#include "screen/screen_context.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <memory>

namespace L = layout::nachschlagen;
namespace fb = fields::frageboegen;

namespace {

QComboBox *MakeBox(QWidget *parent, const TLayoutRect &place)
{
    auto *box = Placed(new QComboBox(parent), place);
    // Only the entries can be chosen: a typed class or number would match no questionnaire.
    box->setEditable(false);
    box->setFont(LayoutFont(L::kBoxFontPoints));
    return box;
}

} // namespace

TNachschlagenFrame::TNachschlagenFrame(IScreenContext &context, QWidget *parent)
    : TModelFrame(context, parent),
      Image1(Placed(new TPictureBox(this), L::Image1)),
      KlasseBox(MakeBox(this, L::KlasseBox)),
      FragebogenComboBox(MakeBox(this, L::FragebogenComboBox)),
      FragebogenShape(Placed(new TClickShape(TClickShape::Shape::Ellipse, this), L::FragebogenShape)),
      DruckenShape(Placed(new TClickShape(TClickShape::Shape::Ellipse, this), L::DruckenShape))
{
    resize(L::kWidth, L::kHeight);
    KlasseBox->addItems(ClassCodes());
    KlasseBox->setCurrentText(QStringLiteral("B"));
    FragebogenComboBox->hide();
    for (TClickShape *shape : {FragebogenShape, DruckenShape})
        shape->setCursor(Qt::PointingHandCursor);

    connect(KlasseBox, &QComboBox::currentIndexChanged, this, [this] { KlasseBoxChange(); });
    connect(FragebogenShape, &TClickShape::clicked, this, &TNachschlagenFrame::FragebogenShapeClick);
    connect(DruckenShape, &TClickShape::clicked, this, &TNachschlagenFrame::DruckenShapeClick);
}

void TNachschlagenFrame::OnCreation()
{
    Image1->setPicture(LoadSkinPicture(SkinFolder(), QStringLiteral("GUI_nachschlagen.bmp")));
    FragebogenComboBox->show();
}

void TNachschlagenFrame::BackAction()
{
    ShowScreen(QStringLiteral("welcome"));
}

void TNachschlagenFrame::OnShow()
{
    const QString current = DataModule()->CurrentClass;
    if (!current.isEmpty()) {
        const QSignalBlocker quiet(KlasseBox);
        const int index = KlasseBox->findText(current);
        if (index >= 0)
            KlasseBox->setCurrentIndex(index);
    }
    KlasseBoxChange();
}

void TNachschlagenFrame::KlasseBoxChange()
{
    FragebogenComboBox->clear();
    TRecordTable &table = DataModule()->FrageboegenTable;
    const QString chosen = KlasseBox->currentText();
    {
        // The walk leaves the table standing where it stood.
        const int position = table.RecNo();
        TField klasse = table.FieldByName(fb::Klasse);
        TField nummer = table.FieldByName(fb::Nummer);
        for (table.First(); !table.Eof(); table.Next()) {
            if (klasse.AsString() == chosen)
                FragebogenComboBox->addItem(nummer.AsString());
        }
        if (position > 0)
            table.SetRecNo(position);
    }
    const bool any = FragebogenComboBox->count() > 0;
    if (any)
        FragebogenComboBox->setCurrentIndex(0);
    FragebogenShape->setVisible(any);
    DruckenShape->setVisible(any);
}

int TNachschlagenFrame::ChosenQuestionnaireId() const
{
    TRecordTable &table = DataModule()->FrageboegenTable;
    const QString number = FragebogenComboBox->currentText();
    if (number.isEmpty() || !table.Locate(QStringLiteral("%1;%2").arg(fb::Klasse, fb::Nummer),
                                          QVariantList{KlasseBox->currentText(), number}))
        return -1;
    return table.FieldByName(fb::ID).AsInteger();
}

void TNachschlagenFrame::FragebogenShapeClick()
{
    const int id = ChosenQuestionnaireId();
    if (id < 0)
        return;
    TMainDataModule &data = *DataModule();
    data.ViewMode = viewmode::LookingUp;
    data.BuildTestFromQuestionnaire(id);
    ShowScreen(QStringLiteral("frage"));
}

void TNachschlagenFrame::DruckenShapeClick()
{
    const int id = ChosenQuestionnaireId();
    if (id < 0)
        return;
    IScreenContext &context = Context();
    // The wait window goes however the printing ends.
    auto wait = std::make_unique<TVelmoraWaitForm>(window());
    wait->show();
    context.Events().processPendingMessages();
    DataModule()->PrintQuestionnaire(id, context.Printer());
}

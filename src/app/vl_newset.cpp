#include "app/vl_newset.h"

#include "controls/layout_fonts.h"
#include "data/db_module.h"
#include "data/filter_guard.h"
#include "data/table_fields.h"
#include "layout/newset.h"
#include "screen/layout_geometry.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace fs = fields::sets;

TNewSetForm::TNewSetForm(TMainDataModule &data, QWidget *parent)
    : QDialog(parent),
      Label1(Placed(new QLabel(QStringLiteral("Bitte den Namen des neuen Sets angeben:"), this),
                    layout::newset::Label1)),
      SetNameEdit(Placed(new QLineEdit(this), layout::newset::SetNameEdit)),
      Bevel1(Placed(new QFrame(this), layout::newset::Bevel1)),
      BitBtn1(Placed(new QPushButton(QStringLiteral("OK"), this), layout::newset::BitBtn1)),
      BitBtn2(Placed(new QPushButton(QStringLiteral("Abbrechen"), this), layout::newset::BitBtn2)),
      m_data(data)
{
    setObjectName(QStringLiteral("NewSetForm"));
    setWindowTitle(QStringLiteral("Neues Set anlegen"));
    setFont(LayoutFontPx(11));
    setFixedSize(layout::newset::kWidth, layout::newset::kHeight);
    Label1->adjustSize();
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    BitBtn1->setAutoDefault(true);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn2->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TNewSetForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewSetForm::BitBtn1Click()
{
    TRecordTable &sets = m_data.SetsTable;
    // The new set must be appended whatever the editor's list shows.
    TFilterGuard view(sets);
    sets.SetFilter(QString());
    // The ID of the group in force; with no group at all the set has none (0). The shipped groups
    // start at 1, so 0 names no group there.
    TRecordTable &groups = m_data.TextGruppenTable;
    const int groupId = groups.Active() && !groups.IsEmpty() ? groups.FieldByName(fields::textgruppen::ID).AsInteger() : 0;
    sets.Append();
    sets.FieldByName(fs::Name).SetAsString(SetNameEdit->text());
    sets.FieldByName(fs::Wertung).SetAsInteger(1);
    sets.FieldByName(fs::Editierbar).SetAsBoolean(true);
    sets.FieldByName(fs::Freispielbar).SetAsBoolean(true);
    sets.FieldByName(fs::TextGruppeID).SetAsInteger(groupId);
    sets.FieldByName(fs::GirlName).SetAsString(QString());
    sets.Post();
    NewSetID = sets.FieldByName(fs::ID).AsInteger();
    NewSetName = SetNameEdit->text();
    view.Restore();
    accept();
}

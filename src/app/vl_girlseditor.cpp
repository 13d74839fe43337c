#include "app/vl_girlseditor.h"
#include "app/vl_girlseditor_step.h"

#include "controls/bitmap_image.h"
#include "controls/data_bindings.h"
#include "controls/layout_fonts.h"
#include "controls/picture_box.h"
#include "controls/show_picture_form.h"
#include "controls/table_model.h"
#include "controls/table_view_binding.h"
#include "controls/wertung_frame.h"
#include "core/ports.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "layout/girlseditor.h"
#include "pictures/jpeg_decoder.h"
#include "screen/layout_geometry.h"
#include "screen/screen_context.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace fs = fields::sets;
namespace fb = fields::bilder;
namespace l = layout::girlseditor;

namespace {

bool editing(const TRecordTable &table)
{
    return table.State() == TTableState::Edit || table.State() == TTableState::Insert;
}

QPushButton *button(QWidget *parent, const TLayoutRect &place, const char *caption)
{
    return Placed(new QPushButton(QString::fromUtf8(caption), parent), place);
}

QLabel *label(QWidget *parent, const TLayoutRect &place, const char *caption)
{
    auto *text = Placed(new QLabel(QString::fromUtf8(caption), parent), place);
    text->adjustSize();
    return text;
}

QFrame *whiteShape(QWidget *parent, const TLayoutRect &place)
{
    auto *shape = Placed(new QFrame(parent), place);
    shape->setAutoFillBackground(true);
    QPalette pal = shape->palette();
    pal.setColor(QPalette::Window, Qt::white);
    shape->setPalette(pal);
    return shape;
}

QTableView *grid(QWidget *parent, const TLayoutRect &place, TTableModel &model)
{
    auto *view = Placed(new QTableView(parent), place);
    new TTableViewBinding(*view, model);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setShowGrid(true);
    return view;
}

} // namespace

// Follows one table for one of the two bindings: a move, a post or a cancel is a change of the
// current record or of its data.
class TGirlsEditorFrame::Observer final : public ITableObserver
{
public:
    Observer(TGirlsEditorFrame &frame, void (TGirlsEditorFrame::*changed)()) : m_frame(frame), m_changed(changed) {}
    void recordMoved() override { (m_frame.*m_changed)(); }
    void postedOrCancelled() override
    {
        (m_frame.*m_changed)();
        m_frame.SaveSoon();
    }

private:
    TGirlsEditorFrame &m_frame;
    void (TGirlsEditorFrame::*m_changed)();
};


TGirlsEditorFrame::TGirlsEditorFrame(IScreenContext &context, QWidget *parent)
    : TModelFrame(context, parent),
      RunDialog([](QDialog &dialog) { return dialog.exec(); }),
      ShowFullPicture([this](const TBitmap &picture) { ShowPicture(picture, window()); }),
      m_data(*DataModule()),
      m_setObserver(std::make_unique<Observer>(*this, &TGirlsEditorFrame::SetChanged)),
      m_pictureObserver(std::make_unique<Observer>(*this, &TGirlsEditorFrame::PictureChanged))
{
    setFont(LayoutFontPx(l::kFontPixels));
    TMainDataModule &data = *DataModule();
    m_setsModel = new TTableModel(data.SetsTable, {fs::Name}, this);
    m_setsModel->SetColumnEditable(0, true);
    m_picturesModel = new TTableModel(data.BilderTable, {fb::NrInSet}, this);

    GroupBox1 = Placed(new QGroupBox(QStringLiteral("Sets"), this), l::GroupBox1);
    Shape2 = whiteShape(GroupBox1, l::Shape2);
    DBGrid1 = grid(GroupBox1, l::DBGrid1, *m_setsModel);
    NewSetButton = button(GroupBox1, l::NewSetButton, "Neues Set");
    DeleteSetButton = button(GroupBox1, l::DeleteSetButton, "Set löschen");
    ImportSet = button(GroupBox1, l::ImportSet, "Set importieren");
    ExportSet = button(GroupBox1, l::ExportSet, "Set exportieren");

    SetPropsGroupBox = Placed(new QGroupBox(QStringLiteral("Set-Eigenschaften"), this), l::SetPropsGroupBox);
    Label1 = label(SetPropsGroupBox, l::Label1, "Setname:");
    DBEdit1 = Placed(new QLineEdit(SetPropsGroupBox), l::DBEdit1);
    DBEdit1->setFont(LayoutFontPx(l::kNameFontPixels));
    Label2 = label(SetPropsGroupBox, l::Label2, "Autor:");
    DBEdit2 = Placed(new QLineEdit(SetPropsGroupBox), l::DBEdit2);
    DBEdit2->setFont(LayoutFontPx(l::kFontPixels, TFontStyle::Bold));
    Label3 = label(SetPropsGroupBox, l::Label3, "Wertung:");
    WertungFrame1 = Placed(new TWertungFrame(SkinFolder(), SetPropsGroupBox), l::WertungFrame1);
    Label4 = label(SetPropsGroupBox, l::Label4, "e-mail:");
    DBEdit3 = Placed(new QLineEdit(SetPropsGroupBox), l::DBEdit3);
    Label5 = label(SetPropsGroupBox, l::Label5, "website:");
    DBEdit4 = Placed(new QLineEdit(SetPropsGroupBox), l::DBEdit4);
    Label10 = label(SetPropsGroupBox, l::Label10, "Name des Girls:");
    DBEdit6 = Placed(new QLineEdit(SetPropsGroupBox), l::DBEdit6);
    Label11 = label(SetPropsGroupBox, l::Label11, "Textgruppe:");
    DBLookupComboBox1 = Placed(new QComboBox(SetPropsGroupBox), l::DBLookupComboBox1);
    TextGruppeEditButton = button(SetPropsGroupBox, l::TextGruppeEditButton, "Edit");
    DBCheckBox1 = Placed(new QCheckBox(QStringLiteral("Freispielbar"), SetPropsGroupBox), l::DBCheckBox1);

    BilderGroupBox = Placed(new QGroupBox(QStringLiteral("verknüpfte Bilder"), this), l::BilderGroupBox);
    Shape1 = whiteShape(BilderGroupBox, l::Shape1);
    DBGrid2 = grid(BilderGroupBox, l::DBGrid2, *m_picturesModel);
    DBGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DeleteBildButton = button(BilderGroupBox, l::DeleteBildButton, "Bild löschen");
    Button2 = button(BilderGroupBox, l::Button2, "Neues Bild importieren");
    Button3 = button(BilderGroupBox, l::Button3, "Bild nach oben");
    Button4 = button(BilderGroupBox, l::Button4, "Bild nach unten");
    Label7 = label(BilderGroupBox, l::Label7, "NrInSet:");
    DBText1 = Placed(new QLabel(BilderGroupBox), l::DBText1);
    Label8 = label(BilderGroupBox, l::Label8, "Wertung:");
    WertungFrame2 = Placed(new TWertungFrame(SkinFolder(), BilderGroupBox), l::WertungFrame2);
    Label9 = label(BilderGroupBox, l::Label9, "Bild:");
    Button6 = button(BilderGroupBox, l::Button6, "anzeigen");
    Image1 = Placed(new TPictureBox(BilderGroupBox), l::Image1);
    Image1->setMode(TPictureMode::Proportional);
    CheckBox1 = Placed(new QCheckBox(QStringLiteral("individueller Text für dieses Bild"), BilderGroupBox),
                       l::CheckBox1);
    CheckBox1->setEnabled(false);
    DBMemo1 = Placed(new QPlainTextEdit(BilderGroupBox), l::DBMemo1);

    // The bindings start detached: the screen binds them when it is shown.
    const auto field = [](std::vector<TFieldBinding *> &group, TFieldBinding *binding) {
        binding->Unbind();
        group.push_back(binding);
    };
    field(m_setFields, new TEditBinding(*DBEdit1, data.SetsTable, fs::Name));
    field(m_setFields, new TEditBinding(*DBEdit2, data.SetsTable, fs::Autor));
    field(m_setFields, new TEditBinding(*DBEdit3, data.SetsTable, fs::Autor_email));
    field(m_setFields, new TEditBinding(*DBEdit4, data.SetsTable, fs::Autor_website));
    field(m_setFields, new TEditBinding(*DBEdit6, data.SetsTable, fs::GirlName));
    field(m_setFields, new TLookupComboBinding(*DBLookupComboBox1, data.SetsTable, fs::TextGruppeID,
                                               data.TextGruppenTable, fields::textgruppen::ID,
                                               fields::textgruppen::Name));
    field(m_setFields, new TCheckBoxBinding(*DBCheckBox1, data.SetsTable, fs::Freispielbar));
    field(m_pictureFields, new TTextBinding(*DBText1, data.BilderTable, fb::NrInSet));
    field(m_pictureFields, new TMemoBinding(*DBMemo1, data.BilderTable, fb::Text));

    connect(NewSetButton, &QPushButton::clicked, this, &TGirlsEditorFrame::NewSetButtonClick);
    connect(DeleteSetButton, &QPushButton::clicked, this, &TGirlsEditorFrame::DeleteSetButtonClick);
    connect(ImportSet, &QPushButton::clicked, this, &TGirlsEditorFrame::ImportSetClick);
    connect(ExportSet, &QPushButton::clicked, this, &TGirlsEditorFrame::ExportSetClick);
    connect(TextGruppeEditButton, &QPushButton::clicked, this, &TGirlsEditorFrame::TextGruppeEditButtonClick);
    connect(DeleteBildButton, &QPushButton::clicked, this, &TGirlsEditorFrame::DeleteBildButtonClick);
    connect(Button2, &QPushButton::clicked, this, &TGirlsEditorFrame::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TGirlsEditorFrame::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TGirlsEditorFrame::Button4Click);
    connect(Button6, &QPushButton::clicked, this, &TGirlsEditorFrame::Button6Click);

    SetPropsGroupBox->hide();
    BilderGroupBox->hide();
}

TGirlsEditorFrame::~TGirlsEditorFrame()
{
    // The screen context may already be going; the tables outlive every screen.
    m_data.SetsTable.Detach(m_setObserver.get());
    m_data.BilderTable.Detach(m_pictureObserver.get());
}

// ---------------------------------------------------------------- hooks

void TGirlsEditorFrame::BackAction()
{
    UnbindBoth();
    ShowScreen(QStringLiteral("einstellungen"));
}

void TGirlsEditorFrame::HomeAction()
{
    ShowScreen(QStringLiteral("welcome"));
    UnbindBoth();
}

void TGirlsEditorFrame::OnCreation()
{
    for (auto [stars, handler] : {std::pair{WertungFrame1, &TGirlsEditorFrame::SetStarsChanged},
                                  std::pair{WertungFrame2, &TGirlsEditorFrame::PictureStarsChanged}}) {
        stars->ResetStars();
        stars->ReadOnly = false;
        stars->OnValueChange = [this, handler](TWertungFrame &control) { (this->*handler)(control.Value); };
    }
    DataModule()->SetsTable.First();
}

void TGirlsEditorFrame::OnShow()
{
    TMainDataModule &data = *DataModule();
    data.CheckIntegrity();
    data.SetsTable.SetFilter(QStringLiteral("(Editierbar)"));
    data.SetsTable.SetFiltered(true);
    BindBoth();
}

void TGirlsEditorFrame::OnLeave()
{
    // What was typed last is kept when the program ends while another screen shows.
    PostPendingEdits();
    SaveNow();
    // Detached first: the set's change would otherwise restrict the pictures to it again.
    UnbindBoth();
    TMainDataModule &data = *DataModule();
    for (TRecordTable *table : {&data.BilderTable, &data.SetsTable}) {
        table->SetFilter(QString());
        table->SetFiltered(false);
    }
}

// ---------------------------------------------------------------- bindings

void TGirlsEditorFrame::BindSets()
{
    if (m_setsBound)
        return;
    m_setsBound = true;
    DataModule()->SetsTable.Attach(m_setObserver.get());
    for (TFieldBinding *binding : m_setFields)
        binding->Bind();
    SetChanged();
}

void TGirlsEditorFrame::UnbindSets()
{
    m_setsBound = false;
    DataModule()->SetsTable.Detach(m_setObserver.get());
    for (TFieldBinding *binding : m_setFields)
        binding->Unbind();
}

void TGirlsEditorFrame::BindPictures()
{
    if (m_picturesBound)
        return;
    m_picturesBound = true;
    DataModule()->BilderTable.Attach(m_pictureObserver.get());
    for (TFieldBinding *binding : m_pictureFields)
        binding->Bind();
    PictureChanged();
}

void TGirlsEditorFrame::UnbindPictures()
{
    m_picturesBound = false;
    DataModule()->BilderTable.Detach(m_pictureObserver.get());
    for (TFieldBinding *binding : m_pictureFields)
        binding->Unbind();
}

void TGirlsEditorFrame::BindBoth()
{
    BindSets();
    BindPictures();
}

void TGirlsEditorFrame::UnbindBoth()
{
    UnbindSets();
    UnbindPictures();
}

bool TGirlsEditorFrame::HasEditableSet()
{
    TRecordTable &sets = DataModule()->SetsTable;
    return sets.Active() && !sets.IsEmpty() && sets.FieldByName(fs::Editierbar).AsBoolean();
}

bool TGirlsEditorFrame::HasPicture()
{
    return HasEditableSet() && !DataModule()->BilderTable.IsEmpty();
}

void TGirlsEditorFrame::SetChanged()
{
    TMainDataModule &data = *DataModule();
    if (HasEditableSet()) {
        SetPropsGroupBox->show();
        BilderGroupBox->show();
        const QString filter = QStringLiteral("SetID = %1").arg(data.SetsTable.FieldByName(fs::ID).AsInteger());
        TRecordTable &pictures = data.BilderTable;
        // Only a change of set restricts the pictures anew; a post of the same set keeps the picture.
        if (pictures.Filter() != filter || !pictures.Filtered()) {
            const bool wasBound = m_picturesBound;
            UnbindPictures();
            pictures.SetFilter(filter);
            pictures.SetFiltered(true);
            pictures.SortOn(fb::NrInSet);
            if (wasBound)
                BindPictures();
        }
    } else {
        SetPropsGroupBox->hide();
        BilderGroupBox->hide();
    }
    // While a star click is written, the stars already show it.
    if (!Updating)
        WertungFrame1->SetValue(data.SetsTable.IsEmpty() ? 0 : data.SetsTable.FieldByName(fs::Wertung).AsInteger());
}

void TGirlsEditorFrame::PictureChanged()
{
    TRecordTable &pictures = DataModule()->BilderTable;
    // Without a picture there is nothing to rate: its stars take no click.
    WertungFrame2->ReadOnly = !HasPicture();
    if (!Updating)
        WertungFrame2->SetValue(pictures.IsEmpty() ? 0 : pictures.FieldByName(fb::Wertung).AsInteger());
    const QString path = pictures.IsEmpty() ? QString()
                                            : DataModule()->SetPicturePath(pictures.FieldByName(fb::Bild).AsString());
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        try {
            m_picture = DecodeJpegFile(path);
            Image1->setBitmap(m_picture);
            Image1->show();
            CheckBox1->setChecked(pictures.FieldByName(fb::Text).AsString().size() > 1);
            return;
        } catch (const VelmoraError &) {
            // A file that does not decode shows no picture; it is never taken in as one.
        }
    }
    // No picture to show: "anzeigen" must not show the one before.
    m_picture = TBitmap();
    Image1->clearPicture();
    Image1->hide();
}

// ---------------------------------------------------------------- steps

void TGirlsEditorFrame::PostPendingEdits()
{
    TMainDataModule &data = *DataModule();
    for (TRecordTable *table : {&data.BilderTable, &data.SetsTable})
        if (editing(*table))
            table->Post();
}

void TGirlsEditorFrame::SaveSoon()
{
    // After the post has ended: the tables are written once the current event is done.
    if (m_savePending)
        return;
    m_savePending = true;
    QTimer::singleShot(0, this, [this] { SaveNow(); });
}

void TGirlsEditorFrame::SaveNow()
{
    m_savePending = false;
    try {
        DataModule()->SaveProgress(TProgressTable::Sets | TProgressTable::Bilder | TProgressTable::Texte |
                                   TProgressTable::TextGruppen);
    } catch (...) {
        // SaveProgress reports what it could not write; nothing of a step may be lost to it.
    }
}

void TGirlsEditorFrame::ReportDamage(const QString &message)
{
    if (!DataModule()->CheckIntegrity())
        Context().Dialogs().showMessage(message);
}

void TGirlsEditorFrame::WriteStars(TRecordTable &table, int value)
{
    Updating = true;
    try {
        table.Edit();
        table.FieldByName(fs::Wertung).SetAsInteger(value);
        table.Post();
    } catch (...) {
        Updating = false;
        throw;
    }
    Updating = false;
    // Left in edit mode, as a field the user typed into: posted by the next move or step.
    table.Edit();
}

void TGirlsEditorFrame::SetStarsChanged(int value)
{
    if (!HasEditableSet())
        return;
    WriteStars(DataModule()->SetsTable, value);
}

void TGirlsEditorFrame::PictureStarsChanged(int value)
{
    if (!HasPicture())
        return;
    WriteStars(DataModule()->BilderTable, value);
}

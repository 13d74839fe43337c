#include "app/vl_textgruppen.h"

#include "controls/data_bindings.h"
#include "controls/layout_fonts.h"
#include "controls/record_navigator.h"
#include "controls/table_model.h"
#include "controls/table_view_binding.h"
#include "core/file_dialog_port.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "data/filter_guard.h"
#include "data/table_fields.h"
#include "exam/text_group_file.h"
#include "layout/textgruppen.h"
#include "screen/layout_geometry.h"

#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

namespace ft = fields::texte;
namespace fg = fields::textgruppen;

namespace {

QTableView *gridOf(QWidget *parent, const TLayoutRect &place, TTableModel &model)
{
    auto *grid = Placed(new QTableView(parent), place);
    new TTableViewBinding(*grid, model);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

bool editing(const TRecordTable &table)
{
    return table.State() == TTableState::Edit || table.State() == TTableState::Insert;
}

} // namespace

class TTextGruppenForm::GroupObserver final : public ITableObserver
{
public:
    explicit GroupObserver(TTextGruppenForm &form) : m_form(form) {}
    void recordMoved() override { m_form.GroupChanged(); }
    void modeChanged() override { m_form.GroupChanged(); }
    void postedOrCancelled() override { m_form.GroupChanged(); }

private:
    TTextGruppenForm &m_form;
};

TTextGruppenForm::TTextGruppenForm(TMainDataModule &data, IDialogPort &dialogs, IFileDialogPort &fileDialogs,
                                   QWidget *parent)
    : QDialog(parent), m_data(data), m_dialogs(dialogs), m_fileDialogs(fileDialogs),
      m_groupsModel(new TTableModel(data.TextGruppenTable, {fg::Name}, this)),
      m_textsModel(new TTableModel(data.TexteTable, {ft::ID}, this)),
      m_groupObserver(std::make_unique<GroupObserver>(*this))
{
    namespace l = layout::textgruppen;
    setObjectName(QStringLiteral("TextGruppenForm"));
    setWindowTitle(QStringLiteral("Textgruppen"));
    setFont(LayoutFontPx(11));
    setFixedSize(l::kWidth, l::kHeight);

    // The texts table shows only the current group's texts, from the start.
    data.TexteTable.SetFiltered(true);

    m_groupsModel->SetColumnEditable(0, true);
    m_groupsModel->SetColumnTitle(0, QStringLiteral("Textgruppe"));
    DBGrid1 = gridOf(this, l::DBGrid1, *m_groupsModel);
    DBNavigator1 = Placed(new TRecordNavigator(data.TextGruppenTable, dialogs,
                                               {TNavigatorButton::First, TNavigatorButton::Prior,
                                                TNavigatorButton::Next, TNavigatorButton::Last,
                                                TNavigatorButton::Insert, TNavigatorButton::Delete,
                                                TNavigatorButton::Edit, TNavigatorButton::Post,
                                                TNavigatorButton::Cancel, TNavigatorButton::Refresh},
                                               this),
                          l::DBNavigator1);
    DBNavigator1->DeleteAction = [this] { DeleteGroup(); };

    GroupBox1 = Placed(new QGroupBox(QStringLiteral("Eigenschaften"), this), l::GroupBox1);
    Button3 = Placed(new QPushButton(QStringLiteral("Exportieren"), GroupBox1), l::Button3);
    Button2 = Placed(new QPushButton(QStringLiteral("Importieren"), GroupBox1), l::Button2);
    Label2 = Placed(new QLabel(QStringLiteral("Beschreibung:"), GroupBox1), l::Label2);
    DBMemo1 = Placed(new QPlainTextEdit(GroupBox1), l::DBMemo1);
    new TMemoBinding(*DBMemo1, data.TextGruppenTable, fg::Beschreibung);

    GroupBox2 = Placed(new QGroupBox(QStringLiteral("Texte"), this), l::GroupBox2);
    DBGrid2 = gridOf(GroupBox2, l::DBGrid2, *m_textsModel);
    DBGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label3 = Placed(new QLabel(QStringLiteral("Text:"), GroupBox2), l::Label3);
    DBMemo2 = Placed(new QPlainTextEdit(GroupBox2), l::DBMemo2);
    new TMemoBinding(*DBMemo2, data.TexteTable, ft::Text);
    Label4 = Placed(new QLabel(QStringLiteral("%s = Name des Girls"), GroupBox2), l::Label4);
    Button1 = Placed(new QPushButton(QStringLiteral("neuer Text"), GroupBox2), l::Button1);
    DBNavigator2 = Placed(new TRecordNavigator(data.TexteTable, dialogs, {TNavigatorButton::Delete}, GroupBox2),
                          l::DBNavigator2);

    BitBtn1 = Placed(new QPushButton(QStringLiteral("OK"), this), l::BitBtn1);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);

    connect(Button1, &QPushButton::clicked, this, &TTextGruppenForm::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TTextGruppenForm::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &TTextGruppenForm::Button2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    data.TextGruppenTable.Attach(m_groupObserver.get());
    GroupChanged();
}

TTextGruppenForm::~TTextGruppenForm()
{
    m_data.TextGruppenTable.Detach(m_groupObserver.get());
}

bool TTextGruppenForm::HasGroup()
{
    // The restriction of the texts stays from the last group shown; it names a group only while one
    // is listed. A group being added has no ID before it is saved.
    const TRecordTable &groups = m_data.TextGruppenTable;
    return groups.Active() && !groups.IsEmpty() && groups.State() != TTableState::Insert;
}

int TTextGruppenForm::CurrentGroupId()
{
    return m_data.TextGruppenTable.FieldByName(fg::ID).AsInteger();
}

void TTextGruppenForm::GroupChanged()
{
    if (m_closed)
        return;
    if (!HasGroup()) {
        GroupBox2->hide();
        return;
    }
    const QString filter = QStringLiteral("TextGruppeID = %1").arg(CurrentGroupId());
    TRecordTable &texts = m_data.TexteTable;
    if (texts.Filter() != filter)
        texts.SetFilter(filter);
    texts.SetFiltered(true);
    GroupBox2->show();
}

void TTextGruppenForm::Button1Click()
{
    TRecordTable &groups = m_data.TextGruppenTable;
    if (m_data.TexteTable.Filter().isEmpty() || !HasGroup())
        return;
    if (editing(groups))
        groups.Post();
    const int groupId = CurrentGroupId();
    m_data.TexteTable.Append();
    m_data.TexteTable.FieldByName(ft::TextGruppeID).SetAsInteger(groupId);
}

void TTextGruppenForm::Button3Click()
{
    TRecordTable &texts = m_data.TexteTable;
    if (texts.Filter().isEmpty() || !HasGroup())
        return;
    TFileDialogOptions options;
    options.filter = QString::fromLatin1(filedialogs::kTextFileFilter);
    options.defaultExtension = QString::fromLatin1(filedialogs::kTextFileExtension);
    const QString path = m_fileDialogs.saveFile(options);
    if (path.isEmpty())
        return;
    PostPendingEdits();
    QStringList all;
    for (texts.First(); !texts.Eof(); texts.Next())
        all << texts.FieldByName(ft::Text).AsString();
    texts.First();
    QFile file(path);
    const QByteArray bytes = TextGroupFileBytes(all);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush())
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht erstellt werden. %2").arg(path, file.errorString()));
}

void TTextGruppenForm::Button2Click()
{
    TRecordTable &texts = m_data.TexteTable;
    if (texts.Filter().isEmpty() || !HasGroup())
        return;
    TFileDialogOptions options;
    options.filter = QString::fromLatin1(filedialogs::kTextFileFilter);
    options.defaultExtension = QString::fromLatin1(filedialogs::kTextFileExtension);
    const QString path = m_fileDialogs.openFile(options);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht gelesen werden. %2").arg(path, file.errorString()));
    PostPendingEdits();
    const int groupId = CurrentGroupId();
    for (const QString &text : TextsOfTextGroupFile(bytes)) {
        texts.Append();
        texts.FieldByName(ft::TextGruppeID).SetAsInteger(groupId);
        texts.FieldByName(ft::Text).SetAsString(text);
        texts.Post();
    }
}

void TTextGruppenForm::DeleteGroup()
{
    TRecordTable &groups = m_data.TextGruppenTable;
    if (groups.IsEmpty())
        return;
    PostPendingEdits();
    // The group's texts go with it: an orphaned text would turn up in the next group given its ID.
    const int groupId = CurrentGroupId();
    {
        TFilterGuard view(m_data.TexteTable);
        view.Restrict(QStringLiteral("TextGruppeID = %1").arg(groupId));
        while (!m_data.TexteTable.IsEmpty()) {
            m_data.TexteTable.First();
            m_data.TexteTable.Delete();
        }
    }
    groups.Delete();
}

void TTextGruppenForm::PostPendingEdits()
{
    for (TRecordTable *table : {&m_data.TexteTable, &m_data.TextGruppenTable})
        if (editing(*table))
            table->Post();
}

void TTextGruppenForm::done(int result)
{
    if (!m_closed) {
        PostPendingEdits();
        m_closed = true;
        m_data.TextGruppenTable.Detach(m_groupObserver.get());
        m_data.TexteTable.SetFilter(QString());
    }
    QDialog::done(result);
}

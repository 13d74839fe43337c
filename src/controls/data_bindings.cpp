#include "controls/data_bindings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>

// ---------------------------------------------------------------- the common part

TFieldBinding::TFieldBinding(QObject &control, TRecordTable &table, const QString &fieldName)
    : QObject(&control), m_table(table), m_fieldName(fieldName)
{
}

TFieldBinding::~TFieldBinding()
{
    m_table.Detach(this);
}

void TFieldBinding::Bind()
{
    if (m_bound)
        return;
    m_bound = true;
    m_table.Attach(this);
    Refresh();
}

void TFieldBinding::Unbind()
{
    m_bound = false;
    m_table.Detach(this);
}

TField TFieldBinding::Field() const
{
    return m_table.FindField(m_fieldName);
}

void TFieldBinding::Refresh()
{
    if (m_writing)
        return;
    m_showing = true;
    Show();
    m_showing = false;
}

bool TFieldBinding::CanWrite() const
{
    if (!m_bound || m_showing || !m_table.Active() || !Field().IsValid())
        return false;
    // A record being inserted is there to be written; otherwise there must be a current record.
    return m_table.State() == TTableState::Insert || !m_table.IsEmpty();
}

bool TFieldBinding::StartEdit()
{
    if (!CanWrite())
        return false;
    const QScopedValueRollback writing(m_writing, true);
    m_table.Edit();
    return true;
}

void TFieldBinding::WriteText(const QString &text)
{
    if (!StartEdit())
        return;
    const QScopedValueRollback writing(m_writing, true);
    Field().SetAsString(text);
}

void TFieldBinding::WriteBoolean(bool value)
{
    if (!StartEdit())
        return;
    const QScopedValueRollback writing(m_writing, true);
    Field().SetAsBoolean(value);
}

void TFieldBinding::fieldWritten(const TField &field)
{
    if (field.Index() == Field().Index())
        Refresh();
}

namespace {

// The field's value as the controls show it: empty on an unbound, closed or empty table.
QString shownText(const TField &field)
{
    if (!field.IsValid() || !field.Table()->Active())
        return {};
    return field.AsString();
}

bool canShow(const TField &field)
{
    const TRecordTable *table = field.Table();
    return field.IsValid() && table->Active() && (!table->IsEmpty() || table->State() == TTableState::Insert);
}

} // namespace

// ---------------------------------------------------------------- edit

TEditBinding::TEditBinding(QLineEdit &edit, TRecordTable &table, const QString &fieldName)
    : TFieldBinding(edit, table, fieldName), m_edit(&edit)
{
    // textEdited: the user's typing only, never the text the binding puts there.
    connect(&edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        // A number field takes digits only; a lone minus sign waits for its digits.
        if (IsIntegerType(Field().Type()) && !text.isEmpty()) {
            bool number = false;
            text.toInt(&number);
            if (!number)
                return;
        }
        WriteText(text);
    });
    Bind();
}

void TEditBinding::Show()
{
    if (!m_edit)
        return;
    const TField field = Field();
    if (field.IsValid() && field.Def().type == TFieldType::String && field.Size() > 0)
        m_edit->setMaxLength(field.Size());
    if (field.IsValid() && IsIntegerType(field.Type()) && m_edit->validator() == nullptr) {
        static const QRegularExpression digits(QStringLiteral("-?[0-9]{0,10}"));
        m_edit->setValidator(new QRegularExpressionValidator(digits, m_edit));
    }
    const QString text = shownText(field);
    if (m_edit->text() != text)
        m_edit->setText(text);
    m_edit->setReadOnly(!canShow(field));
}

// ---------------------------------------------------------------- memo

TMemoBinding::TMemoBinding(QPlainTextEdit &memo, TRecordTable &table, const QString &fieldName)
    : TFieldBinding(memo, table, fieldName), m_memo(&memo)
{
    connect(&memo, &QPlainTextEdit::textChanged, this, [this] {
        if (!Showing() && m_memo)
            WriteText(m_memo->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
    });
    Bind();
}

void TMemoBinding::Show()
{
    if (!m_memo)
        return;
    const TField field = Field();
    QString text = shownText(field);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_memo->toPlainText() != text)
        m_memo->setPlainText(text);
    m_memo->setReadOnly(!canShow(field));
}

// ---------------------------------------------------------------- check box

TCheckBoxBinding::TCheckBoxBinding(QCheckBox &box, TRecordTable &table, const QString &fieldName)
    : TFieldBinding(box, table, fieldName), m_box(&box)
{
    // clicked: the user's click or key only.
    connect(&box, &QCheckBox::clicked, this, [this](bool checked) {
        if (CanWrite())
            WriteBoolean(checked);
        else
            Refresh(); // nothing to write into: the box shows the table again
    });
    Bind();
}

void TCheckBoxBinding::Show()
{
    if (!m_box)
        return;
    const TField field = Field();
    m_box->setChecked(canShow(field) && field.AsBoolean());
}

// ---------------------------------------------------------------- text

TTextBinding::TTextBinding(QLabel &label, TRecordTable &table, const QString &fieldName)
    : TFieldBinding(label, table, fieldName), m_label(&label)
{
    Bind();
}

void TTextBinding::Show()
{
    if (m_label)
        m_label->setText(shownText(Field()));
}

// ---------------------------------------------------------------- look-up combo

class TLookupComboBinding::ListObserver final : public ITableObserver
{
public:
    explicit ListObserver(TLookupComboBinding &owner) : m_owner(owner) {}
    void recordMoved() override { Check(); }
    void postedOrCancelled() override { Check(); }

private:
    void Check()
    {
        const quint64 generation = m_owner.m_listTable.ViewGeneration();
        if (generation != m_generation) {
            m_generation = generation;
            m_owner.ReloadList();
        }
    }
    TLookupComboBinding &m_owner;
    quint64 m_generation = ~quint64(0);
};

TLookupComboBinding::TLookupComboBinding(QComboBox &combo, TRecordTable &table, const QString &fieldName,
                                         TRecordTable &listTable, const QString &keyField,
                                         const QString &listField)
    : TFieldBinding(combo, table, fieldName), m_combo(&combo), m_listTable(listTable), m_keyField(keyField),
      m_listField(listField), m_listObserver(std::make_unique<ListObserver>(*this))
{
    combo.setEditable(false);
    ReloadList();
    m_listTable.Attach(m_listObserver.get());
    // activated: the user's choice only.
    connect(&combo, &QComboBox::activated, this, [this](int index) {
        if (!m_combo)
            return;
        if (CanWrite())
            WriteText(m_combo->itemData(index).toString());
        else
            Refresh();
    });
    Bind();
}

TLookupComboBinding::~TLookupComboBinding()
{
    m_listTable.Detach(m_listObserver.get());
}

void TLookupComboBinding::ReloadList()
{
    if (!m_combo)
        return;
    const QSignalBlocker quiet(m_combo);
    m_combo->clear();
    const int key = m_listTable.FieldIndex(m_keyField);
    const int shown = m_listTable.FieldIndex(m_listField);
    if (m_listTable.Active() && key >= 0 && shown >= 0) {
        const int count = m_listTable.RecordCount();
        for (int row = 0; row < count; ++row)
            m_combo->addItem(m_listTable.VisibleValue(row, shown).toString(), m_listTable.VisibleValue(row, key));
    }
    Refresh();
}

void TLookupComboBinding::Show()
{
    if (!m_combo)
        return;
    const TField field = Field();
    int found = -1;
    if (canShow(field) && !field.IsNull())
        found = m_combo->findData(field.AsVariant());
    m_combo->setCurrentIndex(found);
}

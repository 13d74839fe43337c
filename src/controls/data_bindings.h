#pragma once

#include "data/record_table.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// A control bound to one field of a table: it shows the field of the current record and follows
// the table's change notification; what the user changes in it is written into the record with
// Edit, and stays in edit mode until the table posts it (a move or the program's post). Nothing is
// written while the binding shows what the program did to the table, and never into an empty view:
// Edit would insert a record there. The binding goes with its control.
class TFieldBinding : public QObject, protected ITableObserver
{
    Q_OBJECT
public:
    ~TFieldBinding() override;

    // Unbound, the control keeps what it shows and the table is neither followed nor written.
    void Bind();
    void Unbind();
    bool IsBound() const { return m_bound; }

    TRecordTable &Table() const { return m_table; }
    const QString &FieldName() const { return m_fieldName; }
    // Shows the field of the current record again.
    void Refresh();

protected:
    TFieldBinding(QObject &control, TRecordTable &table, const QString &fieldName);

    // Whether the user's change may be written now: bound, open, a record to write into.
    bool CanWrite() const;
    // Writes a text (integer fields: a decimal number or empty for null) or a boolean.
    void WriteText(const QString &text);
    void WriteBoolean(bool value);
    // The field's handle, invalid when the table has no such field.
    TField Field() const;
    bool Showing() const { return m_showing; }

    // Shows the field's value (or the empty value when there is nothing to show).
    virtual void Show() = 0;

private:
    void recordMoved() override { Refresh(); }
    void modeChanged() override { Refresh(); }
    void postedOrCancelled() override { Refresh(); }
    void fieldWritten(const TField &field) override;
    bool StartEdit();

    TRecordTable &m_table;
    QString m_fieldName;
    bool m_bound = false;
    bool m_showing = false;
    bool m_writing = false;
};

// A one-line edit of a text or number field.
class TEditBinding final : public TFieldBinding
{
    Q_OBJECT
public:
    TEditBinding(QLineEdit &edit, TRecordTable &table, const QString &fieldName);

private:
    void Show() override;
    QPointer<QLineEdit> m_edit;
};

// A multi-line edit of a memo or text field.
class TMemoBinding final : public TFieldBinding
{
    Q_OBJECT
public:
    TMemoBinding(QPlainTextEdit &memo, TRecordTable &table, const QString &fieldName);

private:
    void Show() override;
    QPointer<QPlainTextEdit> m_memo;
};

// A check box of a boolean field.
class TCheckBoxBinding final : public TFieldBinding
{
    Q_OBJECT
public:
    TCheckBoxBinding(QCheckBox &box, TRecordTable &table, const QString &fieldName);

private:
    void Show() override;
    QPointer<QCheckBox> m_box;
};

// A label that shows a field; it writes nothing.
class TTextBinding final : public TFieldBinding
{
    Q_OBJECT
public:
    TTextBinding(QLabel &label, TRecordTable &table, const QString &fieldName);

private:
    void Show() override;
    QPointer<QLabel> m_label;
};

// A drop-down choice that stores a key field of one table (the set's "TextGruppeID") and offers the
// records of another (the text groups), shown by one field ("Name"), stored by another ("ID"). The
// list table is read without moving its cursor.
class TLookupComboBinding final : public TFieldBinding
{
    Q_OBJECT
public:
    TLookupComboBinding(QComboBox &combo, TRecordTable &table, const QString &fieldName, TRecordTable &listTable,
                        const QString &keyField, const QString &listField);
    ~TLookupComboBinding() override;

    // Reads the entries again from the list table.
    void ReloadList();

private:
    class ListObserver;
    void Show() override;

    QPointer<QComboBox> m_combo;
    TRecordTable &m_listTable;
    QString m_keyField;
    QString m_listField;
    std::unique_ptr<ListObserver> m_listObserver;
};

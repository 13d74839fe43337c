#pragma once

#include "data/record_table.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// A table model over a record table: one row per visible record in the table's order, one column
// per named field. It follows the table's change notification: a cursor move only reports the new
// current row; a changed view is told to the views as changed values, a new order (layout) or, when
// records came or went, a reset. Values of the record being edited show as they are being typed.
class TTableModel : public QAbstractTableModel, private ITableObserver
{
    Q_OBJECT
public:
    TTableModel(TRecordTable &table, const QStringList &fieldNames, QObject *parent = nullptr);
    ~TTableModel() override;

    TRecordTable &Table() const { return m_table; }
    const QStringList &FieldNames() const { return m_fieldNames; }
    int ColumnOfField(const QString &fieldName) const;
    // The row of the table's current record; -1 when it has none.
    int CurrentRow() const;
    // Makes a column editable in place: a value set through the model edits the record of its row
    // (which becomes current) and stays in edit mode until the table posts it.
    void SetColumnEditable(int column, bool editable);
    // The caption of a column's header (the field name unless set).
    void SetColumnTitle(int column, const QString &title);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

Q_SIGNALS:
    // The table's current record is now at this row (-1: none).
    void currentRowChanged(int row);

private:
    void recordMoved() override { Follow(false); }
    void modeChanged() override { Follow(false); }
    void postedOrCancelled() override { Follow(true); }
    void fieldWritten(const TField &field) override;

    // Brings the rows up to the table; after a post or cancel the current row shows its stored values.
    void Follow(bool postedOrCancelled);
    bool IsRowOfView(const QModelIndex &index) const;
    std::vector<int> VisibleRecords() const;
    void ApplyView(std::vector<int> records);

    TRecordTable &m_table;
    QStringList m_fieldNames;
    std::vector<int> m_fieldIndexes;
    std::vector<bool> m_editable;
    QStringList m_titles;
    std::vector<int> m_records; // record numbers of the rows, as the views know them
    quint64 m_generation = ~quint64(0);
    bool m_wasActive = false;
    int m_lastCurrentRow = -2;
};

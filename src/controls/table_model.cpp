#include "controls/table_model.h"

#include <QHash>
#include <algorithm>

TTableModel::TTableModel(TRecordTable &table, const QStringList &fieldNames, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_fieldNames(fieldNames)
{
    for (const QString &name : m_fieldNames)
        m_fieldIndexes.push_back(m_table.FieldIndex(name));
    m_editable.assign(m_fieldNames.size(), false);
    m_records = VisibleRecords();
    m_generation = m_table.ViewGeneration();
    m_wasActive = m_table.Active();
    m_lastCurrentRow = CurrentRow();
    m_table.Attach(this);
}

TTableModel::~TTableModel()
{
    m_table.Detach(this);
}

int TTableModel::ColumnOfField(const QString &fieldName) const
{
    for (int column = 0; column < m_fieldNames.size(); ++column) {
        if (m_fieldNames[column].compare(fieldName, Qt::CaseInsensitive) == 0)
            return column;
    }
    return -1;
}

int TTableModel::CurrentRow() const
{
    if (!m_table.Active() || m_table.IsEmpty())
        return -1;
    return m_table.RecNo() - 1;
}

void TTableModel::SetColumnEditable(int column, bool editable)
{
    if (column >= 0 && column < int(m_editable.size()))
        m_editable[size_t(column)] = editable;
}

bool TTableModel::IsRowOfView(const QModelIndex &index) const
{
    // Views ask about the invalid index as well; that is no fault worth a warning.
    return index.isValid() && index.model() == this && index.row() < rowCount() && index.column() < columnCount();
}

int TTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int TTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fieldNames.size());
}

QVariant TTableModel::data(const QModelIndex &index, int role) const
{
    if (!IsRowOfView(index) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int fieldIndex = m_fieldIndexes[size_t(index.column())];
    if (fieldIndex < 0)
        return {};
    // The record being edited shows its edit buffer; a new record being inserted has no row yet.
    const TTableState state = m_table.State();
    if (state == TTableState::Edit && index.row() == CurrentRow())
        return m_table.Field(fieldIndex).AsVariant();
    return m_table.VisibleValue(index.row(), fieldIndex);
}

void TTableModel::SetColumnTitle(int column, const QString &title)
{
    if (column < 0 || column >= m_fieldNames.size())
        return;
    while (m_titles.size() <= column)
        m_titles << QString();
    m_titles[column] = title;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

QVariant TTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < m_fieldNames.size())
        return section < m_titles.size() && !m_titles[section].isEmpty() ? m_titles[section] : m_fieldNames[section];
    if (orientation == Qt::Vertical && section >= 0 && section < rowCount())
        return section + 1;
    return {};
}

Qt::ItemFlags TTableModel::flags(const QModelIndex &index) const
{
    if (!IsRowOfView(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_editable[size_t(index.column())] && m_fieldIndexes[size_t(index.column())] >= 0)
        result |= Qt::ItemIsEditable;
    return result;
}

bool TTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || m_table.IsEmpty())
        return false;
    if (CurrentRow() != index.row())
        m_table.SetRecNo(index.row() + 1);
    if (CurrentRow() != index.row())
        return false;
    m_table.Edit();
    TField field = m_table.Field(m_fieldIndexes[size_t(index.column())]);
    if (field.Type() == TFieldType::Boolean)
        field.SetAsBoolean(value.toBool());
    else
        field.SetAsString(value.toString());
    return true;
}

void TTableModel::fieldWritten(const TField &field)
{
    const int row = CurrentRow();
    if (row < 0 || row >= rowCount() || m_table.State() != TTableState::Edit)
        return;
    for (size_t column = 0; column < m_fieldIndexes.size(); ++column) {
        if (m_fieldIndexes[column] == field.Index())
            Q_EMIT dataChanged(index(row, int(column)), index(row, int(column)));
    }
}

std::vector<int> TTableModel::VisibleRecords() const
{
    std::vector<int> records;
    if (!m_table.Active())
        return records;
    const int count = m_table.RecordCount();
    records.reserve(size_t(count));
    for (int row = 0; row < count; ++row)
        records.push_back(m_table.VisibleRecordNumber(row));
    return records;
}

void TTableModel::Follow(bool postedOrCancelled)
{
    // A walk over the table by the program moves the cursor thousands of times; only a changed view
    // costs a look at every record.
    if (m_table.ViewGeneration() != m_generation || m_table.Active() != m_wasActive) {
        m_generation = m_table.ViewGeneration();
        m_wasActive = m_table.Active();
        ApplyView(VisibleRecords());
    } else if (postedOrCancelled && CurrentRow() >= 0) {
        // A cancelled edit shows the stored values again.
        const int row = CurrentRow();
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
    const int row = CurrentRow();
    if (row != m_lastCurrentRow) {
        m_lastCurrentRow = row;
        Q_EMIT currentRowChanged(row);
    }
}

void TTableModel::ApplyView(std::vector<int> records)
{
    if (records == m_records) {
        if (!m_records.empty())
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    std::vector<int> sortedOld = m_records, sortedNew = records;
    std::sort(sortedOld.begin(), sortedOld.end());
    std::sort(sortedNew.begin(), sortedNew.end());
    if (sortedOld != sortedNew || m_records.empty()) {
        beginResetModel();
        m_records = std::move(records);
        endResetModel();
        return;
    }
    // The same records in another order: the views keep their selection and current item.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QHash<int, int> newRowOf;
    for (int row = 0; row < int(records.size()); ++row)
        newRowOf.insert(records[size_t(row)], row);
    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (const QModelIndex &old : persistent)
        moved << index(newRowOf.value(m_records[size_t(old.row())]), old.column());
    m_records = std::move(records);
    changePersistentIndexList(persistent, moved);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

#include "data/record_table.h"

#include "core/velmora_error.h"
#include "data/table_file.h"

#include <algorithm>

namespace {

QString closedText() { return QStringLiteral("Operation bei geschlossener Datenmenge nicht ausführbar"); }
QString emptyText() { return QStringLiteral("Operation bei leerer Datenmenge nicht ausführbar"); }

// How many value slots the spare records of one table may hold (about 2.5 MB): enough for the
// scratch table of a draw over the whole catalogue, little for a wide table that is closed.
constexpr size_t MaxSpareValueSlots = size_t(1) << 16;

} // namespace

TRecordTable::TRecordTable(QString name) : m_name(std::move(name)) {}

TRecordTable::~TRecordTable()
{
    for (TRecord *record : m_rows)
        delete record;
    for (TRecord *record : m_spareRecords)
        delete record;
}

void TRecordTable::Fail(const QString &text) const
{
    throw VelmoraError(m_name.isEmpty() ? text : m_name + QStringLiteral(": ") + text);
}

void TRecordTable::CheckActive() const
{
    if (!Active())
        Fail(closedText());
}

void TRecordTable::CheckFieldsChangeable() const
{
    if (Active())
        Fail(QStringLiteral("Operation bei geöffneter Datenmenge nicht ausführbar"));
}

// ---------------------------------------------------------------- structure

TField TRecordTable::AddField(const QString &name, TFieldType type, int size)
{
    AddFieldDef(TFieldDef::Make(name, type, size));
    return TField(this, FieldCount() - 1);
}

void TRecordTable::AddFieldDef(const TFieldDef &def)
{
    CheckFieldsChangeable();
    m_fields.push_back(def);
    RebuildFieldIndex();
}

void TRecordTable::SetDisplayWidth(const QString &fieldName, int width)
{
    const int index = FieldIndex(fieldName);
    if (index < 0)
        Fail(QStringLiteral("Das Feld '%1' wurde nicht gefunden").arg(fieldName));
    m_fields[size_t(index)].displayWidth = width;
}

void TRecordTable::ClearFields()
{
    CheckFieldsChangeable();
    m_fields.clear();
    RebuildFieldIndex();
}

void TRecordTable::RebuildFieldIndex()
{
    m_autoIncField = -1;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_autoIncField < 0 && m_fields[i].type == TFieldType::AutoInc)
            m_autoIncField = int(i);
    }
    ++m_fieldsGeneration;
    Changed();
}

int TRecordTable::FieldIndex(const QString &name) const
{
    // Callers nearly always spell the name as defined: try that cheap comparison first.
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name == name)
            return int(i);
    }
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

TField TRecordTable::FindField(const QString &name)
{
    const int index = FieldIndex(name);
    return index < 0 ? TField() : TField(this, index);
}

TField TRecordTable::FieldByName(const QString &name)
{
    const int index = FieldIndex(name);
    if (index < 0)
        Fail(QStringLiteral("Das Feld '%1' wurde nicht gefunden").arg(name));
    return TField(this, index);
}

void TRecordTable::AddIndexDef(const TIndexDef &def)
{
    m_indexDefs.push_back(def);
    if (Active() && !m_sortFromSortOn && def.name.compare(m_indexName, Qt::CaseInsensitive) == 0)
        RestoreOrder();
}

void TRecordTable::ClearIndexDefs()
{
    m_indexDefs.clear();
    if (Active() && !m_sortFromSortOn)
        RestoreOrder();
}

void TRecordTable::SetIndexName(const QString &name)
{
    m_indexName = name;
    if (Active() && !m_sortFromSortOn)
        RestoreOrder();
}

// ---------------------------------------------------------------- opening

void TRecordTable::ResetContent()
{
    for (TRecord *record : m_rows)
        DiscardRecord(record);
    m_rows.clear();
    m_sorted.clear();
    m_sortFields.clear();
    m_sortFromSortOn = false;
    m_sortDescending = false;
    m_cursor = -1;
    m_bof = m_eof = true;
    m_buffer.clear();
    m_bufferModified = false;
    m_autoIncCounter = -1;
    m_nextRecordNumber = 0;
    m_freedNumbers.clear();
    Changed();
}

void TRecordTable::Open()
{
    if (Active())
        return;
    ResetContent();
    m_state = TTableState::Browse;
    ApplyIndexOrder();
    Notify(Change::Moved);
}

void TRecordTable::Close()
{
    if (!Active())
        return;
    ResetContent();
    m_state = TTableState::Inactive;
    Notify(Change::Moved);
}

// ---------------------------------------------------------------- changing

// Movements end an edit or insert first: posted when a field was written, dropped otherwise.
void TRecordTable::EndEditForMove()
{
    if (m_state != TTableState::Edit && m_state != TTableState::Insert)
        return;
    if (m_bufferModified)
        Post();
    else
        Cancel();
}

void TRecordTable::StartInsert(bool append)
{
    m_buffer.assign(m_fields.size(), TValue());
    if (m_autoIncField >= 0) {
        m_buffer[size_t(m_autoIncField)].number = qint64(m_autoIncCounter) + 1;
        m_buffer[size_t(m_autoIncField)].isNull = false;
    }
    m_insertAppends = append || CurrentRecord() == nullptr;
    m_bufferModified = false;
    m_state = TTableState::Insert;
    Notify(Change::Mode);
}

void TRecordTable::Append()
{
    CheckActive();
    EndEditForMove();
    StartInsert(true);
}

void TRecordTable::Insert()
{
    CheckActive();
    EndEditForMove();
    StartInsert(false);
}

void TRecordTable::Edit()
{
    CheckActive();
    if (m_state == TTableState::Edit || m_state == TTableState::Insert)
        return;
    const TRecord *current = CurrentRecord();
    if (current == nullptr || IsEmpty()) {
        StartInsert(false);
        return;
    }
    m_buffer = current->values;
    m_bufferModified = false;
    m_state = TTableState::Edit;
    Notify(Change::Mode);
}

int TRecordTable::TakeRecordNumber()
{
    if (!m_freedNumbers.empty()) {
        const int number = m_freedNumbers.back();
        m_freedNumbers.pop_back();
        return number;
    }
    return m_nextRecordNumber++;
}

// A record for a post: a spare one when there is one, its (empty) value room swapped into the edit
// buffer for the next insert.
TRecord *TRecordTable::NewRecord()
{
    if (m_spareRecords.empty())
        return new TRecord;
    TRecord *record = m_spareRecords.back();
    m_spareRecords.pop_back();
    m_spareValueSlots -= record->values.capacity();
    return record;
}

void TRecordTable::DiscardRecord(TRecord *record)
{
    const size_t slots = record->values.capacity();
    if (m_spareValueSlots + slots > MaxSpareValueSlots) {
        delete record;
        return;
    }
    record->values.clear(); // frees the texts, keeps the room
    record->recordNumber = 0;
    record->updateStatus = 0;
    record->olderVersions.reset();
    m_spareRecords.push_back(record);
    m_spareValueSlots += slots;
}

void TRecordTable::Post()
{
    if (m_state != TTableState::Edit && m_state != TTableState::Insert)
        return;
    TRecord *record = nullptr;
    if (m_state == TTableState::Insert) {
        record = NewRecord();
        record->values.swap(m_buffer);
        record->recordNumber = TakeRecordNumber();
        TRecord *current = CurrentRecord();
        auto rowPos = m_rows.end();
        if (!m_insertAppends && current != nullptr)
            rowPos = std::find(m_rows.begin(), m_rows.end(), current);
        const auto inserted = m_rows.insert(rowPos, record);
        const int rowIndex = int(inserted - m_rows.begin());
        m_cursor = HasOwnOrder() ? InsertSorted(record) : rowIndex;
    } else {
        record = CurrentRecord();
        record->values.swap(m_buffer);
        // A record whose keys still fall between its neighbours keeps its place, as sorting it in
        // again would put it there; only one that moved is taken out and sorted in.
        const size_t at = size_t(m_cursor);
        if (HasOwnOrder() && !((at == 0 || Less(m_sorted[at - 1], record))
                               && (at + 1 == m_sorted.size() || Less(record, m_sorted[at + 1])))) {
            m_sorted.erase(m_sorted.begin() + m_cursor);
            m_cursor = InsertSorted(record);
        }
    }
    if (m_autoIncField >= 0) {
        const TValue &autoInc = record->values[size_t(m_autoIncField)];
        if (!autoInc.isNull && autoInc.number > m_autoIncCounter)
            m_autoIncCounter = int(autoInc.number);
    }
    m_buffer.clear();
    m_bufferModified = false;
    m_state = TTableState::Browse;
    m_bof = m_eof = false;
    Changed();
    Notify(Change::PostedOrCancelled);
}

void TRecordTable::Cancel()
{
    if (m_state != TTableState::Edit && m_state != TTableState::Insert)
        return;
    m_buffer.clear();
    m_bufferModified = false;
    m_state = TTableState::Browse;
    Notify(Change::PostedOrCancelled);
}

void TRecordTable::Delete()
{
    CheckActive();
    if (m_state == TTableState::Insert) {
        Cancel();
        return;
    }
    if (m_state == TTableState::Edit)
        Cancel();
    TRecord *record = CurrentRecord();
    if (record == nullptr || IsEmpty())
        Fail(emptyText());
    m_rows.erase(std::find(m_rows.begin(), m_rows.end(), record));
    if (HasOwnOrder())
        m_sorted.erase(m_sorted.begin() + m_cursor);
    m_freedNumbers.push_back(record->recordNumber);
    DiscardRecord(record);
    Changed();
    // The record that followed becomes current; after the last one, the one before it.
    int next = NextVisible(m_cursor);
    if (next < 0)
        next = PriorVisible(m_cursor - 1);
    m_cursor = next;
    m_bof = m_eof = next < 0;
    Notify(Change::Moved);
}

// ---------------------------------------------------------------- files

void TRecordTable::SaveToFile(const QString &path) const { TTableFile::SaveToFile(*this, path); }

void TRecordTable::SaveAllToFile(const QString &path) const
{
    TTableFile::SaveToFile(*this, path, {}, TTableFile::Records::All);
}

void TRecordTable::LoadFromFile(const QString &path) { TTableFile::LoadFromFile(*this, path); }

// ---------------------------------------------------------------- notification

void TRecordTable::Attach(ITableObserver *observer)
{
    if (observer != nullptr && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void TRecordTable::Detach(ITableObserver *observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void TRecordTable::Notify(Change change)
{
    if (m_observers.empty())
        return;
    // Observers may attach or detach others while being told; a detached one hears nothing more.
    const std::vector<ITableObserver *> observers = m_observers;
    for (ITableObserver *observer : observers) {
        if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
            continue;
        switch (change) {
        case Change::Moved:
            observer->recordMoved();
            break;
        case Change::Mode:
            observer->modeChanged();
            break;
        case Change::PostedOrCancelled:
            observer->postedOrCancelled();
            break;
        }
    }
}

void TRecordTable::NotifyFieldWritten(int fieldIndex)
{
    if (m_observers.empty())
        return;
    const std::vector<ITableObserver *> observers = m_observers;
    const TField field(this, fieldIndex);
    for (ITableObserver *observer : observers) {
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            observer->fieldWritten(field);
    }
}

// ---------------------------------------------------------------- values

TValue &TRecordTable::WritableValue(int fieldIndex)
{
    if (m_state != TTableState::Edit && m_state != TTableState::Insert)
        Fail(QStringLiteral("Dataset is not in edit mode."));
    return m_buffer[size_t(fieldIndex)];
}

void TRecordTable::FieldWritten(int fieldIndex)
{
    m_bufferModified = true;
    NotifyFieldWritten(fieldIndex);
}

QVariant TRecordTable::VisibleValue(int row, int fieldIndex) const
{
    if (!Active() || fieldIndex < 0 || fieldIndex >= FieldCount())
        return {};
    const auto &visible = VisiblePositions();
    if (row < 0 || row >= int(visible.size()))
        return {};
    const TValue &value = Order()[size_t(visible[size_t(row)])]->values[size_t(fieldIndex)];
    return ValueToVariant(m_fields[size_t(fieldIndex)].type, value);
}

QVariantList TRecordTable::AllValues(int fieldIndex) const
{
    QVariantList values;
    if (fieldIndex < 0 || fieldIndex >= FieldCount())
        return values;
    values.reserve(qsizetype(m_rows.size()));
    for (const TRecord *record : m_rows)
        values << ValueToVariant(m_fields[size_t(fieldIndex)].type, record->values[size_t(fieldIndex)]);
    return values;
}

int TRecordTable::VisibleRecordNumber(int row) const
{
    if (!Active())
        return -1;
    const auto &visible = VisiblePositions();
    if (row < 0 || row >= int(visible.size()))
        return -1;
    return Order()[size_t(visible[size_t(row)])]->recordNumber;
}

QVariant TRecordTable::ValueToVariant(TFieldType type, const TValue &value)
{
    if (value.isNull)
        return {};
    switch (ValueClassOf(type)) {
    case TValueClass::Integer:
        return QVariant(int(value.number));
    case TValueClass::Boolean:
        return QVariant(value.number != 0);
    case TValueClass::Float:
        return QVariant(value.AsFloat80().ToDouble());
    case TValueClass::Text:
        break;
    }
    return QVariant(value.text);
}

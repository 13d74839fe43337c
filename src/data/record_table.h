#pragma once

#include "data/table_field.h"
#include "data/table_filter.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <vector>

class TRecordTable;

// A lightweight handle on one field of a table. Reads see the record being edited or inserted, or
// else the current record; on an empty view they give the null results (0, empty text, false).
// Writes go to the record being edited or inserted and fail in browse mode.
class TField
{
public:
    TField() = default;
    TField(TRecordTable *table, int index) : m_table(table), m_index(index) {}

    bool IsValid() const { return m_table != nullptr && m_index >= 0; }
    int Index() const { return m_index; }
    TRecordTable *Table() const { return m_table; }

    QString Name() const;
    TFieldType Type() const;
    int Size() const;
    const TFieldDef &Def() const;

    bool IsNull() const;
    int AsInteger() const;         // null gives 0
    QString AsString() const;      // null gives the empty text
    bool AsBoolean() const;        // null gives false
    double AsFloat() const;        // null gives 0
    QVariant AsVariant() const;    // null gives an invalid QVariant

    void SetAsInteger(int value);
    void SetAsString(const QString &value); // integer fields: empty text = null, else a decimal integer
    void SetAsBoolean(bool value);
    void SetAsFloat(double value);
    void Clear();                           // makes the value null

    bool operator==(const TField &other) const = default;

private:
    const TValue *Read(TValueClass &valueClass) const;

    TRecordTable *m_table = nullptr;
    int m_index = -1;
};

// Told about changes of a table it is attached to. Every method has an empty default.
class ITableObserver
{
public:
    virtual ~ITableObserver() = default;
    // The current record moved: movement, Locate, Delete, a filter or sort change, Open, Close, a load.
    virtual void recordMoved() {}
    // Edit or insert mode began.
    virtual void modeChanged() {}
    // A record was posted or the edit/insert was cancelled.
    virtual void postedOrCancelled() {}
    // A value was written to the record being edited or inserted.
    virtual void fieldWritten(const TField &field) { Q_UNUSED(field); }
};

enum class TTableState : quint8 { Inactive, Browse, Edit, Insert };

// One stored record. `recordNumber` is unique within the table; freed numbers are given out again,
// the most recently freed first. Older versions that a table file carried are kept, never used.
struct TRecord
{
    std::vector<TValue> values;
    int recordNumber = 0;
    int updateStatus = 0;
    std::unique_ptr<std::vector<std::vector<TValue>>> olderVersions;
};

// An in-memory table of typed records with a current record (cursor), movement, editing, lookup,
// a filter, a sort order and change notification. Errors are thrown as VelmoraError; the table's own
// errors start with "<name>: " when the table has a name.
class TRecordTable
{
public:
    explicit TRecordTable(QString name = {});
    ~TRecordTable();
    TRecordTable(const TRecordTable &) = delete;
    TRecordTable &operator=(const TRecordTable &) = delete;

    // --- structure (fields can only be changed while the table is closed) ---
    const QString &Name() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }
    TField AddField(const QString &name, TFieldType type, int size = 0);
    void AddFieldDef(const TFieldDef &def);
    void SetDisplayWidth(const QString &fieldName, int width);
    void ClearFields();
    int FieldCount() const { return int(m_fields.size()); }
    const TFieldDef &FieldDef(int index) const { return m_fields[size_t(index)]; }
    const std::vector<TFieldDef> &FieldDefs() const { return m_fields; }
    TField FieldByName(const QString &name);       // fails with "Das Feld '%s' wurde nicht gefunden"
    TField FindField(const QString &name);         // an invalid handle when missing
    TField Field(int index) { return TField(this, index); }
    int FieldIndex(const QString &name) const;     // -1 when missing; case is ignored

    void AddIndexDef(const TIndexDef &def);
    void ClearIndexDefs();
    const std::vector<TIndexDef> &IndexDefs() const { return m_indexDefs; }
    // Browse in the order of the index definition of this name (kept across Close and loads).
    void SetIndexName(const QString &name);
    const QString &IndexName() const { return m_indexName; }

    // --- opening ---
    void Open();
    void Close();
    bool Active() const { return m_state != TTableState::Inactive; }
    TTableState State() const { return m_state; }

    // --- movement (visible records only, in the current order) ---
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int distance); // returns how far it moved
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }
    int RecordCount() const;  // fails on a closed table
    bool IsEmpty() const;     // no visible record
    int RecNo() const;        // 1-based among the visible records; 0 on an empty view
    void SetRecNo(int recNo); // values outside 1 ... RecordCount are ignored
    bool Locate(const QString &fieldNames, const QVariantList &values);
    bool Locate(const QString &fieldName, const QVariant &value) { return Locate(fieldName, QVariantList{value}); }

    // --- changing ---
    void Append();
    void Insert();
    void Edit();
    void Post();
    void Cancel();
    void Delete();

    // --- view ---
    const QString &Filter() const { return m_filterText; }
    void SetFilter(const QString &filter); // a text outside the filter language fails here
    bool Filtered() const { return m_filtered; }
    void SetFiltered(bool filtered);
    void SortOn(const QString &fieldNames, bool descending = false);
    void ClearSort();

    // --- files ---
    void SaveToFile(const QString &path) const;
    // As SaveToFile, but with every record whatever the filter; the cursor does not move.
    void SaveAllToFile(const QString &path) const;
    void LoadFromFile(const QString &path);

    // --- change notification ---
    void Attach(ITableObserver *observer);
    void Detach(ITableObserver *observer);

    // --- inspection without moving the cursor (grids, tools) ---
    // Value of a field of the visible record at 0-based position `row` in the current order.
    QVariant VisibleValue(int row, int fieldIndex) const;
    int CurrentRecordNumber() const; // the current record's number, -1 when there is none
    // The field's value in every stored record, whatever the filter, in row order.
    QVariantList AllValues(int fieldIndex) const;
    // The record number of the visible record at 0-based position `row`; -1 outside the view.
    int VisibleRecordNumber(int row) const;
    // Grows whenever the visible records, their order or their values may have changed, so that a
    // view can tell a plain cursor move from a change of what it shows.
    quint64 ViewGeneration() const { return m_viewGeneration; }
    int AutoIncCounter() const { return m_autoIncCounter; }
    static QVariant ValueToVariant(TFieldType type, const TValue &value);

private:
    friend class TField;
    friend struct TTableFileAccess;

    enum class Change : quint8 { Moved, Mode, PostedOrCancelled };

    [[noreturn]] void Fail(const QString &text) const;
    void CheckActive() const;
    void CheckFieldsChangeable() const;
    void RebuildFieldIndex();

    const std::vector<TRecord *> &Order() const { return HasOwnOrder() ? m_sorted : m_rows; }
    bool HasOwnOrder() const { return !m_sortFields.empty(); }
    bool IsVisible(const TRecord &record) const;
    bool Filtering() const { return m_filtered && !m_filterExpr.IsEmpty(); }
    const TResolvedFilter &ResolvedFilter() const;
    int NextVisible(int from) const; // first visible position >= from, or -1
    int PriorVisible(int from) const; // last visible position <= from, or -1
    int FirstVisible() const { return NextVisible(0); }
    int LastVisible() const { return PriorVisible(int(Order().size()) - 1); }

    void EndEditForMove();
    void StartInsert(bool append);
    void GoFirst();
    void RestoreOrder();
    bool Less(const TRecord *a, const TRecord *b) const;
    void SortRecords();
    int FindInOrder(int fieldIndex, const TValue &key) const; // -2 when the order cannot answer
    int InsertSorted(TRecord *record);
    void Reposition(TRecord *current);
    int TakeRecordNumber();
    TRecord *NewRecord();
    void DiscardRecord(TRecord *record);
    TRecord *CurrentRecord() const;
    const std::vector<int> &VisiblePositions() const;
    void Changed() { ++m_viewGeneration; }
    void SetOrderFromSpec(const QString &fieldNames, bool descending, bool caseInsensitive);
    void ApplyIndexOrder();
    void ResetContent();
    void Notify(Change change);
    void NotifyFieldWritten(int fieldIndex);

    // field access
    const TValue *ReadValue(int fieldIndex) const // nullptr on an empty view
    {
        if (size_t(fieldIndex) >= m_fields.size())
            return nullptr;
        if (m_state == TTableState::Edit || m_state == TTableState::Insert)
            return &m_buffer[size_t(fieldIndex)];
        if (fieldIndex < 64)
            m_walkFields |= quint64(1) << fieldIndex;
        const std::vector<TRecord *> &order = Order();
        return size_t(m_cursor) < order.size() ? &order[size_t(m_cursor)]->values[size_t(fieldIndex)] : nullptr;
    }
    TValue &WritableValue(int fieldIndex);         // fails outside edit and insert mode
    void FieldWritten(int fieldIndex);

    QString m_name;
    std::vector<TFieldDef> m_fields;
    int m_autoIncField = -1;
    std::vector<TIndexDef> m_indexDefs;
    QString m_indexName;

    TTableState m_state = TTableState::Inactive;
    std::vector<TRecord *> m_rows;   // row order; the table owns the records
    std::vector<TRecord *> m_sorted; // current order when a sort or index order is in force
    // Records given back by Close and Delete, kept for the next posts so that a scratch table that is
    // filled and emptied again and again does not allocate each time. Their values are cleared.
    std::vector<TRecord *> m_spareRecords;
    size_t m_spareValueSlots = 0;
    struct SortKey
    {
        int field;
        bool caseInsensitive;
        TValueClass valueClass;
    };
    std::vector<SortKey> m_sortFields;
    bool m_sortDescending = false;
    bool m_sortFromSortOn = false;

    int m_cursor = -1; // position in Order(), -1 when there is no current record
    bool m_bof = true;
    bool m_eof = true;

    std::vector<TValue> m_buffer; // record being edited or inserted
    bool m_bufferModified = false;
    bool m_insertAppends = false;

    int m_autoIncCounter = -1;
    int m_nextRecordNumber = 0;
    std::vector<int> m_freedNumbers;

    QString m_filterText;
    TFilterExpr m_filterExpr;
    bool m_filtered = false;
    mutable TResolvedFilter m_resolvedFilter;
    mutable quint64 m_resolvedGeneration = ~quint64(0);
    quint64 m_fieldsGeneration = 0;

    quint64 m_viewGeneration = 0; // bumped whenever the visible records or their order may change
    mutable std::vector<int> m_visible;
    mutable quint64 m_visibleGeneration = ~quint64(0);

    // The fields (bit i for field i < 64) read since the cursor last went to the first or last
    // record. A walk over a large table waits on memory for nearly every read otherwise, so each
    // step asks for those values of the records a few steps ahead.
    mutable quint64 m_walkFields = 0;
    void FetchAhead(int step) const;

    std::vector<ITableObserver *> m_observers;
};

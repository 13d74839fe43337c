// The view of a record table: which records are visible, in which order, and moving among them.
#include "data/record_table.h"

#include "core/velmora_error.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace {

QStringList splitFieldList(const QString &fieldNames)
{
    QStringList names;
    for (const QString &part : fieldNames.split(u';')) {
        const QString name = part.trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

struct KeyedRecord
{
    quint64 key;
    TRecord *record;
};

// Sorts by key, all keys distinct: a byte at a time from the lowest, passing over the bytes in
// which every key agrees (with small values and record numbers most of them).
void sortByKey(std::vector<KeyedRecord> &entries)
{
    const size_t count = entries.size();
    if (count < 2)
        return;
    std::array<std::array<quint32, 256>, 8> counts{};
    for (const KeyedRecord &entry : entries) {
        for (size_t b = 0; b < 8; ++b)
            ++counts[b][(entry.key >> (8 * b)) & 0xFF];
    }
    std::vector<KeyedRecord> scratch(count);
    for (size_t b = 0; b < 8; ++b) {
        std::array<quint32, 256> &slots = counts[b];
        if (slots[(entries.front().key >> (8 * b)) & 0xFF] == count)
            continue;
        quint32 start = 0;
        for (quint32 &slot : slots) {
            const quint32 n = slot;
            slot = start;
            start += n;
        }
        for (const KeyedRecord &entry : entries)
            scratch[slots[(entry.key >> (8 * b)) & 0xFF]++] = entry;
        entries.swap(scratch);
    }
}

} // namespace

// ---------------------------------------------------------------- order and visibility

const TResolvedFilter &TRecordTable::ResolvedFilter() const
{
    if (m_resolvedGeneration == m_fieldsGeneration)
        return m_resolvedFilter;
    TResolvedFilter resolved;
    resolved.kind = m_filterExpr.GetKind();
    if (!m_filterExpr.IsEmpty()) {
        resolved.field = FieldIndex(m_filterExpr.FieldName());
        if (resolved.field < 0)
            Fail(QStringLiteral("Das Feld '%1' wurde nicht gefunden").arg(m_filterExpr.FieldName()));
        const TFieldType type = m_fields[size_t(resolved.field)].type;
        bool fits = false;
        switch (resolved.kind) {
        case TFilterExpr::Kind::IntegerEquals:
            fits = IsIntegerType(type);
            break;
        case TFilterExpr::Kind::TextEquals:
            fits = IsTextType(type);
            break;
        case TFilterExpr::Kind::BooleanTrue:
            fits = type == TFieldType::Boolean;
            break;
        case TFilterExpr::Kind::Empty:
            fits = true;
            break;
        }
        if (!fits)
            Fail(QStringLiteral("Der Filter \"%1\" passt nicht zum Typ des Feldes '%2'")
                     .arg(m_filterText, m_fields[size_t(resolved.field)].name));
        resolved.integer = m_filterExpr.IntegerValue();
        resolved.text = m_filterExpr.TextValue();
    }
    m_resolvedFilter = std::move(resolved);
    m_resolvedGeneration = m_fieldsGeneration;
    return m_resolvedFilter;
}

bool TRecordTable::IsVisible(const TRecord &record) const
{
    return !Filtering() || ResolvedFilter().Passes(record.values);
}

int TRecordTable::NextVisible(int from) const
{
    const auto &order = Order();
    if (!Filtering())
        return from >= 0 && from < int(order.size()) ? from : -1;
    const TResolvedFilter &filter = ResolvedFilter();
    for (int i = std::max(from, 0); i < int(order.size()); ++i) {
        if (filter.Passes(order[size_t(i)]->values))
            return i;
    }
    return -1;
}

int TRecordTable::PriorVisible(int from) const
{
    const auto &order = Order();
    if (!Filtering())
        return from >= 0 && from < int(order.size()) ? from : -1;
    const TResolvedFilter &filter = ResolvedFilter();
    for (int i = std::min(from, int(order.size()) - 1); i >= 0; --i) {
        if (filter.Passes(order[size_t(i)]->values))
            return i;
    }
    return -1;
}

const std::vector<int> &TRecordTable::VisiblePositions() const
{
    if (m_visibleGeneration != m_viewGeneration) {
        m_visible.clear();
        const auto &order = Order();
        m_visible.reserve(order.size());
        for (int i = NextVisible(0); i >= 0; i = NextVisible(i + 1))
            m_visible.push_back(i);
        m_visibleGeneration = m_viewGeneration;
    }
    return m_visible;
}

bool TRecordTable::Less(const TRecord *a, const TRecord *b) const
{
    if (m_sortDescending)
        std::swap(a, b);
    for (const SortKey &key : m_sortFields) {
        const TValue &x = a->values[size_t(key.field)];
        const TValue &y = b->values[size_t(key.field)];
        if (x.isNull != y.isNull)
            return x.isNull; // null keys first
        if (x.isNull)
            continue;
        int order = 0;
        switch (key.valueClass) {
        case TValueClass::Integer:
        case TValueClass::Boolean:
            order = x.number < y.number ? -1 : (x.number > y.number ? 1 : 0);
            break;
        case TValueClass::Float: {
            const double dx = x.AsFloat80().ToDouble();
            const double dy = y.AsFloat80().ToDouble();
            order = dx < dy ? -1 : (dx > dy ? 1 : 0);
            break;
        }
        case TValueClass::Text:
            order = x.text.compare(y.text, key.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive);
            break;
        }
        if (order != 0)
            return order < 0;
    }
    return a->recordNumber < b->recordNumber;
}

int TRecordTable::InsertSorted(TRecord *record)
{
    const auto it = std::lower_bound(m_sorted.begin(), m_sorted.end(), record,
                                     [this](const TRecord *x, const TRecord *y) { return Less(x, y); });
    const auto inserted = m_sorted.insert(it, record);
    return int(inserted - m_sorted.begin());
}

// Puts m_sorted into the order Less defines. Less is a strict total order (the record number breaks
// every tie), so any sorting method gives the same result, and the descending order is exactly the
// ascending one reversed.
void TRecordTable::SortRecords()
{
    m_sorted.clear();
    if (m_sortFields.empty())
        return;
    const SortKey &first = m_sortFields.front();
    const bool wholeNumbers = first.valueClass == TValueClass::Integer || first.valueClass == TValueClass::Boolean;
    if (m_sortFields.size() == 1 && wholeNumbers) {
        // One whole-number key: each record's key and number packed into one integer that orders
        // like Less does (null keys first, then the value, then the record number), sorted flat.
        // The value part counts from the smallest value, so that few of its bytes differ.
        std::vector<KeyedRecord> entries;
        entries.reserve(m_rows.size());
        bool packed = true;
        quint64 lowestRank = ~quint64(0);
        for (size_t i = 0; i < m_rows.size(); ++i) {
            // The records lie scattered in memory: ask for those a few places ahead early.
            if (i + 8 < m_rows.size())
                __builtin_prefetch(m_rows[i + 8]);
            if (i + 4 < m_rows.size()) {
                const TValue &ahead = m_rows[i + 4]->values[size_t(first.field)];
                __builtin_prefetch(&ahead.number);
                __builtin_prefetch(&ahead.isNull);
            }
            TRecord *record = m_rows[i];
            const TValue &value = record->values[size_t(first.field)];
            if (record->recordNumber < 0) {
                packed = false;
                break;
            }
            quint64 rank = 0; // null
            if (!value.isNull) {
                if (value.number < std::numeric_limits<qint32>::min()
                    || value.number > std::numeric_limits<qint32>::max()) {
                    packed = false;
                    break;
                }
                rank = quint64(value.number - qint64(std::numeric_limits<qint32>::min())) + 1; // 1 ... 2^32
                lowestRank = std::min(lowestRank, rank);
            }
            entries.push_back({(rank << 31) | quint64(quint32(record->recordNumber)), record});
        }
        if (packed) {
            const quint64 shift = lowestRank == ~quint64(0) ? 0 : (lowestRank - 1) << 31;
            for (KeyedRecord &entry : entries) {
                if (entry.key >> 31 != 0) // not null: the lowest value gets rank 1
                    entry.key -= shift;
            }
            sortByKey(entries);
            m_sorted.reserve(entries.size());
            for (const KeyedRecord &entry : entries)
                m_sorted.push_back(entry.record);
            if (m_sortDescending)
                std::reverse(m_sorted.begin(), m_sorted.end());
            return;
        }
    }
    m_sorted = m_rows;
    std::sort(m_sorted.begin(), m_sorted.end(), [this](const TRecord *x, const TRecord *y) { return Less(x, y); });
}

void TRecordTable::SetOrderFromSpec(const QString &fieldNames, bool descending, bool caseInsensitive)
{
    m_sortFields.clear();
    for (const QString &name : splitFieldList(fieldNames)) {
        const int index = FieldIndex(name);
        if (index < 0)
            Fail(QStringLiteral("Das Feld '%1' wurde nicht gefunden").arg(name));
        m_sortFields.push_back({index, caseInsensitive, ValueClassOf(m_fields[size_t(index)].type)});
    }
    m_sortDescending = descending;
    SortRecords();
    Changed();
}

// Where the first record of the current order whose field `fieldIndex` holds `key` (not null)
// stands, found by halving when the order is sorted on that field first and no filter hides
// records: those records stand together, the first of them is the answer. -1 when no record
// holds the value, -2 when the order cannot tell and the records must be searched one by one.
int TRecordTable::FindInOrder(int fieldIndex, const TValue &key) const
{
    if (!HasOwnOrder() || Filtering() || m_sortFields.front().field != fieldIndex)
        return -2;
    const TValueClass valueClass = m_sortFields.front().valueClass;
    if (valueClass != TValueClass::Integer && valueClass != TValueClass::Boolean)
        return -2;
    const qint64 wanted = key.number;
    // Ascending, null keys come first and the values rise; descending, the values fall and null
    // keys come last.
    const auto before = [this, fieldIndex, wanted](const TRecord *record) {
        const TValue &value = record->values[size_t(fieldIndex)];
        if (m_sortDescending)
            return !value.isNull && value.number > wanted;
        return value.isNull || value.number < wanted;
    };
    const auto it = std::partition_point(m_sorted.begin(), m_sorted.end(), before);
    if (it == m_sorted.end())
        return -1;
    const TValue &found = (*it)->values[size_t(fieldIndex)];
    return !found.isNull && found.number == wanted ? int(it - m_sorted.begin()) : -1;
}

void TRecordTable::ApplyIndexOrder()
{
    m_sortFromSortOn = false;
    for (const TIndexDef &def : m_indexDefs) {
        if (!m_indexName.isEmpty() && def.name.compare(m_indexName, Qt::CaseInsensitive) == 0) {
            // An index on a field the table lacks orders nothing rather than breaking the table.
            bool known = true;
            for (const QString &name : splitFieldList(def.fields))
                known = known && FieldIndex(name) >= 0;
            if (known) {
                SetOrderFromSpec(def.fields, def.descending, def.caseInsensitive);
                return;
            }
        }
    }
    m_sortFields.clear();
    m_sorted.clear();
    m_sortDescending = false;
    Changed();
}

// Re-applies the index order (or the row order) and keeps the current record where it can.
void TRecordTable::RestoreOrder()
{
    TRecord *current = CurrentRecord();
    ApplyIndexOrder();
    Reposition(current);
}

void TRecordTable::Reposition(TRecord *current)
{
    const auto &order = Order();
    const auto it = std::find(order.begin(), order.end(), current);
    if (current != nullptr && it != order.end() && IsVisible(*current)) {
        m_cursor = int(it - order.begin());
        m_bof = m_eof = false;
    } else {
        GoFirst();
    }
    Notify(Change::Moved);
}

void TRecordTable::SortOn(const QString &fieldNames, bool descending)
{
    CheckActive();
    EndEditForMove();
    TRecord *current = CurrentRecord();
    if (splitFieldList(fieldNames).isEmpty()) {
        ApplyIndexOrder();
    } else {
        SetOrderFromSpec(fieldNames, descending, false);
        m_sortFromSortOn = true;
    }
    Reposition(current);
}

void TRecordTable::ClearSort()
{
    if (!Active())
        return;
    EndEditForMove();
    RestoreOrder();
}

TRecord *TRecordTable::CurrentRecord() const
{
    const auto &order = Order();
    return m_cursor >= 0 && m_cursor < int(order.size()) ? order[size_t(m_cursor)] : nullptr;
}

int TRecordTable::CurrentRecordNumber() const
{
    const TRecord *record = CurrentRecord();
    return record != nullptr ? record->recordNumber : -1;
}

// ---------------------------------------------------------------- movement

void TRecordTable::FetchAhead(int step) const
{
    constexpr int RecordDistance = 8; // the record itself, which holds where its values are
    constexpr int ValueDistance = 4;  // then the values read so far, once the record is at hand
    const auto &order = Order();
    const size_t farther = size_t(m_cursor + step * RecordDistance);
    if (farther < order.size())
        __builtin_prefetch(order[farther]);
    const size_t nearer = size_t(m_cursor + step * ValueDistance);
    if (nearer >= order.size() || m_walkFields == 0)
        return;
    const std::vector<TValue> &values = order[nearer]->values;
    for (quint64 fields = m_walkFields; fields != 0; fields &= fields - 1) {
        const auto field = size_t(std::countr_zero(fields));
        if (field >= values.size())
            break;
        __builtin_prefetch(&values[field].number);
        __builtin_prefetch(&values[field].isNull);
    }
}

void TRecordTable::GoFirst()
{
    m_walkFields = 0;
    m_cursor = FirstVisible();
    m_bof = true;
    m_eof = m_cursor < 0;
}

void TRecordTable::First()
{
    CheckActive();
    EndEditForMove();
    GoFirst();
    Notify(Change::Moved);
}

void TRecordTable::Last()
{
    CheckActive();
    EndEditForMove();
    m_walkFields = 0;
    m_cursor = LastVisible();
    m_eof = true;
    m_bof = m_cursor < 0;
    Notify(Change::Moved);
}

void TRecordTable::Next() { MoveBy(1); }

void TRecordTable::Prior() { MoveBy(-1); }

int TRecordTable::MoveBy(int distance)
{
    CheckActive();
    EndEditForMove();
    if (distance == 0)
        return 0;
    int moved = 0;
    if (m_cursor < 0) {
        m_bof = m_eof = true;
    } else {
        m_bof = m_eof = false;
        const int step = distance > 0 ? 1 : -1;
        while (moved != distance) {
            const int next = step > 0 ? NextVisible(m_cursor + 1) : PriorVisible(m_cursor - 1);
            if (next < 0) {
                (step > 0 ? m_eof : m_bof) = true;
                break;
            }
            m_cursor = next;
            moved += step;
        }
        FetchAhead(step);
    }
    Notify(Change::Moved);
    return moved;
}

int TRecordTable::RecordCount() const
{
    CheckActive();
    if (!Filtering())
        return int(m_rows.size());
    const TResolvedFilter &filter = ResolvedFilter();
    int count = 0;
    for (const TRecord *record : m_rows)
        count += filter.Passes(record->values) ? 1 : 0;
    return count;
}

bool TRecordTable::IsEmpty() const { return !Active() || FirstVisible() < 0; }

int TRecordTable::RecNo() const
{
    if (!Active() || m_cursor < 0)
        return 0;
    const auto &visible = VisiblePositions();
    return int(std::lower_bound(visible.begin(), visible.end(), m_cursor) - visible.begin()) + 1;
}

void TRecordTable::SetRecNo(int recNo)
{
    CheckActive();
    EndEditForMove();
    const auto &visible = VisiblePositions();
    if (recNo < 1 || recNo > int(visible.size()))
        return;
    m_cursor = visible[size_t(recNo - 1)];
    m_bof = m_eof = false;
    Notify(Change::Moved);
}

bool TRecordTable::Locate(const QString &fieldNames, const QVariantList &values)
{
    CheckActive();
    EndEditForMove();
    const QStringList names = splitFieldList(fieldNames);
    if (names.isEmpty() || names.size() != values.size())
        Fail(QStringLiteral("Locate: %1 Feld(er), aber %2 Wert(e)").arg(names.size()).arg(values.size()));
    struct Key
    {
        int field;
        TValue value;
    };
    std::vector<Key> keys;
    bool matchable = true;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const TField field = FieldByName(names[i]);
        const QVariant &v = values[i];
        Key key{field.Index(), {}};
        if (v.isNull() || !v.isValid()) {
            matchable = false; // a null value equals no stored value
        } else {
            key.value.isNull = false;
            switch (ValueClassOf(field.Type())) {
            case TValueClass::Integer:
                if (v.typeId() == QMetaType::QString) {
                    const QString text = v.toString();
                    bool ok = false;
                    key.value.number = text.toLongLong(&ok);
                    if (!ok || text.trimmed() != text)
                        throw VelmoraError(QStringLiteral("'%1' ist kein gültiger Integerwert für Feld '%2'")
                                               .arg(text, field.Name()));
                } else {
                    key.value.number = v.toLongLong();
                }
                break;
            case TValueClass::Boolean:
                key.value.number = v.toBool() ? 1 : 0;
                break;
            case TValueClass::Float:
                key.value.SetFloat80(TFloat80::FromDouble(v.toDouble()));
                break;
            case TValueClass::Text:
                key.value.text = v.toString();
                break;
            }
        }
        keys.push_back(std::move(key));
    }
    if (!matchable)
        return false;
    if (keys.size() == 1) {
        const int pos = FindInOrder(keys.front().field, keys.front().value);
        if (pos == -1)
            return false;
        if (pos >= 0) {
            m_cursor = pos;
            m_bof = m_eof = false;
            Notify(Change::Moved);
            return true;
        }
    }
    const auto &order = Order();
    for (int pos = NextVisible(0); pos >= 0; pos = NextVisible(pos + 1)) {
        const TRecord &record = *order[size_t(pos)];
        bool all = true;
        for (const Key &key : keys) {
            const TValue &stored = record.values[size_t(key.field)];
            if (stored.isNull) {
                all = false;
            } else {
                switch (ValueClassOf(m_fields[size_t(key.field)].type)) {
                case TValueClass::Integer:
                case TValueClass::Boolean:
                    all = stored.number == key.value.number;
                    break;
                case TValueClass::Float:
                    all = stored.AsFloat80().ToDouble() == key.value.AsFloat80().ToDouble();
                    break;
                case TValueClass::Text:
                    all = stored.text == key.value.text;
                    break;
                }
            }
            if (!all)
                break;
        }
        if (all) {
            m_cursor = pos;
            m_bof = m_eof = false;
            Notify(Change::Moved);
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- view

void TRecordTable::SetFilter(const QString &filter)
{
    const std::optional<TFilterExpr> parsed = TFilterExpr::Parse(filter);
    if (!parsed)
        Fail(QStringLiteral("Der Filter \"%1\" ist ungültig. Erlaubt sind nur: Feld = Zahl, Feld = 'Text' "
                            "oder ein Boolean-Feld allein, jeweils auch in Klammern")
                 .arg(filter));
    if (m_filtered && Active())
        EndEditForMove();
    const QString previousText = m_filterText;
    const TFilterExpr previousExpr = m_filterExpr;
    m_filterText = filter;
    m_filterExpr = *parsed;
    m_resolvedGeneration = ~quint64(0);
    Changed();
    if (m_filtered && Active()) {
        // A filter on a missing field or of the wrong type fails now and leaves the previous one in force.
        try {
            ResolvedFilter();
        } catch (...) {
            m_filterText = previousText;
            m_filterExpr = previousExpr;
            m_resolvedGeneration = ~quint64(0);
            throw;
        }
        GoFirst();
        Notify(Change::Moved);
    }
}

void TRecordTable::SetFiltered(bool filtered)
{
    if (filtered == m_filtered)
        return;
    if (Active())
        EndEditForMove();
    m_filtered = filtered;
    Changed();
    if (Active()) {
        if (Filtering()) {
            try {
                ResolvedFilter();
            } catch (...) {
                m_filtered = false;
                throw;
            }
        }
        GoFirst();
        Notify(Change::Moved);
    }
}


#include "data/table_file.h"

#include "core/velmora_error.h"
#include "data/record_table.h"
#include "data/table_file_stream.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

// What the reader and writer need of a table's inside.
struct TTableFileAccess
{
    static void CheckActive(const TRecordTable &table) { table.CheckActive(); }
    static const std::vector<TRecord *> &Order(const TRecordTable &table) { return table.Order(); }
    static bool IsVisible(const TRecordTable &table, const TRecord &record) { return table.IsVisible(record); }

    static void ReplaceFieldsBegin(TRecordTable &table)
    {
        table.Close();
        table.m_fields.clear();
        table.RebuildFieldIndex();
    }
    static void AddFieldDef(TRecordTable &table, const TFieldDef &def)
    {
        table.m_fields.push_back(def);
        table.RebuildFieldIndex();
    }
    static void ReplaceIndexDefsBegin(TRecordTable &table) { table.m_indexDefs.clear(); }
    static void AddIndexDef(TRecordTable &table, const TIndexDef &def) { table.m_indexDefs.push_back(def); }

    static void BeginRecords(TRecordTable &table, qint64 expectedRecords)
    {
        table.m_autoIncCounter = -1;
        if (expectedRecords > 0)
            table.m_rows.reserve(table.m_rows.size() + size_t(expectedRecords));
    }
    static void AppendRecord(TRecordTable &table, std::unique_ptr<TRecord> record)
    {
        record->recordNumber = table.TakeRecordNumber();
        if (table.m_autoIncField >= 0) {
            const TValue &autoInc = record->values[size_t(table.m_autoIncField)];
            if (!autoInc.isNull && autoInc.number > table.m_autoIncCounter)
                table.m_autoIncCounter = int(autoInc.number);
        }
        table.m_rows.push_back(record.release());
    }
    // After the records: the index order again (a sort set by SortOn does not survive a load),
    // the first record current.
    static void FinishLoad(TRecordTable &table)
    {
        table.ApplyIndexOrder();
        table.Changed();
        table.GoFirst();
        table.Notify(TRecordTable::Change::Moved);
    }
};

namespace {

// Why no file can be created beside `path`, in the system's words ("Read-only file system",
// "Permission denied"); empty when a file can be created there after all.
QString whyNoFileCanBeCreated(const QString &path)
{
    const QByteArray probe = QFile::encodeName(QFileInfo(path).absolutePath() + QStringLiteral("/.velmora-probe"));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(probe.constData());
        return {};
    }
    return QString::fromLocal8Bit(std::strerror(errno));
}

[[noreturn]] void failCreate(const QString &path, const QString &reason)
{
    throw VelmoraError(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(path, reason));
}

bool isDateType(TFieldType type)
{
    return type == TFieldType::Date || type == TFieldType::Time || type == TFieldType::DateTime;
}

void writeValue(TTableStreamWriter &out, const TFieldDef &def, const TValue &value)
{
    switch (ValueClassOf(def.type)) {
    case TValueClass::Integer:
        out.WriteInteger(qint32(value.number));
        break;
    case TValueClass::Boolean:
        out.WriteBoolean(value.number != 0);
        break;
    case TValueClass::Float:
        out.WriteFloat(value.AsFloat80());
        break;
    case TValueClass::Text:
        out.WriteText(value.text);
        break;
    }
}

void writeRecordValues(TTableStreamWriter &out, const std::vector<TFieldDef> &fields, const std::vector<TValue> &values)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        const TValue &value = values[i];
        // An empty memo is null, whatever a file once said.
        const bool isNull = value.isNull || (fields[i].type == TFieldType::Memo && value.text.isEmpty());
        out.WriteBoolean(isNull);
        if (!isNull)
            writeValue(out, fields[i], value);
    }
}

class TableFileReader
{
public:
    TableFileReader(TRecordTable &table, QIODevice &device) : m_table(table), m_in(device) {}

    int Read()
    {
        static const char signature[4] = {'T', 'P', 'F', '0'};
        for (char expected : signature) {
            if (m_in.ReadByte() != quint8(expected))
                throw VelmoraError(QStringLiteral("Ungültiges Stream-Format"));
        }
        m_version = m_in.PeekByte() == TableTag::List ? 100 : m_in.ReadInteger();
        ReadFieldDefs();
        try {
            if (m_version >= 200)
                ReadIndexDefs();
            if (m_table.FieldCount() == 0)
                throw VelmoraError(QStringLiteral("Couldnt determine field count for load."));
            ReadRecords();
        } catch (...) {
            TTableFileAccess::FinishLoad(m_table);
            throw;
        }
        TTableFileAccess::FinishLoad(m_table);
        return m_version;
    }

private:
    void ReadFieldDefs()
    {
        m_in.ReadListBegin();
        if (m_in.TryReadEnd()) {
            // No definitions: the table keeps its fields and records; the file's records follow them.
            m_table.Cancel();
            m_table.Open();
            return;
        }
        TTableFileAccess::ReplaceFieldsBegin(m_table);
        try {
            do {
                TFieldDef def;
                def.name = m_in.ReadText();
                const QString typeName = m_in.ReadText();
                def.size = m_in.ReadInteger();
                def.displayLabel = m_in.ReadText();
                def.editMask = m_in.ReadText();
                def.displayWidth = m_in.ReadInteger();
                def.required = m_in.ReadBoolean();
                def.readOnly = m_in.ReadBoolean();
                if (m_version >= 250)
                    def.kind = FieldKindFromName(m_in.ReadText());
                if (m_version >= 251)
                    def.defaultExpression = m_in.ReadText();
                const std::optional<TFieldType> type = FieldTypeFromName(typeName);
                if (!type)
                    throw VelmoraError(QStringLiteral("Unknown field type (%1)").arg(typeName));
                def.type = *type;
                TTableFileAccess::AddFieldDef(m_table, def);
            } while (!m_in.TryReadEnd());
        } catch (...) {
            m_table.Open();
            throw;
        }
        m_table.Open();
    }

    void ReadIndexDefs()
    {
        m_in.ReadListBegin();
        if (m_in.TryReadEnd())
            return;
        TTableFileAccess::ReplaceIndexDefsBegin(m_table);
        do {
            TIndexDef def;
            m_in.ReadText(); // the name as written; the display name that follows names the index
            def.fields = m_in.ReadText();
            def.name = m_in.ReadText();
            def.descending = m_in.ReadBoolean();
            def.caseInsensitive = m_in.ReadBoolean();
            def.notMaintained = m_in.ReadBoolean();
            def.unique = m_in.ReadBoolean();
            TTableFileAccess::AddIndexDef(m_table, def);
        } while (!m_in.TryReadEnd());
    }

    void ReadRecords()
    {
        const std::vector<TFieldDef> &fields = m_table.FieldDefs();
        // Room for about 2 % more records than the file can hold at the size of a record in memory.
        const qint64 left = m_in.BytesLeft();
        const qint64 recordSize = qint64(sizeof(TRecord) + fields.size() * sizeof(TValue));
        TTableFileAccess::BeginRecords(m_table, left > 0 ? left / recordSize * 102 / 100 + 1 : 0);

        m_in.ReadListBegin();
        while (!m_in.TryReadEnd()) {
            auto record = std::make_unique<TRecord>();
            if (m_version >= 230) {
                m_in.ReadListBegin();
                record->updateStatus = m_in.ReadInteger();
            }
            ReadValues(fields, record->values);
            if (m_version >= 230) {
                while (!m_in.TryReadEnd()) {
                    // A further version of the same record: kept with it, never used.
                    if (!record->olderVersions)
                        record->olderVersions = std::make_unique<std::vector<std::vector<TValue>>>();
                    m_in.ReadInteger();
                    std::vector<TValue> values;
                    ReadValues(fields, values);
                    record->olderVersions->push_back(std::move(values));
                }
            }
            TTableFileAccess::AppendRecord(m_table, std::move(record));
        }
    }

    void ReadValues(const std::vector<TFieldDef> &fields, std::vector<TValue> &values)
    {
        values.resize(fields.size());
        for (size_t i = 0; i < fields.size(); ++i) {
            TValue &value = values[i];
            if (m_version >= 249 && m_in.ReadBoolean())
                continue; // null
            const TFieldDef &def = fields[i];
            switch (ValueClassOf(def.type)) {
            case TValueClass::Integer:
                value.number = m_in.ReadInteger();
                value.isNull = false;
                break;
            case TValueClass::Boolean:
                value.number = m_in.ReadBoolean() ? 1 : 0;
                value.isNull = false;
                break;
            case TValueClass::Float: {
                const TFloat80 number = m_in.ReadFloat();
                if (!(isDateType(def.type) && number.IsZero()))
                    value.SetFloat80(number);
                break;
            }
            case TValueClass::Text:
                m_in.ReadText(value.text);
                if (def.type == TFieldType::String && def.size > 0 && value.text.size() > def.size)
                    value.text.truncate(def.size);
                value.isNull = def.type == TFieldType::Memo && value.text.isEmpty();
                break;
            }
        }
    }

    TRecordTable &m_table;
    TTableStreamReader m_in;
    int m_version = 0;
};

} // namespace

void TTableFile::Save(const TRecordTable &table, QIODevice &device, Records records)
{
    TTableFileAccess::CheckActive(table);
    TTableStreamWriter out(device);
    out.WriteRaw("TPF0", 4);
    out.WriteInteger(WrittenVersion);

    const std::vector<TFieldDef> &fields = table.FieldDefs();
    out.WriteByte(TableTag::List);
    for (const TFieldDef &def : fields) {
        out.WriteText(def.name);
        out.WriteText(FieldTypeName(def.type));
        out.WriteInteger(def.size);
        out.WriteText(def.displayLabel);
        out.WriteText(def.editMask);
        out.WriteInteger(def.displayWidth);
        out.WriteBoolean(def.required);
        out.WriteBoolean(def.readOnly);
        out.WriteText(FieldKindName(def.kind));
        out.WriteText(def.defaultExpression);
    }
    out.WriteByte(TableTag::End);

    out.WriteByte(TableTag::List);
    for (const TIndexDef &def : table.IndexDefs()) {
        out.WriteText(def.name);
        out.WriteText(def.fields);
        out.WriteText(def.name);
        out.WriteBoolean(def.descending);
        out.WriteBoolean(def.caseInsensitive);
        out.WriteBoolean(def.notMaintained);
        out.WriteBoolean(def.unique);
    }
    out.WriteByte(TableTag::End);

    // The stored records in the current order, unless told otherwise only those the filter lets
    // through. Older record versions a file carried are not written: the file gets each record's
    // current values.
    out.WriteByte(TableTag::List);
    for (const TRecord *record : TTableFileAccess::Order(table)) {
        if (records == Records::Visible && !TTableFileAccess::IsVisible(table, *record))
            continue;
        out.WriteByte(TableTag::List);
        out.WriteInteger(record->updateStatus);
        writeRecordValues(out, fields, record->values);
        out.WriteByte(TableTag::End);
    }
    out.WriteByte(TableTag::End);
    out.Flush();
}

int TTableFile::Load(TRecordTable &table, QIODevice &device)
{
    TableFileReader reader(table, device);
    return reader.Read();
}

void TTableFile::SaveToFile(const TRecordTable &table, const QString &path, const DeviceWrapper &wrap,
                            Records records)
{
    TTableFileAccess::CheckActive(table);
    QSaveFile file(path);
    // Unbuffered: every write reaches the file system at once, so a disk that fills up is noticed at
    // the write it refuses, with the system's reason, and the old file stays as it was.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QString systemReason = whyNoFileCanBeCreated(path);
        failCreate(path, systemReason.isEmpty() ? file.errorString() : systemReason);
    }
    std::unique_ptr<QIODevice> wrapper = wrap ? wrap(file) : nullptr;
    QIODevice &target = wrapper ? *wrapper : file;
    try {
        Save(table, target, records);
    } catch (const TStreamWriteError &error) {
        // The reason is taken before the write is given up, which replaces it with its own.
        QString reason = target.errorString();
        if (reason.isEmpty() || reason == QStringLiteral("Unknown error"))
            reason = file.errorString();
        file.cancelWriting();
        failCreate(path, reason.isEmpty() || reason == QStringLiteral("Unknown error") ? error.message() : reason);
    }
    wrapper.reset();
    if (!file.commit())
        failCreate(path, file.errorString());
}

int TTableFile::LoadFromFile(TRecordTable &table, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(path, file.errorString()));
    return Load(table, file);
}

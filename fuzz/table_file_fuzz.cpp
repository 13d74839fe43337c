// Fuzzes the table file reader: any bytes must either load or fail with a VelmoraError, never crash,
// hang or leak; and a table that loaded (even partly) must save to bytes that read back to the same table.
#include "core/velmora_error.h"
#include "data/record_table.h"
#include "data/table_file.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray save(const TRecordTable &table)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TTableFile::Save(table, buffer);
    return buffer.data();
}

bool load(TRecordTable &table, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        TTableFile::Load(table, buffer);
        return true;
    } catch (const VelmoraError &) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TRecordTable table(QStringLiteral("FuzzTable"));
    load(table, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    // A table without fields cannot be read back by design: a file's empty field list keeps the
    // reading table's fields, and a table without any fails with "Couldnt determine field count".
    if (!table.Active() || table.FieldCount() == 0)
        return 0;
    // Browse the loaded records once, as a screen would.
    for (table.First(); !table.Eof(); table.Next()) {
        for (int i = 0; i < table.FieldCount(); ++i)
            (void)table.Field(i).AsVariant();
    }
    const QByteArray first = save(table);
    TRecordTable reloaded;
    if (!load(reloaded, first))
        std::abort(); // what we write must read back
    if (save(reloaded) != first)
        std::abort(); // and save to the same bytes
    return 0;
}

#include "data/table_file.h"

#include "app/velmora_error.h"
#include "data/record_table.h"

void TTableFile::Save(const TRecordTable &, QIODevice &)
{
    throw VelmoraError(QStringLiteral("Stream-Schreibfehler"));
}

int TTableFile::Load(TRecordTable &, QIODevice &)
{
    throw VelmoraError(QStringLiteral("Stream-Lesefehler"));
}

void TTableFile::SaveToFile(const TRecordTable &, const QString &, const DeviceWrapper &)
{
    throw VelmoraError(QStringLiteral("Stream-Schreibfehler"));
}

int TTableFile::LoadFromFile(TRecordTable &, const QString &)
{
    throw VelmoraError(QStringLiteral("Stream-Lesefehler"));
}

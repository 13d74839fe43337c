#pragma once

#include <QByteArray>
#include <QString>

class TRecordTable;

// The JSON form of a table file, as `velmora-tables dump` prints it and `build` reads it:
// {"version":N,"fields":[{...}],"indexes":[{...}],"records":[{"Field":value or null,...}]}
namespace TableJson {

// The table's definitions and visible records as JSON text (UTF-8), fields in table order.
QByteArray Dump(TRecordTable &table, int version);

// Fills a closed table without fields from JSON text; field attributes left out take the
// program's defaults. Throws VelmoraError with a readable text on any fault.
void Build(TRecordTable &table, const QByteArray &json);

} // namespace TableJson

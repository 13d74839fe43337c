// velmora-tables: a command-line tool for people who maintain catalogues, and for our own checks.
#include "core/velmora_error.h"
#include "data/record_table.h"
#include "data/table_file.h"
#include "table_json.h"

#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

const char helpText[] =
    "Usage:\n"
    "  velmora-tables dump FILE        print the table file FILE as JSON on standard output\n"
    "  velmora-tables build JSON OUT   write the table file OUT from the JSON file JSON\n"
    "  velmora-tables copy IN OUT      load the table file IN and save it again as OUT\n"
    "  velmora-tables --help           show this text\n"
    "\n"
    "The JSON form of a table file:\n"
    "  {\"version\": 251,\n"
    "   \"fields\": [{\"name\": \"ID\", \"type\": \"AutoInc\", \"size\": 0, \"displayLabel\": \"ID\",\n"
    "               \"editMask\": \"\", \"displayWidth\": 10, \"required\": false, \"readOnly\": false,\n"
    "               \"kind\": \"Data\", \"defaultExpression\": \"\"}, ...],\n"
    "   \"indexes\": [{\"name\": \"ID\", \"fields\": \"ID\", \"descending\": false, \"caseInsensitive\": false,\n"
    "                \"notMaintained\": false, \"unique\": true}, ...],\n"
    "   \"records\": [{\"ID\": 0, \"Klasse\": \"B\", \"Frage\": \"...\", \"Antwort1kreuz\": true, ...}, ...]}\n"
    "\n"
    "  version   the file's version (dump only; build always writes 251)\n"
    "  type      AutoInc, Integer, Word, Boolean, String, Memo, or another type name a table file\n"
    "            allows (SmallInt, Float, Currency, BCD, Date, Time, DateTime, LargeInt, Blob, ...)\n"
    "  size      the length of a String field (0 for every other type)\n"
    "  values    integers as numbers, booleans as true/false, texts as strings, floats as numbers\n"
    "            (\"NaN\", \"Infinity\", \"-Infinity\" as strings), a null value as null\n"
    "\n"
    "For build only \"name\" and \"type\" of a field are needed; the rest takes the program's defaults:\n"
    "display label = name, display width = size for String, 6 for Boolean and 10 otherwise, kind \"Data\",\n"
    "empty edit mask and default expression, not required, not read-only. A field missing from a record\n"
    "is null, except an AutoInc field, which counts on from the highest value so far (the first is 0).\n"
    "\n"
    "Errors are printed on standard error; the exit status is then 1.\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 1;
}

int dump(const QString &path)
{
    TRecordTable table;
    const int version = TTableFile::LoadFromFile(table, path);
    const QByteArray json = TableJson::Dump(table, version);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int build(const QString &jsonPath, const QString &out)
{
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(jsonPath, file.errorString()));
    TRecordTable table;
    TableJson::Build(table, file.readAll());
    table.SaveToFile(out);
    return 0;
}

int copy(const QString &in, const QString &out)
{
    TRecordTable table;
    table.LoadFromFile(in);
    table.SaveToFile(out);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() == 1 && (args[0] == u"--help" || args[0] == u"-h")) {
        std::fputs(helpText, stdout);
        return 0;
    }
    try {
        if (args.size() == 2 && args[0] == u"dump")
            return dump(args[1]);
        if (args.size() == 3 && args[0] == u"build")
            return build(args[1], args[2]);
        if (args.size() == 3 && args[0] == u"copy")
            return copy(args[1], args[2]);
    } catch (const VelmoraError &error) {
        return fail(error.message());
    }
    std::fputs(helpText, stderr);
    return 1;
}

#include "data/table_schemas.h"

#include "data/record_table.h"

namespace {

struct FieldSpec
{
    const char16_t *name;
    TFieldType type;
    int size;
};

void define(TRecordTable &table, std::initializer_list<FieldSpec> fields)
{
    table.ClearFields();
    table.ClearIndexDefs();
    for (const FieldSpec &field : fields)
        table.AddField(QString::fromUtf16(field.name), field.type, field.size);
}

constexpr auto AutoInc = TFieldType::AutoInc;
constexpr auto Integer = TFieldType::Integer;
constexpr auto Word = TFieldType::Word;
constexpr auto Boolean = TFieldType::Boolean;
constexpr auto String = TFieldType::String;
constexpr auto Memo = TFieldType::Memo;

} // namespace

void DefineFragenTable(TRecordTable &table)
{
    define(table, {
        {u"ID", AutoInc, 0},
        {u"Klasse", String, 2},
        {u"Fragebogen", Integer, 0},
        {u"NrInFragebogen", Integer, 0},
        {u"Fehlerpunkte", Integer, 0},
        {u"Fragetyp", Word, 0},
        {u"Frage", Memo, 0},
        {u"Antwort1", Memo, 0},
        {u"Antwort1kreuz", Boolean, 0},
        {u"Antwort2", Memo, 0},
        {u"Antwort2kreuz", Boolean, 0},
        {u"Antwort3", Memo, 0},
        {u"Antwort3kreuz", Boolean, 0},
        {u"Falsch", Integer, 0},
        {u"Bearbeitet", Integer, 0},
        {u"Bild", String, 20},
        {u"Zusatzstoff", Boolean, 0},
    });
    // One flag per class code, named "Klasse_" + code, in the order of the codes.
    for (const QString &code : ClassCodes())
        table.AddField(QStringLiteral("Klasse_") + code, Boolean);
    table.AddField(QStringLiteral("Info"), String, 240);

    TIndexDef byId;
    byId.name = QStringLiteral("ID");
    byId.fields = QStringLiteral("ID");
    byId.unique = true;
    table.AddIndexDef(byId);
    table.SetIndexName(QStringLiteral("ID"));
}

void DefineFrageboegenTable(TRecordTable &table)
{
    define(table, {
        {u"ID", AutoInc, 0},
        {u"Klasse", String, 3},
        {u"Nummer", Integer, 0},
        {u"Fragen", Memo, 0},
        {u"Fehlerlos", Integer, 0},
        {u"Bestanden", Integer, 0},
        {u"Durchgefallen", Integer, 0},
    });
}

void DefineTestTable(TRecordTable &table)
{
    define(table, {
        {u"ID", AutoInc, 0},
        {u"FrageID", Integer, 0},
        {u"Antwort1kreuz", Boolean, 0},
        {u"Antwort2kreuz", Boolean, 0},
        {u"Antwort3kreuz", Boolean, 0},
        {u"Antwort", String, 20},
        {u"NrInFragebogen", Word, 0},
        {u"NrInTest", Integer, 0},
        {u"Fragebogen", Integer, 0},
    });
}

void DefineSortTable(TRecordTable &table)
{
    define(table, {
        {u"FrageID", Integer, 0},
        {u"Value", Integer, 0},
    });
}

void DefineSetsTable(TRecordTable &table)
{
    define(table, {
        {u"ID", AutoInc, 0},
        {u"Name", String, 30},
        {u"Wertung", Word, 0},
        {u"Autor", String, 60},
        {u"Autor_email", String, 80},
        {u"Autor_website", String, 80},
        {u"Editierbar", Boolean, 0},
        {u"Freispielbar", Boolean, 0},
        {u"GirlName", String, 40},
        {u"TextGruppeID", Integer, 0},
        {u"Freigespielt", Boolean, 0},
    });
}

void DefineBilderTable(TRecordTable &table)
{
    define(table, {
        {u"ID", AutoInc, 0},
        {u"SetID", Integer, 0},
        {u"NrInSet", Integer, 0},
        {u"Name", String, 40},
        {u"Wertung", Word, 0},
        {u"Bild", String, 20},
        {u"Editierbar", Boolean, 0},
        {u"GirlName", String, 40},
        {u"Text", Memo, 0},
        {u"Freigespielt", Boolean, 0},
    });
    // The set editor's grid shows the picture names in a narrower column than their size.
    table.SetDisplayWidth(QStringLiteral("Name"), 20);
}

void DefineTexteTable(TRecordTable &table)
{
    define(table, {
        {u"ID", AutoInc, 0},
        {u"TextGruppeID", Integer, 0},
        {u"Text", Memo, 0},
    });
}

void DefineTextGruppenTable(TRecordTable &table)
{
    define(table, {
        {u"Name", String, 40},
        {u"Beschreibung", Memo, 0},
        {u"ID", AutoInc, 0},
    });
}

#include "table_json.h"

#include "core/velmora_error.h"
#include "data/record_table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>

namespace {

void appendString(QByteArray &out, const QString &text)
{
    out += '"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0')).toLatin1();
            else
                out += QString(c).toUtf8();
        }
    }
    out += '"';
}

// Faster for long texts than escaping character by character through QString.
void appendText(QByteArray &out, const QString &text)
{
    bool plain = true;
    for (const QChar c : text)
        plain = plain && c.unicode() >= 0x20 && c != u'"' && c != u'\\' && !c.isSurrogate();
    if (plain) {
        out += '"';
        out += text.toUtf8();
        out += '"';
    } else {
        appendString(out, text);
    }
}

void appendBool(QByteArray &out, bool value) { out += value ? "true" : "false"; }

void appendFloat(QByteArray &out, double value)
{
    if (std::isnan(value))
        out += "\"NaN\"";
    else if (std::isinf(value))
        out += value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    else
        out += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

void appendValue(QByteArray &out, const TField &field)
{
    if (field.IsNull()) {
        out += "null";
        return;
    }
    switch (ValueClassOf(field.Type())) {
    case TValueClass::Integer:
        out += QByteArray::number(field.AsInteger());
        break;
    case TValueClass::Boolean:
        appendBool(out, field.AsBoolean());
        break;
    case TValueClass::Float:
        appendFloat(out, field.AsFloat());
        break;
    case TValueClass::Text:
        appendText(out, field.AsString());
        break;
    }
}

[[noreturn]] void fail(const QString &text) { throw VelmoraError(text); }

QString requiredString(const QJsonObject &object, const QString &key, const QString &where)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        fail(QStringLiteral("%1: \"%2\" fehlt oder ist kein Text").arg(where, key));
    return value.toString();
}

QString optionalString(const QJsonObject &object, const QString &key, const QString &fallback)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString() : fallback;
}

int optionalInt(const QJsonObject &object, const QString &key, int fallback, const QString &where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return fallback;
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || number != std::floor(number) || std::abs(number) > 2147483647.0)
        fail(QStringLiteral("%1: \"%2\" muss eine ganze Zahl sein").arg(where, key));
    return int(number);
}

bool optionalBool(const QJsonObject &object, const QString &key)
{
    return object.value(key).toBool(false);
}

void setValue(TField field, const QJsonValue &value, const QString &where)
{
    if (value.isNull()) {
        field.Clear();
        return;
    }
    switch (ValueClassOf(field.Type())) {
    case TValueClass::Integer:
        if (value.isString()) {
            field.SetAsString(value.toString());
        } else {
            const double number = value.toDouble(std::nan(""));
            if (!value.isDouble() || number != std::floor(number) || std::abs(number) > 2147483648.0)
                fail(QStringLiteral("%1: Feld '%2' erwartet eine ganze Zahl").arg(where, field.Name()));
            field.SetAsInteger(int(number));
        }
        break;
    case TValueClass::Boolean:
        if (!value.isBool())
            fail(QStringLiteral("%1: Feld '%2' erwartet true oder false").arg(where, field.Name()));
        field.SetAsBoolean(value.toBool());
        break;
    case TValueClass::Float:
        if (value.isString()) {
            const QString text = value.toString();
            if (text == u"NaN")
                field.SetAsFloat(std::nan(""));
            else if (text == u"Infinity" || text == u"-Infinity")
                field.SetAsFloat(text.startsWith(u'-') ? -HUGE_VAL : HUGE_VAL);
            else
                field.SetAsString(text);
        } else if (value.isDouble()) {
            field.SetAsFloat(value.toDouble());
        } else {
            fail(QStringLiteral("%1: Feld '%2' erwartet eine Zahl").arg(where, field.Name()));
        }
        break;
    case TValueClass::Text:
        if (!value.isString())
            fail(QStringLiteral("%1: Feld '%2' erwartet einen Text").arg(where, field.Name()));
        field.SetAsString(value.toString());
        break;
    }
}

} // namespace

QByteArray TableJson::Dump(TRecordTable &table, int version)
{
    QByteArray out;
    out += "{\n  \"version\": " + QByteArray::number(version) + ",\n  \"fields\": [";
    for (int i = 0; i < table.FieldCount(); ++i) {
        const TFieldDef &def = table.FieldDef(i);
        out += i == 0 ? "\n    {" : ",\n    {";
        out += "\"name\": ";
        appendString(out, def.name);
        out += ", \"type\": ";
        appendString(out, FieldTypeName(def.type));
        out += ", \"size\": " + QByteArray::number(def.size) + ", \"displayLabel\": ";
        appendString(out, def.displayLabel);
        out += ", \"editMask\": ";
        appendString(out, def.editMask);
        out += ", \"displayWidth\": " + QByteArray::number(def.displayWidth) + ", \"required\": ";
        appendBool(out, def.required);
        out += ", \"readOnly\": ";
        appendBool(out, def.readOnly);
        out += ", \"kind\": ";
        appendString(out, FieldKindName(def.kind));
        out += ", \"defaultExpression\": ";
        appendString(out, def.defaultExpression);
        out += "}";
    }
    out += table.FieldCount() > 0 ? "\n  ],\n  \"indexes\": [" : "],\n  \"indexes\": [";
    const auto &indexes = table.IndexDefs();
    for (size_t i = 0; i < indexes.size(); ++i) {
        const TIndexDef &def = indexes[i];
        out += i == 0 ? "\n    {" : ",\n    {";
        out += "\"name\": ";
        appendString(out, def.name);
        out += ", \"fields\": ";
        appendString(out, def.fields);
        out += ", \"descending\": ";
        appendBool(out, def.descending);
        out += ", \"caseInsensitive\": ";
        appendBool(out, def.caseInsensitive);
        out += ", \"notMaintained\": ";
        appendBool(out, def.notMaintained);
        out += ", \"unique\": ";
        appendBool(out, def.unique);
        out += "}";
    }
    out += indexes.empty() ? "],\n  \"records\": [" : "\n  ],\n  \"records\": [";
    bool first = true;
    for (table.First(); !table.Eof(); table.Next()) {
        out += first ? "\n    {" : ",\n    {";
        first = false;
        for (int i = 0; i < table.FieldCount(); ++i) {
            if (i > 0)
                out += ", ";
            appendString(out, table.FieldDef(i).name);
            out += ": ";
            appendValue(out, table.Field(i));
        }
        out += "}";
    }
    out += first ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

void TableJson::Build(TRecordTable &table, const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QStringLiteral("Ungültiges JSON an Stelle %1: %2").arg(error.offset).arg(error.errorString()));
    if (!document.isObject())
        fail(QStringLiteral("Das JSON muss ein Objekt sein"));
    const QJsonObject root = document.object();

    const QJsonArray fields = root.value(u"fields").toArray();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString where = QStringLiteral("fields[%1]").arg(i);
        const QJsonObject object = fields[i].toObject();
        const QString typeName = requiredString(object, QStringLiteral("type"), where);
        const std::optional<TFieldType> type = FieldTypeFromName(typeName);
        if (!type)
            fail(QStringLiteral("Unknown field type (%1)").arg(typeName));
        TFieldDef def = TFieldDef::Make(requiredString(object, QStringLiteral("name"), where), *type,
                                        optionalInt(object, QStringLiteral("size"), 0, where));
        def.displayLabel = optionalString(object, QStringLiteral("displayLabel"), def.name);
        def.editMask = optionalString(object, QStringLiteral("editMask"), QString());
        def.displayWidth = optionalInt(object, QStringLiteral("displayWidth"),
                                       TFieldDef::DefaultDisplayWidth(def.type, def.size), where);
        def.required = optionalBool(object, QStringLiteral("required"));
        def.readOnly = optionalBool(object, QStringLiteral("readOnly"));
        def.kind = FieldKindFromName(optionalString(object, QStringLiteral("kind"), QStringLiteral("Data")));
        def.defaultExpression = optionalString(object, QStringLiteral("defaultExpression"), QString());
        table.AddFieldDef(def);
    }

    const QJsonArray indexes = root.value(u"indexes").toArray();
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        const QString where = QStringLiteral("indexes[%1]").arg(i);
        const QJsonObject object = indexes[i].toObject();
        TIndexDef def;
        def.name = requiredString(object, QStringLiteral("name"), where);
        def.fields = requiredString(object, QStringLiteral("fields"), where);
        def.descending = optionalBool(object, QStringLiteral("descending"));
        def.caseInsensitive = optionalBool(object, QStringLiteral("caseInsensitive"));
        def.notMaintained = optionalBool(object, QStringLiteral("notMaintained"));
        def.unique = optionalBool(object, QStringLiteral("unique"));
        table.AddIndexDef(def);
    }

    table.Open();
    const QJsonArray records = root.value(u"records").toArray();
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QString where = QStringLiteral("records[%1]").arg(i);
        if (!records[i].isObject())
            fail(QStringLiteral("%1: ein Datensatz muss ein Objekt sein").arg(where));
        const QJsonObject object = records[i].toObject();
        table.Append();
        for (auto it = object.begin(); it != object.end(); ++it)
            setValue(table.FieldByName(it.key()), it.value(), where);
        table.Post();
    }
}

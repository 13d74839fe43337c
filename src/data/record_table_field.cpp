// The field accessors of TField: reading and writing one value of the current or edited record.
#include "data/record_table.h"

#include "core/velmora_error.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

[[noreturn]] void failInteger(const QString &text, const QString &field)
{
    throw VelmoraError(QStringLiteral("'%1' ist kein gültiger Integerwert für Feld '%2'").arg(text, field));
}

// A decimal integer with an optional sign and nothing else; false when it is not one or too large.
bool parseInteger(const QString &text, qint64 &value)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return false;
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > qint64(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    value = negative ? -magnitude : magnitude;
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

QString booleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace

QString TField::Name() const { return Def().name; }

TFieldType TField::Type() const { return Def().type; }

int TField::Size() const { return Def().size; }

const TFieldDef &TField::Def() const
{
    if (!IsValid())
        throw VelmoraError(QStringLiteral("Das Feld '' wurde nicht gefunden"));
    return m_table->m_fields[size_t(m_index)];
}

// The value a read sees and its class; nullptr on an empty view or for an invalid handle. Reads
// are the engine's hottest path: one bounds check on the field, one on the cursor, no calls.
inline const TValue *TField::Read(TValueClass &valueClass) const
{
    if (m_table == nullptr)
        return nullptr;
    const TValue *value = m_table->ReadValue(m_index);
    if (value != nullptr)
        valueClass = ValueClassOf(m_table->m_fields[size_t(m_index)].type);
    return value;
}

bool TField::IsNull() const
{
    const TValue *value = m_table != nullptr ? m_table->ReadValue(m_index) : nullptr;
    return value == nullptr || value->isNull;
}

int TField::AsInteger() const
{
    TValueClass valueClass = TValueClass::Integer;
    const TValue *value = Read(valueClass);
    if (value == nullptr || value->isNull)
        return 0;
    switch (valueClass) {
    case TValueClass::Integer:
    case TValueClass::Boolean:
        return int(value->number);
    case TValueClass::Float: {
        const double d = value->AsFloat80().ToDouble();
        if (!(std::abs(d) <= double(std::numeric_limits<int>::max())))
            failInteger(AsString(), Name());
        return int(std::nearbyint(d));
    }
    case TValueClass::Text:
        break;
    }
    qint64 parsed = 0;
    if (!parseInteger(value->text, parsed))
        failInteger(value->text, Name());
    return int(parsed);
}

QString TField::AsString() const
{
    TValueClass valueClass = TValueClass::Text;
    const TValue *value = Read(valueClass);
    if (value == nullptr || value->isNull)
        return {};
    switch (valueClass) {
    case TValueClass::Integer:
        return QString::number(value->number);
    case TValueClass::Boolean:
        return booleanText(value->number != 0);
    case TValueClass::Float:
        return QString::number(value->AsFloat80().ToDouble(), 'g', QLocale::FloatingPointShortest);
    case TValueClass::Text:
        break;
    }
    return value->text;
}

bool TField::AsBoolean() const
{
    TValueClass valueClass = TValueClass::Boolean;
    const TValue *value = Read(valueClass);
    if (value == nullptr || value->isNull)
        return false;
    switch (valueClass) {
    case TValueClass::Integer:
    case TValueClass::Boolean:
        return value->number != 0;
    case TValueClass::Float:
        return value->AsFloat80().ToDouble() != 0.0;
    case TValueClass::Text:
        break;
    }
    return value->text.compare(u"True", Qt::CaseInsensitive) == 0;
}

double TField::AsFloat() const
{
    TValueClass valueClass = TValueClass::Float;
    const TValue *value = Read(valueClass);
    if (value == nullptr || value->isNull)
        return 0.0;
    if (valueClass == TValueClass::Float)
        return value->AsFloat80().ToDouble();
    if (valueClass == TValueClass::Text)
        return value->text.toDouble();
    return double(value->number);
}

QVariant TField::AsVariant() const
{
    const TValue *value = m_table != nullptr ? m_table->ReadValue(m_index) : nullptr;
    if (value == nullptr)
        return {};
    return TRecordTable::ValueToVariant(Type(), *value);
}

void TField::SetAsInteger(int value)
{
    const TFieldDef &def = Def();
    TValue &target = m_table->WritableValue(m_index);
    switch (ValueClassOf(def.type)) {
    case TValueClass::Integer:
        if (def.type == TFieldType::Word && (value < 0 || value > 65535))
            throw VelmoraError(
                QStringLiteral("%1 ist kein gültiger Wert für Feld '%2'. Der erlaubte Bereich ist 0 bis 65535")
                    .arg(value)
                    .arg(def.name));
        target.number = value;
        target.isNull = false;
        break;
    case TValueClass::Boolean:
        target.number = value != 0 ? 1 : 0;
        target.isNull = false;
        break;
    case TValueClass::Float:
        target.SetFloat80(TFloat80::FromInteger(value));
        break;
    case TValueClass::Text:
        SetAsString(QString::number(value));
        return;
    }
    m_table->FieldWritten(m_index);
}

void TField::SetAsString(const QString &value)
{
    const TFieldDef &def = Def();
    TValue &target = m_table->WritableValue(m_index);
    switch (ValueClassOf(def.type)) {
    case TValueClass::Integer: {
        if (value.isEmpty()) {
            target.SetNull();
            break;
        }
        qint64 parsed = 0;
        if (!parseInteger(value, parsed))
            failInteger(value, def.name);
        SetAsInteger(int(parsed));
        return;
    }
    case TValueClass::Boolean:
        if (value.isEmpty()) {
            target.SetNull();
        } else if (value.compare(u"True", Qt::CaseInsensitive) == 0 || value.compare(u"False", Qt::CaseInsensitive) == 0) {
            target.number = value.compare(u"True", Qt::CaseInsensitive) == 0 ? 1 : 0;
            target.isNull = false;
        } else {
            throw VelmoraError(
                QStringLiteral("'%1' ist kein gültiger Boolescher Wert für Feld '%2'").arg(value, def.name));
        }
        break;
    case TValueClass::Float: {
        if (value.isEmpty()) {
            target.SetNull();
            break;
        }
        bool ok = false;
        const double parsed = value.toDouble(&ok);
        if (!ok)
            throw VelmoraError(
                QStringLiteral("'%1' ist kein gültiger Gleitkommawert für Feld '%2'").arg(value, def.name));
        target.SetFloat80(TFloat80::FromDouble(parsed));
        break;
    }
    case TValueClass::Text: {
        QString text = value;
        if (def.type == TFieldType::String || def.type == TFieldType::FixedChar) {
            const qsizetype nul = text.indexOf(QChar(0));
            if (nul >= 0)
                text.truncate(nul);
            if (def.size > 0 && text.size() > def.size)
                text.truncate(def.size);
            target.text = text;
            target.isNull = false;
        } else if (text.isEmpty()) {
            target.SetNull(); // an empty memo is null
        } else {
            target.text = text;
            target.isNull = false;
        }
        break;
    }
    }
    m_table->FieldWritten(m_index);
}

void TField::SetAsBoolean(bool value)
{
    const TFieldDef &def = Def();
    if (ValueClassOf(def.type) == TValueClass::Text) {
        SetAsString(booleanText(value));
        return;
    }
    if (ValueClassOf(def.type) == TValueClass::Float) {
        m_table->WritableValue(m_index).SetFloat80(TFloat80::FromInteger(value ? 1 : 0));
        m_table->FieldWritten(m_index);
        return;
    }
    TValue &target = m_table->WritableValue(m_index);
    target.number = value ? 1 : 0;
    target.isNull = false;
    m_table->FieldWritten(m_index);
}

void TField::SetAsFloat(double value)
{
    const TFieldDef &def = Def();
    switch (ValueClassOf(def.type)) {
    case TValueClass::Float: {
        m_table->WritableValue(m_index).SetFloat80(TFloat80::FromDouble(value));
        m_table->FieldWritten(m_index);
        return;
    }
    case TValueClass::Integer:
        if (!(std::abs(value) <= double(std::numeric_limits<int>::max())))
            failInteger(QString::number(value), def.name);
        SetAsInteger(int(std::nearbyint(value)));
        return;
    case TValueClass::Boolean:
        SetAsBoolean(value != 0.0);
        return;
    case TValueClass::Text:
        SetAsString(QString::number(value, 'g', QLocale::FloatingPointShortest));
        return;
    }
}

void TField::Clear()
{
    Def();
    m_table->WritableValue(m_index).SetNull();
    m_table->FieldWritten(m_index);
}

#include "data/table_field.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace {

const std::array<const char16_t *, FieldTypeCount> typeNames = {
    u"Unknown", u"String", u"SmallInt", u"Integer", u"Word", u"Boolean", u"Float", u"Currency", u"BCD",
    u"Date", u"Time", u"DateTime", u"Bytes", u"VarBytes", u"AutoInc", u"Blob", u"Memo", u"Graphic",
    u"FmtMemo", u"ParadoxOle", u"dBaseOle", u"TypedBinary", u"Cursor", u"FixedChar", u"WideString",
    u"LargeInt", u"ADT", u"Array", u"Reference", u"DataSet", u"HugeBlob", u"HugeClob", u"Variant",
    u"Interface", u"Dispatch", u"Guid", u"SQLTimeStamp", u"FMTBcdField"};

bool isRejectedType(TFieldType type)
{
    switch (type) {
    case TFieldType::Unknown:
    case TFieldType::Cursor:
    case TFieldType::WideString:
    case TFieldType::Reference:
    case TFieldType::DataSet:
    case TFieldType::Variant:
    case TFieldType::Interface:
    case TFieldType::Dispatch:
        return true;
    default:
        return false;
    }
}

const std::array<const char16_t *, 5> kindNames = {u"Data", u"Calculated", u"Lookup", u"InternalCalc",
                                                   u"Aggregate"};

} // namespace

QString FieldTypeName(TFieldType type)
{
    const auto index = size_t(type);
    return index < typeNames.size() ? QString::fromUtf16(typeNames[index]) : QString();
}

std::optional<TFieldType> FieldTypeFromName(const QString &name)
{
    for (size_t i = 0; i < typeNames.size(); ++i) {
        if (name == QStringView(typeNames[i])) {
            const auto type = TFieldType(i);
            if (isRejectedType(type))
                return std::nullopt;
            return type;
        }
    }
    return std::nullopt;
}

QString FieldKindName(TFieldKind kind)
{
    const auto index = size_t(kind);
    return QString::fromUtf16(kindNames[index < kindNames.size() ? index : 0]);
}

TFieldKind FieldKindFromName(const QString &name)
{
    for (size_t i = 0; i < kindNames.size(); ++i) {
        if (name == QStringView(kindNames[i]))
            return TFieldKind(i);
    }
    return TFieldKind::Data;
}

int TFieldDef::DefaultDisplayWidth(TFieldType type, int size)
{
    if (type == TFieldType::String)
        return size;
    if (type == TFieldType::Boolean)
        return 6;
    return 10;
}

TFieldDef TFieldDef::Make(const QString &name, TFieldType type, int size)
{
    TFieldDef def;
    def.name = name;
    def.type = type;
    def.size = size;
    def.displayLabel = name;
    def.displayWidth = DefaultDisplayWidth(type, size);
    return def;
}

TFloat80 TFloat80::FromDouble(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const quint16 sign = (bits >> 63) ? 0x8000 : 0;
    const int exponent = int((bits >> 52) & 0x7FF);
    const quint64 fraction = bits & ((quint64(1) << 52) - 1);
    TFloat80 result;
    if (exponent == 0x7FF) { // infinity or NaN
        result.signExponent = sign | 0x7FFF;
        result.mantissa = (quint64(1) << 63) | (fraction << 11);
    } else if (exponent == 0) {
        if (fraction == 0) {
            result.signExponent = sign;
        } else { // subnormal double: normalise, the extended format has room for it
            const int shift = std::countl_zero(fraction);
            result.mantissa = fraction << shift;
            result.signExponent = sign | quint16(-1074 - shift + 16383 + 63);
        }
    } else {
        result.mantissa = (quint64(1) << 63) | (fraction << 11);
        result.signExponent = sign | quint16(exponent - 1023 + 16383);
    }
    return result;
}

TFloat80 TFloat80::FromInteger(qint64 value)
{
    TFloat80 result;
    if (value == 0)
        return result;
    const quint16 sign = value < 0 ? 0x8000 : 0;
    const quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    const int shift = std::countl_zero(magnitude);
    result.mantissa = magnitude << shift;
    result.signExponent = sign | quint16(63 - shift + 16383);
    return result;
}

double TFloat80::ToDouble() const
{
    const bool negative = (signExponent & 0x8000) != 0;
    const int exponent = signExponent & 0x7FFF;
    double magnitude;
    if (exponent == 0x7FFF) {
        magnitude = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
    } else if (mantissa == 0) {
        magnitude = 0.0;
    } else {
        // Exponent 0 marks a denormal, whose scale is that of exponent 1.
        const int unbiased = (exponent == 0 ? 1 : exponent) - 16383 - 63;
        magnitude = std::ldexp(double(mantissa), unbiased);
    }
    return negative ? -magnitude : magnitude;
}

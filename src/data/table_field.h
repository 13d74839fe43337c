#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <initializer_list>
#include <optional>

// Field types of a record table, numbered as table files name them. The program itself uses AutoInc,
// Integer, Word, Boolean, String and Memo; every other accepted type loads, keeps its value and is
// saved back unchanged.
enum class TFieldType : quint8 {
    Unknown, String, SmallInt, Integer, Word, Boolean, Float, Currency, BCD, Date, Time, DateTime, Bytes,
    VarBytes, AutoInc, Blob, Memo, Graphic, FmtMemo, ParadoxOle, DBaseOle, TypedBinary, Cursor, FixedChar,
    WideString, LargeInt, ADT, Array, Reference, DataSet, HugeBlob, HugeClob, Variant, Interface, Dispatch,
    Guid, SQLTimeStamp, FMTBcdField
};
inline constexpr int FieldTypeCount = 38;

// The type's name as a table file writes it ("AutoInc", "Memo", ...).
QString FieldTypeName(TFieldType type);
// The type for a name, compared exactly; nothing for an unknown name and for the names a table
// file may not use ("Unknown", "Cursor", "WideString", "Reference", "DataSet", "Variant", "Interface", "Dispatch").
std::optional<TFieldType> FieldTypeFromName(const QString &name);

// How a value of the type is stored in memory and in a table file.
enum class TValueClass : quint8 { Integer, Boolean, Text, Float };

namespace detail {
// The value class of every field type, by the type's number. Field reads look this up on every
// call, so it is a table rather than a switch in another file.
inline constexpr std::array<TValueClass, FieldTypeCount> valueClasses = [] {
    std::array<TValueClass, FieldTypeCount> classes{};
    classes.fill(TValueClass::Text);
    for (TFieldType t : {TFieldType::AutoInc, TFieldType::Integer, TFieldType::Word, TFieldType::SmallInt})
        classes[size_t(t)] = TValueClass::Integer;
    classes[size_t(TFieldType::Boolean)] = TValueClass::Boolean;
    for (TFieldType t : {TFieldType::Float, TFieldType::Date, TFieldType::Time, TFieldType::DateTime,
                         TFieldType::LargeInt, TFieldType::Currency, TFieldType::BCD})
        classes[size_t(t)] = TValueClass::Float;
    return classes;
}();
} // namespace detail

inline TValueClass ValueClassOf(TFieldType type)
{
    const auto index = size_t(type);
    return index < detail::valueClasses.size() ? detail::valueClasses[index] : TValueClass::Text;
}
inline bool IsIntegerType(TFieldType t) { return ValueClassOf(t) == TValueClass::Integer; }
inline bool IsTextType(TFieldType t) { return ValueClassOf(t) == TValueClass::Text; }

enum class TFieldKind : quint8 { Data, Calculated, Lookup, InternalCalc, Aggregate };
QString FieldKindName(TFieldKind kind);
TFieldKind FieldKindFromName(const QString &name); // unknown texts count as Data

// A field's definition with every attribute a table file carries. Only name, type and size matter
// to the engine; the others are kept so that a file is saved back as it was loaded.
struct TFieldDef
{
    QString name;
    TFieldType type = TFieldType::Unknown;
    int size = 0;
    QString displayLabel;
    QString editMask;
    int displayWidth = 10;
    bool required = false;
    bool readOnly = false;
    TFieldKind kind = TFieldKind::Data;
    QString defaultExpression;

    // The program's own defaults: label = name, display width = size for a String field,
    // 6 for a Boolean field, 10 otherwise.
    static TFieldDef Make(const QString &name, TFieldType type, int size = 0);
    static int DefaultDisplayWidth(TFieldType type, int size);
    bool operator==(const TFieldDef &) const = default;
};

// A named order carried by the table file; the table can be browsed in the order of one of them.
struct TIndexDef
{
    QString name;
    QString fields; // field names separated by ";"
    bool descending = false;
    bool caseInsensitive = false;
    bool notMaintained = false;
    bool unique = false;
    bool operator==(const TIndexDef &) const = default;
};

// An 80-bit extended-precision float exactly as a table file holds it: 64-bit mantissa with
// explicit integer bit, and sign bit plus 15-bit exponent (bias 16383). Kept raw so that values of
// the float types survive a load and a save bit for bit.
struct TFloat80
{
    quint64 mantissa = 0;
    quint16 signExponent = 0;

    static TFloat80 FromDouble(double value);
    static TFloat80 FromInteger(qint64 value);
    double ToDouble() const;
    bool IsZero() const { return mantissa == 0 && (signExponent & 0x7FFF) == 0; }
    bool operator==(const TFloat80 &) const = default;
};

// One stored value. Integers (AutoInc, Integer, Word, SmallInt) and booleans live in `number`,
// texts in `text`, floats in `number` (mantissa) and `floatExponent`.
struct TValue
{
    QString text;
    qint64 number = 0;
    quint16 floatExponent = 0;
    bool isNull = true;

    TFloat80 AsFloat80() const { return {quint64(number), floatExponent}; }
    void SetFloat80(TFloat80 f)
    {
        number = qint64(f.mantissa);
        floatExponent = f.signExponent;
        isNull = false;
    }
    void SetNull()
    {
        text.clear();
        number = 0;
        floatExponent = 0;
        isNull = true;
    }
    bool operator==(const TValue &) const = default;
};

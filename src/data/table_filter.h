#pragma once

#include "data/table_field.h"

#include <QString>

#include <optional>
#include <vector>

// The tiny filter language of record tables: a field compared with an integer ("SetID = 3") or a
// quoted text ("Klasse = 'B'"), or a Boolean field alone ("Editierbar"), optionally in one pair of
// parentheses; blanks may stand between the parts. Nothing else is accepted.
class TFilterExpr
{
public:
    enum class Kind : quint8 { Empty, IntegerEquals, TextEquals, BooleanTrue };

    // Parses a filter text; nothing for a text outside the language. An empty or blank text is the
    // empty filter, which every record passes.
    static std::optional<TFilterExpr> Parse(const QString &text);

    Kind GetKind() const { return m_kind; }
    bool IsEmpty() const { return m_kind == Kind::Empty; }
    const QString &FieldName() const { return m_field; }
    qint64 IntegerValue() const { return m_integer; }
    const QString &TextValue() const { return m_text; }

private:
    Kind m_kind = Kind::Empty;
    QString m_field;
    qint64 m_integer = 0;
    QString m_text;
};

// A parsed filter bound to a field of a table: evaluating it needs no string work.
struct TResolvedFilter
{
    TFilterExpr::Kind kind = TFilterExpr::Kind::Empty;
    int field = -1;
    qint64 integer = 0;
    QString text;

    bool Passes(const std::vector<TValue> &values) const
    {
        switch (kind) {
        case TFilterExpr::Kind::Empty:
            return true;
        case TFilterExpr::Kind::IntegerEquals: {
            const TValue &v = values[size_t(field)];
            return !v.isNull && v.number == integer;
        }
        case TFilterExpr::Kind::TextEquals: {
            const TValue &v = values[size_t(field)];
            return !v.isNull && v.text == text;
        }
        case TFilterExpr::Kind::BooleanTrue: {
            const TValue &v = values[size_t(field)];
            return !v.isNull && v.number != 0;
        }
        }
        return false;
    }
};

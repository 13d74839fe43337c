#include "data/table_filter.h"

#include "core/velmora_error.h"

#include <limits>

namespace {

class FilterScanner
{
public:
    explicit FilterScanner(QStringView text) : m_text(text) {}

    void skipBlanks()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t'))
            ++m_pos;
    }
    bool atEnd() const { return m_pos >= m_text.size(); }
    bool take(char16_t c)
    {
        if (!atEnd() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    QString identifier()
    {
        const qsizetype start = m_pos;
        while (!atEnd()) {
            const char16_t c = m_text[m_pos].unicode();
            const bool allowed = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
                                 || c == u'_';
            if (!allowed)
                break;
            ++m_pos;
        }
        return m_text.mid(start, m_pos - start).toString();
    }
    // Decimal digits only; false when there are none or the number is too large.
    bool number(qint64 &value)
    {
        const qsizetype start = m_pos;
        value = 0;
        while (!atEnd() && m_text[m_pos] >= u'0' && m_text[m_pos] <= u'9') {
            if (value > (std::numeric_limits<qint64>::max() - 9) / 10)
                return false;
            value = value * 10 + (m_text[m_pos].unicode() - u'0');
            ++m_pos;
        }
        return m_pos > start;
    }
    // A text in single quotes without quote characters inside.
    bool quoted(QString &value)
    {
        if (!take(u'\''))
            return false;
        const qsizetype start = m_pos;
        while (!atEnd() && m_text[m_pos] != u'\'') {
            if (m_text[m_pos] == u'"')
                return false;
            ++m_pos;
        }
        if (atEnd())
            return false;
        value = m_text.mid(start, m_pos - start).toString();
        ++m_pos; // closing quote
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace

std::optional<TFilterExpr> TFilterExpr::Parse(const QString &text)
{
    TFilterExpr expr;
    FilterScanner scanner(text);
    scanner.skipBlanks();
    if (scanner.atEnd())
        return expr;
    const bool parenthesised = scanner.take(u'(');
    scanner.skipBlanks();
    expr.m_field = scanner.identifier();
    if (expr.m_field.isEmpty())
        return std::nullopt;
    scanner.skipBlanks();
    if (scanner.take(u'=')) {
        scanner.skipBlanks();
        if (scanner.quoted(expr.m_text))
            expr.m_kind = Kind::TextEquals;
        else if (scanner.number(expr.m_integer))
            expr.m_kind = Kind::IntegerEquals;
        else
            return std::nullopt;
        scanner.skipBlanks();
    } else {
        expr.m_kind = Kind::BooleanTrue;
    }
    if (parenthesised) {
        if (!scanner.take(u')'))
            return std::nullopt;
        scanner.skipBlanks();
    }
    if (!scanner.atEnd())
        return std::nullopt;
    return expr;
}

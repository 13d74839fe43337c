#include "exam/next_token.h"

QString NextToken(const QString &text, int &position, const QString &delimiter)
{
    if (text.isEmpty())
        return {};
    const qsizetype start = position < 1 ? 0 : qsizetype(position) - 1;
    const qsizetype found =
        delimiter.isEmpty() || start >= text.size() ? -1 : text.indexOf(delimiter, start, Qt::CaseSensitive);
    if (found < 0) {
        position = int(text.size()) + 1;
        return start < text.size() ? text.mid(start) : QString();
    }
    position = int(found + delimiter.size()) + 1;
    return text.mid(start, found - start);
}

QString NumberSolution(const QString &answerTemplate)
{
    int position = 1;
    NextToken(answerTemplate, position, QStringLiteral("Lsg: "));
    return NextToken(answerTemplate, position, QStringLiteral(")"));
}

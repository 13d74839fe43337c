#include "exam/question_list.h"

#include <limits>

namespace {

// A decimal integer with an optional sign and nothing else, within 32 bits.
bool parseQuestionId(QStringView line, int &id)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < line.size() && (line[i] == u'-' || line[i] == u'+')) {
        negative = line[i] == u'-';
        ++i;
    }
    if (i == line.size())
        return false;
    qint64 magnitude = 0;
    for (; i < line.size(); ++i) {
        const char16_t c = line[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > qint64(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return false;
    id = int(value);
    return true;
}

} // namespace

QList<int> QuestionIdsOfList(const QString &questionList)
{
    QList<int> ids;
    const QStringView text(questionList);
    qsizetype lineStart = 0;
    const auto takeLine = [&](qsizetype lineEnd) {
        int id = 0;
        if (parseQuestionId(text.sliced(lineStart, lineEnd - lineStart), id))
            ids << id;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        takeLine(i);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i; // CR LF is one break
        lineStart = i + 1;
    }
    if (lineStart < text.size())
        takeLine(text.size());
    return ids;
}

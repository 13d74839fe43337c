#include "exam/text_group_file.h"

#include "data/table_file_stream.h"
#include "exam/next_token.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kSeparator = QStringLiteral(";");

// The lines of a text file, each followed by CR LF; a final line break adds no empty line.
QString withCrLfLines(const QString &content)
{
    QString text;
    text.reserve(content.size() + 2);
    qsizetype lineStart = 0;
    const qsizetype size = content.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = content.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        text += QStringView(content).mid(lineStart, i - lineStart);
        text += kCrLf;
        if (c == u'\r' && i + 1 < size && content.at(i + 1) == u'\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < size) {
        text += QStringView(content).mid(lineStart);
        text += kCrLf;
    }
    return text;
}

} // namespace

QByteArray TextGroupFileBytes(const QStringList &texts)
{
    QString line;
    for (const QString &text : texts)
        line += text + kSeparator;
    // A group without texts still writes its separator: reading it back gives one empty text.
    if (texts.isEmpty())
        line = kSeparator;
    return EncodeWindows1252(line + kCrLf);
}

QStringList TextsOfTextGroupFile(const QByteArray &bytes)
{
    const QString text = withCrLfLines(DecodeWindows1252(bytes.constData(), bytes.size()));
    const qsizetype length = text.size();
    QStringList texts;
    int position = 1;
    do {
        texts << NextToken(text, position, kSeparator);
    } while (position < length - 1);
    return texts;
}

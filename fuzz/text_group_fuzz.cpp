// Fuzzes the text-group file reader: any bytes give at least one text, none of which holds ";" or a
// line break other than CR LF; writing what was read and reading it again gives the same texts.
#include "exam/text_group_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList texts = TextsOfTextGroupFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (texts.isEmpty())
        std::abort(); // every file gives one text at least
    for (const QString &text : texts) {
        if (text.contains(u';'))
            std::abort(); // the separator never stays inside a text
        if (QString(text).remove(QStringLiteral("\r\n")).contains(u'\r') ||
            QString(text).remove(QStringLiteral("\r\n")).contains(u'\n'))
            std::abort(); // line breaks come back as CR LF only
    }
    const QStringList again = TextsOfTextGroupFile(TextGroupFileBytes(texts));
    if (TextsOfTextGroupFile(TextGroupFileBytes(again)) != again)
        std::abort(); // what was written once reads back to itself
    return 0;
}

#include "source_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Windows-1252 bytes 0x80 ... 0x9F; 0 marks the five unused codes.
constexpr char16_t HighControlBlock[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int Windows1252Byte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (HighControlBlock[i] != 0 && HighControlBlock[i] == u)
            return 0x80 + i;
    return -1;
}

} // namespace

TSourceFile TSourceFile::Read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TDeliveryError(QStringLiteral("%1: kann nicht gelesen werden (%2)").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw TDeliveryError(QStringLiteral("%1: ist kein gültiger UTF-8-Text").arg(path));

    TSourceFile source;
    source.m_path = path;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        source.m_lines.append({line, i + 1});
    }
    return source;
}

void TSourceFile::Fail(int line, const QString &text) const
{
    throw TDeliveryError(QStringLiteral("%1:%2: %3").arg(m_path).arg(line).arg(text));
}

bool SplitKeyValue(const QString &line, QString &key, QString &value)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    key = line.left(colon).trimmed();
    for (QChar c : key)
        if (!c.isLetterOrNumber() && c != QLatin1Char('_'))
            return false;
    value = line.mid(colon + 1).trimmed();
    return true;
}

bool IsWindows1252Text(const QString &text)
{
    for (QChar c : text)
        if (Windows1252Byte(c) < 0)
            return false;
    return true;
}

QByteArray ToWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const int b = Windows1252Byte(c);
        if (b < 0)
            throw TDeliveryError(QStringLiteral("Zeichen U+%1 gibt es in Windows-1252 nicht")
                                     .arg(int(c.unicode()), 4, 16, QLatin1Char('0')));
        bytes.append(char(b));
    }
    return bytes;
}

bool ParseYesNo(const TSourceFile &file, int line, const QString &value)
{
    const QString v = value.toLower();
    if (v == u"ja" || v == u"yes")
        return true;
    if (v == u"nein" || v == u"no")
        return false;
    file.Fail(line, QStringLiteral("\"ja\" oder \"nein\" erwartet, nicht \"%1\"").arg(value));
}

int ParseInteger(const TSourceFile &file, int line, const QString &value, int minimum, int maximum)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < minimum || n > maximum)
        file.Fail(line, QStringLiteral("ganze Zahl von %1 bis %2 erwartet, nicht \"%3\"").arg(minimum).arg(maximum).arg(value));
    return n;
}

QStringList SourceFilesIn(const QString &folder, const QString &suffix)
{
    QDir dir(folder);
    if (!dir.exists())
        throw TDeliveryError(QStringLiteral("%1: Ordner fehlt").arg(folder));
    QStringList names = dir.entryList({QStringLiteral("*") + suffix}, QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString &name : names)
        paths << dir.filePath(name);
    return paths;
}

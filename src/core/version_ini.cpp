#include "core/version_ini.h"

#include "core/velmora_error.h"

#include <QFile>
#include <QStringDecoder>

namespace {

QString decodeWindows1252(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    if (decoder.isValid())
        return decoder.decode(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace

TVersionIni::TVersionIni(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QString text = decodeWindows1252(nul >= 0 ? bytes.left(nul) : bytes);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size()) {
            if (i > start)
                m_lines << text.mid(start);
            break;
        }
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            m_lines << text.mid(start, i - start);
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
}

TVersionIni TVersionIni::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TVersionIni();
    return TVersionIni(file.readAll());
}

QString TVersionIni::value(const QString &key) const
{
    for (const QString &line : m_lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        if (QStringView(line).left(eq).compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1);
    }
    return QString();
}

bool TVersionIni::contains(const QString &key) const
{
    for (const QString &line : m_lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0 && QStringView(line).left(eq).compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

qint32 ParseAmount(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    bool ok = false;
    const QStringView digits = QStringView(text).mid(i);
    // Only a sign and decimal digits: toInt alone would also take blanks at the end.
    bool shapeOk = !digits.isEmpty();
    for (qsizetype k = 0; k < digits.size() && shapeOk; ++k) {
        const QChar c = digits.at(k);
        if (!(c.isDigit() && c.unicode() < 128) && !(k == 0 && (c == u'-' || c == u'+')))
            shapeOk = false;
    }
    const int value = shapeOk ? digits.toInt(&ok, 10) : 0;
    if (!ok)
        throw VelmoraError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
    return value;
}

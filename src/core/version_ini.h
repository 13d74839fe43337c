#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The installation settings file "version.ini": plain Windows-1252 text, read whole. A line ends at
// CR LF, CR or LF; a NUL byte ends the text. A setting is key=value split at the first "=", with
// neither side trimmed. Keys are compared without regard to case and the first line of a key wins.
class TVersionIni
{
public:
    TVersionIni() = default;
    explicit TVersionIni(const QByteArray &bytes);

    // Reads the file; a missing or unreadable file gives an empty key list.
    static TVersionIni fromFile(const QString &path);

    // The value of the first line carrying the key, or the empty text when no line does.
    QString value(const QString &key) const;
    bool contains(const QString &key) const;

private:
    QStringList m_lines;
};

// Converts an amount of version.ini: a signed decimal 32-bit whole number, leading blanks allowed.
// Throws VelmoraError "'%s' ist kein gültiger Integerwert" otherwise.
qint32 ParseAmount(const QString &text);

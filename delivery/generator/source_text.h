#pragma once

#include <QList>
#include <QString>

#include <stdexcept>

// A fault in the delivery sources or while writing the program folder; the text names the file and
// line so that whoever edits the catalogue sees at once what to fix.
class TDeliveryError : public std::runtime_error
{
public:
    explicit TDeliveryError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &Text() const { return m_text; }

private:
    QString m_text;
};

struct TSourceLine
{
    QString text; // without the line break, trailing blanks removed
    int number = 0;
};

// One UTF-8 source file split into lines; blank lines and lines starting with "#" are dropped.
class TSourceFile
{
public:
    static TSourceFile Read(const QString &path);

    const QString &Path() const { return m_path; }
    const QList<TSourceLine> &Lines() const { return m_lines; }
    [[noreturn]] void Fail(int line, const QString &text) const;

private:
    QString m_path;
    QList<TSourceLine> m_lines;
};

// "Key: value" lines. Returns false when the line has no key of that form.
bool SplitKeyValue(const QString &line, QString &key, QString &value);

// Whether every character can be written as Windows-1252, the program's 8-bit text.
bool IsWindows1252Text(const QString &text);
// The text as Windows-1252 bytes; fails for characters outside the code page.
QByteArray ToWindows1252(const QString &text);

// Yes/no words of the sources: "ja"/"nein" (also "yes"/"no"). Fails otherwise.
bool ParseYesNo(const TSourceFile &file, int line, const QString &value);
int ParseInteger(const TSourceFile &file, int line, const QString &value, int minimum, int maximum);

// The source files of a folder with the given suffix, sorted by name.
QStringList SourceFilesIn(const QString &folder, const QString &suffix);

#include "catalogue.h"

#include "source_text.h"

#include "data/table_schemas.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int PictureNameSize = 20; // "Bild" of the question table
constexpr int InfoSize = 240;       // "Info" of the question table
constexpr int AnswerSize = 20;      // what the test table keeps of a typed answer

QSet<QString> ParseClasses(const TSourceFile &file, int line, const QString &value, bool &all)
{
    all = false;
    if (value.compare(QLatin1String("alle"), Qt::CaseInsensitive) == 0) {
        all = true;
        const QStringList &codes = DeliveryClassCodes();
        return QSet<QString>(codes.begin(), codes.end());
    }
    QSet<QString> classes;
    for (const QString &code : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!DeliveryClassCodes().contains(code))
            file.Fail(line, QStringLiteral("unbekannte Klasse \"%1\"").arg(code));
        classes.insert(code);
    }
    if (classes.isEmpty())
        file.Fail(line, QStringLiteral("keine Klasse angegeben"));
    all = classes.size() == DeliveryClassCodes().size();
    return classes;
}

void CheckText(const TSourceFile &file, int line, const QString &text)
{
    if (!IsWindows1252Text(text))
        file.Fail(line, QStringLiteral("der Text enthält Zeichen, die es in Windows-1252 nicht gibt"));
}

// A number template must cut the same way for the question screen ("(Lsg:" … ")") and for the
// scoring ("Lsg: " … ")"), and the solution must fit the typed answer.
void CheckNumberTemplate(const TSourceFile &file, int line, const QString &text)
{
    const qsizetype open = text.indexOf(QLatin1String("(Lsg: "));
    if (open < 0 || text.indexOf(QLatin1String("Lsg:")) != open + 1)
        file.Fail(line, QStringLiteral("die Zahlenantwort braucht genau eine Lösung in der Form \"(Lsg: 40)\""));
    if (text.indexOf(QLatin1String("Lsg:"), open + 2) >= 0)
        file.Fail(line, QStringLiteral("die Zahlenantwort enthält \"Lsg:\" mehrmals"));
    const qsizetype close = text.indexOf(QLatin1Char(')'), open);
    if (close < 0)
        file.Fail(line, QStringLiteral("nach der Lösung fehlt \")\""));
    const QString solution = text.mid(open + 6, close - open - 6);
    if (solution.isEmpty() || solution.size() > AnswerSize || solution.trimmed() != solution)
        file.Fail(line, QStringLiteral("die Lösung \"%1\" muss 1 bis %2 Zeichen ohne Leerzeichen am Rand haben")
                            .arg(solution)
                            .arg(AnswerSize));
}

} // namespace

const QStringList &DeliveryClassCodes()
{
    return ClassCodes();
}

int QuestionnaireSize(const QString &classCode)
{
    return classCode == u"MO" ? 20 : 30;
}

QString TCatalogue::SolutionOf(const QString &numberTemplate)
{
    const qsizetype start = numberTemplate.indexOf(QLatin1String("Lsg: "));
    if (start < 0)
        return {};
    const qsizetype from = start + 5;
    const qsizetype close = numberTemplate.indexOf(QLatin1Char(')'), from);
    return close < 0 ? numberTemplate.mid(from) : numberTemplate.mid(from, close - from);
}

TCatalogue TCatalogue::Read(const QString &questionFolder, const QString &questionnaireFolder)
{
    TCatalogue catalogue;
    QStringList files = SourceFilesIn(questionFolder, QStringLiteral(".txt"));
    // The general questions come first, so that their IDs stay put when class files are added.
    std::stable_partition(files.begin(), files.end(), [](const QString &path) {
        return QFileInfo(path).fileName() == u"allgemein.txt";
    });
    for (const QString &path : files)
        catalogue.ReadQuestionFile(path);
    if (catalogue.m_questions.isEmpty())
        throw TDeliveryError(QStringLiteral("%1: keine Fragen gefunden").arg(questionFolder));
    for (qsizetype i = 0; i < catalogue.m_questions.size(); ++i)
        catalogue.m_idByKey.insert(catalogue.m_questions[i].key, int(i + 1));

    const QStringList questionnaireFiles = SourceFilesIn(questionnaireFolder, QStringLiteral(".txt"));
    for (const QString &path : questionnaireFiles)
        catalogue.ReadQuestionnaireFile(path);
    std::stable_sort(catalogue.m_questionnaires.begin(), catalogue.m_questionnaires.end(),
                     [](const TQuestionnaireSource &a, const TQuestionnaireSource &b) {
                         return DeliveryClassCodes().indexOf(a.classCode) < DeliveryClassCodes().indexOf(b.classCode);
                     });
    return catalogue;
}

void TCatalogue::ReadQuestionFile(const QString &path)
{
    const TSourceFile file = TSourceFile::Read(path);
    QSet<QString> fileClasses;
    bool fileAll = false;
    bool haveFileClasses = false;
    TQuestionSource *current = nullptr;
    QSet<QString> knownKeys;
    for (const TQuestionSource &q : m_questions)
        knownKeys.insert(q.key);

    auto finish = [&]() {
        if (current == nullptr)
            return;
        const TQuestionSource &q = *current;
        if (q.errorPoints == 0)
            file.Fail(q.line, QStringLiteral("Frage %1: \"Punkte:\" fehlt").arg(q.key));
        if (q.text.isEmpty())
            file.Fail(q.line, QStringLiteral("Frage %1: \"Frage:\" fehlt").arg(q.key));
        if (q.IsNumberQuestion()) {
            if (!q.answers.isEmpty())
                file.Fail(q.line, QStringLiteral("Frage %1: eine Zahlenfrage hat keine Antworten mit + oder -").arg(q.key));
        } else {
            if (q.answers.size() < 2 || q.answers.size() > 3)
                file.Fail(q.line, QStringLiteral("Frage %1: zwei oder drei Antworten erwartet").arg(q.key));
            if (!q.correct.contains(true))
                file.Fail(q.line, QStringLiteral("Frage %1: mindestens eine Antwort muss richtig sein").arg(q.key));
        }
        if (q.classes.isEmpty())
            file.Fail(q.line, QStringLiteral("Frage %1: keine Klassen (\"Klassen:\" am Dateianfang oder bei der Frage)").arg(q.key));
    };

    for (const TSourceLine &line : file.Lines()) {
        const QString text = line.text.trimmed();
        if (text.startsWith(QLatin1Char('['))) {
            finish();
            if (!text.endsWith(QLatin1Char(']')) || text.size() < 3)
                file.Fail(line.number, QStringLiteral("Fragenschlüssel in der Form [G001] erwartet"));
            const QString key = text.mid(1, text.size() - 2);
            for (QChar c : key)
                if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-' && c != u'_' && c != u'.')
                    file.Fail(line.number, QStringLiteral("Schlüssel \"%1\": nur Buchstaben, Ziffern, - _ . erlaubt").arg(key));
            if (knownKeys.contains(key))
                file.Fail(line.number, QStringLiteral("Schlüssel \"%1\" gibt es schon").arg(key));
            knownKeys.insert(key);
            m_questions.append(TQuestionSource());
            current = &m_questions.last();
            current->key = key;
            current->file = path;
            current->line = line.number;
            current->classes = fileClasses;
            current->general = fileAll;
            continue;
        }
        if (text.startsWith(QLatin1String("+ ")) || text.startsWith(QLatin1String("- "))) {
            if (current == nullptr)
                file.Fail(line.number, QStringLiteral("Antwort außerhalb einer Frage"));
            const QString answer = text.mid(2).trimmed();
            if (answer.size() < 2)
                file.Fail(line.number, QStringLiteral("eine Antwort braucht mindestens zwei Zeichen"));
            CheckText(file, line.number, answer);
            current->answers << answer;
            current->correct << text.startsWith(QLatin1Char('+'));
            continue;
        }
        QString key, value;
        if (!SplitKeyValue(text, key, value))
            file.Fail(line.number, QStringLiteral("Zeile nicht verstanden: \"%1\"").arg(text));
        if (key == u"Klassen") {
            bool all = false;
            const QSet<QString> classes = ParseClasses(file, line.number, value, all);
            if (current == nullptr) {
                fileClasses = classes;
                fileAll = all;
                haveFileClasses = true;
            } else {
                current->classes = classes;
                current->general = all || fileAll;
            }
            continue;
        }
        if (current == nullptr)
            file.Fail(line.number, QStringLiteral("\"%1:\" außerhalb einer Frage").arg(key));
        CheckText(file, line.number, value);
        if (key == u"Punkte") {
            current->errorPoints = ParseInteger(file, line.number, value, 2, 5);
        } else if (key == u"Bild") {
            if (value.size() > PictureNameSize || value.contains(QLatin1Char('/')) || value.contains(QLatin1Char('\\')))
                file.Fail(line.number, QStringLiteral("Bildname höchstens %1 Zeichen, ohne Ordner").arg(PictureNameSize));
            current->picture = value;
        } else if (key == u"Frage") {
            current->text = value;
        } else if (key == u"Zahl") {
            CheckNumberTemplate(file, line.number, value);
            current->numberTemplate = value;
        } else if (key == u"Info") {
            if (value.size() > InfoSize)
                file.Fail(line.number, QStringLiteral("Info höchstens %1 Zeichen").arg(InfoSize));
            current->info = value;
        } else {
            file.Fail(line.number, QStringLiteral("unbekannte Angabe \"%1:\"").arg(key));
        }
    }
    finish();
    Q_UNUSED(haveFileClasses);
}

void TCatalogue::ReadQuestionnaireFile(const QString &path)
{
    const TSourceFile file = TSourceFile::Read(path);
    QString classCode;
    TQuestionnaireSource *current = nullptr;
    int lineOfCurrent = 0;
    QSet<QString> inCurrent;
    auto finish = [&]() {
        if (current == nullptr)
            return;
        if (current->keys.isEmpty())
            file.Fail(lineOfCurrent, QStringLiteral("Fragebogen %1 ist leer").arg(current->number));
        const int size = QuestionnaireSize(current->classCode);
        if (current->keys.size() != size)
            file.Fail(lineOfCurrent, QStringLiteral("Fragebogen %1 hat %2 Fragen, ein Fragebogen der Klasse %3 hat %4")
                                         .arg(current->number)
                                         .arg(current->keys.size())
                                         .arg(current->classCode)
                                         .arg(size));
    };
    int expectedNumber = 1;
    for (const TSourceLine &line : file.Lines()) {
        const QString text = line.text.trimmed();
        QString key, value;
        if (current == nullptr && classCode.isEmpty()) {
            if (!SplitKeyValue(text, key, value) || key != u"Klasse")
                file.Fail(line.number, QStringLiteral("die Datei beginnt mit \"Klasse: B\""));
            if (!DeliveryClassCodes().contains(value))
                file.Fail(line.number, QStringLiteral("unbekannte Klasse \"%1\"").arg(value));
            for (const TQuestionnaireSource &q : m_questionnaires)
                if (q.classCode == value)
                    file.Fail(line.number, QStringLiteral("die Fragebögen der Klasse %1 stehen schon in einer anderen Datei").arg(value));
            classCode = value;
            continue;
        }
        if (text.startsWith(QLatin1Char('['))) {
            finish();
            bool ok = false;
            const int number = text.mid(1, text.size() - 2).toInt(&ok);
            if (!text.endsWith(QLatin1Char(']')) || !ok)
                file.Fail(line.number, QStringLiteral("Fragebogennummer in der Form [1] erwartet"));
            if (number != expectedNumber)
                file.Fail(line.number, QStringLiteral("Fragebogen %1 erwartet, die Nummern zählen von 1 an lückenlos").arg(expectedNumber));
            ++expectedNumber;
            m_questionnaires.append({classCode, number, {}});
            current = &m_questionnaires.last();
            lineOfCurrent = line.number;
            inCurrent.clear();
            continue;
        }
        if (current == nullptr)
            file.Fail(line.number, QStringLiteral("Fragenschlüssel vor dem ersten [1]"));
        for (const QString &questionKey : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const int id = m_idByKey.value(questionKey, 0);
            if (id == 0)
                file.Fail(line.number, QStringLiteral("Frage \"%1\" gibt es nicht").arg(questionKey));
            if (!m_questions[id - 1].classes.contains(classCode))
                file.Fail(line.number, QStringLiteral("Frage \"%1\" gehört nicht zur Klasse %2").arg(questionKey, classCode));
            if (inCurrent.contains(questionKey))
                file.Fail(line.number, QStringLiteral("Frage \"%1\" steht zweimal im Fragebogen %2").arg(questionKey).arg(current->number));
            inCurrent.insert(questionKey);
            current->keys << questionKey;
        }
    }
    finish();
    if (classCode.isEmpty())
        file.Fail(1, QStringLiteral("die Datei ist leer"));
}

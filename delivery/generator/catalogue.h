#pragma once

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// One question of the catalogue as written in delivery/fragen/*.txt.
struct TQuestionSource
{
    QString key;       // name that questionnaires use
    QString file;      // where it was written, for messages
    int line = 0;
    int errorPoints = 0;
    QString picture;   // file name in mdl/img/, or empty
    QString text;
    QStringList answers;    // choice question: 2 or 3 answers
    QList<bool> correct;    // one mark per answer
    QString numberTemplate; // number question: "text (Lsg: 40) unit"
    QString info;
    QSet<QString> classes;  // class codes of its pool
    // Basic material, written under "Klassen: alle": it stays basic material when the question
    // narrows its own pool (an Autobahn question leaves out the classes that may not go there).
    bool general = false;

    bool IsNumberQuestion() const { return !numberTemplate.isEmpty(); }
};

struct TQuestionnaireSource
{
    QString classCode;
    int number = 0;
    QStringList keys;
};

// The whole catalogue: questions in the order of their files (allgemein first, then by file name),
// and the questionnaires per class in class order. IDs are positions counted from 1.
class TCatalogue
{
public:
    static TCatalogue Read(const QString &questionFolder, const QString &questionnaireFolder);

    const QList<TQuestionSource> &Questions() const { return m_questions; }
    const QList<TQuestionnaireSource> &Questionnaires() const { return m_questionnaires; }
    int QuestionId(const QString &key) const { return m_idByKey.value(key, 0); }

    // The solution inside a number template, read the way the scoring reads it.
    static QString SolutionOf(const QString &numberTemplate);

private:
    void ReadQuestionFile(const QString &path);
    void ReadQuestionnaireFile(const QString &path);

    QList<TQuestionSource> m_questions;
    QMap<QString, int> m_idByKey;
    QList<TQuestionnaireSource> m_questionnaires;
};

// The 13 class codes in the program's order.
const QStringList &DeliveryClassCodes();

// How many questions a questionnaire of the class holds, as in the exam: 20 for class MO, 30 otherwise.
int QuestionnaireSize(const QString &classCode);

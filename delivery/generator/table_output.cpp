#include "table_output.h"

#include "catalogue.h"
#include "picture_sets.h"
#include "source_text.h"

#include "core/velmora_error.h"
#include "data/record_table.h"
#include "data/table_file.h"
#include "data/table_schemas.h"

#include <QDir>
#include <QMap>

namespace {

void Save(const TRecordTable &table, const QString &folder, const QString &fileName)
{
    try {
        TTableFile::SaveToFile(table, QDir(folder).filePath(fileName));
    } catch (const VelmoraError &error) {
        throw TDeliveryError(QStringLiteral("%1: %2").arg(fileName, error.message()));
    }
}

void Set(TRecordTable &table, const char16_t *field, const QString &value)
{
    table.FieldByName(QString::fromUtf16(field)).SetAsString(value);
}

void Set(TRecordTable &table, const char16_t *field, int value)
{
    table.FieldByName(QString::fromUtf16(field)).SetAsInteger(value);
}

void SetFlag(TRecordTable &table, const QString &field, bool value)
{
    table.FieldByName(field).SetAsBoolean(value);
}

} // namespace

void WriteQuestionTables(const TCatalogue &catalogue, const QString &folder)
{
    // Each question names the questionnaire it first appears in; class B, the class most users
    // learn for, is looked at first, then the others in class order.
    QMap<QString, QPair<int, int>> home; // key → (questionnaire ID, position)
    QList<int> order;
    for (qsizetype i = 0; i < catalogue.Questionnaires().size(); ++i)
        if (catalogue.Questionnaires()[i].classCode == u"B")
            order << int(i);
    for (qsizetype i = 0; i < catalogue.Questionnaires().size(); ++i)
        if (catalogue.Questionnaires()[i].classCode != u"B")
            order << int(i);
    for (int i : order) {
        const TQuestionnaireSource &q = catalogue.Questionnaires()[i];
        for (qsizetype k = 0; k < q.keys.size(); ++k)
            if (!home.contains(q.keys[k]))
                home.insert(q.keys[k], {i + 1, int(k + 1)});
    }

    TRecordTable questions(QStringLiteral("FragenTable"));
    DefineFragenTable(questions);
    questions.Open();
    int id = 0;
    for (const TQuestionSource &q : catalogue.Questions()) {
        questions.Append();
        Set(questions, u"ID", ++id);
        QString classCode;
        if (!q.general)
            for (const QString &code : DeliveryClassCodes())
                if (classCode.isEmpty() && q.classes.contains(code))
                    classCode = code;
        Set(questions, u"Klasse", classCode);
        Set(questions, u"Fragebogen", home.value(q.key).first);
        Set(questions, u"NrInFragebogen", home.value(q.key).second);
        Set(questions, u"Fehlerpunkte", q.errorPoints);
        Set(questions, u"Fragetyp", q.IsNumberQuestion() ? 2 : 1);
        Set(questions, u"Frage", q.text);
        for (int a = 0; a < 3; ++a) {
            const QString answer = QStringLiteral("Antwort%1").arg(a + 1);
            QString text;
            bool correct = false;
            if (q.IsNumberQuestion()) {
                text = a == 0 ? q.numberTemplate : QString();
            } else if (a < q.answers.size()) {
                text = q.answers[a];
                correct = q.correct[a];
            }
            questions.FieldByName(answer).SetAsString(text);
            SetFlag(questions, answer + QStringLiteral("kreuz"), correct);
        }
        Set(questions, u"Falsch", 0);
        Set(questions, u"Bearbeitet", 0);
        Set(questions, u"Bild", q.picture);
        SetFlag(questions, QStringLiteral("Zusatzstoff"), !q.general);
        for (const QString &code : DeliveryClassCodes())
            SetFlag(questions, QStringLiteral("Klasse_") + code, q.classes.contains(code));
        Set(questions, u"Info", q.info);
        questions.Post();
    }
    Save(questions, folder, QStringLiteral("fragen.dat"));

    TRecordTable questionnaires(QStringLiteral("FrageboegenTable"));
    DefineFrageboegenTable(questionnaires);
    questionnaires.Open();
    id = 0;
    for (const TQuestionnaireSource &q : catalogue.Questionnaires()) {
        QStringList lines;
        for (const QString &key : q.keys)
            lines << QString::number(catalogue.QuestionId(key));
        questionnaires.Append();
        Set(questionnaires, u"ID", ++id);
        Set(questionnaires, u"Klasse", q.classCode);
        Set(questionnaires, u"Nummer", q.number);
        Set(questionnaires, u"Fragen", lines.join(QStringLiteral("\r\n")));
        Set(questionnaires, u"Fehlerlos", 0);
        Set(questionnaires, u"Bestanden", 0);
        Set(questionnaires, u"Durchgefallen", 0);
        questionnaires.Post();
    }
    Save(questionnaires, folder, QStringLiteral("frageboegen.dat"));
}

void WriteSetTables(const TPictureSetSources &sources, const QStringList &pictureFiles, const QString &folder)
{
    TRecordTable groups(QStringLiteral("TextGruppenTable"));
    TRecordTable texts(QStringLiteral("TexteTable"));
    DefineTextGruppenTable(groups);
    DefineTexteTable(texts);
    groups.Open();
    texts.Open();
    QMap<QString, int> groupIds;
    int textId = 0;
    for (qsizetype g = 0; g < sources.textGroups.size(); ++g) {
        const TTextGroupSource &group = sources.textGroups[g];
        const int groupId = int(g + 1);
        groupIds.insert(group.name, groupId);
        groups.Append();
        Set(groups, u"Name", group.name);
        Set(groups, u"Beschreibung", group.description);
        Set(groups, u"ID", groupId);
        groups.Post();
        for (const QString &text : group.texts) {
            texts.Append();
            Set(texts, u"ID", ++textId);
            Set(texts, u"TextGruppeID", groupId);
            Set(texts, u"Text", text);
            texts.Post();
        }
    }
    Save(groups, folder, QStringLiteral("textgruppen.dat"));
    Save(texts, folder, QStringLiteral("texte.dat"));

    TRecordTable sets(QStringLiteral("SetsTable"));
    TRecordTable pictures(QStringLiteral("BilderTable"));
    DefineSetsTable(sets);
    DefineBilderTable(pictures);
    sets.Open();
    pictures.Open();
    int pictureId = 0;
    for (qsizetype s = 0; s < sources.sets.size(); ++s) {
        const TSetSource &set = sources.sets[s];
        const int setId = int(s + 1);
        sets.Append();
        Set(sets, u"ID", setId);
        Set(sets, u"Name", set.name);
        Set(sets, u"Wertung", set.rating);
        Set(sets, u"Autor", set.author);
        Set(sets, u"Autor_email", set.authorEmail);
        Set(sets, u"Autor_website", set.authorWebsite);
        SetFlag(sets, QStringLiteral("Editierbar"), set.editable);
        SetFlag(sets, QStringLiteral("Freispielbar"), set.unlockable);
        Set(sets, u"GirlName", set.girlName);
        Set(sets, u"TextGruppeID", groupIds.value(set.textGroup, 0));
        SetFlag(sets, QStringLiteral("Freigespielt"), set.unlocked);
        sets.Post();
        for (qsizetype p = 0; p < set.pictures.size(); ++p) {
            const TSetPictureSource &picture = set.pictures[p];
            pictures.Append();
            Set(pictures, u"ID", pictureId + 1);
            Set(pictures, u"SetID", setId);
            Set(pictures, u"NrInSet", int(p + 1));
            Set(pictures, u"Name", picture.name);
            Set(pictures, u"Wertung", picture.rating);
            Set(pictures, u"Bild", pictureFiles.at(pictureId));
            // "Editierbar" of a picture is never set by the program and stays empty.
            Set(pictures, u"GirlName", set.girlName.isEmpty() ? QString() : QStringLiteral("[wie_set]"));
            Set(pictures, u"Text", picture.text);
            SetFlag(pictures, QStringLiteral("Freigespielt"), picture.unlocked);
            pictures.Post();
            ++pictureId;
        }
    }
    Save(sets, folder, QStringLiteral("sets.dat"));
    Save(pictures, folder, QStringLiteral("bilder.dat"));
}

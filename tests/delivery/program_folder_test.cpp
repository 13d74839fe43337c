// Checks the program folder the build assembles from delivery/ (build/velmora/) with the program's
// own readers: table files, version.ini, cue lists, the number-answer cut and the JPEG decoder.
#include "core/version_ini.h"
#include "core/velmora_error.h"
#include "data/record_table.h"
#include "data/table_file.h"
#include "data/table_schemas.h"
#include "exam/next_token.h"
#include "exam/question_list.h"
#include "pictures/jpeg_decoder.h"
#include "sound/cue_player.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

QString ProgramFolder() { return QStringLiteral(VELMORA_PROGRAM_DIR); }
QString InProgram(const QString &relative) { return QDir(ProgramFolder()).filePath(relative); }

std::unique_ptr<TRecordTable> LoadTable(const QString &fileName)
{
    auto table = std::make_unique<TRecordTable>(fileName);
    TTableFile::LoadFromFile(*table, InProgram(QStringLiteral("mdl/") + fileName));
    return table;
}

// Every record of a table as field name → value, in table order.
QList<QMap<QString, QVariant>> Records(TRecordTable &table)
{
    QList<QMap<QString, QVariant>> records;
    for (table.First(); !table.Eof(); table.Next()) {
        QMap<QString, QVariant> record;
        for (int i = 0; i < table.FieldCount(); ++i)
            record.insert(table.FieldDef(i).name, table.Field(i).AsVariant());
        records << record;
    }
    return records;
}

// The loaded table carries every field of the program's schema, with its type and size.
void ExpectSchema(TRecordTable &loaded, void (*define)(TRecordTable &))
{
    TRecordTable wanted;
    define(wanted);
    for (const TFieldDef &def : wanted.FieldDefs()) {
        const int index = loaded.FieldIndex(def.name);
        ASSERT_GE(index, 0) << def.name.toStdString();
        EXPECT_EQ(loaded.FieldDef(index).type, def.type) << def.name.toStdString();
        EXPECT_EQ(loaded.FieldDef(index).size, def.size) << def.name.toStdString();
    }
}

struct TWave
{
    bool valid = false;
    int channels = 0, rate = 0, bits = 0;
    double seconds = 0;
};

TWave ReadWave(const QString &path)
{
    QFile file(path);
    TWave wave;
    if (!file.open(QIODevice::ReadOnly))
        return wave;
    const QByteArray d = file.readAll();
    auto u16 = [&d](int at) { return int(quint8(d[at])) | int(quint8(d[at + 1])) << 8; };
    auto u32 = [&d, &u16](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    if (d.size() < 44 || !d.startsWith("RIFF") || d.mid(8, 8) != "WAVEfmt " || u16(20) != 1 || d.mid(36, 4) != "data")
        return wave;
    wave.channels = u16(22);
    wave.rate = int(u32(24));
    wave.bits = u16(34);
    const quint32 bytes = u32(40);
    wave.valid = bytes + 44 == quint32(d.size()) && u32(4) == quint32(d.size() - 8);
    wave.seconds = double(bytes) / (wave.rate * wave.channels * wave.bits / 8);
    return wave;
}

bool IsWindows1252(const QByteArray &bytes)
{
    for (char c : bytes) {
        const int b = quint8(c);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D || (b < 0x20 && b != '\r' && b != '\n'))
            return false;
    }
    return true;
}

// --- questions --------------------------------------------------------------------------------

class QuestionCatalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        table = LoadTable(QStringLiteral("fragen.dat"));
        questions = Records(*table);
    }
    static bool InClass(const QMap<QString, QVariant> &q, const QString &code)
    {
        return q.value(QStringLiteral("Klasse_") + code).toBool();
    }
    static bool IsGeneral(const QMap<QString, QVariant> &q)
    {
        for (const QString &code : ClassCodes())
            if (!InClass(q, code))
                return false;
        return true;
    }
    std::unique_ptr<TRecordTable> table;
    QList<QMap<QString, QVariant>> questions;
};

TEST_F(QuestionCatalogue, CarriesTheQuestionSchemaAndDistinctIds)
{
    ExpectSchema(*table, DefineFragenTable);
    ASSERT_GE(questions.size(), 500);
    QSet<int> ids;
    for (const auto &q : questions)
        ids.insert(q.value(QStringLiteral("ID")).toInt());
    EXPECT_EQ(ids.size(), questions.size());
    EXPECT_FALSE(ids.contains(0));
}

TEST_F(QuestionCatalogue, EveryClassHasGeneralAndItsOwnQuestions)
{
    int general = 0, forAll = 0;
    QMap<QString, int> own;
    for (const auto &q : questions) {
        const int id = q.value(QStringLiteral("ID")).toInt();
        bool any = false;
        for (const QString &code : ClassCodes())
            any = any || InClass(q, code);
        EXPECT_TRUE(any) << "question " << id << " belongs to no class";
        const bool basic = !q.value(QStringLiteral("Zusatzstoff")).toBool();
        // A question for every class is basic material; basic material names no class of its own.
        if (IsGeneral(q)) {
            EXPECT_TRUE(basic) << "question " << id;
        }
        if (basic) {
            ++general;
            forAll += IsGeneral(q) ? 1 : 0;
            EXPECT_TRUE(q.value(QStringLiteral("Klasse")).toString().isEmpty()) << "question " << id;
            continue;
        }
        EXPECT_TRUE(InClass(q, q.value(QStringLiteral("Klasse")).toString())) << "question " << id;
        for (const QString &code : ClassCodes())
            own[code] += InClass(q, code) ? 1 : 0;
    }
    EXPECT_GE(general, 240);
    EXPECT_GE(forAll, 200);
    for (const QString &code : ClassCodes())
        EXPECT_GE(own.value(code), 20) << code.toStdString();
}

// Whatever a question asks or offers as an answer, in one text.
QString AllTextOf(const QMap<QString, QVariant> &q)
{
    QStringList parts;
    for (const char *field : {"Frage", "Antwort1", "Antwort2", "Antwort3", "Info"})
        parts << q.value(QLatin1String(field)).toString();
    return parts.join(QLatin1Char(' '));
}

TEST_F(QuestionCatalogue, QuestionsFitTheVehiclesOfTheirClasses)
{
    // Mofas, mopeds, light quadricycles and tractors may not use the Autobahn: their pools hold no
    // situation on it, only the question whether they may go there at all.
    const QStringList slow = {QStringLiteral("L"), QStringLiteral("T"), QStringLiteral("M"), QStringLiteral("MO"),
                              QStringLiteral("S")};
    const QRegularExpression mayGo(QStringLiteral("darf|dürf"), QRegularExpression::CaseInsensitiveOption);
    // Riders of two-wheelers carry no child seats.
    const QStringList twoWheels = {QStringLiteral("A"), QStringLiteral("A1"), QStringLiteral("M"), QStringLiteral("MO")};
    const QRegularExpression childSeat(QStringLiteral("Kinderrückhalteeinrichtung|Kindersitz"));
    int autobahnSituations = 0;
    for (const auto &q : questions) {
        const int id = q.value(QStringLiteral("ID")).toInt();
        const QString text = q.value(QStringLiteral("Frage")).toString();
        const bool autobahnSituation = text.contains(QLatin1String("Autobahn")) && !mayGo.match(text).hasMatch();
        autobahnSituations += autobahnSituation ? 1 : 0;
        for (const QString &code : slow)
            EXPECT_FALSE(autobahnSituation && InClass(q, code)) << "question " << id << " in class " << code.toStdString();
        for (const QString &code : twoWheels)
            EXPECT_FALSE(childSeat.match(AllTextOf(q)).hasMatch() && InClass(q, code))
                << "question " << id << " in class " << code.toStdString();
    }
    EXPECT_GE(autobahnSituations, 6);
}

TEST_F(QuestionCatalogue, PriorityQuestionsCountFiveErrorPoints)
{
    for (const auto &q : questions) {
        const QString text = q.value(QStringLiteral("Frage")).toString();
        if (text.contains(QLatin1String("Vorfahrt")) || text.contains(QLatin1String("Vorrang vor"))) {
            EXPECT_EQ(q.value(QStringLiteral("Fehlerpunkte")).toInt(), 5) << text.toStdString();
        }
    }
}

TEST_F(QuestionCatalogue, ErrorPointsTextsAndInfoFitTheScreens)
{
    QSet<int> points;
    for (const auto &q : questions) {
        const int id = q.value(QStringLiteral("ID")).toInt();
        const int p = q.value(QStringLiteral("Fehlerpunkte")).toInt();
        EXPECT_TRUE(p >= 2 && p <= 5) << "question " << id;
        points.insert(p);
        const QString text = q.value(QStringLiteral("Frage")).toString();
        EXPECT_TRUE(text.size() >= 10 && text.size() <= 250) << "question " << id;
        EXPECT_LE(q.value(QStringLiteral("Info")).toString().size(), 240) << "question " << id;
        EXPECT_EQ(q.value(QStringLiteral("Falsch")).toInt(), 0);
        EXPECT_EQ(q.value(QStringLiteral("Bearbeitet")).toInt(), 0);
    }
    EXPECT_EQ(points, QSet<int>({2, 3, 4, 5}));
}

TEST_F(QuestionCatalogue, ChoiceQuestionsHaveTwoOrThreeAnswersAndOneRightAtLeast)
{
    for (const auto &q : questions) {
        if (q.value(QStringLiteral("Fragetyp")).toInt() != 1)
            continue;
        const int id = q.value(QStringLiteral("ID")).toInt();
        int answers = 0, right = 0;
        bool gap = false;
        for (int a = 1; a <= 3; ++a) {
            const QString text = q.value(QStringLiteral("Antwort%1").arg(a)).toString();
            const bool mark = q.value(QStringLiteral("Antwort%1kreuz").arg(a)).toBool();
            // The question screen shows an answer only when its text has two characters or more.
            if (text.size() < 2) {
                gap = true;
                EXPECT_FALSE(mark) << "question " << id << ": a missing answer cannot be ticked";
                continue;
            }
            EXPECT_FALSE(gap) << "question " << id << ": answer " << a << " follows a missing one";
            EXPECT_LE(text.size(), 130) << "question " << id;
            ++answers;
            right += mark ? 1 : 0;
        }
        EXPECT_TRUE(answers == 2 || answers == 3) << "question " << id;
        EXPECT_GE(right, 1) << "question " << id;
    }
}

TEST_F(QuestionCatalogue, NumberQuestionsCutTheSameForScreenAndScoring)
{
    int numberQuestions = 0;
    for (const auto &q : questions) {
        const int type = q.value(QStringLiteral("Fragetyp")).toInt();
        ASSERT_TRUE(type == 1 || type == 2);
        if (type != 2)
            continue;
        ++numberQuestions;
        const int id = q.value(QStringLiteral("ID")).toInt();
        const QString answer = q.value(QStringLiteral("Antwort1")).toString();
        // The scoring: skip up to "Lsg: ", the solution runs to ")".
        int pos = 1;
        NextToken(answer, pos, QStringLiteral("Lsg: "));
        const QString solution = NextToken(answer, pos, QStringLiteral(")"));
        // The question screen: text before "(Lsg:", then the solution with its leading blank, then the rest.
        pos = 1;
        const QString before = NextToken(answer, pos, QStringLiteral("(Lsg:"));
        const QString shown = NextToken(answer, pos, QStringLiteral(")"));
        const QString after = NextToken(answer, pos, QString());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{1,5}$")).match(solution).hasMatch())
            << "question " << id << ": solution \"" << solution.toStdString() << "\"";
        EXPECT_EQ(shown, QStringLiteral(" ") + solution) << "question " << id;
        EXPECT_FALSE(before.trimmed().isEmpty()) << "question " << id;
        EXPECT_LE(before.size(), 30) << "question " << id << " (one line before the entry field)";
        EXPECT_LE(after.size(), 30) << "question " << id;
        EXPECT_FALSE(after.trimmed().isEmpty()) << "question " << id << ": the unit follows the entry field";
        EXPECT_LT(q.value(QStringLiteral("Antwort2")).toString().size(), 2);
        EXPECT_LT(q.value(QStringLiteral("Antwort3")).toString().size(), 2);
    }
    EXPECT_GE(numberQuestions, 60);
}

TEST_F(QuestionCatalogue, PicturesAreJpegsInTheQuestionPictureFolder)
{
    int withPicture = 0;
    QSet<QString> checked;
    for (const auto &q : questions) {
        const QString name = q.value(QStringLiteral("Bild")).toString();
        if (name.isEmpty())
            continue;
        ++withPicture;
        EXPECT_LE(name.size(), 20);
        if (checked.contains(name))
            continue;
        checked.insert(name);
        try {
            const TBitmap picture = DecodeJpegFile(InProgram(QStringLiteral("mdl/img/") + name));
            // The 3:2 shape of the picture box on the question screen.
            EXPECT_EQ(picture.width() * 2, picture.height() * 3) << name.toStdString();
        } catch (const VelmoraError &error) {
            ADD_FAILURE() << name.toStdString() << ": " << error.what();
        }
    }
    EXPECT_GE(withPicture, 80);
    EXPECT_GE(checked.size(), 60) << "different pictures";
    EXPECT_EQ(QDir(InProgram(QStringLiteral("mdl/img"))).entryList(QDir::Files).size(), checked.size())
        << "every picture in mdl/img/ belongs to a question";
}

// --- questionnaires ---------------------------------------------------------------------------

TEST(Questionnaires, EveryLineNamesAQuestionOfItsClass)
{
    auto questionTable = LoadTable(QStringLiteral("fragen.dat"));
    QMap<int, QMap<QString, QVariant>> questionById;
    for (const auto &q : Records(*questionTable))
        questionById.insert(q.value(QStringLiteral("ID")).toInt(), q);

    auto table = LoadTable(QStringLiteral("frageboegen.dat"));
    ExpectSchema(*table, DefineFrageboegenTable);
    QMap<QString, QList<int>> numbersByClass;
    QSet<int> used;
    for (const auto &f : Records(*table)) {
        const QString code = f.value(QStringLiteral("Klasse")).toString();
        const int number = f.value(QStringLiteral("Nummer")).toInt();
        ASSERT_TRUE(ClassCodes().contains(code)) << code.toStdString();
        numbersByClass[code] << number;
        const std::string what = QStringLiteral("%1/%2").arg(code).arg(number).toStdString();
        const QString list = f.value(QStringLiteral("Fragen")).toString();
        const QList<int> ids = QuestionIdsOfList(list);
        EXPECT_EQ(ids.size(), list.split(QStringLiteral("\r\n")).size()) << what << ": every line a question ID";
        const int size = code == u"MO" ? 20 : 30;
        EXPECT_EQ(ids.size(), size) << what;
        used.unite(QSet<int>(ids.begin(), ids.end()));
        EXPECT_EQ(QSet<int>(ids.begin(), ids.end()).size(), ids.size()) << what << ": no question twice";
        int general = 0, own = 0;
        for (int id : ids) {
            ASSERT_TRUE(questionById.contains(id)) << what << ": no question " << id;
            const auto &q = questionById[id];
            EXPECT_TRUE(q.value(QStringLiteral("Klasse_") + code).toBool()) << what << ": question " << id;
            const bool isGeneral = !q.value(QStringLiteral("Zusatzstoff")).toBool();
            general += isGeneral ? 1 : 0;
            own += isGeneral ? 0 : 1;
        }
        // The exam's mix: a third of the questions belongs to the class, the rest is basic material.
        EXPECT_EQ(own, size / 3) << what;
        EXPECT_EQ(general, size - size / 3) << what;
        EXPECT_EQ(f.value(QStringLiteral("Fehlerlos")).toInt() + f.value(QStringLiteral("Bestanden")).toInt() +
                      f.value(QStringLiteral("Durchgefallen")).toInt(),
                  0);
    }
    for (const QString &code : ClassCodes()) {
        const QList<int> numbers = numbersByClass.value(code);
        EXPECT_GE(numbers.size(), code == u"B" ? 10 : 4) << code.toStdString();
        for (qsizetype i = 0; i < numbers.size(); ++i)
            EXPECT_EQ(numbers[i], i + 1) << code.toStdString() << ": numbered 1 ... k in table order";
    }
    for (int id : questionById.keys())
        EXPECT_TRUE(used.contains(id)) << "question " << id << " stands in no questionnaire";
}

// --- installation settings, sounds and music ---------------------------------------------------

TEST(InstallationSettings, EveryKeyIsThereInWindows1252WithCrLf)
{
    QFile file(InProgram(QStringLiteral("version.ini")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(IsWindows1252(bytes));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    const TVersionIni ini(bytes);
    for (const char *key : {"velmorasets", "kranzhof", "brennholt"}) {
        const QString url = ini.value(QLatin1String(key));
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^https://www\\.example\\.(org|com)/")).match(url).hasMatch()) << key;
    }
    EXPECT_EQ(ini.value(QStringLiteral("showgoodbyeform")), QStringLiteral("yes"));
    QMap<int, int> amount;
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 21, 22, 23, 24})
        EXPECT_NO_THROW(amount[i] = ParseAmount(ini.value(QStringLiteral("Int%1").arg(i)))) << "Int" << i;
    // The delivery keeps the program's default prices.
    EXPECT_EQ(QList<int>({amount[1], amount[2], amount[3], amount[4], amount[5]}), QList<int>({20, 40, 50, 75, 300}));
    EXPECT_EQ(QList<int>({amount[6], amount[7], amount[8], amount[9], amount[10]}), QList<int>({100, 250, 400, 650, 2000}));
    // A passed questionnaire buys the cheapest picture (rating 1, first place: base plus a tenth).
    EXPECT_GE(amount[23], int(std::nearbyint(amount[1] * 1.1)));
    EXPECT_GT(amount[22], amount[23]);
    EXPECT_GE(amount[20], amount[21]);
    EXPECT_GT(amount[23], amount[24]);
}

TEST(SoundsAndMusic, EveryCueFileExistsAsAWave)
{
    const TVersionIni ini = TVersionIni::fromFile(InProgram(QStringLiteral("version.ini")));
    const QStringList keys = {QStringLiteral("snd_pop"), QStringLiteral("snd_leavebilder"), QStringLiteral("snd_versager"),
                              QStringLiteral("snd_pimp"), QStringLiteral("snd_auswerten"), QStringLiteral("snd_quit"),
                              QStringLiteral("snd_nocheintest"), QStringLiteral("snd_datenzuruecksetzen"),
                              QStringLiteral("snd_naechstefrage"), QStringLiteral("snd_vorherigefrage"),
                              QStringLiteral("snd_bildgekauft"), QStringLiteral("snd_zuteuer"),
                              QStringLiteral("snd_bilderanzeigen"), QStringLiteral("snd_pimptraining"),
                              QStringLiteral("snd_nachschlagen"), QStringLiteral("snd_einstellungen")};
    QStringList names = {TCuePlayer::PopCue()};
    int listsWithVariants = 0;
    for (const QString &key : keys) {
        const QStringList list = TCuePlayer::SplitCueList(ini.value(key));
        EXPECT_FALSE(list.isEmpty()) << key.toStdString();
        listsWithVariants += list.size() >= 2 ? 1 : 0;
        names << list;
    }
    // The evaluation sound is taken whole as one file name.
    names << ini.value(QStringLiteral("snd_auswerten"));
    EXPECT_GE(listsWithVariants, 2);
    for (const QString &name : names) {
        const TWave wave = ReadWave(InProgram(QStringLiteral("sounds/") + name));
        EXPECT_TRUE(wave.valid) << name.toStdString();
        EXPECT_TRUE(wave.rate == 22050 || wave.rate == 44100) << name.toStdString();
        EXPECT_EQ(wave.bits, 16) << name.toStdString();
        EXPECT_TRUE(wave.seconds > 0.05 && wave.seconds < 3) << name.toStdString();
    }
}

TEST(SoundsAndMusic, MusicFolderHoldsTwoOrThreeShortTracks)
{
    const QStringList tracks = QDir(InProgram(QStringLiteral("mp3"))).entryList(QDir::Files, QDir::Name);
    EXPECT_TRUE(tracks.size() == 2 || tracks.size() == 3);
    for (const QString &name : tracks) {
        const TWave wave = ReadWave(InProgram(QStringLiteral("mp3/") + name));
        EXPECT_TRUE(name.endsWith(QLatin1String(".wav")) && wave.valid) << name.toStdString();
        EXPECT_TRUE(wave.seconds >= 20 && wave.seconds <= 40) << name.toStdString();
    }
}

// --- picture sets --------------------------------------------------------------------------------

TEST(PictureSets, SetsPicturesAndTextsAreConsistent)
{
    auto setTable = LoadTable(QStringLiteral("sets.dat"));
    auto pictureTable = LoadTable(QStringLiteral("bilder.dat"));
    auto textTable = LoadTable(QStringLiteral("texte.dat"));
    auto groupTable = LoadTable(QStringLiteral("textgruppen.dat"));
    ExpectSchema(*setTable, DefineSetsTable);
    ExpectSchema(*pictureTable, DefineBilderTable);
    ExpectSchema(*textTable, DefineTexteTable);
    ExpectSchema(*groupTable, DefineTextGruppenTable);

    QMap<int, int> textsPerGroup;
    for (const auto &g : Records(*groupTable)) {
        EXPECT_FALSE(g.value(QStringLiteral("Name")).toString().isEmpty());
        textsPerGroup.insert(g.value(QStringLiteral("ID")).toInt(), 0);
    }
    for (const auto &t : Records(*textTable)) {
        const QString text = t.value(QStringLiteral("Text")).toString();
        EXPECT_EQ(text.count(QLatin1String("%s")), 1) << text.toStdString();
        EXPECT_EQ(text.count(QLatin1Char('%')), 1) << text.toStdString();
        const int group = t.value(QStringLiteral("TextGruppeID")).toInt();
        ASSERT_TRUE(textsPerGroup.contains(group)) << text.toStdString();
        ++textsPerGroup[group];
    }
    int fullGroups = 0;
    for (int count : textsPerGroup)
        fullGroups += count >= 5 ? 1 : 0;
    EXPECT_GE(fullGroups, 3);

    QMap<int, QMap<QString, QVariant>> sets;
    QSet<int> ratings;
    for (const auto &s : Records(*setTable)) {
        const int id = s.value(QStringLiteral("ID")).toInt();
        sets.insert(id, s);
        ratings.insert(s.value(QStringLiteral("Wertung")).toInt());
        EXPECT_FALSE(s.value(QStringLiteral("Name")).toString().isEmpty()) << "set " << id;
        EXPECT_FALSE(s.value(QStringLiteral("GirlName")).toString().isEmpty()) << "set " << id;
        EXPECT_TRUE(s.value(QStringLiteral("Freispielbar")).toBool()) << "set " << id;
        EXPECT_FALSE(s.value(QStringLiteral("Editierbar")).toBool()) << "set " << id;
        EXPECT_FALSE(s.value(QStringLiteral("Freigespielt")).toBool()) << "set " << id;
        EXPECT_GE(textsPerGroup.value(s.value(QStringLiteral("TextGruppeID")).toInt(), 0), 5) << "set " << id;
    }
    EXPECT_GE(sets.size(), 4);
    EXPECT_TRUE(ratings.contains(1) && ratings.contains(5) && ratings.size() >= 4);

    QMap<int, QList<int>> placesPerSet;
    QSet<QString> files;
    int ownTexts = 0;
    for (const auto &p : Records(*pictureTable)) {
        const int id = p.value(QStringLiteral("ID")).toInt();
        const int set = p.value(QStringLiteral("SetID")).toInt();
        ASSERT_TRUE(sets.contains(set)) << "picture " << id << " has no set";
        placesPerSet[set] << p.value(QStringLiteral("NrInSet")).toInt();
        const int rating = p.value(QStringLiteral("Wertung")).toInt();
        EXPECT_TRUE(rating >= 1 && rating <= 5) << "picture " << id;
        EXPECT_EQ(p.value(QStringLiteral("GirlName")).toString(), QStringLiteral("[wie_set]"));
        const QString text = p.value(QStringLiteral("Text")).toString();
        if (text.size() >= 2) {
            ++ownTexts;
            EXPECT_FALSE(text.contains(QLatin1Char('%'))) << "picture " << id << ": its own text is shown as it stands";
        }
        const QString file = p.value(QStringLiteral("Bild")).toString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^data(0|[1-9]\\d*)\\.img$")).match(file).hasMatch()) << file.toStdString();
        EXPECT_FALSE(files.contains(file)) << file.toStdString();
        files.insert(file);
        try {
            const TBitmap picture = DecodeJpegFile(InProgram(QStringLiteral("mdl/sets/") + file));
            EXPECT_TRUE(picture.width() >= 800 && picture.width() <= 1000 && picture.height() >= 1100 &&
                        picture.height() <= 1300)
                << file.toStdString();
        } catch (const VelmoraError &error) {
            ADD_FAILURE() << file.toStdString() << ": " << error.what();
        }
    }
    EXPECT_GT(ownTexts, 0);
    for (auto it = placesPerSet.begin(); it != placesPerSet.end(); ++it) {
        EXPECT_TRUE(it->size() >= 6 && it->size() <= 12) << "set " << it.key();
        QList<int> places = *it;
        std::sort(places.begin(), places.end());
        for (qsizetype i = 0; i < places.size(); ++i)
            EXPECT_EQ(places[i], i + 1) << "set " << it.key();
    }
    EXPECT_EQ(placesPerSet.size(), sets.size()) << "every set has pictures";
    // The pictures take the numbers a program adding them one by one would give: data0.img upwards.
    for (int k = 0; k < files.size(); ++k)
        EXPECT_TRUE(files.contains(QStringLiteral("data%1.img").arg(k))) << k;
    EXPECT_EQ(QDir(InProgram(QStringLiteral("mdl/sets"))).entryList(QDir::Files).size(), files.size());
}

} // namespace

// Runs velmora-delivery itself: the same sources give the same bytes as the build's program folder,
// and a faulty source is reported with its file and line while the program folder stays untouched.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const QString SourceFolder = QStringLiteral(VELMORA_DELIVERY_SOURCE_DIR);
const QString ProgramFolder = QStringLiteral(VELMORA_PROGRAM_DIR);

struct TRun
{
    int exitCode = -1;
    QString errors;
};

TRun RunGenerator(const QString &sources, const QString &target)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VELMORA_DELIVERY_GENERATOR), {sources, target});
    TRun run;
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files the generator owns in a program folder, relative to it.
QStringList GeneratedFiles(const QString &folder)
{
    QStringList files = {QStringLiteral("version.ini"), QStringLiteral("about.html")};
    for (const QString &sub : {QStringLiteral("mdl"), QStringLiteral("sounds"), QStringLiteral("mp3")}) {
        QDirIterator it(QDir(folder).filePath(sub), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(folder).relativeFilePath(it.next());
    }
    files.sort();
    return files;
}

// A copy of the data sources (without the generators) that a test may spoil.
void CopySources(const QString &to)
{
    QDirIterator it(SourceFolder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = QDir(SourceFolder).relativeFilePath(from);
        if (relative.startsWith(QLatin1String("generator/")) || relative.startsWith(QLatin1String("skin/")))
            continue;
        const QString target = QDir(to).filePath(relative);
        QDir().mkpath(QFileInfo(target).path());
        ASSERT_TRUE(QFile::copy(from, target)) << relative.toStdString();
    }
}

void Replace(const QString &path, const QString &from, const QString &to)
{
    QString text = QString::fromUtf8(Bytes(path));
    ASSERT_TRUE(text.contains(from)) << path.toStdString() << " lacks " << from.toStdString();
    text.replace(text.indexOf(from), from.size(), to);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

TEST(DeliveryGenerator, SameSourcesGiveTheBytesOfTheProgramFolder)
{
    QTemporaryDir target;
    ASSERT_TRUE(target.isValid());
    const TRun run = RunGenerator(SourceFolder, target.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QStringList files = GeneratedFiles(target.path());
    EXPECT_EQ(files, GeneratedFiles(ProgramFolder));
    for (const QString &file : files)
        EXPECT_TRUE(Bytes(QDir(target.path()).filePath(file)) == Bytes(QDir(ProgramFolder).filePath(file))) << file.toStdString();
}

struct TBrokenSource
{
    const char *name; // names the case in the test list
    const char *file;
    const char *from;
    const char *to;
    const char *message; // part of the generator's complaint
};

void PrintTo(const TBrokenSource &broken, std::ostream *out) { *out << broken.name; }

class DeliveryGeneratorRejects : public ::testing::TestWithParam<TBrokenSource>
{
};

TEST_P(DeliveryGeneratorRejects, NamesTheFaultAndLeavesTheProgramFolderAlone)
{
    const TBrokenSource broken = GetParam();
    QTemporaryDir sources, target;
    ASSERT_TRUE(sources.isValid() && target.isValid());
    CopySources(sources.path());
    Replace(QDir(sources.path()).filePath(QLatin1String(broken.file)), QString::fromUtf8(broken.from), QString::fromUtf8(broken.to));
    // What a previous run left in the program folder must survive a failed run.
    QDir(target.path()).mkpath(QStringLiteral("mdl"));
    QFile previous(QDir(target.path()).filePath(QStringLiteral("mdl/fragen.dat")));
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write("previous catalogue");
    previous.close();

    const TRun run = RunGenerator(sources.path(), target.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QString::fromUtf8(broken.message))) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QFileInfo(QLatin1String(broken.file)).fileName())) << run.errors.toStdString();
    EXPECT_EQ(Bytes(previous.fileName()), QByteArray("previous catalogue"));
    EXPECT_FALSE(QFile::exists(QDir(target.path()).filePath(QStringLiteral("version.ini"))));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, DeliveryGeneratorRejects,
    ::testing::Values(
        TBrokenSource{"UnknownQuestion", "frageboegen/B.txt", "Klasse: B\n\n[1]\n", "Klasse: B\n\n[1]\nG999 ", "\"G999\" gibt es nicht"},
        TBrokenSource{"QuestionOfAnotherClass", "frageboegen/MO.txt", "Klasse: MO\n\n[1]\n", "Klasse: MO\n\n[1]\nB01 ", "gehört nicht zur Klasse MO"},
        TBrokenSource{"QuestionnaireOfTheWrongSize", "frageboegen/B.txt", "[1]\nG247 ", "[1]\n",
                      "Fragebogen 1 hat 29 Fragen, ein Fragebogen der Klasse B hat 30"},
        TBrokenSource{"GapInNumbers", "frageboegen/A.txt", "[2]", "[3]", "Fragebogen 2 erwartet"},
        TBrokenSource{"NumberAnswerWithoutBracket", "fragen/klasse_b.txt", "Zahl: Höchstens (Lsg: 80) km/h", "Zahl: Höchstens (Lsg: 80 km/h", "nach der Lösung fehlt"},
        TBrokenSource{"TooFewErrorPoints", "fragen/allgemein.txt", "Punkte: 5", "Punkte: 1", "ganze Zahl von 2 bis 5"},
        TBrokenSource{"NoRightAnswer", "fragen/allgemein.txt", "+ Ich habe dort Vorfahrt", "- Ich habe dort Vorfahrt",
                      "mindestens eine Antwort muss richtig sein"},
        TBrokenSource{"PictureNobodyDraws", "fragen/allgemein.txt", "Bild: vz_stop.jpg", "Bild: gibt_es_nicht.jpg", "wird nicht gezeichnet"},
        TBrokenSource{"TeaserWithoutName", "textgruppen/1_fernweh.txt", "%s sagt: Wer", "Sie sagt: Wer", "genau ein \"%s\""},
        TBrokenSource{"UnknownMotif", "sets/1_kuestenlicht.txt", "Motiv: kueste 0", "Motiv: meer 0", "unbekanntes Motiv"},
        TBrokenSource{"MissingAmount", "version.ini", "Int24=-10\n", "", "\"Int24\" fehlt"},
        TBrokenSource{"BlanksAroundEquals", "version.ini", "Int3=50", "Int3 = 50", "keine Leerzeichen"},
        TBrokenSource{"CueWithoutSound", "version.ini", "snd_zuteuer=zuteuer.wav", "snd_zuteuer=zuteuer.wav;fehlt.wav", "fehlt ein Klang"}),
    [](const ::testing::TestParamInfo<TBrokenSource> &info) { return std::string(info.param.name); });

} // namespace

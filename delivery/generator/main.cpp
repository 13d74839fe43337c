// velmora-delivery: builds the program folder's shipped data from the sources in delivery/.
//
//   velmora-delivery <delivery folder> <program folder>
//
// It checks every source first and writes nothing when one is wrong; then it replaces mdl/,
// sounds/ and mp3/ of the program folder and writes version.ini and about.html. The same sources
// always give the same bytes.
#include "catalogue.h"
#include "drawing_kit.h"
#include "picture_sets.h"
#include "program_files.h"
#include "question_pictures.h"
#include "set_pictures.h"
#include "sounds.h"
#include "source_text.h"
#include "table_output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>

#include <cstdio>

namespace {

constexpr int QuestionPictureQuality = 90;
constexpr int SetPictureQuality = 88;

struct TSources
{
    QString root;
    TCatalogue catalogue;
    TPictureSetSources sets;
    TInstallationSettingsSource settings;
    QList<TCueSource> cues;
    QList<TTrackSource> tracks;

    QString Path(const QString &relative) const { return QDir(root).filePath(relative); }
    QString OwnPicture(const QString &name) const { return QDir(Path(QStringLiteral("bilder"))).filePath(name); }
};

TSources ReadSources(const QString &root)
{
    TSources s;
    s.root = root;
    s.catalogue = TCatalogue::Read(s.Path(QStringLiteral("fragen")), s.Path(QStringLiteral("frageboegen")));
    s.sets = TPictureSetSources::Read(s.Path(QStringLiteral("sets")), s.Path(QStringLiteral("textgruppen")));
    s.settings = TInstallationSettingsSource::Read(s.Path(QStringLiteral("version.ini")));
    s.cues = ReadCueSources(s.Path(QStringLiteral("klaenge.txt")));
    s.tracks = ReadTrackSources(s.Path(QStringLiteral("musik.txt")));

    // Every picture must come from somewhere: the user's own file or one of our painters.
    for (const TQuestionSource &q : s.catalogue.Questions())
        if (!q.picture.isEmpty() && !QFileInfo::exists(s.OwnPicture(q.picture)) &&
            !QuestionPicturePainters().contains(q.picture))
            throw TDeliveryError(QStringLiteral("%1:%2: das Bild \"%3\" liegt nicht in delivery/bilder/ und wird nicht gezeichnet")
                                     .arg(q.file)
                                     .arg(q.line)
                                     .arg(q.picture));
    for (const TSetSource &set : s.sets.sets)
        for (const TSetPictureSource &p : set.pictures) {
            if (!p.motif.isEmpty() && !SetPictureMotifs().contains(p.motif))
                throw TDeliveryError(QStringLiteral("%1:%2: unbekanntes Motiv \"%3\" (bekannt: %4)")
                                         .arg(set.path)
                                         .arg(p.line)
                                         .arg(p.motif, SetPictureMotifs().join(QStringLiteral(", "))));
            if (!p.file.isEmpty() && !QFileInfo::exists(s.OwnPicture(p.file)))
                throw TDeliveryError(QStringLiteral("%1:%2: \"%3\" liegt nicht in delivery/bilder/").arg(set.path).arg(p.line).arg(p.file));
        }
    // Every cue file named in version.ini (and the learning menu's fixed "POP.wav") needs a recipe.
    QStringList needed = s.settings.CueFileNames();
    needed << QStringLiteral("POP.wav");
    for (const QString &name : needed) {
        bool found = false;
        for (const TCueSource &cue : s.cues)
            found = found || cue.name == name;
        if (!found)
            throw TDeliveryError(QStringLiteral("%1: für \"%2\" aus version.ini fehlt ein Klang").arg(s.Path(QStringLiteral("klaenge.txt")), name));
    }
    return s;
}

// Empties (or creates) one generated folder of the program folder.
QString FreshFolder(const QString &programFolder, const QString &relative)
{
    QDir dir(QDir(programFolder).filePath(relative));
    if (dir.exists() && !dir.removeRecursively())
        throw TDeliveryError(QStringLiteral("%1: kann nicht geleert werden").arg(dir.path()));
    if (!QDir().mkpath(dir.path()))
        throw TDeliveryError(QStringLiteral("%1: kann nicht angelegt werden").arg(dir.path()));
    return dir.path();
}

void CopyFile(const QString &from, const QString &to)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        throw TDeliveryError(QStringLiteral("%1: kann nicht nach %2 kopiert werden").arg(from, to));
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw TDeliveryError(QStringLiteral("%1: kann nicht geschrieben werden (%2)").arg(path, file.errorString()));
}

void WriteQuestionPictures(const TSources &s, const QString &imgFolder)
{
    QSet<QString> done;
    for (const TQuestionSource &q : s.catalogue.Questions()) {
        if (q.picture.isEmpty() || done.contains(q.picture))
            continue;
        done.insert(q.picture);
        const QString target = QDir(imgFolder).filePath(q.picture);
        if (QFileInfo::exists(s.OwnPicture(q.picture))) {
            CopyFile(s.OwnPicture(q.picture), target);
            continue;
        }
        QImage image = NewCanvas(QuestionPictureWidth, QuestionPictureHeight);
        {
            QPainter painter(&image);
            SmoothPainter(painter);
            QuestionPicturePainters().value(q.picture)(painter);
        }
        SaveJpeg(image, target, QuestionPictureQuality);
    }
}

// Set pictures are numbered data0.img, data1.img, … in source order, as the program numbers
// pictures added to an empty folder.
QStringList WriteSetPictures(const TSources &s, const QString &setFolder)
{
    QStringList names;
    for (const TSetSource &set : s.sets.sets)
        for (const TSetPictureSource &p : set.pictures) {
            const QString name = QStringLiteral("data%1.img").arg(names.size());
            const QString target = QDir(setFolder).filePath(name);
            if (!p.file.isEmpty())
                CopyFile(s.OwnPicture(p.file), target);
            else
                SaveJpeg(PaintSetPicture(p.motif, p.variant), target, SetPictureQuality);
            names << name;
        }
    return names;
}

void Build(const QString &sourceFolder, const QString &programFolder)
{
    const TSources s = ReadSources(sourceFolder);
    QDir().mkpath(programFolder);
    const QString mdl = FreshFolder(programFolder, QStringLiteral("mdl"));
    const QString img = FreshFolder(programFolder, QStringLiteral("mdl/img"));
    const QString setFolder = FreshFolder(programFolder, QStringLiteral("mdl/sets"));
    const QString sounds = FreshFolder(programFolder, QStringLiteral("sounds"));
    const QString music = FreshFolder(programFolder, QStringLiteral("mp3"));

    WriteQuestionPictures(s, img);
    const QStringList pictureFiles = WriteSetPictures(s, setFolder);
    WriteQuestionTables(s.catalogue, mdl);
    WriteSetTables(s.sets, pictureFiles, mdl);
    for (const TCueSource &cue : s.cues)
        WriteWave(QDir(sounds).filePath(cue.name), SynthesizeCue(cue));
    for (const TTrackSource &track : s.tracks)
        WriteWave(QDir(music).filePath(track.name), SynthesizeTrack(track));
    WriteBytes(QDir(programFolder).filePath(QStringLiteral("version.ini")), s.settings.ProgramFileBytes());
    CopyFile(s.Path(QStringLiteral("about.html")), QDir(programFolder).filePath(QStringLiteral("about.html")));

    std::printf("velmora-delivery: %d Fragen, %d Fragebögen, %d Sets mit %d Bildern, %d Klänge, %d Musikstücke\n",
                int(s.catalogue.Questions().size()), int(s.catalogue.Questionnaires().size()), int(s.sets.sets.size()),
                int(pictureFiles.size()), int(s.cues.size()), int(s.tracks.size()));
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "Aufruf: velmora-delivery <delivery-Ordner> <Programmordner>\n");
        return 2;
    }
    try {
        Build(args[1], args[2]);
    } catch (const TDeliveryError &error) {
        std::fprintf(stderr, "velmora-delivery: %s\n", error.Text().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

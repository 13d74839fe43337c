#pragma once

// The real program for the whole-program benches: the main window made as the program entry makes it
// (with its data module and answer overview), offscreen, on a copy of the assembled program folder,
// started and on the learning menu. Sounds "play" at once and music never sounds, so no
// figure includes a sound; dialogs answer yes and show nothing.

#include "screen_bench_context.h"
#include "app/vl_betreutes.h"
#include "app/vl_browse.h"
#include "app/vl_frage.h"
#include "app/vl_uebersicht_small.h"
#include "controls/gradient_panel.h"
#include "controls/questionnaire_tile.h"
#include "core/random_generator.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "exam/next_token.h"
#include "sound/audio_backend.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <unistd.h>

// The program folder the benches copy: the one the build assembles unless a bench's first argument
// names another.
inline QString &BenchProgramFolder()
{
    static QString folder = QStringLiteral(VELMORA_PROGRAM_DIR);
    return folder;
}

// Every sound "plays" at once and the music never sounds.
class SilentAudio final : public IAudioBackend
{
public:
    bool openMusic(const QString &) override { return false; }
    void releaseMusic() override {}
    void playMusic() override {}
    void stopMusic() override {}
    bool musicPlaying() const override { return false; }
    bool musicFailed() const override { return false; }
    std::optional<qint64> musicPositionMs() const override { return std::nullopt; }
    std::optional<qint64> musicLengthMs() const override { return std::nullopt; }
    int volume() const override { return m_volume; }
    void setVolume(int volume) override { m_volume = volume; }
    CueResult playCue(const QString &, bool) override { return CueResult::Played; }

private:
    int m_volume = 100;
};

// The window system's events, as the program's own event port runs them.
class RealEvents final : public IEventPort
{
public:
    void processPendingMessages() override { QCoreApplication::processEvents(); }
};

inline void copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

// The main window with its data module and answer overview, made as the program entry makes them,
// started, and on the learning menu.
struct BenchProgram
{
    QTemporaryDir folder;
    QuietDialogs dialogs;
    RealEvents events;
    NoDocuments documents;
    NoFileDialogs fileDialogs;
    NoPrinter printer;
    SilentAudio audio;
    ClockRandomGenerator random;
    std::unique_ptr<TBrowseForm> browse;
    std::unique_ptr<TMainDataModule> data;
    std::unique_ptr<TUebersichtForm> overview;
    QImage pixels{1008, 765, QImage::Format_RGB32};

    BenchProgram()
    {
        if (!QFileInfo::exists(BenchProgramFolder() + QStringLiteral("/mdl/fragen.dat")))
            throw std::runtime_error("no assembled program folder (build the target velmora_delivery): " +
                                     BenchProgramFolder().toStdString());
        copyFolder(BenchProgramFolder(), folder.path());
        for (const char *made : {"db", "bmp", "temp", "imported"})
            QDir(folder.filePath(QLatin1String(made))).removeRecursively();
        TBrowseFormSetup setup;
        setup.programFilePath = folder.filePath(QStringLiteral("velmora"));
        setup.dialogs = &dialogs;
        setup.events = &events;
        setup.documents = &documents;
        setup.fileDialogs = &fileDialogs;
        setup.printer = &printer;
        setup.audio = &audio;
        setup.random = &random;
        setup.beep = [] {};
        setup.reportError = [](const QString &message) {
            std::fprintf(stderr, "error: %s\n", qPrintable(message));
        };
        setup.endMessageLoop = [] {};
        setup.startUpDelayMs = 0;
        // A left screen lives on while its click handler ends, as in the program, but not for the
        // program's full second: the benches wait for it between clicks.
        setup.retireDelayMs = 100;
        browse = std::make_unique<TBrowseForm>(std::move(setup));
        data = std::make_unique<TMainDataModule>(browse->StoredValues(), browse->ModulePorts(), folder.path());
        browse->AttachDataModule(*data);
        overview = std::make_unique<TUebersichtForm>(browse.get());
        browse->AttachOverview(*overview);
        browse->show();
        while (browse->SplashShown())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        toMenu();
    }

    ~BenchProgram()
    {
        overview.reset();
        browse.reset();
        data.reset();
    }

    template <typename Screen>
    Screen *current() const
    {
        auto *screen = qobject_cast<Screen *>(browse->CurrentScreen());
        if (!screen)
            throw std::runtime_error("unexpected screen: " + browse->CurrentScreenName().toStdString());
        return screen;
    }

    // Lets the screens left behind go, as the running program does between clicks.
    void settle()
    {
        QCoreApplication::processEvents();
        while (browse->PendingRetirements() > 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    void toMenu()
    {
        data->ClearTest();
        browse->ShowScreen(QStringLiteral("betreutes"));
        settle();
    }

    void paint()
    {
        QPainter painter(&pixels);
        browse->render(&painter);
        painter.end();
        benchmark::DoNotOptimize(pixels.constBits());
    }

    // The first tile of the questionnaire panel, which opens as the user opens it.
    TQuestionnaireTile &firstTile() const
    {
        TBetreutesFrame *menu = current<TBetreutesFrame>();
        if (menu->FrageboegenPanel->isHidden())
            menu->FragebogenShapeClick();
        const auto &tiles = menu->Tiles();
        if (tiles.isEmpty() || !tiles.first())
            throw std::runtime_error("the learning menu shows no questionnaire");
        return *tiles.first();
    }

    // Ticks every answer of the running test as the catalogue marks it and shows the first question
    // again with its ticks, so that the evaluation passes.
    void answerEverythingRight()
    {
        TRecordTable &test = data->TestTable;
        TRecordTable &fragen = data->FragenTable;
        const QLatin1String testTicks[] = {fields::test::Antwort1kreuz, fields::test::Antwort2kreuz,
                                           fields::test::Antwort3kreuz};
        const QLatin1String marks[] = {fields::fragen::Antwort1kreuz, fields::fragen::Antwort2kreuz,
                                       fields::fragen::Antwort3kreuz};
        for (test.First(); !test.Eof(); test.Next()) {
            if (!fragen.Locate(fields::fragen::ID, test.FieldByName(fields::test::FrageID).AsInteger()))
                continue;
            test.Edit();
            for (int i = 0; i < 3; ++i)
                test.FieldByName(testTicks[i]).SetAsBoolean(fragen.FieldByName(marks[i]).AsBoolean());
            test.FieldByName(fields::test::Antwort)
                .SetAsString(NumberSolution(fragen.FieldByName(fields::fragen::Antwort1).AsString()));
            test.Post();
        }
        current<TFrageFrame>()->ShowFirstQuestion(data->ViewMode);
    }
};

// The resident memory of this process, from /proc/self/statm.
inline long ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = statm.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

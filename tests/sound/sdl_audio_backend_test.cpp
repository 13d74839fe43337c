#include "sound/sdl_audio_backend.h"

#include "core/random_generator.h"
#include "sound/local_http_server.h"
#include "sound/music_engine.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

// Under AddressSanitizer: full stacks for every allocation, so that the leak suppressions for GLib and
// GStreamer (tests/lsan.supp) can see those libraries below g_malloc.
extern "C" const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

// These tests play through SDL2_mixer's "disk" audio driver, which writes everything it would have
// sent to a sound card into a file, so they need no sound card and can prove that sound came out.

namespace {

constexpr int kRate = 44100;

void appendLe16(QByteArray &bytes, int value)
{
    const quint16 v = static_cast<quint16>(value);
    bytes.append(static_cast<char>(v & 0xff)).append(static_cast<char>(v >> 8));
}

void appendLe32(QByteArray &bytes, quint32 value)
{
    appendLe16(bytes, static_cast<int>(value & 0xffff));
    appendLe16(bytes, static_cast<int>(value >> 16));
}

// A 16-bit stereo PCM wave file holding a square wave of the given amplitude.
QByteArray squareWave(int ms, int amplitude)
{
    QByteArray samples;
    const int frames = kRate * ms / 1000;
    for (int i = 0; i < frames; ++i) {
        const int value = (i / 50) % 2 ? amplitude : -amplitude;
        appendLe16(samples, value);
        appendLe16(samples, value);
    }
    QByteArray wave("RIFF");
    appendLe32(wave, static_cast<quint32>(36 + samples.size()));
    wave.append("WAVEfmt ");
    appendLe32(wave, 16);
    appendLe16(wave, 1); // PCM
    appendLe16(wave, 2);
    appendLe32(wave, kRate);
    appendLe32(wave, kRate * 4);
    appendLe16(wave, 4);
    appendLe16(wave, 16);
    wave.append("data");
    appendLe32(wave, static_cast<quint32>(samples.size()));
    return wave + samples;
}

// How many 16-bit samples of the raw output have a magnitude within [low, high].
qsizetype samplesWithin(const QByteArray &raw, int low, int high)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
        const int magnitude = std::abs(static_cast<int>(qFromLittleEndian<qint16>(raw.constData() + i)));
        if (magnitude >= low && magnitude <= high)
            ++count;
    }
    return count;
}

// The largest magnitude of the raw output's 16-bit samples.
int peakOf(const QByteArray &raw)
{
    int peak = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
        peak = std::max(peak, std::abs(static_cast<int>(qFromLittleEndian<qint16>(raw.constData() + i))));
    return peak;
}

// Lets the event loop run (the music's timers) until the condition holds or the time is up.
template <typename Condition> bool waitFor(Condition condition, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return condition();
}

class SdlAudioBackendTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output()));
    }
    QString output() const { return folder.path() + QStringLiteral("/output.raw"); }
    QString file(const QString &name, const QByteArray &bytes)
    {
        writeWholeFile(folder.path() + u'/' + name, bytes);
        return folder.path() + u'/' + name;
    }

    // A 440 Hz sine of half the full scale, 1.5 s of stereo, encoded by sox into the named file; empty
    // when sox cannot make it.
    QString encodedTone(const QString &name)
    {
        const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
        const QString path = folder.path() + u'/' + name;
        if (sox.isEmpty() ||
            QProcess::execute(sox, {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                                    QStringLiteral("-c"), QStringLiteral("2"), path, QStringLiteral("synth"),
                                    QStringLiteral("1.5"), QStringLiteral("sine"), QStringLiteral("440"),
                                    QStringLiteral("vol"), QStringLiteral("0.5")}) != 0)
            return {};
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(SdlAudioBackendTest, CueReallySounds)
{
    const QString cue = file(QStringLiteral("cue.wav"), squareWave(200, 8000));
    {
        TSdlAudioBackend backend;
        ASSERT_TRUE(backend.isOpen());
        EXPECT_EQ(backend.playCue(cue, true), IAudioBackend::CueResult::Played);
    } // closing the device completes the output file

    const qsizetype expected = kRate * 2 / 5; // 200 ms of stereo samples
    EXPECT_GT(samplesWithin(readWholeFile(output()), 7000, 9000), expected / 2);
}

TEST_F(SdlAudioBackendTest, TrackReallySoundsAndEnds_TextFileNamedOggDoesNotOpen)
{
    const QString track = file(QStringLiteral("track.wav"), squareWave(300, 20000));
    const QString text = file(QStringLiteral("notes.ogg"), "These are not sounds, only words.\n");
    {
        TSdlAudioBackend backend;
        ASSERT_TRUE(backend.isOpen());
        ClockRandomGenerator random;
        TMusicEngine engine(backend, random);

        engine.PlayTrack(text);
        EXPECT_EQ(engine.Status(), TMusicStatus::Stopped);

        engine.PlayTrack(track);
        ASSERT_EQ(engine.Status(), TMusicStatus::Playing);
        EXPECT_NEAR(static_cast<double>(engine.LengthMs()), 300.0, 5.0);

        QElapsedTimer clock;
        clock.start();
        while (engine.Status() == TMusicStatus::Playing && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        EXPECT_EQ(engine.Status(), TMusicStatus::Ended);

        engine.PlayTrack(text);
        EXPECT_EQ(engine.Status(), TMusicStatus::Ended);
        EXPECT_EQ(backend.playCue(text, false), IAudioBackend::CueResult::CannotOpen);
    }

    const qsizetype expected = kRate * 2 * 3 / 10; // 300 ms of stereo samples
    EXPECT_GT(samplesWithin(readWholeFile(output()), 19000, 21000), expected / 2);
}

TEST_F(SdlAudioBackendTest, VolumeScalesTheMusicButNotTheCues)
{
    const QString track = file(QStringLiteral("track.wav"), squareWave(200, 20000));
    const QString cue = file(QStringLiteral("cue.wav"), squareWave(100, 8000));
    {
        TSdlAudioBackend backend;
        ASSERT_TRUE(backend.isOpen());
        backend.setVolume(50);
        EXPECT_EQ(backend.volume(), 50);
        backend.playCue(cue, true);
        ASSERT_TRUE(backend.openMusic(track));
        backend.playMusic();
        QElapsedTimer clock;
        clock.start();
        while (backend.musicPlaying() && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    const QByteArray raw = readWholeFile(output());
    EXPECT_GT(samplesWithin(raw, 7000, 9000), kRate * 2 / 10 / 2); // the cue at full strength
    EXPECT_GT(samplesWithin(raw, 9000, 11000), kRate * 2 / 5 / 2); // the music at half
    EXPECT_EQ(samplesWithin(raw, 11001, 32767), 0);
}

TEST_F(SdlAudioBackendTest, SynchronousCueOnAStalledDevice_WaitsNoLongerThanItsLengthAndTwoSeconds)
{
    // Every buffer takes the device three seconds: the 300 ms cue would take about 40 s to be heard.
    qputenv("SDL_DISKAUDIODELAY", "3000");
    const QString cue = file(QStringLiteral("cue.wav"), squareWave(300, 8000));
    qint64 waited = 0;
    {
        TSdlAudioBackend backend;
        ASSERT_TRUE(backend.isOpen());
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(backend.playCue(cue, true), IAudioBackend::CueResult::Played);
        waited = clock.elapsed();
    }
    qunsetenv("SDL_DISKAUDIODELAY");
    EXPECT_GE(waited, 300 + TSdlAudioBackend::kCueWaitSlackMs - 50);
    EXPECT_LT(waited, 300 + TSdlAudioBackend::kCueWaitSlackMs + 1500);
}

TEST_F(SdlAudioBackendTest, WebStreams_OggAndMp3FromALocalServerSoundAtTheMusicVolume)
{
    for (const auto &[name, type] : {std::pair{QStringLiteral("tone.ogg"), QByteArray("audio/ogg")},
                                     std::pair{QStringLiteral("tone.mp3"), QByteArray("audio/mpeg")}}) {
        SCOPED_TRACE(name.toStdString());
        const QString tone = encodedTone(name);
        if (tone.isEmpty())
            GTEST_SKIP() << "sox cannot write " << name.toStdString();
        LocalHttpServer server(readWholeFile(tone), type);
        ASSERT_NE(server.port(), 0);
        QFile::remove(output());
        {
            TSdlAudioBackend backend;
            ASSERT_TRUE(backend.isOpen());
            backend.setVolume(50);
            ClockRandomGenerator random;
            TMusicEngine engine(backend, random);
            engine.AddEntry(QStringLiteral("http://127.0.0.1:%1/%2").arg(server.port()).arg(name));

            engine.NextTrack();
            EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
            EXPECT_EQ(engine.LengthMs(), 0);
            // The stream comes to its end when the server closes: it stops sounding.
            EXPECT_TRUE(waitFor([&] { return engine.Status() != TMusicStatus::Playing; }, 10000));
            EXPECT_EQ(engine.Status(), TMusicStatus::Ended);
        }
        EXPECT_EQ(server.requests(), 1);
        // Half of the tone's half scale: about 8192, somewhat more where the encoding rings.
        const QByteArray raw = readWholeFile(output());
        EXPECT_GT(samplesWithin(raw, 6000, 9500), kRate / 2) << "the stream did not sound";
        EXPECT_LT(peakOf(raw), 10000) << "the music volume did not apply";
    }
}

TEST_F(SdlAudioBackendTest, WebStreamWhereNothingListens_ThePlayerMovesOnToAFileWithinASecond)
{
    const QString track = file(QStringLiteral("track.wav"), squareWave(3000, 20000));
    const QString nowhere = QStringLiteral("http://127.0.0.1:%1/radio.ogg").arg(LocalHttpServer::UnusedPort());
    TSdlAudioBackend backend;
    ASSERT_TRUE(backend.isOpen());
    ClockRandomGenerator random;
    TMusicEngine engine(backend, random);
    engine.AddEntry(nowhere);
    engine.AddEntry(track);

    // Once untimed: the streaming library's first start reads its plugin list.
    ASSERT_TRUE(backend.openMusic(nowhere));
    backend.playMusic();
    ASSERT_TRUE(waitFor([&] { return backend.musicFailed(); }, 10000));
    EXPECT_FALSE(backend.musicPlaying());
    backend.releaseMusic();

    QElapsedTimer clock;
    clock.start();
    engine.NextTrack(); // in order, after the entry played last: the stream
    EXPECT_EQ(engine.Source(), nowhere);
    EXPECT_TRUE(waitFor([&] { return engine.Source() == track && backend.musicPlaying(); }, 1000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
}

TEST_F(SdlAudioBackendTest, WebStreamFromAServerThatSaysNothing_NothingWaitsForIt_GivenUpAfter15Seconds)
{
    LocalHttpServer server(QByteArray(64 * 1024, '\0'), "audio/ogg", std::chrono::seconds(40),
                           std::chrono::seconds(60));
    ASSERT_NE(server.port(), 0);
    const QString stalled = QStringLiteral("http://127.0.0.1:%1/radio.ogg").arg(server.port());
    const QString track = file(QStringLiteral("track.wav"), squareWave(3000, 20000));
    TSdlAudioBackend backend;
    ASSERT_TRUE(backend.isOpen());
    ClockRandomGenerator random;
    TMusicEngine engine(backend, random);
    engine.AddEntry(stalled);
    engine.AddEntry(track);

    QElapsedTimer clock;
    clock.start();
    engine.NextTrack(); // in order: the stream first
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(engine.Source(), stalled);
    // Connected, asked, no answer: the stream still counts as playing, and nothing has failed.
    ASSERT_TRUE(waitFor([&] { return server.requests() == 1; }, 10000));
    waitFor([] { return false; }, 300);
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
    EXPECT_FALSE(backend.musicFailed());
    // The source gives up on the server after its 15 s; the player moves on to the file.
    EXPECT_TRUE(waitFor([&] { return engine.Source() == track && backend.musicPlaying(); }, 25000));
    EXPECT_GE(clock.elapsed(), 14000);

    // A stream let go while it waits for the server: stopping does not wait either.
    EXPECT_TRUE(engine.PlayTrack(stalled));
    waitFor([] { return false; }, 300);
    clock.restart();
    engine.StopTrack();
    backend.releaseMusic();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(engine.Status(), TMusicStatus::Stopped);
}

// Runs the construction of a back end with standard error going to a file; returns what was written.
template <typename Make> QByteArray standardErrorOf(Make make, const QString &into)
{
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    const int file = open(QFile::encodeName(into).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(file, STDERR_FILENO);
    close(file);
    make();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    return readWholeFile(into);
}

TEST(SdlAudioBackendWithoutDevice, SaysSoInOneLineInsteadOfTheSoundLibrariesNoise)
{
    QTemporaryDir folder;
    for (const char *driver : {"alsa", "no-such-driver"}) {
        qputenv("SDL_AUDIODRIVER", driver);
        bool open = false;
        const QByteArray said = standardErrorOf([&] { open = TSdlAudioBackend().isOpen(); },
                                                folder.path() + QStringLiteral("/stderr.txt"));
        if (open)
            continue; // this machine has a sound card
        EXPECT_EQ(said.count('\n'), 1) << driver << ": " << said.toStdString();
        EXPECT_TRUE(said.startsWith("Velmora: Kein Audiogerät gefunden")) << said.toStdString();
    }
}

TEST(SdlAudioBackendWithoutDevice, StaysSilent)
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    TSdlAudioBackend backend;
    EXPECT_FALSE(backend.isOpen());
    EXPECT_EQ(backend.playCue(QStringLiteral("/nonexistent.wav"), true), IAudioBackend::CueResult::NoDevice);
    EXPECT_FALSE(backend.openMusic(QStringLiteral("/nonexistent.wav")));
    EXPECT_FALSE(backend.musicPlaying());
    EXPECT_FALSE(backend.openMusic(QStringLiteral("http://127.0.0.1:9/radio.ogg")));
    backend.setVolume(30);
    EXPECT_EQ(backend.volume(), 30);
}

} // namespace

#include "sound/sdl_audio_backend.h"

#include "core/random_generator.h"
#include "sound/music_engine.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>

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

TEST(SdlAudioBackendWithoutDevice, StaysSilent)
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    TSdlAudioBackend backend;
    EXPECT_FALSE(backend.isOpen());
    EXPECT_EQ(backend.playCue(QStringLiteral("/nonexistent.wav"), true), IAudioBackend::CueResult::NoDevice);
    EXPECT_FALSE(backend.openMusic(QStringLiteral("/nonexistent.wav")));
    EXPECT_FALSE(backend.musicPlaying());
    backend.setVolume(30);
    EXPECT_EQ(backend.volume(), 30);
}

} // namespace

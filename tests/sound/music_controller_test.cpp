#include "sound/music_controller.h"

#include "core/velmora_error.h"
#include "sound/fake_audio_backend.h"
#include "sound/music_engine.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MusicControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : {"a.mp3", "b.mp3", "c.mp3"})
            writeWholeFile(folder.path() + u'/' + QLatin1String(name), "music");
        engine.SetShuffle(true); // as the data module does
    }

    QTemporaryDir folder;
    FakeAudioBackend backend;
    ScriptedRandom random;
    TMusicEngine engine{backend, random};
    TMusicController music{engine, folder.path()};
};

TEST_F(MusicControllerTest, StartMusic_SetsTheVolumeBuildsThePlaylistAndPlays)
{
    backend.currentVolume = 70;
    random.push(1);

    music.StartMusic(QStringLiteral("25"));

    EXPECT_EQ(music.SavedVolume(), 70);
    EXPECT_EQ(backend.currentVolume, 25);
    EXPECT_EQ(engine.Playlist().size(), 3);
    EXPECT_TRUE(engine.Continue());
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
    EXPECT_EQ(backend.track, folder.path() + QStringLiteral("/b.mp3"));
    EXPECT_TRUE(music.MusicTimerActive());
}

TEST_F(MusicControllerTest, VolumeFollowsTheSliderAndStopMusicPutsTheSavedOneBack)
{
    random.push(0);
    music.StartMusic(QStringLiteral("25"));
    music.SetMusicVolume(80);
    EXPECT_EQ(backend.currentVolume, 80);

    music.StopMusic();

    EXPECT_EQ(backend.currentVolume, 100);
    EXPECT_EQ(engine.Status(), TMusicStatus::Stopped);
    EXPECT_TRUE(engine.Playlist().isEmpty());
    EXPECT_FALSE(music.MusicTimerActive());
}

TEST_F(MusicControllerTest, StartMusic_WithVolumeTextNotANumber_FailsBeforeAnythingPlays)
{
    try {
        music.StartMusic(QStringLiteral("laut"));
        FAIL() << "no error";
    } catch (const VelmoraError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("'laut' ist kein gültiger Integerwert"));
    }
    EXPECT_TRUE(backend.events.isEmpty());
    EXPECT_TRUE(engine.Playlist().isEmpty());
    EXPECT_FALSE(music.MusicTimerActive());
}

TEST_F(MusicControllerTest, PauseThenResume_StartsAnotherTrackFromItsBeginning)
{
    random.push(0);
    music.StartMusic(QStringLiteral("25"));
    backend.position = 60000;

    music.PauseMusic(false);
    EXPECT_EQ(engine.Status(), TMusicStatus::Stopped);
    music.MusicTimerTick(); // a stopped track does not move on by itself
    EXPECT_EQ(backend.played().size(), 1);

    random.push(0);
    music.ResumeMusic(false);
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
    EXPECT_EQ(backend.played().last(), QStringLiteral("play:") + folder.path() + QStringLiteral("/b.mp3"));
    EXPECT_EQ(backend.position, 0);
}

TEST_F(MusicControllerTest, PauseAndResumeDoNothingWhileTheMusicIsSwitchedOff)
{
    random.push(0);
    music.StartMusic(QStringLiteral("25"));

    music.PauseMusic(true);
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
    music.ResumeMusic(true);
    EXPECT_EQ(backend.played().size(), 1);
}

TEST_F(MusicControllerTest, EndedTrackIsFollowedAtTheNextTick_AnUnopenableOneIsPassedOverAtOnce)
{
    random.push(0);
    music.StartMusic(QStringLiteral("25"));
    backend.position = 180000 - 50;
    engine.CheckEndOfTrack();
    ASSERT_EQ(engine.Status(), TMusicStatus::Ended);

    const QString c = folder.path() + QStringLiteral("/c.mp3");
    backend.unopenable << c;
    random.push(1); // after a: c, which cannot be opened
    random.push(0); // of a and b, not tried yet: a
    music.MusicTimerTick();
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
    EXPECT_EQ(backend.played().size(), 2);
    EXPECT_EQ(backend.track, folder.path() + QStringLiteral("/a.mp3"));
}

TEST_F(MusicControllerTest, StartAndResume_PassOverEntriesThatCannotBeOpened)
{
    backend.unopenable << folder.path() + QStringLiteral("/c.mp3");
    random.push(2); // c
    random.push(1); // of a and b: b
    music.StartMusic(QStringLiteral("25"));
    EXPECT_EQ(backend.track, folder.path() + QStringLiteral("/b.mp3"));

    music.PauseMusic(false);
    random.push(1); // after b: c
    random.push(0); // of a and b: a
    music.ResumeMusic(false);
    EXPECT_EQ(backend.track, folder.path() + QStringLiteral("/a.mp3"));
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
}

TEST_F(MusicControllerTest, NothingPlayable_SilentAndIdleUntilTheMusicIsResumed)
{
    for (const char *name : {"a.mp3", "b.mp3", "c.mp3"})
        backend.unopenable << folder.path() + u'/' + QLatin1String(name);
    random.push(0);
    random.push(0);
    music.StartMusic(QStringLiteral("25"));
    EXPECT_EQ(backend.events.filter(QStringLiteral("open:")).size(), 3);
    EXPECT_EQ(engine.Status(), TMusicStatus::Stopped);

    const auto asked = backend.events.size();
    for (int i = 0; i < 10; ++i)
        music.MusicTimerTick();
    EXPECT_EQ(backend.events.size(), asked);

    backend.unopenable.clear();
    random.push(0);
    music.ResumeMusic(false);
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
}

TEST_F(MusicControllerTest, TimersCarryTheMusicFromOneTrackToTheNextByThemselves)
{
    random.push(0);
    music.StartMusic(QStringLiteral("25"));
    random.push(0);
    backend.position = 180000 - 10;

    QElapsedTimer clock;
    clock.start();
    while (backend.played().size() < 2 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);

    EXPECT_EQ(backend.played(),
              (QStringList{QStringLiteral("play:") + folder.path() + QStringLiteral("/a.mp3"),
                           QStringLiteral("play:") + folder.path() + QStringLiteral("/b.mp3")}));
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
}

} // namespace

#include "sound/music_engine.h"

#include "core/random_generator.h"
#include "sound/fake_audio_backend.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MusicEngineTest : public ::testing::Test
{
protected:
    QString path(const QString &relative) const { return folder.path() + u'/' + relative; }
    QString file(const QString &relative, const QByteArray &bytes = "music")
    {
        writeWholeFile(path(relative), bytes);
        return path(relative);
    }
    void fill(const QStringList &entries)
    {
        for (const QString &entry : entries)
            engine.AddEntry(file(entry));
    }
    QString playedName() const { return backend.track.mid(folder.path().size() + 1); }
    // The entries the engine tried to open, in order, files by their names below the folder.
    QStringList openedNames() const
    {
        QStringList names;
        for (const QString &event : backend.events.filter(QStringLiteral("open:"))) {
            const QString entry = event.mid(5);
            names << (entry.startsWith(folder.path()) ? entry.mid(folder.path().size() + 1) : entry);
        }
        return names;
    }

    QTemporaryDir folder;
    FakeAudioBackend backend;
    ScriptedRandom random;
    CountingEventPort events;
    TMusicEngine engine{backend, random, &events};
};

TEST_F(MusicEngineTest, AddEntry_TakesPlayableTypesAndWebAddressesAndIgnoresTheRest)
{
    for (const char *entry : {"/m/a.Mp3", "/m/b.xm", "/m/c.IT", "/m/d.wav", "/m/readme.txt", "/m/noext",
                              "/m/e.flac", "/m.mp3/f", "http://radio.example/live", "Ftp://host/y.bin",
                              "HTTPS://radio.example/secure"})
        engine.AddEntry(QString::fromLatin1(entry));

    EXPECT_EQ(engine.Playlist(),
              (QStringList{QStringLiteral("/m/a.Mp3"), QStringLiteral("/m/b.xm"), QStringLiteral("/m/c.IT"),
                           QStringLiteral("/m/d.wav"), QStringLiteral("http://radio.example/live"),
                           QStringLiteral("Ftp://host/y.bin"), QStringLiteral("HTTPS://radio.example/secure")}));
}

TEST_F(MusicEngineTest, BuildPlaylist_KeepsTheFileListOrderAndSkipsTextFiles)
{
    file(QStringLiteral("notes.txt"));
    file(QStringLiteral("sub/d.ogg"));
    file(QStringLiteral("B.WAV"));
    file(QStringLiteral("a.mp3"));

    engine.BuildPlaylist(folder.path());

    EXPECT_EQ(engine.Playlist(), (QStringList{path(QStringLiteral("a.mp3")), path(QStringLiteral("B.WAV")),
                                              path(QStringLiteral("sub/d.ogg"))}));
    EXPECT_EQ(events.calls, 1);
}

TEST_F(MusicEngineTest, TextFileBesideSubFolderWithOgg_PlaysTheOgg)
{
    file(QStringLiteral("readme.txt"));
    file(QStringLiteral("x/d.ogg"));
    engine.SetShuffle(true);
    engine.BuildPlaylist(folder.path());

    engine.NextTrack();
    engine.NextTrack();

    EXPECT_EQ(backend.played(), QStringList(2, QStringLiteral("play:") + path(QStringLiteral("x/d.ogg"))));
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
}

TEST_F(MusicEngineTest, PlsFile_ReadAsIniWithRelativeAbsoluteAndWebEntries)
{
    engine.AddEntry(QStringLiteral("/already/there.mp3"));
    engine.AddEntry(file(QStringLiteral("lists/radio.PLS"),
                         "; made by hand\r\n"
                         "[other]\r\nFile1=not-me.mp3\r\nNumberOfEntries=1\r\n"
                         "[Playlist]\r\n"
                         "File2=/abs/b.mp3\r\n"
                         "File1=relative/a.mp3\r\n"
                         "file3 = \"http://stream.example/x\" \r\n"
                         "File4=..\\up\\c.mp3\r\n"
                         "File1=second one of the same key.mp3\r\n"
                         "File5=beyond the count.mp3\r\n"
                         "numberofentries=4\r\n"));

    EXPECT_EQ(engine.Playlist(),
              (QStringList{QStringLiteral("/already/there.mp3"), path(QStringLiteral("lists/relative/a.mp3")),
                           QStringLiteral("/abs/b.mp3"), QStringLiteral("http://stream.example/x"),
                           path(QStringLiteral("lists/../up/c.mp3"))}));
}

TEST_F(MusicEngineTest, PlsFile_WithoutCountOrWithAHugeOneStaysSane)
{
    engine.AddEntry(file(QStringLiteral("none.pls"), "[playlist]\nFile1=a.mp3\n"));
    EXPECT_TRUE(engine.Playlist().isEmpty());

    engine.AddEntry(
        file(QStringLiteral("huge.pls"), "[playlist]\nNumberOfEntries=2147483647\nFile7=a.mp3\n"));
    EXPECT_EQ(engine.Playlist(), QStringList{path(QStringLiteral("a.mp3"))});
}

TEST_F(MusicEngineTest, M3uFile_EveryLineNotACommentIsAnEntryTheLastOneToo)
{
    engine.AddEntry(file(QStringLiteral("list.m3u"),
                         "#EXTM3U\r\n"
                         "#EXTINF:123,Artist - Title\r\n"
                         "relative.mp3\r\n"
                         "\r\n"
                         "   # indented comment\r\n"
                         "  /abs/b.ogg  \r\n"
                         "HTTP://radio.example/stream\r\n"
                         "https://radio.example/secure\r\n"
                         "Gr\xfcn.mp3\r\n" // Windows-1252
                         "last.mp3"));
    engine.AddEntry(file(QStringLiteral("utf8.M3U"), "\xef\xbb\xbfGr\xc3\xbcn.mp3\n"));

    EXPECT_EQ(engine.Playlist(),
              (QStringList{path(QStringLiteral("relative.mp3")), QStringLiteral("/abs/b.ogg"),
                           QStringLiteral("HTTP://radio.example/stream"),
                           QStringLiteral("https://radio.example/secure"), path(QStringLiteral("Grün.mp3")),
                           path(QStringLiteral("last.mp3")), path(QStringLiteral("Grün.mp3"))}));
}

TEST_F(MusicEngineTest, Shuffle_ScriptedDrawsMapOntoTheOtherEntries)
{
    fill({QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("c.mp3")});
    engine.SetShuffle(true);
    random.push(2); // nothing chosen yet: any of the three
    random.push(0); // after c: a
    random.push(0); // after a: 0 stands for the first other entry, b
    random.push(1); // after b: c

    QStringList names;
    for (int i = 0; i < 4; ++i) {
        engine.NextTrack();
        names << playedName();
    }

    EXPECT_EQ(names, (QStringList{QStringLiteral("c.mp3"), QStringLiteral("a.mp3"), QStringLiteral("b.mp3"),
                                  QStringLiteral("c.mp3")}));
    EXPECT_EQ(random.askedRanges, (QList<int>{3, 2, 2, 2}));
    EXPECT_EQ(random.reseeds, 0);
}

TEST_F(MusicEngineTest, Shuffle_EveryEntryComesUpAndNeverTwiceInARow)
{
    ClockRandomGenerator clock;
    TMusicEngine shuffled(backend, clock);
    shuffled.SetShuffle(true);
    for (const QString &name : {QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("c.mp3")})
        shuffled.AddEntry(file(name));

    QHash<int, int> counts;
    int previous = -1;
    for (int i = 0; i < 900; ++i) {
        shuffled.NextTrack();
        const int current = shuffled.CurrentIndex();
        ASSERT_NE(current, previous) << "at pick " << i;
        ++counts[current];
        previous = current;
    }
    for (int index = 0; index < 3; ++index)
        EXPECT_GT(counts.value(index), 200) << "entry " << index;
}

TEST_F(MusicEngineTest, Shuffle_OneEntryRepeatsAndTwoAlternate)
{
    engine.SetShuffle(true);
    fill({QStringLiteral("only.mp3")});
    engine.NextTrack();
    engine.NextTrack();
    EXPECT_EQ(backend.played().size(), 2);
    EXPECT_TRUE(random.askedRanges.isEmpty());

    fill({QStringLiteral("second.mp3")});
    random.push(0);
    random.push(0);
    engine.NextTrack();
    EXPECT_EQ(playedName(), QStringLiteral("second.mp3"));
    engine.NextTrack();
    EXPECT_EQ(playedName(), QStringLiteral("only.mp3"));
}

TEST_F(MusicEngineTest, Shuffle_IndexBeyondAShorterRebuiltPlaylistDrawsAmongAll)
{
    engine.SetShuffle(true);
    fill({QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("c.mp3")});
    random.push(2);
    engine.NextTrack();
    engine.ClearPlaylist();
    EXPECT_EQ(engine.CurrentIndex(), 2);
    fill({QStringLiteral("a.mp3"), QStringLiteral("b.mp3")});

    random.push(1);
    engine.NextTrack();

    EXPECT_EQ(playedName(), QStringLiteral("b.mp3"));
    EXPECT_EQ(random.askedRanges.last(), 2);
}

TEST_F(MusicEngineTest, InOrderWithoutShuffleAndWrapsAround)
{
    fill({QStringLiteral("a.mp3"), QStringLiteral("b.mp3")});
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        engine.NextTrack();
        names << playedName();
    }
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("a.mp3")}));
    engine.ClearPlaylist();
    engine.NextTrack(); // an empty playlist plays nothing
    EXPECT_EQ(backend.played().size(), 3);
}

TEST_F(MusicEngineTest, EndOfTrack_FiftyMillisecondsBeforeTheEnd)
{
    const QString track = file(QStringLiteral("a.mp3"));
    backend.lengths[track] = 10000;
    engine.PlayTrack(track);
    EXPECT_EQ(engine.LengthMs(), 10000);

    backend.position = 9949;
    engine.CheckEndOfTrack();
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);

    backend.position = 9950;
    engine.CheckEndOfTrack();
    EXPECT_EQ(engine.Status(), TMusicStatus::Ended);
    EXPECT_FALSE(backend.playing);
}

TEST_F(MusicEngineTest, EndOfTrack_WithoutPositionWhenTheBackEndHasFinished)
{
    backend.reportsPosition = false;
    engine.PlayTrack(file(QStringLiteral("a.mod")));
    engine.CheckEndOfTrack();
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
    EXPECT_EQ(engine.PositionMs(), 0);

    backend.playing = false;
    engine.CheckEndOfTrack();
    EXPECT_EQ(engine.Status(), TMusicStatus::Ended);
}

TEST_F(MusicEngineTest, EndOfTrack_WebStreamHasNoEndButEndsWhenItStopsSounding)
{
    const QString stream = QStringLiteral("http://radio.example/live");
    backend.openable << stream;
    backend.lengths[stream] = 0;
    engine.PlayTrack(stream);
    backend.position = 5000;
    engine.CheckEndOfTrack();
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);

    backend.playing = false;
    engine.CheckEndOfTrack();
    EXPECT_EQ(engine.Status(), TMusicStatus::Ended);
}

TEST_F(MusicEngineTest, TrackThatCannotBeOpened_LeavesTheStatusAsItWas)
{
    const QString broken = file(QStringLiteral("broken.ogg"), "not music");
    backend.unopenable << broken;

    engine.PlayTrack(broken);
    EXPECT_EQ(engine.Status(), TMusicStatus::Stopped);
    EXPECT_EQ(engine.Source(), broken);

    const QString good = file(QStringLiteral("good.ogg"));
    backend.lengths[good] = 1000;
    engine.PlayTrack(good);
    backend.position = 990;
    engine.CheckEndOfTrack();
    engine.PlayTrack(broken);
    EXPECT_EQ(engine.Status(), TMusicStatus::Ended);

    // Playing, then a track that fails: nothing sounds, so the next check ends it.
    engine.PlayTrack(good);
    engine.PlayTrack(broken);
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
    engine.CheckEndOfTrack();
    EXPECT_EQ(engine.Status(), TMusicStatus::Ended);
}

TEST_F(MusicEngineTest, Round_UnopenableEntriesArePassedOverEachTriedOnce)
{
    engine.SetShuffle(true);
    fill({QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("c.mp3"), QStringLiteral("d.mp3")});
    backend.unopenable << path(QStringLiteral("b.mp3")) << path(QStringLiteral("d.mp3"));
    random.push(1); // nothing chosen yet: b, which cannot be opened
    random.push(2); // of a, c, d not tried yet: d, which cannot be opened either
    random.push(1); // of a, c: c

    engine.NextTrack();

    EXPECT_EQ(openedNames(), (QStringList{QStringLiteral("b.mp3"), QStringLiteral("d.mp3"), QStringLiteral("c.mp3")}));
    EXPECT_EQ(playedName(), QStringLiteral("c.mp3"));
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
    EXPECT_EQ(random.askedRanges, (QList<int>{4, 3, 2}));
}

TEST_F(MusicEngineTest, Round_NothingOpens_SilentWithoutTryingAgainUntilTheNextTrack)
{
    engine.SetShuffle(true);
    fill({QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("c.mp3")});
    for (const QString &entry : engine.Playlist())
        backend.unopenable << entry;
    random.push(0); // a
    random.push(1); // of b, c: c; then b is the only one left

    engine.NextTrack();

    EXPECT_EQ(openedNames(), (QStringList{QStringLiteral("a.mp3"), QStringLiteral("c.mp3"), QStringLiteral("b.mp3")}));
    EXPECT_EQ(engine.Status(), TMusicStatus::Stopped);
    const auto asked = backend.events.size();
    engine.CheckEndOfTrack();
    EXPECT_EQ(backend.events.size(), asked);

    // Asked again, it tries again.
    backend.unopenable.remove(path(QStringLiteral("b.mp3")));
    random.push(0); // after b: a, which still cannot be opened
    random.push(0); // of b, c: b
    engine.NextTrack();
    EXPECT_EQ(playedName(), QStringLiteral("b.mp3"));
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
}

TEST_F(MusicEngineTest, Round_StreamThatCannotConnectIsPassedOverLikeAnUnopenableFile)
{
    const QString stream = QStringLiteral("http://127.0.0.1:9/radio.ogg");
    backend.openable << stream;
    engine.AddEntry(stream);
    fill({QStringLiteral("broken.mp3"), QStringLiteral("a.mp3")});
    backend.unopenable << path(QStringLiteral("broken.mp3"));

    engine.NextTrack(); // in order: the stream, which connects in the background
    EXPECT_EQ(engine.Source(), stream);
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
    backend.playing = false;
    backend.failed = true;
    engine.CheckEndOfTrack();
    EXPECT_EQ(playedName(), QStringLiteral("a.mp3"));
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);

    // With the working file gone, a failing stream ends the round in silence.
    backend.unopenable << path(QStringLiteral("a.mp3"));
    engine.NextTrack(); // after a: the stream
    backend.playing = false;
    backend.failed = true;
    engine.CheckEndOfTrack();
    EXPECT_EQ(engine.Status(), TMusicStatus::Stopped);
    EXPECT_EQ(openedNames().mid(3), (QStringList{stream, QStringLiteral("broken.mp3"), QStringLiteral("a.mp3")}));
}

TEST_F(MusicEngineTest, EntriesAreFoundWhateverTheCaseOfTheirNames)
{
    const QString real = file(QStringLiteral("Musik/Abend.ogg"));
    engine.AddEntry(file(QStringLiteral("list.m3u"), "musik/ABEND.OGG\n"));

    engine.NextTrack();

    EXPECT_EQ(backend.track, real);
    EXPECT_EQ(engine.Source(), path(QStringLiteral("musik/ABEND.OGG")));
    EXPECT_EQ(engine.Status(), TMusicStatus::Playing);
}

TEST_F(MusicEngineTest, StopTrack_StopsAndNoCheckRevivesIt)
{
    engine.PlayTrack(file(QStringLiteral("a.mp3")));
    engine.StopTrack();
    backend.position = 1000000;
    engine.CheckEndOfTrack();
    EXPECT_EQ(engine.Status(), TMusicStatus::Stopped);
}

} // namespace

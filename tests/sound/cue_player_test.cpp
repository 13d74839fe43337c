#include "sound/cue_player.h"

#include "core/random_generator.h"
#include "sound/fake_audio_backend.h"
#include "sound/sound_files.h"
#include "support/fakes.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SplitCueList, SeparatorRules)
{
    struct Case
    {
        const char *list;
        QStringList names;
    };
    const Case cases[] = {
        {"a.wav;b.wav", {QStringLiteral("a.wav"), QStringLiteral("b.wav")}},
        {"a.wav;", {QStringLiteral("a.wav")}},
        {"a.wav;;b.wav", {QStringLiteral("a.wav"), QStringLiteral(";b.wav")}},
        {"a.wav; b.wav", {QStringLiteral("a.wav"), QStringLiteral(" b.wav")}},
        {";a.wav", {QStringLiteral(";a.wav")}},
        {"a;;", {QStringLiteral("a"), QStringLiteral(";")}},
        {";", {QStringLiteral(";")}},
        {"POP.wav", {QStringLiteral("POP.wav")}},
        {"", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TCuePlayer::SplitCueList(QString::fromLatin1(c.list)), c.names) << '"' << c.list << '"';
}

class CuePlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : {"a.wav", "b.wav", "POP.wav"})
            writeWholeFile(sound(QLatin1String(name)), "RIFF");
    }
    QString sound(const QString &name) const { return sounds.path() + u'/' + name; }

    QTemporaryDir sounds;
    FakeAudioBackend backend;
    ScriptedRandom random;
    RecordingSoundPort beeps;
    TCuePlayer player{backend, random, sounds.path(), &beeps};
};

TEST_F(CuePlayerTest, PlayCue_ReseedsThenDrawsOneOfTheNamesAndPlaysWithoutWaiting)
{
    random.push(1);
    player.PlayCue(QStringLiteral("a.wav;b.wav"));

    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(random.askedRanges, QList<int>{2});
    EXPECT_EQ(backend.cues, QStringList{sound(QStringLiteral("b.wav"))});

    random.push(0);
    player.PlayCue(TCuePlayer::PopCue());
    EXPECT_EQ(backend.cues.last(), sound(QStringLiteral("POP.wav")));
}

TEST_F(CuePlayerTest, PlayCue_EachNameAboutHalfOfTheTime)
{
    ClockRandomGenerator clock;
    TCuePlayer drawing(backend, clock, sounds.path());
    for (int i = 0; i < 400; ++i)
        drawing.PlayCue(QStringLiteral("a.wav;b.wav"));
    const auto a = backend.cues.count(sound(QStringLiteral("a.wav")));
    EXPECT_GT(a, 140);
    EXPECT_LT(a, 260);
    EXPECT_EQ(backend.cues.size(), 400);
}

TEST_F(CuePlayerTest, PlayCue_ChosenNameWithoutFileIsSilentAndTriesNoOther)
{
    random.push(1);
    player.PlayCue(QStringLiteral("a.wav;;b.wav")); // ";b.wav"
    random.push(1);
    player.PlayCue(QStringLiteral("a.wav; b.wav")); // " b.wav"
    random.push(0);
    player.PlayCue(QStringLiteral("missing.wav"));

    EXPECT_TRUE(backend.cues.isEmpty());
    EXPECT_TRUE(backend.failedCues.isEmpty());
    EXPECT_TRUE(beeps.events.isEmpty());

    writeWholeFile(sound(QStringLiteral(" b.wav")), "RIFF");
    random.push(1);
    player.PlayCue(QStringLiteral("a.wav; b.wav"));
    EXPECT_EQ(backend.cues, QStringList{sound(QStringLiteral(" b.wav"))});
}

TEST_F(CuePlayerTest, PlayCue_EmptyListDrawsNothing)
{
    player.PlayCue(QString());
    EXPECT_EQ(random.reseeds, 0);
    EXPECT_TRUE(random.askedRanges.isEmpty());
    EXPECT_TRUE(backend.cues.isEmpty());
}

TEST_F(CuePlayerTest, QuitCue_SynchronousPlayerWaitsAndStaysSynchronous)
{
    player.SetSynchronous(true);
    random.push(0);
    player.PlayCue(QStringLiteral("a.wav"));
    EXPECT_EQ(backend.cues, QStringList{sound(QStringLiteral("a.wav")) + QStringLiteral(" (waited)")});
    EXPECT_TRUE(player.Synchronous());
}

TEST_F(CuePlayerTest, EvaluationSound_PlaysItsFullPathAndBeepsWhenThereIsNoSuchFile)
{
    player.PlaySoundSync(sound(QStringLiteral("a.wav")));
    EXPECT_EQ(backend.cues, QStringList{sound(QStringLiteral("a.wav")) + QStringLiteral(" (waited)")});
    EXPECT_FALSE(player.Synchronous());

    player.PlaySoundSync(sound(QStringLiteral("a.wav;b.wav")));
    player.PlaySoundSync(sound(QString()));
    EXPECT_EQ(backend.failedCues, (QStringList{sound(QStringLiteral("a.wav;b.wav")), sound(QString())}));
    EXPECT_EQ(beeps.events, (QStringList{QStringLiteral("beep"), QStringLiteral("beep")}));
    EXPECT_TRUE(random.askedRanges.isEmpty());
    EXPECT_FALSE(player.Synchronous());
}

TEST_F(CuePlayerTest, FileThePlayerCannotOpenBeepsButNoDeviceStaysSilent)
{
    backend.unopenable << sound(QStringLiteral("a.wav"));
    random.push(0);
    player.PlayCue(QStringLiteral("a.wav"));
    EXPECT_EQ(beeps.events, QStringList{QStringLiteral("beep")});

    backend.deviceOpen = false;
    random.push(0);
    player.PlayCue(QStringLiteral("b.wav"));
    player.PlaySoundSync(sound(QStringLiteral("nothing.wav")));
    EXPECT_EQ(beeps.events.size(), 1);
}

TEST_F(CuePlayerTest, SoundsAreFoundWhateverTheCaseOfTheirNames)
{
    writeWholeFile(sound(QStringLiteral("klick1.wav")), "RIFF");
    random.push(0);
    player.PlayCue(QStringLiteral("Klick1.wav"));
    player.PlaySoundSync(sound(QStringLiteral("KLICK1.WAV")));

    EXPECT_EQ(backend.cues, (QStringList{sound(QStringLiteral("klick1.wav")),
                                         sound(QStringLiteral("klick1.wav")) + QStringLiteral(" (waited)")}));
    EXPECT_TRUE(beeps.events.isEmpty());
}

TEST(FindSoundFile, ExactNameFirstThenAnyCaseAlongTheWholePath)
{
    QTemporaryDir folder;
    const QString root = folder.path();
    writeWholeFile(root + QStringLiteral("/Klaenge/pop.wav"), "RIFF");
    writeWholeFile(root + QStringLiteral("/Klaenge/POP.wav"), "RIFF");

    EXPECT_EQ(FindSoundFile(root + QStringLiteral("/Klaenge/POP.wav")), root + QStringLiteral("/Klaenge/POP.wav"));
    EXPECT_EQ(FindSoundFile(root + QStringLiteral("/klaenge/pop.wav")), root + QStringLiteral("/Klaenge/pop.wav"));
    writeWholeFile(root + QStringLiteral("/Klaenge/weiter.wav"), "RIFF");
    EXPECT_EQ(QFileInfo(FindSoundFile(root + QStringLiteral("/KLAENGE/../klaenge/Weiter.WAV"))).canonicalFilePath(),
              QFileInfo(root + QStringLiteral("/Klaenge/weiter.wav")).canonicalFilePath());
    const QString missing = root + QStringLiteral("/klaenge/none.wav");
    EXPECT_EQ(FindSoundFile(missing), missing);
    EXPECT_EQ(FindSoundFile(QString()), QString());
}

} // namespace

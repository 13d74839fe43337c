#include "core/stored_user_values.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every test gets its own empty config folder.
class StoredUserValuesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_previous); }

    QSettings rawStore(const TStoredUserValues &values) const
    {
        return QSettings(values.settingsFilePath(), QSettings::IniFormat);
    }

    QTemporaryDir m_config;
    QByteArray m_previous;
    const QString m_program = QStringLiteral("/opt/velmora/velmora");
};

} // namespace

TEST_F(StoredUserValuesTest, FreshUserGetsVolume25MusicOnClassBAndNoPoints)
{
    TStoredUserValues values(m_program);
    values.Restore();
    EXPECT_EQ(values.musicVolume, 25);
    EXPECT_FALSE(values.musicOff);
    EXPECT_EQ(values.licenceClass, QStringLiteral("B"));
    EXPECT_TRUE(values.pimpPoints.isEmpty());
    EXPECT_TRUE(values.settingsFilePath().startsWith(m_config.path()));
    EXPECT_TRUE(values.settingsFilePath().endsWith(QStringLiteral("/velmora.ini")));
}

TEST_F(StoredUserValuesTest, WrittenValuesComeBackWithPointsScrambled)
{
    TStoredUserValues written(m_program);
    written.musicVolume = 60;
    written.musicOff = true;
    written.licenceClass = QStringLiteral("CE");
    written.pimpPoints = QStringLiteral("-20");
    written.exeName = m_program;
    written.Write();

    QSettings raw(written.settingsFilePath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("TBrowseForm/VolumeLabel_Caption")).toString(), QStringLiteral("60"));
    EXPECT_EQ(raw.value(QStringLiteral("TBrowseForm/VolumeLabel_Tag")).toString(), QStringLiteral("1"));
    EXPECT_EQ(raw.value(QStringLiteral("TBrowseForm/AktKlasseLabel_Caption")).toString(), QStringLiteral("CE"));
    const QString storedPoints = raw.value(QStringLiteral("TBrowseForm/PimpPoints")).toString();
    EXPECT_EQ(storedPoints.size(), 6);
    EXPECT_NE(storedPoints, QStringLiteral("-20"));

    TStoredUserValues read(m_program);
    read.Restore();
    EXPECT_EQ(read.musicVolume, 60);
    EXPECT_TRUE(read.musicOff);
    EXPECT_EQ(read.licenceClass, QStringLiteral("CE"));
    EXPECT_EQ(read.pimpPoints, QStringLiteral("-20"));
    EXPECT_EQ(read.exeName, m_program);
}

TEST_F(StoredUserValuesTest, UnconvertibleValuesKeepTheHeldOnesAndAStoredClassMustBeAClassCode)
{
    const auto restoredClass = [this](const QString &stored) {
        {
            QSettings raw(TStoredUserValues(m_program).settingsFilePath(), QSettings::IniFormat);
            raw.setValue(QStringLiteral("TBrowseForm/AktKlasseLabel_Caption"), stored);
        }
        TStoredUserValues values(m_program);
        values.licenceClass = QStringLiteral("T");
        values.Restore();
        return values.licenceClass;
    };
    EXPECT_EQ(restoredClass(QStringLiteral("MO")), QStringLiteral("MO"));
    EXPECT_EQ(restoredClass(QStringLiteral(" C1 ")), QStringLiteral("C1"));
    for (const char *junk : {"b", "X", "", "BE", "B;A", "MOO"})
        EXPECT_EQ(restoredClass(QString::fromLatin1(junk)), QStringLiteral("B")) << junk;

    {
        QSettings raw(TStoredUserValues(m_program).settingsFilePath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("TBrowseForm/VolumeLabel_Tag"), QStringLiteral("x"));
        raw.setValue(QStringLiteral("TBrowseForm/VolumeLabel_Caption"), QStringLiteral("laut"));
    }
    TStoredUserValues values(m_program);
    values.musicVolume = 40;
    values.Restore();
    EXPECT_FALSE(values.musicOff);
    EXPECT_EQ(values.musicVolume, 40);

    {
        QSettings raw(values.settingsFilePath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("TBrowseForm/FormVersion"), QStringLiteral("-1"));
        raw.setValue(QStringLiteral("TBrowseForm/AktKlasseLabel_Caption"), QStringLiteral("T"));
    }
    TStoredUserValues skipped(m_program);
    skipped.Restore();
    EXPECT_EQ(skipped.licenceClass, QStringLiteral("B"));

    // Once written, the values count again at the next start.
    skipped.licenceClass = QStringLiteral("T");
    skipped.Write();
    EXPECT_EQ(rawStore(skipped).value(QStringLiteral("TBrowseForm/FormVersion")).toString(), QStringLiteral("0"));
    TStoredUserValues next(m_program);
    next.Restore();
    EXPECT_EQ(next.licenceClass, QStringLiteral("T"));
}

TEST_F(StoredUserValuesTest, CorruptedPointsAreRestoredAsNoPoints)
{
    {
        QSettings raw(TStoredUserValues(m_program).settingsFilePath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("TBrowseForm/PimpPoints"), QStringLiteral("zz11"));
    }
    TStoredUserValues values(m_program);
    values.pimpPoints = QStringLiteral("7");
    values.Restore();
    EXPECT_TRUE(values.pimpPoints.isEmpty());
}

TEST(PointsScrambling, RoundTripsAndUsesTwoLowerCaseHexDigitsPerCharacter)
{
    for (const char *number : {"0", "150", "-20", "2147483647", "-2147483648", "12345678901"}) {
        const QString text = QString::fromLatin1(number);
        const QString hex = TStoredUserValues::ScramblePoints(text);
        EXPECT_EQ(hex.size(), 2 * text.size());
        EXPECT_EQ(hex, hex.toLower());
        EXPECT_EQ(TStoredUserValues::UnscramblePoints(hex), text);
    }
}

TEST(PointsScrambling, OddLastDigitIsDroppedAndANonHexPairCountsAs32)
{
    const QString hex = TStoredUserValues::ScramblePoints(QStringLiteral("42"));
    EXPECT_EQ(TStoredUserValues::UnscramblePoints(hex + u'7'), QStringLiteral("42"));
    const QString withBadPair = TStoredUserValues::UnscramblePoints(hex.left(2) + QStringLiteral("zz"));
    ASSERT_EQ(withBadPair.size(), 2);
    EXPECT_EQ(withBadPair.at(0), u'4');
    // The bad pair is taken as 32 before the key is applied, so it decodes to 32 XOR key character 1,
    // which scrambling a "0" at position 1 reveals.
    const int keyCharacter1 = TStoredUserValues::ScramblePoints(QStringLiteral("00")).mid(2, 2).toInt(nullptr, 16) ^ '0';
    EXPECT_EQ(withBadPair.at(1).unicode(), 32 ^ keyCharacter1);
}

#include "core/velmora_error.h"
#include "core/version_ini.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

namespace {

QString amountError(const QString &text)
{
    return errorOf([&] { ParseAmount(text); });
}

} // namespace

TEST(VersionIni, KeysIgnoreCaseAndTheFirstLineOfAKeyWins)
{
    const TVersionIni ini(QByteArrayLiteral("int3=70\r\nInt1=5\r\nINT1=9\r\n"));
    EXPECT_EQ(ini.value(QStringLiteral("Int3")), QStringLiteral("70"));
    EXPECT_EQ(ini.value(QStringLiteral("Int1")), QStringLiteral("5"));
    EXPECT_EQ(ini.value(QStringLiteral("Int2")), QString());
}

TEST(VersionIni, BlanksBesideTheEqualsSignBelongToKeyAndValue)
{
    const TVersionIni ini(QByteArrayLiteral("Int1 = 5\nshowgoodbyeform= yes\n"));
    EXPECT_FALSE(ini.contains(QStringLiteral("Int1")));
    EXPECT_EQ(ini.value(QStringLiteral("Int1 ")), QStringLiteral(" 5"));
    EXPECT_EQ(ini.value(QStringLiteral("showgoodbyeform")), QStringLiteral(" yes"));
}

TEST(VersionIni, LinesEndAtCrLfCrOrLfAndNulEndsTheText)
{
    static const char bytes[] = "a=1\rb=2\nc=3\r\nd=4\0e=5\n";
    const TVersionIni ini(QByteArray(bytes, sizeof bytes - 1));
    EXPECT_EQ(ini.value(QStringLiteral("a")), QStringLiteral("1"));
    EXPECT_EQ(ini.value(QStringLiteral("b")), QStringLiteral("2"));
    EXPECT_EQ(ini.value(QStringLiteral("c")), QStringLiteral("3"));
    EXPECT_EQ(ini.value(QStringLiteral("d")), QStringLiteral("4"));
    EXPECT_FALSE(ini.contains(QStringLiteral("e")));
}

TEST(VersionIni, ValuesAreWindows1252AndTheValueRunsFromTheFirstEqualsSign)
{
    const TVersionIni ini(QByteArrayLiteral("snd_pop=gr\xFC\xDF.wav\nlink=http://x/?a=b\nno equals sign\n"));
    EXPECT_EQ(ini.value(QStringLiteral("snd_pop")), QStringLiteral("grüß.wav"));
    EXPECT_EQ(ini.value(QStringLiteral("link")), QStringLiteral("http://x/?a=b"));
}

TEST(VersionIni, MissingFileGivesNoKeys)
{
    const TVersionIni ini = TVersionIni::fromFile(QStringLiteral("/nonexistent/version.ini"));
    EXPECT_FALSE(ini.contains(QStringLiteral("Int1")));
}

TEST(ParseAmount, AcceptsSignedDecimalsWithLeadingBlanksOnly)
{
    EXPECT_EQ(ParseAmount(QStringLiteral("70")), 70);
    EXPECT_EQ(ParseAmount(QStringLiteral("  -50")), -50);
    EXPECT_EQ(ParseAmount(QStringLiteral("+5")), 5);
    EXPECT_EQ(ParseAmount(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(amountError(QString()), QStringLiteral("'' ist kein gültiger Integerwert"));
    EXPECT_EQ(amountError(QStringLiteral("5 ")), QStringLiteral("'5 ' ist kein gültiger Integerwert"));
    EXPECT_EQ(amountError(QStringLiteral("12a")), QStringLiteral("'12a' ist kein gültiger Integerwert"));
    EXPECT_EQ(amountError(QStringLiteral("2147483648")), QStringLiteral("'2147483648' ist kein gültiger Integerwert"));
}

#include "exam/text_group_file.h"

#include <gtest/gtest.h>

TEST(TextGroupFile, WritesEveryTextWithItsSeparatorInWindows1252AndCrLf)
{
    EXPECT_EQ(TextGroupFileBytes({QStringLiteral("A %s"), QStringLiteral("B")}), QByteArray("A %s;B;\r\n"));
    EXPECT_EQ(TextGroupFileBytes({}), QByteArray(";\r\n"));
    EXPECT_EQ(TextGroupFileBytes({QStringLiteral("Grüße €"), QStringLiteral("zwei\r\nZeilen")}),
              QByteArray("Gr\xFC\xDF" "e \x80;zwei\r\nZeilen;\r\n"));
    // What Windows-1252 cannot hold is lost, not garbled into several bytes.
    EXPECT_EQ(TextGroupFileBytes({QStringLiteral("\u0416")}), QByteArray("?;\r\n"));
}

TEST(TextGroupFile, ReadsTextsAtEachSeparatorWithTheFileEndsOfTheFormat)
{
    const QStringList two{QStringLiteral("A %s"), QStringLiteral("B")};
    EXPECT_EQ(TextsOfTextGroupFile("A %s;B;\r\n"), two);
    EXPECT_EQ(TextsOfTextGroupFile("A %s;B;"), two);
    // After the last separator the rest of the file is one more text, its line break included.
    EXPECT_EQ(TextsOfTextGroupFile("a;b"), (QStringList{QStringLiteral("a"), QStringLiteral("b\r\n")}));
    EXPECT_EQ(TextsOfTextGroupFile("ganz ohne Trenner\r\n"), QStringList{QStringLiteral("ganz ohne Trenner\r\n")});
    EXPECT_EQ(TextsOfTextGroupFile(";\r\n"), QStringList{QString()});
    EXPECT_EQ(TextsOfTextGroupFile(""), QStringList{QString()});
}

TEST(TextGroupFile, ReadsWindows1252AndAnyLineBreakAsCrLf)
{
    EXPECT_EQ(TextsOfTextGroupFile("Gr\xFC\xDF" "e \x80;eins\nzwei\rdrei\r\nvier;"),
              (QStringList{QStringLiteral("Grüße €"), QStringLiteral("eins\r\nzwei\r\ndrei\r\nvier")}));
}

TEST(TextGroupFile, TextsWrittenAndReadAgainAreTheSame)
{
    const QStringList texts{QStringLiteral("Hallo %s!"), QStringLiteral("Zeile eins\r\nZeile zwei"),
                            QString(), QStringLiteral("Äpfel, Öl und Übermut: ß")};
    EXPECT_EQ(TextsOfTextGroupFile(TextGroupFileBytes(texts)), texts);
}

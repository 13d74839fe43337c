#include "exam/next_token.h"

#include <gtest/gtest.h>

namespace {

QString token(const QString &text, int &position, const QString &delimiter)
{
    return NextToken(text, position, delimiter);
}

} // namespace

TEST(NextToken, CutsTheNumberTemplateAtTheScoringDelimiters)
{
    const QString text = QStringLiteral("Anhalteweg (Lsg: 42) m");
    int position = 1;
    EXPECT_EQ(token(text, position, QStringLiteral("Lsg: ")), QStringLiteral("Anhalteweg ("));
    EXPECT_EQ(position, 18);
    EXPECT_EQ(token(text, position, QStringLiteral(")")), QStringLiteral("42"));
    EXPECT_EQ(position, 21);
    EXPECT_EQ(token(text, position, QStringLiteral(")")), QStringLiteral(" m"));
    EXPECT_EQ(position, int(text.size()) + 1);
}

TEST(NextToken, CutsTheNumberTemplateAtTheScreenDelimiters)
{
    const QString text = QStringLiteral("Anhalteweg (Lsg: 42) m");
    int position = 1;
    EXPECT_EQ(token(text, position, QStringLiteral("(Lsg:")), QStringLiteral("Anhalteweg "));
    EXPECT_EQ(token(text, position, QStringLiteral(")")), QStringLiteral(" 42"));
    EXPECT_EQ(token(text, position, QStringLiteral(")")), QStringLiteral(" m"));
}

TEST(NextToken, DelimiterAtThePositionGivesAnEmptyToken)
{
    int position = 1;
    EXPECT_EQ(token(QStringLiteral(";;a"), position, QStringLiteral(";")), QString());
    EXPECT_EQ(position, 2);
    EXPECT_EQ(token(QStringLiteral(";;a"), position, QStringLiteral(";")), QString());
    EXPECT_EQ(position, 3);
    EXPECT_EQ(token(QStringLiteral(";;a"), position, QStringLiteral(";")), QStringLiteral("a"));
    EXPECT_EQ(position, 4);
}

TEST(NextToken, MissingOrEmptyDelimiterTakesTheRest)
{
    int position = 3;
    EXPECT_EQ(token(QStringLiteral("abcdef"), position, QStringLiteral("x")), QStringLiteral("cdef"));
    EXPECT_EQ(position, 7);
    position = 2;
    EXPECT_EQ(token(QStringLiteral("abcdef"), position, QString()), QStringLiteral("bcdef"));
    EXPECT_EQ(position, 7);
    // Past the end there is nothing left.
    EXPECT_EQ(token(QStringLiteral("abcdef"), position, QStringLiteral("a")), QString());
    EXPECT_EQ(position, 7);
    position = 40;
    EXPECT_EQ(token(QStringLiteral("abcdef"), position, QStringLiteral("a")), QString());
    EXPECT_EQ(position, 7);
}

TEST(NextToken, SearchesFromThePositionOnwardAndCaseSensitive)
{
    int position = 3;
    EXPECT_EQ(token(QStringLiteral("a)b)c"), position, QStringLiteral(")")), QStringLiteral("b"));
    EXPECT_EQ(position, 5);
    position = 1;
    EXPECT_EQ(token(QStringLiteral("x lsg: 1"), position, QStringLiteral("Lsg: ")),
              QStringLiteral("x lsg: 1"));
}

TEST(NextToken, EmptyTextLeavesThePositionAlone)
{
    int position = 5;
    EXPECT_EQ(token(QString(), position, QStringLiteral(")")), QString());
    EXPECT_EQ(position, 5);
}

TEST(NextToken, PositionBelowOneCountsAsOne)
{
    int position = -3;
    EXPECT_EQ(token(QStringLiteral("ab|c"), position, QStringLiteral("|")), QStringLiteral("ab"));
    EXPECT_EQ(position, 4);
}

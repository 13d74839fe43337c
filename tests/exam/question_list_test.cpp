#include "exam/question_list.h"

#include <gtest/gtest.h>

TEST(QuestionList, EveryKindOfLineBreakEndsALine)
{
    const QList<int> expected = {12, 7, 3};
    for (const char *text : {"12\r\n7\r\n3\r\n", "12\r\n7\r\n3", "12\n7\n3\n", "12\r7\r3", "12\r\n7\n3\r"})
        EXPECT_EQ(QuestionIdsOfList(QString::fromLatin1(text)), expected) << text;
}

TEST(QuestionList, EmptyAndMalformedLinesAreLeftOut)
{
    EXPECT_EQ(QuestionIdsOfList(
                  QStringLiteral("\r\n12\r\n\r\n\n7x\r\n 7\r\n7 \r\n0x10\r\n1e3\r\n-\r\n+5\r\n9\r\n\r\n")),
              (QList<int>{12, 5, 9}));
    EXPECT_EQ(QuestionIdsOfList(QStringLiteral("2147483647\r\n2147483648\r\n-2147483648\r\n99999999999")),
              (QList<int>{2147483647, -2147483648}));
    EXPECT_TRUE(QuestionIdsOfList(QString()).isEmpty());
    EXPECT_TRUE(QuestionIdsOfList(QStringLiteral("\r\n\r\n")).isEmpty());
}

#include "common/ansitext.h"
#include "common/numbers.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(Numbers, LeadingNumberIsLenient)
{
    EXPECT_EQ(leadingNumber(QStringLiteral("5")), 5);
    EXPECT_EQ(leadingNumber(QStringLiteral("  12abc")), 12);
    EXPECT_EQ(leadingNumber(QStringLiteral("1.5 Sek.")), 1.5);
    EXPECT_EQ(leadingNumber(QStringLiteral("-3")), -3);
    EXPECT_EQ(leadingNumber(QStringLiteral("x")), 0);
    EXPECT_EQ(leadingNumber(QString()), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral(".")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("2e3x")), 2000);
    EXPECT_EQ(leadingNumber(QStringLiteral("1e999999")), 1); // an exponent that overflows is not taken
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.4), 0);
}

TEST(AnsiText, ListFilesReadInEveryEncodingTheUserMayHaveSaved)
{
    EXPECT_EQ(decodeListFile(QByteArray("Gr\xfc\xdf" "e\r\n")), QStringLiteral("Grüße\r\n"));
    EXPECT_EQ(decodeListFile(QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e")), QStringLiteral("Grüße"));
    EXPECT_EQ(decodeListFile(QByteArray("\xFF\xFE" "R\0o\0c\0k\0", 10)), QStringLiteral("Rock"));
    EXPECT_EQ(splitListLines(QStringLiteral("a\r\nb\n\r\nc\rd\r\n")), (QStringList{"a", "b", "", "c", "d"}));

    QByteArray bytes;
    EXPECT_TRUE(encodeAnsi(QStringLiteral("Ärzte €"), bytes));
    EXPECT_EQ(bytes, QByteArray("\xC4rzte \x80"));
    EXPECT_FALSE(encodeAnsi(QStringLiteral("Ωmega"), bytes));
}

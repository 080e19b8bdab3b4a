#include "PasswordScrambler.h"

#include <gtest/gtest.h>

TEST(PasswordScrambler, EncodesAndDecodes)
{
    struct Case {
        QString plain;
        QString stored;
    } cases[] = {
        {QStringLiteral("abc"), QStringLiteral("0066006C0072")},
        {QString(), QString()},
        {QStringLiteral("ｱ"), QStringLiteral("00B6")}, // half-width katakana is one byte (B1H)
        {QStringLiteral("p@ss w0rd!"), QString()},
    };
    for (const Case& c : cases) {
        const Result<QString> encoded = EncodePassword(c.plain);
        ASSERT_TRUE(encoded.ok()) << c.plain.toStdString();
        if (!c.stored.isNull()) {
            EXPECT_EQ(*encoded, c.stored);
        }
        EXPECT_EQ(DecodePassword(*encoded), c.plain);
    }
    EXPECT_EQ(DecodePassword(QString()), QString());
}

TEST(PasswordScrambler, RefusesCharactersWithoutASingleByteCode)
{
    for (const QString& plain : {QStringLiteral("パス"), QStringLiteral("ab漢"), QStringLiteral("é")}) {
        const Result<QString> encoded = EncodePassword(plain);
        EXPECT_FALSE(encoded.ok()) << plain.toStdString();
        EXPECT_FALSE(encoded.error().isEmpty());
    }
}

TEST(PasswordScrambler, DecodesOddLengthsByRoundingTheGroupCount)
{
    // 6 characters: 1.5 groups round to 2, the second group is the short "6C".
    EXPECT_EQ(DecodePassword(QStringLiteral("00666C")), QStringLiteral("a") + QChar(0x6C - 10));
    // 10 characters: 2.5 groups round to 2 (half to even).
    EXPECT_EQ(DecodePassword(QStringLiteral("0066006C00")), QStringLiteral("ab"));
    // Groups that are not hexadecimal are skipped, not decoded to junk.
    EXPECT_EQ(DecodePassword(QStringLiteral("zzzz006C")), QStringLiteral("b"));
}

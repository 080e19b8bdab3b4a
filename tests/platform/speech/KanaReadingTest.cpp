#include "KanaReading.h"

#include <gtest/gtest.h>

TEST(KanaReading, ReadsKanjiAsKanaAndTheCommaAsAPause)
{
    KanaReader reader;
    ASSERT_TRUE(reader.open()) << "the reading dictionary is part of the installation";
    const struct {
        const char* text;
        const char* reading;
    } cases[] = {
        {"テレビ,電源", "テレビ、デンゲン"},
        {"照明,入り", "ショーメイ、ハイリ"},
        {"今日は", "キョーワ"},
        {"エアコン,", "エアコン、"},
        {"未登録,電源", "ミトーロク、デンゲン"},
        {"チャンネル 12", "チャンネル 12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reader.reading(QString::fromUtf8(c.text)), QString::fromUtf8(c.reading)) << c.text;
}

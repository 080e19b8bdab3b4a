#include "RasErrorText.h"

#include <gtest/gtest.h>

TEST(RasErrorText, KnownAndUnknownNumbers)
{
    const struct {
        int number;
        const char16_t* text;
    } cases[] = {
        {601, u"ポートが開けません"},
        {638, u"タイムアウト"},
        {676, u"回線がビジーです"},
        {678, u"応答がありません"},
        {691, u"ユーザー名もしくはパスワードが間違っています"},
        {692, u"ハードウエアエラーが発生しました"},
        {623, u"不明なエラーが発生しました"},
        {-2, u"不明なエラーが発生しました"},
        {0, u"不明なエラーが発生しました"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RasErrorText(c.number), QString::fromUtf16(c.text)) << c.number;
}

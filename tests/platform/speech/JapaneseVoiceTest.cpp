#include "JapaneseVoice.h"

#include "EspeakVoice.h"

#include "WavFile.h"

#include <gtest/gtest.h>

namespace {

double seconds(const SpeechAudio& a)
{
    return double(a.samples.size()) / a.sampleRate;
}

} // namespace

TEST(JapaneseVoice, SpeaksKanjiFromItsReading)
{
    JapaneseVoice voice;
    ASSERT_TRUE(voice.open());
    const Result<SpeechAudio> kanji = voice.synthesize(QStringLiteral("電源"));
    const Result<SpeechAudio> kana = voice.synthesize(QStringLiteral("デンゲン"));
    const Result<SpeechAudio> asWritten = EspeakVoice::synthesize(QStringLiteral("電源"));
    ASSERT_TRUE(kanji && kana && asWritten);
    // Read from its kana, the kanji sound like the kana (the voice varies a little from one speech to
    // the next); read as written they come out as English words for a Chinese letter, far longer.
    EXPECT_NEAR(seconds(*kanji), seconds(*kana), 0.05 * seconds(*kana));
    EXPECT_GT(seconds(*asWritten), 2 * seconds(*kanji));
    EXPECT_GT(measureLevel(kanji->samples).rms, 500);
}

TEST(JapaneseVoice, TheCommaIsAPauseAndLongerTextTakesLonger)
{
    JapaneseVoice voice;
    ASSERT_TRUE(voice.open());
    const Result<SpeechAudio> joined = voice.synthesize(QStringLiteral("テレビデンゲン"));
    const Result<SpeechAudio> paused = voice.synthesize(QStringLiteral("テレビ,デンゲン"));
    const Result<SpeechAudio> longer = voice.synthesize(QStringLiteral("テレビ,デンゲン,チャンネル,オンリョー"));
    ASSERT_TRUE(joined && paused && longer);
    EXPECT_GT(seconds(*paused), seconds(*joined) + 0.1);
    EXPECT_GT(seconds(*longer), seconds(*paused) * 1.5);
}

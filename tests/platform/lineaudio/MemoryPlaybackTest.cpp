#include "MemoryPlayback.h"

#include "WaitUntil.h"

#include <gtest/gtest.h>

TEST(MemoryPlaybackTest, PlaysInRealTimeAndHandsOverWhatWasPlayed)
{
    QByteArray heard;
    QStringList states;
    MemoryPlayback playback([&](const QByteArray& s, const QString&) { heard += s; },
                            [&](bool on, const QString& name) { states << (on ? u"on "_qs : u"off "_qs) + name; });
    ASSERT_TRUE(playback.load(QByteArray(1600, '\5'), QStringLiteral("x.wav"))); // 0.1 s
    playback.play();
    EXPECT_TRUE(playback.isPlaying());
    ASSERT_TRUE(waitUntil([&] { return !playback.isPlaying(); }));
    EXPECT_EQ(heard.size(), 1600);
    EXPECT_EQ(states, (QStringList{"on x.wav", "off x.wav"}));
}

TEST(MemoryPlaybackTest, AStoppedSoundHandsOverOnlyWhatWasPlayed)
{
    QByteArray heard;
    MemoryPlayback playback([&](const QByteArray& s, const QString&) { heard += s; }, {});
    ASSERT_TRUE(playback.load(QByteArray(160000, '\5'), QString())); // 10 s
    playback.play();
    playback.stop();
    EXPECT_FALSE(playback.isPlaying());
    EXPECT_LT(heard.size(), 160000);
}

#include "MemoryCapture.h"

#include "WaitUntil.h"

#include <gtest/gtest.h>

namespace {

QByteArray ramp(int bytes)
{
    QByteArray out(bytes, 0);
    for (int i = 0; i + 1 < bytes; i += 2) {
        out[i] = char(i / 2 & 0xff);
        out[i + 1] = 0x10;
    }
    return out;
}

} // namespace

TEST(MemoryCaptureTest, NotifiesEachPositionInTurnWithTheSoundBehindIt)
{
    QByteArray voice = ramp(16000);
    qsizetype taken = 0;
    MemoryCapture capture(
        [&](int bytes) {
            const QByteArray part = voice.mid(taken, bytes);
            taken += part.size();
            return part;
        },
        {}, false);
    const int size = 3200; // 200 ms of 16-bit sound
    ASSERT_TRUE(capture.createBuffer(WaveFormat::line(), size).ok());
    capture.setNotificationPositions({0, size / 2});
    QList<int> seen;
    QByteArray firstHalf;
    QObject::connect(&capture, &LineCapture::notified, [&](int i) {
        if (seen.isEmpty())
            firstHalf = capture.read(0, size / 2);
        seen.append(i);
    });
    capture.start();
    ASSERT_TRUE(waitUntil([&] { return seen.size() >= 4; }));
    capture.stop();
    EXPECT_EQ(seen.mid(0, 4), (QList<int>{1, 0, 1, 0}));
    EXPECT_EQ(firstHalf, voice.left(size / 2));
}

TEST(MemoryCaptureTest, EightBitIsOfferedWhenSixteenIsRefused)
{
    MemoryCapture capture({}, {}, true);
    EXPECT_FALSE(capture.createBuffer(WaveFormat::line(), 32000).ok());
    ASSERT_TRUE(capture.createBuffer(WaveFormat::line8Bit(), 16000).ok());
    EXPECT_EQ(capture.format().blockAlign(), 1);
    EXPECT_EQ(capture.read(0, 4), QByteArray(4, char(0x80))); // 8-bit silence
}

#include "Transmission.h"

#include "MonotonicClock.h"
#include "RecordingPort.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TransmissionTest : public ::testing::Test {
protected:
    QString file(const QByteArray& text)
    {
        const QString path = dir.filePath("signal.rmt");
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text);
        return path;
    }
    QTemporaryDir dir;
    RecordingPort port;
};

using Bytes = std::vector<std::uint8_t>;

TEST_F(TransmissionTest, DryPassThenReplayWithTheOutputBytes)
{
    const QString path = file(" 0 , 1 \r\n .00001 , 0 \r\n .00002 , 1 \r\n .00003 , 0 \r\n");
    const SendOutcome outcome = sendSignal(port, u"278", path);
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.records, 4u);
    // Dry pass: 2 per record then 0; reset; replay: 0 1 0 1 then 0; reset.
    EXPECT_EQ(port.writesTo(0x278), (Bytes{2, 2, 2, 2, 0, 0, 0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(port.writesTo(0x378), (Bytes{0, 0}));
    EXPECT_EQ(port.writesTo(0x3BC), (Bytes{0, 0}));
    EXPECT_EQ(port.registers[0x27A] & 0x20, 0) << "data lines driven";
}

TEST_F(TransmissionTest, EmptyAndSingleRecordFiles)
{
    struct Case {
        QByteArray text;
        Bytes data;
    } cases[] = {
        {"", {0, 0, 0, 0}},
        {" 0 , 0 \r\n", {2, 0, 0, 1, 0, 0}},
        {" 0 , 1 \r\n", {2, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        port.writes.clear();
        EXPECT_TRUE(sendSignal(port, u"378", file(c.text)).ok);
        EXPECT_EQ(port.writesTo(0x378), c.data) << c.text.constData();
    }
}

TEST_F(TransmissionTest, BadAddressReplaysNothingButResetsThePorts)
{
    const QString path = file(" 0 , 1 \r\n .00001 , 0 \r\n");
    for (QStringView base : {u"", u"37A", u"378 "}) {
        port.writes.clear();
        EXPECT_FALSE(sendSignal(port, base, path).ok);
        for (std::uint16_t data : {0x378, 0x278, 0x3BC})
            EXPECT_EQ(port.writesTo(data), (Bytes{0}));
    }
}

TEST_F(TransmissionTest, UnreadableFileTouchesNoRegister)
{
    for (const QByteArray& text : {QByteArray(" 0 , 1 \r\n garbage \r\n"), QByteArray("0;1\r\n")}) {
        port.writes.clear();
        const SendOutcome outcome = sendSignal(port, u"378", file(text));
        EXPECT_FALSE(outcome.ok);
        EXPECT_FALSE(outcome.error.isEmpty());
        EXPECT_TRUE(port.writes.empty());
    }
    EXPECT_FALSE(sendSignal(port, u"378", dir.filePath("missing")).ok);
    EXPECT_TRUE(port.writes.empty());
}

// A port whose data writes stall once for a long time, as a preempted thread would.
class StallingPort : public RecordingPort {
public:
    void PortOut(std::uint16_t port, std::uint8_t value) override
    {
        RecordingPort::PortOut(port, value);
        if (port == 0x378 && value == 1 && ++litWrites == 2) // in the replay
            MonotonicClock::spinUntil(MonotonicClock::now() + 2'000'000);
    }
    int litWrites = 0;
};

TEST_F(TransmissionTest, AfterAStallTheLevelDueNowIsWritten)
{
    // Runs of 100 µs: a 2 ms stall at the third write skips the edges it missed.
    QByteArray text;
    for (int i = 0; i < 60; ++i)
        text += QByteArray::number(i * 0.0001) + " , " + QByteArray::number(i % 2 == 0 ? 1 : 0) + "\r\n";
    StallingPort stalling;
    const SendOutcome outcome = sendSignal(stalling, u"378", file(text));
    ASSERT_TRUE(outcome.ok);
    EXPECT_GE(outcome.lateness.stalls, 1u);
    const Bytes data = stalling.writesTo(0x378);
    // Dry pass (60 × 2, 0), reset 0, then far fewer than 60 replay writes, and the final 0s.
    const std::size_t replayWrites = data.size() - 61 - 1 - 2;
    EXPECT_LT(replayWrites, 50u);
    EXPECT_GT(outcome.lateness.maxNs, 0);
}

} // namespace

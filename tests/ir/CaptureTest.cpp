#include "Capture.h"

#include "MonotonicClock.h"
#include "PortIo.h"
#include "RecordingPort.h"
#include "SignalFile.h"
#include "VirtualModule.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(kOld);
    }
    QByteArray content() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static constexpr const char* kOld = " 0 , 1 \r\n 0.5 , 0 \r\n";
    QTemporaryDir dir;
    QString path = dir.filePath("temp.rmt");
};

// Notes what the capture shows, in order.
class ObserverLog : public CaptureObserver {
public:
    void recording() override
    {
        steps << "recording";
        if (onRecording)
            onRecording();
    }
    void pleaseWait() override { steps << "wait"; }
    void signalCaptured(const std::vector<double>& times, const std::vector<std::uint8_t>& levels) override
    {
        steps << QStringLiteral("signal %1").arg(times.size());
        EXPECT_EQ(times.size(), levels.size());
    }
    void carrierEstimated(double kHz) override
    {
        steps << "carrier";
        carrier = kHz;
    }
    std::function<void()> onRecording; // the remote is pressed once sampling starts
    QStringList steps;
    double carrier = -1;
};

TEST_F(CaptureTest, MissingDriverStopsBeforeAnyPortAccess)
{
    RecordingPort port;
    port.installed = false;
    const CaptureOutcome outcome = captureSignal(port, u"378", path, nullptr);
    EXPECT_EQ(outcome.failure, CaptureOutcome::Failure::Driver);
    EXPECT_EQ(outcome.error, "IO.dll not properly istalled.\nno port here");
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(content(), kOld);
}

TEST_F(CaptureTest, AddressOfNoBaseSamplesNothing)
{
    RecordingPort port;
    for (QStringView base : {u"", u"0x378", u"3bc"}) {
        EXPECT_EQ(captureSignal(port, base, path, nullptr).failure, CaptureOutcome::Failure::Address);
        EXPECT_TRUE(port.writes.empty());
    }
    EXPECT_EQ(content(), kOld);
}

TEST_F(CaptureTest, PortTooFastForTheSampleStoreKeepsTheOldFile)
{
    RecordingPort port; // reads in nanoseconds: three seconds would need far more than 5,000,000 samples
    ObserverLog log;
    const CaptureOutcome outcome = captureSignal(port, u"278", path, &log);
    EXPECT_EQ(outcome.failure, CaptureOutcome::Failure::SampleCount);
    EXPECT_TRUE(log.steps.isEmpty());
    EXPECT_EQ(content(), kOld);
    // Receive set-up on 278 only, then every base reset.
    EXPECT_EQ(port.writesTo(0x27A), (std::vector<std::uint8_t>{0x00, 0x20, 0x00}));
    EXPECT_EQ(port.writesTo(0x278), (std::vector<std::uint8_t>{2, 0}));
    EXPECT_EQ(port.writesTo(0x378), (std::vector<std::uint8_t>{0}));
}

TEST(CaptureCount, ThreeSecondsInWholeTensOfThousandsHalvesToEven)
{
    EXPECT_EQ(sampleCountFor(0.01), 3'000'000);
    EXPECT_EQ(sampleCountFor(3.0 / 2.5), 20'000);
    EXPECT_EQ(sampleCountFor(3.0 / 3.5), 40'000);
    EXPECT_EQ(sampleCountFor(0), 0);
}

TEST_F(CaptureTest, VirtualRemoteFrameIsLearnedWithItsCarrier)
{
    VirtualModule::instance().reset();
    const auto port = makePortIo(QStringLiteral("sim"));
    ObserverLog log;
    log.onRecording = [] {
        VirtualModule::instance().remote().press(IrFrame{Protocol::RC5, 0x05, 0x35},
                                                 MonotonicClock::now() + 400'000'000, {40, 0.5, 0, {}});
    };
    const CaptureOutcome outcome = captureSignal(*port, u"378", path, &log);
    ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
    ASSERT_GT(outcome.keptRuns, 2u);
    EXPECT_NEAR(outcome.carrierKHz, 40, 1.2);
    EXPECT_EQ(log.carrier, outcome.carrierKHz);
    ASSERT_EQ(log.steps.size(), 4);
    EXPECT_EQ(log.steps[0], "recording");
    EXPECT_EQ(log.steps[1], "wait");
    EXPECT_EQ(log.steps[2], QStringLiteral("signal %1").arg(outcome.keptRuns));
    const auto records = readSignalFile(path);
    ASSERT_TRUE(records.ok());
    ASSERT_EQ(records->size(), outcome.keptRuns);
    EXPECT_EQ(records->front().time, 0);
    EXPECT_EQ(records->front().level, 1);
    EXPECT_EQ(records->back().level, 0) << "ends on a lit run";
    EXPECT_FALSE(VirtualModule::instance().ledOn());
    for (std::uint16_t control : {0x37A, 0x27A, 0x3BE})
        EXPECT_EQ(port->PortIn(control) & 0x20, 0) << "ports reset";
}

} // namespace

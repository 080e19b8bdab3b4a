#include "VirtualRemoteWindow.h"

#include "ApplianceWatch.h"
#include "MonotonicClock.h"
#include "RemoteButtons.h"
#include "Settings.h"
#include "SignalFile.h"
#include "TempHome.h"
#include "VirtualModule.h"
#include "VirtualModuleTrace.h"
#include "modRemocon.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The signal file a capture of the frame would give: a lit run for every carrier pulse, the dark
// between them, times from the start of the first pulse.
QString signalFileOf(const QString& path, const IrFrame& frame, double carrierKHz)
{
    const double periodUs = 1000 / carrierKHz;
    std::vector<std::pair<double, double>> pulses; // start, end in µs
    double at = 0;
    const std::vector<double> envelope = encodeFrame(frame);
    for (std::size_t i = 0; i < envelope.size(); at += envelope[i], ++i) {
        for (double t = 0; i % 2 == 0 && t + periodUs <= envelope[i] + 1e-9; t += periodUs)
            pulses.emplace_back(at + t, at + t + periodUs / 2);
    }
    std::vector<double> times{0};
    std::vector<std::uint8_t> levels{1};
    for (std::size_t i = 0; i < pulses.size(); ++i) {
        times.push_back(pulses[i].second / 1e6);
        levels.push_back(0);
        if (i + 1 < pulses.size()) {
            times.push_back(pulses[i + 1].first / 1e6);
            levels.push_back(1);
        }
    }
    EXPECT_TRUE(writeSignalFile(path, times.data(), levels.data(), std::ptrdiff_t(times.size())).ok());
    return path;
}

TEST(RemoteButtons, ReceivedFramesAreNamedAfterTheirButton)
{
    const VirtualApplianceModel& tv = virtualAppliances().at(0);
    const VirtualApplianceModel& ac = virtualAppliances().at(1);
    EXPECT_EQ(tv.name, QStringLiteral("テレビ"));
    EXPECT_EQ(ac.name, QStringLiteral("エアコン"));
    const struct {
        SeenFrame seen;
        const char* meaning;
    } cases[] = {
        {{frameOf(tv, tv.buttons[0], Protocol::NEC), 38.02}, "テレビ：電源 (NEC, 38.0 kHz)"},
        {{frameOf(ac, ac.buttons[1], Protocol::SIRC), 40}, "エアコン：冷房 (SIRC, 40.0 kHz)"},
        {{IrFrame{Protocol::RC5, 0x0A, 0x02, false, true}, 36}, "エアコン：冷房 (RC5, 36.0 kHz)"},
        {{IrFrame{Protocol::NEC, 0x22, 0x07}, 38}, "protocol=NEC address=0x22 command=0x07 (NEC, 38.0 kHz)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(meaningOf(c.seen), QString::fromUtf8(c.meaning));
}

TEST(VirtualRemoteWindow, ButtonSendsItsFrameInTheChosenProtocolAndDistance)
{
    VirtualModuleTrace module;
    VirtualRemoteWindow window;
    window.protocolBox->setCurrentIndex(window.protocolBox->findText("SIRC"));
    window.show();
    VirtualRemote& remote = VirtualModule::instance().remote();
    const std::int64_t before = MonotonicClock::now();
    EXPECT_EQ(remote.busyUntil(), 0);
    window.findChild<QPushButton*>("tv_power")->click();
    const std::vector<double> envelope = encodeFrame(IrFrame{Protocol::SIRC, 0x01, 0x15});
    double frameUs = 0;
    for (double d : envelope)
        frameUs += d;
    EXPECT_GE(remote.busyUntil(), before + std::int64_t(frameUs * 1000) - 1000);

    remote.clear();
    window.distanceBox->setCurrentIndex(window.distanceBox->findText(QStringLiteral("遠すぎる")));
    window.findChild<QPushButton*>("ac_run")->click();
    bool lit = false;
    while (MonotonicClock::now() < before + 200'000'000)
        lit = lit || remote.litAt(MonotonicClock::now());
    EXPECT_FALSE(lit) << "too far: no light reaches the receiver";
}

TEST(VirtualRemoteWindow, ApplianceViewShowsWhatATestSent)
{
    TempHome home;
    VirtualModuleTrace module;
    const QByteArray savedPort = qgetenv("TALVERO_PORT");
    qputenv("TALVERO_PORT", "sim");
    ASSERT_TRUE(WriteSetting(u"PPort", u"Addr", u"278"));
    const QString file = signalFileOf(home.file("tv.rmt"), IrFrame{Protocol::NEC, 0x01, 0x15}, 38);
    VirtualRemoteWindow window;

    // A replay that the shared machine stalled is not decoded: it is sent again then, 4 times at most.
    const auto seenAfterSending = [&] {
        for (int attempt = 0; attempt < 4; ++attempt) {
            bool sent = false;
            window.showReceived(watchAppliance([&] { sent = SendSignal(file); }));
            EXPECT_TRUE(sent);
            if (window.applianceView->toPlainText().startsWith(QStringLiteral("テレビ：電源 (NEC, 3")))
                return true;
        }
        return false;
    };
    // With a trace of its own running, the watch reads only this transmission's part of it.
    EXPECT_TRUE(seenAfterSending()) << window.applianceView->toPlainText().toStdString();
    // Without one, a private trace is written for the call and removed.
    VirtualModule::instance().setTraceFile({});
    EXPECT_TRUE(seenAfterSending()) << window.applianceView->toPlainText().toStdString();
    EXPECT_EQ(VirtualModule::instance().traceFile(), QString());

    window.showReceived(watchAppliance([] {}));
    EXPECT_EQ(window.applianceView->toPlainText(), QStringLiteral("信号を受信しませんでした。"));
    window.showReceived(Result<std::vector<SeenFrame>>::failure(QStringLiteral("読めません")));
    EXPECT_EQ(window.applianceView->toPlainText(), QStringLiteral("読めません"));
    qputenv("TALVERO_PORT", savedPort);
}

} // namespace

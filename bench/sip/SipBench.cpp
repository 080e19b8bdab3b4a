// Prints how soon the engine answers a SIP call once the NumRings-th ring is counted, how much CPU
// time one minute of a recorded call from baresip costs, and the audio round trip of the line on
// the loopback (RTP in, the line's wave-in device, its wave-out device, RTP out).
//   bench_sip [CALLS [RECORD_SECONDS [ROUND_TRIPS]]]
#include "BaresipCaller.h"
#include "BenchLoop.h"
#include "ConsolePrompt.h"
#include "DataFolder.h"
#include "LineAudio.h"
#include "LineCall.h"
#include "Settings.h"
#include "SipFreePort.h"
#include "SipLine.h"
#include "SipRawPeer.h"
#include "TestWav.h"
#include "frmTapi.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <spandsp.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// How often a wait looks whether what it waits for has happened.
constexpr int kPollMs = 5;

void printFigures(const char* what, QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%s (%lld): median %.1f ms, min %.1f ms, max %.1f ms\n", what, qlonglong(ms.size()),
                ms.at(ms.size() / 2), ms.first(), ms.last());
}

SipOptions loopbackOptions()
{
    SipOptions options;
    options.listenPort = freeUdpPort();
    options.ringMilliseconds = 300;
    return options;
}

// Answer delay: raw calls, answered by the engine after ring 2 with no greeting and hung up.
bool answerDelay(int calls)
{
    const SipOptions options = loopbackOptions();
    WriteSetting(u"Tapi", u"Card", options.addressName());
    WriteSetting(u"Tapi", u"NumRings", u"2");
    WriteSetting(u"Feature", u"AnsweringMachine", u"0");
    qint64 lastRing = -1;
    frmTapi engine([&] {
        auto line = std::make_unique<SipLine>(options);
        QObject::connect(line.get(), &SipLine::monitor, [&](const QString& m) {
            if (m.startsWith(u"RINGING ") && m.endsWith(u" 2"))
                lastRing = SipRawPeer::monotonicNs();
        });
        return line;
    });
    engine.Tapi_On();
    QList<double> delays;
    for (int i = 0; i < calls; ++i) {
        SipRawPeer caller;
        lastRing = -1;
        caller.invite(options.listenPort, "\"Bench\"", "0123", SipRawPeer::offer("0 101", freeUdpPort()));
        if (!runUntil([&] { return caller.arrivalNs(200) >= 0; }, 10000, kPollMs)) {
            std::fprintf(stderr, "call %d was not answered\n", i + 1);
            return false;
        }
        delays.append(double(caller.arrivalNs(200) - lastRing) / 1e6);
        caller.ack();
        if (!runUntil([&] { return caller.byeReceived() && !engine.currentCall(); }, 10000, kPollMs)) {
            std::fprintf(stderr, "call %d was not ended by the engine\n", i + 1);
            return false;
        }
    }
    printFigures("answer delay after ring 2, until the caller has the 200 OK", delays);
    return true;
}

// CPU time of the whole program (engine and SIP thread) while it records a baresip caller.
bool cpuPerMinute(int recordSeconds, const QString& folder)
{
    const SipOptions options = loopbackOptions();
    WriteSetting(u"Tapi", u"Card", options.addressName());
    WriteSetting(u"Tapi", u"NumRings", u"1");
    WriteSetting(u"Feature", u"AnsweringMachine", u"1");
    WriteSetting(u"AnsweringMachine", u"MaxMessage", QString::number(recordSeconds));
    writeToneWav(DataFolder::path(u"\\Ans\\Reception0.wav"), 0.5);
    const QString voice = folder + QStringLiteral("/caller.wav");
    writeToneWav(voice, recordSeconds + 10);
    bool recording = false;
    bool recorded = false;
    frmTapi engine([&] {
        auto line = std::make_unique<SipLine>(options);
        QObject::connect(line.get(), &SipLine::monitor, [&](const QString& m) {
            recording = recording || m == u"CAPTURING";
            recorded = recorded || m == u"CAPTURED";
        });
        return line;
    });
    engine.Tapi_On();
    BaresipCaller::Options from;
    from.voiceWav = voice;
    BaresipCaller caller(from);
    if (!caller.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(caller.error()));
        return false;
    }
    caller.dial(QStringLiteral("sip:talvero@127.0.0.1:%1").arg(options.listenPort));
    if (!runUntil([&] { return recording; }, 10000, kPollMs))
        return false;
    const double cpuBefore = processCpuSeconds();
    const qint64 wallBefore = SipRawPeer::monotonicNs();
    if (!runUntil([&] { return recorded; }, (recordSeconds + 10) * 1000, kPollMs))
        return false;
    const double cpu = processCpuSeconds() - cpuBefore;
    const double wall = double(SipRawPeer::monotonicNs() - wallBefore) / 1e9;
    std::printf("recording %.1f s of a baresip call: %.3f s CPU, %.2f s CPU per minute of call (%.2f %% of one core)\n",
                wall, cpu, cpu / wall * 60, cpu / wall * 100);
    return true;
}

// An RTP endpoint that sends 20 ms µ-law frames, a loud one now and then, and times its return.
class EchoProbe {
public:
    EchoProbe()
    {
        m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof a;
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &size);
        m_port = ntohs(a.sin_port);
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { receive(); });
        m_clock.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_clock, &QTimer::timeout, [this] { send(); });
    }
    ~EchoProbe() { ::close(m_fd); }
    int port() const { return m_port; }
    void start(int linePort)
    {
        m_linePort = linePort;
        m_clock.start(20);
    }
    const QList<double>& delays() const { return m_delays; }
    int lost() const { return m_lost; }

private:
    void send()
    {
        ++m_frame;
        if (m_sentAt >= 0 && SipRawPeer::monotonicNs() - m_sentAt > 2'000'000'000) {
            ++m_lost; // the echo never came: send the next one
            m_sentAt = -1;
        }
        const bool loud = m_frame % 50 == 10 && m_sentAt < 0;
        quint8 packet[12 + 160];
        packet[0] = 0x80;
        packet[1] = 0;
        const quint32 ts = quint32(m_frame * 160);
        const quint16 seq = quint16(m_frame);
        packet[2] = quint8(seq >> 8);
        packet[3] = quint8(seq);
        for (int i = 0; i < 4; ++i)
            packet[4 + i] = quint8(ts >> (24 - 8 * i));
        for (int i = 0; i < 4; ++i)
            packet[8 + i] = quint8(0x5EC0DE00 >> (24 - 8 * i));
        for (int i = 0; i < 160; ++i)
            packet[12 + i] = linear_to_ulaw(loud ? int(16000 * std::sin(2 * M_PI * 1000 * i / 8000)) : 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(quint16(m_linePort));
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::sendto(m_fd, packet, sizeof packet, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
        if (loud)
            m_sentAt = SipRawPeer::monotonicNs();
    }
    void receive()
    {
        quint8 buffer[2048];
        for (;;) {
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n < 0)
                return;
            int peak = 0;
            for (ssize_t i = 12; i < n; ++i)
                peak = std::max(peak, std::abs(int(ulaw_to_linear(buffer[i]))));
            if (peak > 4000 && m_sentAt >= 0) {
                m_delays.append(double(SipRawPeer::monotonicNs() - m_sentAt) / 1e6);
                m_sentAt = -1;
            }
        }
    }

    int m_fd = -1;
    int m_port = 0;
    int m_linePort = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_clock;
    qint64 m_frame = 0;
    qint64 m_sentAt = -1;
    QList<double> m_delays;
    int m_lost = 0;
};

// The line's own path, without the engine: a 40 ms capture buffer whose halves, when loud, are
// played straight back to the caller.
bool roundTrip(int trips)
{
    SipLine line(loopbackOptions());
    if (!line.initialize())
        return false;
    line.setEventFilter(kAllLineEvents);
    line.registerCallNotifications(line.addresses().first(), false, true, TAPIMEDIATYPE_AUDIO, 1);
    EchoProbe probe;
    SipRawPeer caller;
    caller.invite(line.options().listenPort, "\"Echo\"", "0123", SipRawPeer::offer("0 101", probe.port()));
    if (!runUntil([&] { return !line.addresses().first()->calls().isEmpty(); }, 5000, kPollMs))
        return false;
    const std::shared_ptr<LineCall> call = line.addresses().first()->calls().first();
    call->answer();
    if (!runUntil([&] { return caller.arrivalNs(200) >= 0; }, 5000, kPollMs))
        return false;
    caller.ack();
    auto capture = line.audio().openCapture({});
    auto playback = line.audio().openPlayback({});
    if (!capture || !playback)
        return false;
    LineCapture& in = *capture.value();
    LinePlayback& out = *playback.value();
    constexpr int kBuffer = 640;
    in.createBuffer(WaveFormat::line(), kBuffer);
    in.setNotificationPositions({0, kBuffer / 2});
    QObject::connect(&in, &LineCapture::notified, [&](int index) {
        const QByteArray half = in.read(index == 1 ? 0 : kBuffer / 2, kBuffer / 2);
        const auto* s = reinterpret_cast<const qint16*>(half.constData());
        const bool loud = std::any_of(s, s + half.size() / 2, [](qint16 v) { return std::abs(int(v)) > 4000; });
        if (loud && !out.isPlaying() && out.load(half, QStringLiteral("echo")))
            out.play();
    });
    in.start();
    probe.start(caller.answeredRtpPort());
    runUntil([&] { return probe.delays().size() >= trips; }, trips * 1000 + 5000, kPollMs);
    caller.bye();
    if (probe.delays().isEmpty())
        return false;
    printFigures("audio round trip on the loopback (RTP in, wave-in 20 ms halves, wave-out, RTP out)", probe.delays());
    std::printf("echoes lost: %d\n", probe.lost());
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int calls = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const int recordSeconds = argc > 2 ? std::max(1, atoi(argv[2])) : 30;
    const int trips = argc > 3 ? std::max(1, atoi(argv[3])) : 10;
    ConsolePrompt prompts;
    Prompts::install(&prompts);
    QTemporaryDir home;
    DataFolder::setCurrent(home.path());
    if (!answerDelay(calls) || !cpuPerMinute(recordSeconds, home.path()) || !roundTrip(trips))
        return 1;
    return 0;
}

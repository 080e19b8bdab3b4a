// The IR verbs of talvero-ir: capture, send, show, decode-trace.
#include "VerbGroup.h"

#include "CarrierEstimate.h"
#include "PortIo.h"
#include "Prompt.h"
#include "ProtocolGuess.h"
#include "SignalFile.h"
#include "VirtualAppliance.h"
#include "VirtualModule.h"
#include "modRemocon.h"

#include "MonotonicClock.h"

namespace {

constexpr double kDefaultPressAtMs = 500;

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

std::unique_ptr<PortIo> portFrom(QStringList& args)
{
    const auto name = takeOption(args, QStringLiteral("--port"));
    return name ? makePortIo(*name) : makePortIo();
}

QString baseFrom(QStringList& args)
{
    return takeOption(args, QStringLiteral("--addr")).value_or(portBaseSetting());
}

// A press of the virtual remote: PROTO:ADDR:CMD[,carrier=KHZ][,at=MS][,distance=near|normal|far]
// [,hold=MS][,duty=SHARE][,jitter=US].
struct Press {
    IrFrame frame;
    VirtualRemote::Options options;
    double atMs = kDefaultPressAtMs;
    double holdMs = 0;
};

std::optional<Press> parsePress(const QString& pressText, QString* error)
{
    const QStringList parts = pressText.split(u',');
    const QStringList head = parts.first().split(u':');
    const auto protocol = head.size() == 3 ? protocolFromName(head[0]) : std::nullopt;
    bool addressOk = false;
    bool commandOk = false;
    Press press;
    if (protocol) {
        press.frame.protocol = *protocol;
        press.frame.address = head[1].toUInt(&addressOk, 16);
        press.frame.command = head[2].toULongLong(&commandOk, 16);
    }
    if (!protocol || !addressOk || !commandOk) {
        *error =
            QStringLiteral("\"%1\" is not PROTO:ADDR:CMD with PROTO one of NEC, AEHA, SIRC, RC5").arg(parts.first());
        return std::nullopt;
    }
    for (const QString& part : parts.mid(1)) {
        const QString key = part.section(u'=', 0, 0);
        const QString value = part.section(u'=', 1);
        bool ok = true;
        if (key == u"carrier")
            press.options.carrierKHz = value.toDouble(&ok);
        else if (key == u"at")
            press.atMs = value.toDouble(&ok);
        else if (key == u"hold")
            press.holdMs = value.toDouble(&ok);
        else if (key == u"duty")
            press.options.duty = value.toDouble(&ok);
        else if (key == u"jitter")
            press.options.jitterUs = value.toDouble(&ok);
        else if (key == u"distance" && value == u"near")
            press.options.distance = VirtualRemote::Distance::Near;
        else if (key == u"distance" && value == u"normal")
            press.options.distance = VirtualRemote::Distance::Normal;
        else if (key == u"distance" && value == u"far")
            press.options.distance = VirtualRemote::Distance::Far;
        else
            ok = false;
        if (!ok) {
            *error = QStringLiteral("\"%1\" is no press option (carrier, at, hold, duty, jitter, distance)").arg(part);
            return std::nullopt;
        }
    }
    return press;
}

// Presses the virtual remote when sampling starts, so "at" counts from the start of the recording
// however long the capture waited for the port or for another real-time session.
class PressWhenRecording : public CaptureObserver {
public:
    explicit PressWhenRecording(std::vector<Press> presses) : m_presses(std::move(presses)) {}
    void recording() override
    {
        const std::int64_t now = MonotonicClock::now();
        VirtualRemote& remote = VirtualModule::instance().remote();
        for (const Press& p : m_presses) {
            const std::int64_t at = now + std::int64_t(p.atMs * 1e6);
            if (p.holdMs > 0)
                remote.hold(p.frame, at, p.holdMs, p.options);
            else
                remote.press(p.frame, at, p.options);
        }
    }

private:
    std::vector<Press> m_presses;
};

QString captureVerdict(const CaptureOutcome& outcome)
{
    if (!outcome.ok())
        return QStringLiteral("failed");
    if (outcome.carrierKHz == 0)
        return QStringLiteral("no-signal");
    if (!(outcome.carrierKHz > 20 && outcome.carrierKHz < 60))
        return QStringLiteral("invalid-carrier");
    return QStringLiteral("ok");
}

QString failureReason(CaptureOutcome::Failure failure)
{
    switch (failure) {
    case CaptureOutcome::Failure::None: break;
    case CaptureOutcome::Failure::Driver: return QStringLiteral("driver");
    case CaptureOutcome::Failure::Address: return QStringLiteral("address");
    case CaptureOutcome::Failure::SampleCount: return QStringLiteral("sample-count");
    case CaptureOutcome::Failure::Runs: return QStringLiteral("runs");
    case CaptureOutcome::Failure::KeptRuns: return QStringLiteral("kept-runs");
    case CaptureOutcome::Failure::File: return QStringLiteral("file");
    }
    return {};
}

QString frameLine(std::size_t index, const SeenFrame& seen)
{
    return QStringLiteral("frame=%1 %2 carrier_khz=%3")
        .arg(index)
        .arg(describeFrame(seen.frame), number(seen.carrierKHz, 3));
}

extern const Verb kCapture;
extern const Verb kSend;
extern const Verb kShow;
extern const Verb kDecodeTrace;

int runCapture(QStringList args)
{
    const std::unique_ptr<PortIo> port = portFrom(args);
    const QString base = baseFrom(args);
    std::vector<Press> presses;
    for (const QString& pressText : takeOptions(args, QStringLiteral("--press"))) {
        QString error;
        const auto press = parsePress(pressText, &error);
        if (!press)
            return usageError(kCapture, error);
        presses.push_back(*press);
    }
    if (args.size() != 1 || args.first().startsWith(u"--"))
        return usageError(kCapture, QStringLiteral("one signal file expected"));
    if (!presses.empty() && port->kind() != u"sim")
        return usageError(kCapture, QStringLiteral("--press drives the virtual module only (--port sim)"));
    PressWhenRecording pressing(std::move(presses));
    const CaptureOutcome outcome = captureSignal(*port, base, args.first(), &pressing);
    if (outcome.failure == CaptureOutcome::Failure::Driver)
        Prompts::exclamation(outcome.error);
    const QString verdict = captureVerdict(outcome);
    if (!outcome.ok()) {
        if (outcome.failure != CaptureOutcome::Failure::Driver)
            printError(kCapture, outcome.error);
        printLine(QStringLiteral("result=failed reason=%1").arg(failureReason(outcome.failure)));
        return 1;
    }
    printLine(QStringLiteral("result=%1 runs=%2 length_ms=%3 carrier_khz=%4 policy=%5 samples=%6")
                  .arg(verdict)
                  .arg(outcome.keptRuns)
                  .arg(number(outcome.lengthMs, 3), number(outcome.carrierKHz, 3), policyName(outcome.policy))
                  .arg(outcome.samples));
    return verdict == u"ok" ? 0 : 1;
}

int runSend(QStringList args)
{
    const std::unique_ptr<PortIo> port = portFrom(args);
    const QString base = baseFrom(args);
    if (args.size() != 1 || args.first().startsWith(u"--"))
        return usageError(kSend, QStringLiteral("one signal file expected"));
    const SendOutcome outcome = sendSignal(*port, base, args.first());
    if (!outcome.ok) {
        printError(kSend, outcome.error);
        printLine(QStringLiteral("result=failed"));
        return 1;
    }
    const Lateness& l = outcome.lateness;
    printLine(QStringLiteral("result=ok records=%1 policy=%2 late_median_us=%3 late_p99_us=%4 late_max_us=%5 "
                             "late_over_5us=%6 stalls=%7")
                  .arg(outcome.records)
                  .arg(policyName(outcome.policy), number(double(l.medianNs) / 1000, 3),
                       number(double(l.p99Ns) / 1000, 3), number(double(l.maxNs) / 1000, 3), number(l.lateShare, 4))
                  .arg(l.stalls));
    return 0;
}

int runShow(QStringList args)
{
    if (args.size() != 1 || args.first().startsWith(u"--"))
        return usageError(kShow, QStringLiteral("one signal file expected"));
    const auto records = readSignalFile(args.first());
    if (!records) {
        printError(kShow, records.error());
        printLine(QStringLiteral("result=failed"));
        return 1;
    }
    std::vector<double> times;
    times.reserve(records->size());
    for (const SignalRecord& r : *records)
        times.push_back(r.time);
    const std::vector<SeenFrame> frames = guessFrames(*records);
    const QString first = frames.empty() ? QStringLiteral("protocol=unknown") : describeFrame(frames.front().frame);
    printLine(QStringLiteral("runs=%1 length_ms=%2 carrier_khz=%3 frames=%4 %5")
                  .arg(records->size())
                  .arg(number(times.empty() ? 0 : times.back() * 1000, 3), number(estimateCarrierKHz(times), 3))
                  .arg(frames.size())
                  .arg(first));
    for (std::size_t i = 0; i < frames.size(); ++i)
        printLine(frameLine(i + 1, frames[i]));
    return 0;
}

int runDecodeTrace(QStringList args)
{
    if (args.size() != 1 || args.first().startsWith(u"--"))
        return usageError(kDecodeTrace, QStringLiteral("one trace file expected"));
    const auto frames = VirtualAppliance::decodeTrace(args.first());
    if (!frames) {
        printError(kDecodeTrace, frames.error());
        printLine(QStringLiteral("result=failed"));
        return 1;
    }
    for (std::size_t i = 0; i < frames->size(); ++i)
        printLine(frameLine(i + 1, (*frames)[i]));
    printLine(QStringLiteral("frames=%1").arg(frames->size()));
    return frames->empty() ? 1 : 0;
}

const Verb kCapture{
    QStringLiteral("capture"),
    QStringLiteral("capture [--port P] [--addr 378|278|3BC] [--press PROTO:ADDR:CMD[,carrier=KHZ][,at=MS]"
                   "[,distance=near|normal|far][,hold=MS][,duty=D][,jitter=US]] FILE"),
    runCapture};
const Verb kSend{QStringLiteral("send"), QStringLiteral("send [--port P] [--addr 378|278|3BC] FILE"), runSend};
const Verb kShow{QStringLiteral("show"), QStringLiteral("show FILE"), runShow};
const Verb kDecodeTrace{QStringLiteral("decode-trace"), QStringLiteral("decode-trace TRACE"), runDecodeTrace};

} // namespace

VerbGroup irCommands()
{
    return {kCapture, kSend, kShow, kDecodeTrace};
}

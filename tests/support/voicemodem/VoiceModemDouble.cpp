#include "VoiceModemDouble.h"

#include "DleFraming.h"
#include "SampleCodec.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int kVoiceTickMs = 20;

char silenceOf(SampleCoding coding)
{
    switch (coding) {
    case SampleCoding::Unsigned8: return char(0x80);
    case SampleCoding::MuLaw: return char(0xff);
    case SampleCoding::ALaw: return char(0xd5);
    default: return 0;
    }
}

} // namespace

VoiceModemDouble::VoiceModemDouble(VoiceModemProfile profile) : m_profile(std::move(profile))
{
    m_flush.setInterval(5);
    connect(&m_flush, &QTimer::timeout, this, &VoiceModemDouble::flush);
    connect(&m_ringTimer, &QTimer::timeout, this, &VoiceModemDouble::ringOnce);
    m_voiceTimer.setInterval(kVoiceTickMs);
    m_voiceTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_voiceTimer, &QTimer::timeout, this, &VoiceModemDouble::streamVoice);
    openPty();
}

VoiceModemDouble::~VoiceModemDouble()
{
    closePty();
}

QString VoiceModemDouble::devicePath() const
{
    return m_dir.filePath(QStringLiteral("modem"));
}

bool VoiceModemDouble::openPty()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return false;
    const QString slavePath = QString::fromLocal8Bit(::ptsname(m_master));
    m_slave = ::open(QFile::encodeName(slavePath).constData(), O_RDWR | O_NOCTTY);
    termios tio{};
    ::tcgetattr(m_slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(m_slave, TCSANOW, &tio);
    QFile::remove(devicePath());
    QFile::link(slavePath, devicePath());
    m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &VoiceModemDouble::readHost);
    return true;
}

void VoiceModemDouble::closePty()
{
    m_notifier.reset();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_master = m_slave = -1;
    m_out.clear();
}

void VoiceModemDouble::unplug()
{
    m_ringTimer.stop();
    m_voiceTimer.stop();
    closePty();
    QFile::remove(devicePath());
    m_mode = Mode::Command;
    m_offHook = false;
}

void VoiceModemDouble::plugIn()
{
    if (m_master < 0)
        openPty();
}

void VoiceModemDouble::leaveRecording()
{
    m_offHook = true;
    m_method = 0;
    startReceiving();
}

void VoiceModemDouble::startReceiving()
{
    m_mode = Mode::Receive;
    m_voiceClock.start();
    m_voiceDue = 0;
    m_voiceTimer.start();
}

// ---- The caller's side

void VoiceModemDouble::ring(int rings, int intervalMs, std::optional<CallerId> id, int idAfterRing)
{
    m_ringsLeft = rings;
    m_ringsSent = 0;
    m_callerId = std::move(id);
    m_idAfterRing = idAfterRing;
    m_ringTimer.start(intervalMs);
    ringOnce();
}

void VoiceModemDouble::ringOnce()
{
    if (m_offHook || m_ringsLeft <= 0) {
        m_ringTimer.stop();
        return;
    }
    --m_ringsLeft;
    ++m_ringsSent;
    sendLine(QStringLiteral("RING"));
    if (m_callerId && m_callerIdOn && m_ringsSent == m_idAfterRing) {
        sendLine(QStringLiteral("DATE=") + m_callerId->date);
        sendLine(QStringLiteral("TIME=") + m_callerId->time);
        sendLine(QStringLiteral("NMBR=") + m_callerId->number);
        if (!m_callerId->name.isEmpty())
            sendLine(QStringLiteral("NAME=") + m_callerId->name);
    }
}

void VoiceModemDouble::setCallerVoice(const QByteArray& lineSamples)
{
    m_callerVoice = lineSamples;
    m_callerVoiceAt = 0;
}

void VoiceModemDouble::pressKeys(const QString& keys)
{
    for (QChar c : keys)
        sendEvent(c.toLatin1());
}

void VoiceModemDouble::sendEvent(char event)
{
    send(DleFraming::code(event));
}

std::optional<VoiceModemProfile::Method> VoiceModemDouble::selectedMethod() const
{
    if (m_method < 0)
        return std::nullopt;
    return m_profile.methods.at(m_method);
}

// ---- The host's side

void VoiceModemDouble::readHost()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            return; // EAGAIN, or EIO while no host has the device open
        if (m_mute)
            continue;
        for (ssize_t i = 0; i < n; ++i) {
            switch (m_mode) {
            case Mode::Command: commandByte(buffer[i]); break;
            case Mode::Transmit: transmitByte(buffer[i]); break;
            case Mode::Receive: receiveByte(buffer[i]); break;
            }
        }
    }
}

void VoiceModemDouble::commandByte(char c)
{
    if (m_dle) {
        m_dle = false; // framing codes sent to a modem in command mode mean nothing
        return;
    }
    if (c == DleFraming::kDle) {
        m_dle = true;
    } else if (c == '\r') {
        const QString command = QString::fromLatin1(m_line).trimmed();
        m_line.clear();
        if (!command.isEmpty())
            execute(command);
    } else if (c != '\n') {
        m_line.append(c);
    }
}

void VoiceModemDouble::transmitByte(char c)
{
    if (!m_dle) {
        if (c == DleFraming::kDle)
            m_dle = true;
        else
            m_transmitted.append(c);
        return;
    }
    m_dle = false;
    if (c == DleFraming::kDle) {
        ++m_escapedDles;
        m_transmitted.append(c);
    } else if (c == DleFraming::kEtx || c == DleFraming::kAbort) {
        ++m_transmissions;
        m_mode = Mode::Command;
        sendLine(QStringLiteral("OK"));
    } else if (c != DleFraming::kCan) {
        ++m_strayDle;
    }
}

void VoiceModemDouble::receiveByte(char c)
{
    if (!m_dle) {
        m_dle = c == DleFraming::kDle;
        return;
    }
    m_dle = false;
    if (c == DleFraming::kAbort) {
        m_voiceTimer.stop();
        ++m_receptions;
        m_mode = Mode::Command;
        send(DleFraming::code(DleFraming::kEtx));
        sendLine(QStringLiteral("OK"));
    }
}

void VoiceModemDouble::execute(const QString& command)
{
    m_commands.append(command);
    const QString answer = reply(command.toUpper());
    if (!answer.isEmpty())
        sendLine(answer);
}

// The reply to one command; the lines before the final reply are sent on the way.
QString VoiceModemDouble::reply(const QString& c)
{
    const QString error = QStringLiteral("ERROR");
    if (m_profile.refused.contains(c) || !c.startsWith(u"AT"))
        return error;
    if (c == u"AT" || c == u"ATE0" || c == u"ATZ" || c.startsWith(u"AT+FCLASS=") || c.startsWith(u"AT+IFC="))
        return QStringLiteral("OK");
    if (c == u"ATI3") {
        sendLine(m_profile.ati3);
        return QStringLiteral("OK");
    }
    if (c == u"AT+FMI?" || c == u"AT+FMM?") {
        const QString& text = c == u"AT+FMI?" ? m_profile.manufacturer : m_profile.model;
        if (text.isEmpty())
            return error;
        sendLine(text);
        return QStringLiteral("OK");
    }
    if (c.startsWith(u"AT+VCID=")) {
        m_callerIdOn = c.endsWith(u"=1");
        return QStringLiteral("OK");
    }
    if (c == u"AT+VSM=?") {
        for (const VoiceModemProfile::Method& m : m_profile.methods)
            sendLine(m.listLine);
        return QStringLiteral("OK");
    }
    if (c.startsWith(u"AT+VSM=")) {
        const int id = c.mid(7).section(u',', 0, 0).toInt();
        for (int i = 0; i < m_profile.methods.size(); ++i) {
            if (m_profile.methodId(i) == id && m_profile.methods.at(i).coding != SampleCoding::Unusable) {
                m_method = i;
                return QStringLiteral("OK");
            }
        }
        return error;
    }
    if (c == u"AT+VLS=1") {
        m_offHook = true;
        m_ringTimer.stop();
        return m_profile.answerReply;
    }
    if (c == u"AT+VLS=0" || c == u"ATH" || c == u"ATH0") {
        m_offHook = false;
        return QStringLiteral("OK");
    }
    if (c.startsWith(u"AT+VTS="))
        return m_offHook ? QStringLiteral("OK") : error;
    if ((c == u"AT+VTX" || c == u"AT+VRX") && m_offHook && m_method >= 0) {
        m_dle = false;
        if (c == u"AT+VTX") {
            m_mode = Mode::Transmit;
        } else {
            startReceiving();
        }
        return QStringLiteral("CONNECT");
    }
    return error;
}

void VoiceModemDouble::streamVoice()
{
    const SampleCoding coding = m_profile.methods.at(m_method).coding;
    const int bytesPerSample = coding == SampleCoding::Linear16 ? 2 : 1;
    const qint64 due = m_voiceClock.elapsed() * 8; // samples
    const qint64 samples = due - m_voiceDue;
    if (samples <= 0)
        return;
    m_voiceDue = due;
    QByteArray line = m_callerVoice.mid(m_callerVoiceAt, samples * 2);
    m_callerVoiceAt += line.size();
    QByteArray coded = SampleCodec::fromLinear16(line, coding);
    coded.append(QByteArray((samples * bytesPerSample) - coded.size(), silenceOf(coding)));
    m_voiceSent += coded;
    send(DleFraming::escape(coded));
}

void VoiceModemDouble::send(const QByteArray& bytes)
{
    if (m_master < 0)
        return;
    m_out += bytes;
    flush();
}

void VoiceModemDouble::sendLine(const QString& line)
{
    send("\r\n" + line.toLatin1() + "\r\n");
}

void VoiceModemDouble::flush()
{
    while (!m_out.isEmpty() && m_master >= 0) {
        const ssize_t n = ::write(m_master, m_out.constData(), size_t(m_out.size()));
        if (n <= 0)
            break;
        m_out.remove(0, n);
    }
    if (m_out.isEmpty())
        m_flush.stop();
    else if (!m_flush.isActive())
        m_flush.start();
}

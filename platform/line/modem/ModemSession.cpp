#include "ModemSession.h"

#include "CallerIdLine.h"
#include "DleFraming.h"

namespace {

constexpr int kWriterMs = 20;
constexpr int kLeadMs = 300;   // voice written ahead of what is due, so the modem never runs dry
constexpr int kSettleMs = 150; // pause after a reset before the modem is spoken to again
const QByteArray kEndOfLine = "\r";

bool isFinal(const QString& line)
{
    static const QStringList kFinals{"OK",         "ERROR", "CONNECT",     "VCON",
                                     "NO CARRIER", "BUSY",  "NO DIALTONE", "NO ANSWER"};
    return kFinals.contains(line);
}

bool isSuccess(const QString& final)
{
    return final == u"OK" || final == u"CONNECT" || final == u"VCON";
}

bool isUnsolicited(const QString& line)
{
    return line == u"RING" || CallerIdLine::parse(line).has_value();
}

// "+FMI: "Maker"" or "Maker" → "Maker".
QString infoText(const QStringList& lines, const QString& prefix)
{
    if (lines.isEmpty())
        return {};
    QString text = lines.first();
    if (text.startsWith(prefix, Qt::CaseInsensitive))
        text = text.mid(prefix.size());
    return text.remove(u'"').trimmed();
}

} // namespace

ModemSession::ModemSession(ModemOptions options, QObject* parent)
    : QObject(parent), m_options(std::move(options)),
      m_reader(this, {[this](const QList<DleParser::Item>& items) { received(items); },
                      [this](const QString& why) { lost(m_options.device + QStringLiteral(": ") + why); }})
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, &ModemSession::timedOut);
    m_writer.setInterval(kWriterMs);
    m_writer.setTimerType(Qt::PreciseTimer);
    connect(&m_writer, &QTimer::timeout, this, &ModemSession::pace);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &ModemSession::start);
    m_settle.setSingleShot(true);
    connect(&m_settle, &QTimer::timeout, this, &ModemSession::runSetup);
}

ModemSession::~ModemSession()
{
    m_reader.stop();
    m_device.close();
}

void ModemSession::start()
{
    m_closed = false;
    if (m_device.isOpen())
        return;
    if (open())
        bringToCommandMode();
}

bool ModemSession::open()
{
    if (m_options.device.isEmpty()) {
        lost(QStringLiteral("no modem device is set ([Modem] Device)"));
        return false;
    }
    const Status opened = m_device.open(m_options.device, m_options.speed, m_options.lockDir);
    if (!opened) {
        lost(opened.error());
        return false;
    }
    if (!m_reader.start(m_device.fd())) {
        lost(m_options.device + QStringLiteral(": the reader cannot start"));
        return false;
    }
    return true;
}

void ModemSession::close()
{
    m_closed = true;
    m_retry.stop();
    m_settle.stop();
    failAll(QStringLiteral("CLOSED"));
    m_reader.stop();
    m_device.close();
    m_usable = false;
    m_settingUp = false;
}

// ---- The job queue

void ModemSession::command(const QByteArray& text, Done done)
{
    if (!m_usable) {
        if (done)
            QTimer::singleShot(0, this, [done] { done({false, QStringLiteral("CLOSED"), {}}); });
        return;
    }
    enqueue({.kind = Job::Command, .text = text, .done = std::move(done)});
}

int ModemSession::transmit(const QByteArray& coded, std::function<void()> finished)
{
    const int ticket = m_nextTicket++;
    if (!m_usable) {
        QTimer::singleShot(0, this, std::move(finished));
        return ticket;
    }
    enqueue(
        {.kind = Job::Transmit, .ticket = ticket, .text = "AT+VTX", .coded = coded, .finished = std::move(finished)});
    return ticket;
}

int ModemSession::receive(std::function<void(const QByteArray&)> voice, std::function<void()> ended)
{
    const int ticket = m_nextTicket++;
    if (!m_usable) {
        QTimer::singleShot(0, this, std::move(ended));
        return ticket;
    }
    enqueue({.kind = Job::Receive,
             .ticket = ticket,
             .text = "AT+VRX",
             .finished = std::move(ended),
             .voice = std::move(voice)});
    return ticket;
}

bool ModemSession::streaming() const
{
    if (m_current && m_current->kind != Job::Command)
        return true;
    return std::any_of(m_queue.begin(), m_queue.end(), [](const Job& j) { return j.kind != Job::Command; });
}

void ModemSession::stopStream(int ticket)
{
    for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
        if (it->ticket == ticket) {
            std::function<void()> finished = std::move(it->finished);
            m_queue.erase(it);
            if (finished)
                finished();
            return;
        }
    }
    if (!m_current || m_current->ticket != ticket || m_current->stopRequested)
        return;
    m_current->stopRequested = true;
    if (m_phase != Phase::Streaming)
        return; // acted on when the stream has begun
    if (m_current->kind == Job::Transmit) {
        pace();
    } else {
        send(DleFraming::code(DleFraming::kAbort));
        m_phase = Phase::AwaitEnd;
        m_timeout.start(m_options.commandTimeoutMs);
    }
}

void ModemSession::stopStreams()
{
    QList<int> tickets;
    for (const Job& job : m_queue) {
        if (job.kind != Job::Command)
            tickets.append(job.ticket);
    }
    if (m_current && m_current->kind != Job::Command)
        tickets.append(m_current->ticket);
    for (int ticket : tickets)
        stopStream(ticket);
}

void ModemSession::enqueue(Job job)
{
    m_queue.push_back(std::move(job));
    next();
}

void ModemSession::next()
{
    if (m_current || m_queue.empty() || !m_device.isOpen())
        return;
    m_current = std::move(m_queue.front());
    m_queue.pop_front();
    m_replyLines.clear();
    m_phase = Phase::AwaitReply;
    if (m_current->kind == Job::Receive)
        m_reader.expectReceive();
    send(m_current->text + kEndOfLine);
    if (m_current)
        m_timeout.start(m_options.commandTimeoutMs); // unless the write lost the device
}

// ---- What the modem says

void ModemSession::received(const QList<DleParser::Item>& items)
{
    for (const DleParser::Item& item : items) {
        switch (item.kind) {
        case DleParser::Item::Line: line(item.line); break;
        case DleParser::Item::Event: emit shielded(item.event); break;
        case DleParser::Item::Voice:
            if (m_current && m_current->kind == Job::Receive && m_phase == Phase::Streaming && m_current->voice)
                m_current->voice(item.voice);
            break;
        case DleParser::Item::ReceiveEnded:
            if (m_current && m_current->kind == Job::Receive && m_phase == Phase::Streaming) {
                m_phase = Phase::AwaitEnd;
                m_timeout.start(m_options.commandTimeoutMs);
            }
            break;
        }
        if (!m_device.isOpen())
            return; // a handler lost the device
    }
}

void ModemSession::line(const QString& text)
{
    const bool waiting = m_current && (m_phase == Phase::AwaitReply || m_phase == Phase::AwaitEnd);
    if (isUnsolicited(text) || !waiting) {
        emit unsolicited(text);
        return;
    }
    if (text.compare(QString::fromLatin1(m_current->text), Qt::CaseInsensitive) == 0)
        return; // the command's echo
    if (isFinal(text)) {
        complete(text);
        if (text == u"NO CARRIER" || text == u"BUSY")
            emit unsolicited(text); // also the news that the caller is gone
    } else {
        m_replyLines.append(text);
    }
}

void ModemSession::complete(const QString& final)
{
    m_timeout.stop();
    Job& job = *m_current;
    if (job.kind != Job::Command && m_phase == Phase::AwaitReply && final == u"CONNECT") {
        m_phase = Phase::Streaming;
        if (job.kind == Job::Transmit) {
            m_clock.start();
            m_writer.start();
            pace();
        } else if (job.stopRequested) {
            send(DleFraming::code(DleFraming::kAbort));
            m_phase = Phase::AwaitEnd;
            m_timeout.start(m_options.commandTimeoutMs);
        }
        return;
    }
    finishJob({isSuccess(final), final, m_replyLines});
}

void ModemSession::finishJob(const Reply& reply)
{
    m_timeout.stop();
    Job job = std::move(*m_current);
    m_current.reset();
    m_phase = Phase::Idle;
    if (job.kind == Job::Command) {
        if (job.done)
            job.done(reply);
    } else if (job.finished) {
        job.finished();
    }
    next();
}

// ---- Writing

void ModemSession::send(const QByteArray& bytes)
{
    m_out += bytes;
    if (flush() && !m_out.isEmpty())
        m_writer.start();
}

bool ModemSession::flush()
{
    while (!m_out.isEmpty()) {
        const Result<qsizetype> taken = m_device.write(m_out);
        if (!taken) {
            lost(m_options.device + QStringLiteral(": ") + taken.error());
            return false;
        }
        if (*taken == 0)
            break;
        m_out.remove(0, *taken);
    }
    return true;
}

void ModemSession::pace()
{
    if (!flush())
        return;
    const bool transmitting = m_current && m_current->kind == Job::Transmit && m_phase == Phase::Streaming;
    if (!transmitting) {
        if (m_out.isEmpty())
            m_writer.stop();
        return;
    }
    Job& job = *m_current;
    const int bytesPerSecond = m_method.bytesPerSecond();
    const qint64 heard = m_clock.elapsed() * bytesPerSecond / 1000;
    const qsizetype whole = m_method.coding == SampleCoding::Linear16 ? ~qsizetype(1) : ~qsizetype(0);
    const qsizetype due = qMin<qsizetype>(job.coded.size(), (heard + kLeadMs * bytesPerSecond / 1000) & whole);
    if (!job.stopRequested && m_out.isEmpty() && due > job.sent) {
        m_out = DleFraming::escape(job.coded.mid(job.sent, due - job.sent));
        job.sent = due;
        if (!flush())
            return;
    }
    const bool allSent = (job.stopRequested || job.sent >= job.coded.size()) && m_out.isEmpty();
    if (allSent && (job.stopRequested || heard >= job.coded.size()))
        endTransmit();
}

void ModemSession::endTransmit()
{
    send(DleFraming::code(DleFraming::kEtx));
    m_phase = Phase::AwaitEnd;
    m_timeout.start(m_options.commandTimeoutMs);
}

// ---- Failures

void ModemSession::timedOut()
{
    if (m_settingUp || !m_usable)
        lost(m_options.device + QStringLiteral(": the modem does not answer"));
    else
        reset();
}

void ModemSession::reset()
{
    m_usable = false;
    failAll(QStringLiteral("TIMEOUT"));
    m_reader.start(m_device.fd()); // a fresh parser: the old one may think it is still receiving
    m_out.clear();
    m_reported = true;
    emit unusable(m_options.device + QStringLiteral(": the modem stopped answering and is being reset"));
    bringToCommandMode();
}

void ModemSession::bringToCommandMode()
{
    // Whatever mode the modem is in (a crashed program may have left it streaming), these bring it
    // back to commands: end a transmission, abort a reception, end a half-typed command line. What
    // it says to them while it settles is no reply to anything.
    send(DleFraming::code(DleFraming::kCan) + DleFraming::code(DleFraming::kEtx) +
         DleFraming::code(DleFraming::kAbort) + kEndOfLine);
    m_settle.start(kSettleMs);
}

void ModemSession::lost(const QString& why)
{
    m_usable = false;
    m_settingUp = false;
    m_settle.stop();
    m_writer.stop();
    m_out.clear();
    m_reader.stop();
    m_device.close();
    failAll(QStringLiteral("CLOSED"));
    if (!m_reported) {
        m_reported = true; // once per loss, not at every failed attempt to reopen
        emit unusable(why);
    }
    if (!m_closed)
        m_retry.start(m_options.retryMs);
}

void ModemSession::failAll(const QString& final)
{
    m_timeout.stop();
    std::deque<Job> jobs;
    jobs.swap(m_queue);
    if (m_current) {
        jobs.push_front(std::move(*m_current));
        m_current.reset();
    }
    m_phase = Phase::Idle;
    for (Job& job : jobs) {
        if (job.kind == Job::Command && job.done)
            job.done({false, final, {}});
        else if (job.kind != Job::Command && job.finished)
            job.finished();
    }
}

// ---- Setting the modem up

QList<ModemSession::SetupStep> ModemSession::setupSteps()
{
    const auto fixed = [](const char* text) { return [t = QByteArray(text)] { return t; }; };
    const auto required = [](const Reply& r) { return r.ok; };
    const auto optional = [](const Reply&) { return true; };
    QList<SetupStep> steps{
        {fixed("AT"), required},
        {fixed("ATE0"), required},
        {fixed("AT+FCLASS=8"), required},
        {fixed("AT+FMI?"),
         [this](const Reply& r) {
             m_manufacturer = r.ok ? infoText(r.lines, "+FMI:") : QString();
             return true;
         }},
        {fixed("AT+FMM?"),
         [this](const Reply& r) {
             m_model = r.ok ? infoText(r.lines, "+FMM:") : QString();
             return true;
         }},
        {fixed("ATI3"),
         [this](const Reply& r) {
             m_ati3 = r.ok ? infoText(r.lines, {}) : QString();
             return true;
         }},
        {fixed("AT+IFC=2,2"), optional},
        {fixed("AT+VSM=?"),
         [this](const Reply& r) {
             const Result<VoiceMethod> chosen = VoiceMethods::choose(VoiceMethods::parse(r.lines));
             if (chosen)
                 m_method = *chosen;
             return r.ok && chosen.ok();
         }},
        {[this] { return QByteArray("AT+VSM=") + QByteArray::number(m_method.id) + ",8000"; }, required},
        {fixed("AT+VCID=1"), optional},
        {fixed("AT+VLS=0"), optional},
    };
    for (const QString& extra : m_options.init.split(u';', Qt::SkipEmptyParts))
        steps.append({[t = extra.trimmed().toLatin1()] { return t; }, optional});
    return steps;
}

void ModemSession::runSetup()
{
    m_settingUp = true;
    m_steps = setupSteps();
    runSetupStep(0);
}

void ModemSession::runSetupStep(int index)
{
    if (!m_device.isOpen())
        return;
    if (index >= m_steps.size()) {
        m_settingUp = false;
        m_usable = true;
        if (!m_manufacturer.isEmpty() && !m_model.isEmpty())
            m_identity = m_manufacturer + u' ' + m_model;
        else if (!m_ati3.isEmpty())
            m_identity = m_ati3;
        else if (m_identity.isEmpty())
            m_identity = QStringLiteral("Voice modem");
        m_reported = false;
        emit ready();
        return;
    }
    const QByteArray text = m_steps.at(index).text();
    enqueue({.kind = Job::Command, .text = text, .done = [this, index, text](const Reply& r) {
                 if (!m_settingUp)
                     return;
                 if (!m_steps.at(index).accept(r)) {
                     lost(QStringLiteral("%1: the modem refused %2 (%3)")
                              .arg(m_options.device, QString::fromLatin1(text), r.final));
                     return;
                 }
                 runSetupStep(index + 1);
             }});
}

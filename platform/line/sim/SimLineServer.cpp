#include "SimLineServer.h"

#include "SimLine.h"

#include <QLocalSocket>

namespace {

constexpr qsizetype kHistoryLimit = 2000;

bool startsWithWords(const QString& event, const QStringList& words)
{
    const QStringList have = event.split(u' ');
    if (have.size() < words.size())
        return false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (have.at(i) != words.at(i))
            return false;
    }
    return true;
}

QString reply(const Status& status)
{
    return status ? QStringLiteral("OK") : QStringLiteral("ERR ") + status.error();
}

} // namespace

SimLineServer::SimLineServer(SimLine* line) : m_line(line)
{
    connect(&m_server, &QLocalServer::newConnection, this, &SimLineServer::accept);
    connect(line, &SimLine::monitor, this, &SimLineServer::record);
    connect(line, &SimLine::machineSound, this, &SimLineServer::hear);
}

SimLineServer::~SimLineServer()
{
    for (Client* c : std::as_const(m_clients)) {
        c->socket->disconnect(this);
        delete c;
    }
}

Status SimLineServer::listen(const QString& socketName)
{
    {
        // A line that answers under this name belongs to a program still running: leave it alone.
        QLocalSocket probe;
        probe.connectToServer(socketName);
        if (probe.waitForConnected(200))
            return Status::failure(QStringLiteral("another program already serves the line %1").arg(socketName));
    }
    QLocalServer::removeServer(socketName);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(socketName))
        return Status::failure(m_server.errorString());
    return {};
}

void SimLineServer::accept()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        auto* client = new Client;
        client->socket = socket;
        socket->setParent(this);
        m_clients.append(client);
        connect(socket, &QLocalSocket::readyRead, this, [this, client] { read(client); });
        connect(socket, &QLocalSocket::disconnected, this, [this, client] {
            m_clients.removeAll(client);
            client->socket->deleteLater();
            delete client;
        });
    }
}

void SimLineServer::read(Client* client)
{
    client->input += client->socket->readAll();
    qsizetype end;
    while ((end = client->input.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(client->input.left(end)).trimmed();
        client->input.remove(0, end + 1);
        if (!line.isEmpty())
            handle(client, line);
    }
}

void SimLineServer::handle(Client* client, const QString& line)
{
    const qsizetype space = line.indexOf(u' ');
    const QString command = line.left(space < 0 ? line.size() : space).toUpper();
    const QString rest = space < 0 ? QString() : line.mid(space + 1).trimmed();
    const qint64 now = m_historyStart + m_history.size();

    if (command == u"RING") {
        const qsizetype gap = rest.indexOf(u' ');
        const QString number = rest.left(gap < 0 ? rest.size() : gap);
        if (number.isEmpty())
            return send(client, QStringLiteral("ERR RING needs a number (- for none)"));
        m_waitFrom = now;
        const Result<int> call = m_line->ring(number, gap < 0 ? QString() : rest.mid(gap + 1).trimmed());
        return send(client, call ? QStringLiteral("OK CALL %1").arg(*call) : QStringLiteral("ERR ") + call.error());
    }
    if (command == u"DIGITS") {
        m_waitFrom = now;
        return send(client, reply(m_line->pressKeys(rest)));
    }
    if (command == u"HANGUP") {
        m_waitFrom = now;
        return send(client, reply(m_line->hangUp()));
    }
    if (command == u"SAY")
        return send(client, reply(rest.isEmpty() ? Status::failure("SAY needs a WAV file or -") : m_line->say(rest)));
    if (command == u"LISTEN")
        return send(client,
                    reply(rest.isEmpty() ? Status::failure("LISTEN needs a WAV file or -") : m_line->listen(rest)));
    if (command == u"STATUS")
        return send(client, QStringLiteral("OK ") + m_line->describe());
    if (command == u"EVENTS") {
        client->subscribed = true;
        return send(client, QStringLiteral("OK"));
    }
    if (command == u"HEAR") {
        client->hearing = true;
        return send(client, QStringLiteral("OK"));
    }
    if (command == u"VOICE") {
        m_line->addVoice(QByteArray::fromBase64(rest.toLatin1()));
        return; // a stream: no reply
    }
    if (command == u"WAIT") {
        client->waitFor = rest.split(u' ', Qt::SkipEmptyParts);
        if (client->waitFor.isEmpty())
            return send(client, QStringLiteral("ERR WAIT needs an event"));
        client->waiting = true;
        tryWait(client);
        return;
    }
    send(client, QStringLiteral("ERR unknown command ") + command);
}

bool SimLineServer::tryWait(Client* client)
{
    for (qint64 seq = qMax(m_waitFrom, m_historyStart); seq < m_historyStart + m_history.size(); ++seq) {
        const QString& event = m_history.at(seq - m_historyStart);
        if (startsWithWords(event, client->waitFor)) {
            m_waitFrom = seq + 1;
            client->waiting = false;
            send(client, QStringLiteral("OK ") + event);
            return true;
        }
    }
    return false;
}

void SimLineServer::record(const QString& event)
{
    m_history.append(event);
    if (m_history.size() > kHistoryLimit) {
        m_history.removeFirst();
        ++m_historyStart;
    }
    for (Client* c : std::as_const(m_clients)) {
        if (c->subscribed)
            send(c, QStringLiteral("EVENT ") + event);
        if (c->waiting)
            tryWait(c);
    }
}

void SimLineServer::hear(const QByteArray& samples)
{
    const QString line = QStringLiteral("AUDIO ") + QString::fromLatin1(samples.toBase64());
    for (Client* c : std::as_const(m_clients)) {
        if (c->hearing)
            send(c, line);
    }
}

void SimLineServer::send(Client* client, const QString& line)
{
    client->socket->write(line.toUtf8() + '\n');
    client->socket->flush();
}

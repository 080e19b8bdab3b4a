#pragma once

#include "Result.h"

#include <QList>
#include <QLocalServer>
#include <QStringList>

class QLocalSocket;
class SimLine;

// The simulated line's door: one command a line, one reply a command ("OK …" or "ERR …").
//   RING <number> [<name>]   DIGITS <keys>   SAY <wav>|-   LISTEN <wav>|-   HANGUP   STATUS
//   WAIT <words>  the next line event starting with these words ("WAIT ANSWERED"); it may have
//                 happened since the last RING, DIGITS or HANGUP; each wait moves past what it matched
//   EVENTS        from now on, every line event is sent as "EVENT <event>"
//   HEAR          from now on, what the machine plays is sent as "AUDIO <base64 8 kHz mono 16-bit>"
//   VOICE <base64 8 kHz mono 16-bit>  more of the caller's voice (a microphone)
class SimLineServer : public QObject {
    Q_OBJECT
public:
    explicit SimLineServer(SimLine* line);
    ~SimLineServer() override;
    Status listen(const QString& socketName);

private:
    struct Client {
        QLocalSocket* socket = nullptr;
        QByteArray input;
        bool subscribed = false;
        bool hearing = false;
        bool waiting = false;
        QStringList waitFor;
    };

    void accept();
    void read(Client* client);
    void handle(Client* client, const QString& line);
    void record(const QString& event);
    void hear(const QByteArray& samples);
    bool tryWait(Client* client);
    static void send(Client* client, const QString& line);

    SimLine* m_line;
    QLocalServer m_server;
    QList<Client*> m_clients;
    QStringList m_history;     // line events, oldest first
    qint64 m_historyStart = 0; // sequence number of m_history.first()
    qint64 m_waitFrom = 0;     // waits look at events from this sequence number on
};

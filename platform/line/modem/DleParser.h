#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Splits what a voice modem sends into text lines, shielded events and received voice. The state
// (a DLE at the end of one read, half a line, receiving or not) is kept from one feed to the next.
class DleParser {
public:
    struct Item {
        enum Kind { Line, Event, Voice, ReceiveEnded };
        Kind kind = Line;
        QString line;     // Line: without CR/LF, never empty
        char event = 0;   // Event: the character after DLE
        QByteArray voice; // Voice: data bytes with DLE DLE undone
    };

    // The next "CONNECT" line starts voice reception (set just before the receive command is sent);
    // any other final reply cancels the expectation.
    void expectReceive() { m_expectReceive = true; }
    bool receiving() const { return m_receiving; }
    // Forgets half-read input, e.g. after the device was reopened.
    void reset();

    QList<Item> feed(const QByteArray& bytes);

private:
    void endLine(QList<Item>& out);
    void voiceByte(QList<Item>& out, char c);

    QByteArray m_line;
    bool m_dle = false;
    bool m_receiving = false;
    bool m_expectReceive = false;
    bool m_skipLineFeed = false;
};

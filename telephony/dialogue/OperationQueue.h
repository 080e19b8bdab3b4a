#pragma once

#include <QList>
#include <QString>

// The learned signals a caller chose, sent in order after the call.
class OperationQueue {
public:
    static constexpr int kCapacity = 1000;

    struct Operation {
        QString device;     // one digit, as keyed
        QString button;     // two digits, as keyed
        QString signalFile; // the catalogue's FileName of the pair

        // "3-05": the pair as the status text shows it while the signal is sent.
        QString tag() const { return device + u'-' + button; }
        bool operator==(const Operation&) const = default;
    };

    // False, and nothing queued, when the queue is full.
    bool add(Operation operation);
    void clear() { m_operations.clear(); }

    int count() const { return int(m_operations.size()); }
    bool isEmpty() const { return m_operations.isEmpty(); }
    bool isFull() const { return count() >= kCapacity; }
    const QList<Operation>& operations() const { return m_operations; }

private:
    QList<Operation> m_operations;
};

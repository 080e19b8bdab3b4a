#pragma once

#include "Result.h"

#include <QString>

// Exclusive use of a serial device among the programs of the machine: a file "LCK..<device>" in
// the lock folder holding the owner's process id as ten characters and a newline. A lock left by a
// process that no longer runs is taken over.
class UucpLock {
public:
    UucpLock() = default;
    ~UucpLock();
    UucpLock(const UucpLock&) = delete;
    UucpLock& operator=(const UucpLock&) = delete;

    // "LCK..ttyACM0" for /dev/ttyACM0 or a link to it; a device below /dev/ keeps its sub-folder as
    // "pts_3".
    static QString fileName(const QString& devicePath);

    Status acquire(const QString& lockDir, const QString& devicePath);
    void release();
    bool held() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }

private:
    QString m_path;
};

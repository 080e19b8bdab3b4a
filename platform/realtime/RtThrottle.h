#pragma once

#include <QString>

// The kernel's real-time throttle (/proc/sys/kernel/sched_rt_runtime_us, 950000 of every 1000000 µs by
// default) cuts a ~50 ms hole into every second of a spinning SCHED_FIFO thread. RtThrottle lifts it
// (writes -1) for the lifetime of the object where that is allowed and writes the old value back
// afterwards. A lock file makes real-time sessions of all our processes take turns, so one session
// never restores the value while another still needs it lifted; the old value is kept in the lock
// file, so a session killed half-way is mended by the next one.
class RtThrottle {
public:
    // runtimeFile and lockFile are settable for tests; the defaults are the kernel's file and a lock
    // in /run/lock (or the temporary folder).
    explicit RtThrottle(QString runtimeFile = defaultRuntimeFile(), QString lockFile = defaultLockFile());
    ~RtThrottle();
    RtThrottle(const RtThrottle&) = delete;
    RtThrottle& operator=(const RtThrottle&) = delete;

    // True when real-time threads are not throttled now: lifted by us, already -1, or no such file.
    bool unthrottled() const { return m_unthrottled; }

    static QString defaultRuntimeFile();
    static QString defaultLockFile();

private:
    QString m_runtimeFile;
    int m_lockFd = -1;
    bool m_unthrottled = false;
    bool m_lifted = false;
    QByteArray m_original;
};

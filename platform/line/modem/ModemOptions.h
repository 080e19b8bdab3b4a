#pragma once

#include <QString>

// Where the voice modem is and how patiently it is spoken to.
struct ModemOptions {
    QString device;                                // [Modem] Device, best a /dev/serial/by-id/… name
    int speed = 115200;                            // [Modem] Speed
    QString init;                                  // [Modem] Init: extra commands sent after the set-up
    QString lockDir = QStringLiteral("/var/lock"); // [Modem] LockDir: folder of the UUCP lock file
    int commandTimeoutMs = 3000;                   // [Modem] Timeout (seconds): longest wait for a reply
    int ringGapMs = 8000; // [Modem] RingGap (seconds): no ring for so long ends an unanswered call
    int retryMs = 3000;   // [Modem] Retry (seconds): pause between attempts to reopen a lost modem

    // Reads the [Modem] section of setting.ini; missing or odd values keep the defaults.
    static ModemOptions fromSettings();
};

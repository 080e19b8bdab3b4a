#pragma once

#include "VoiceMethods.h"

#include <QList>
#include <QString>
#include <QStringList>

// What one kind of voice modem says and can do, for the modem double. A new modem's quirks go into
// a profile of their own: its identification, its list of voice methods, its replies.
struct VoiceModemProfile {
    struct Method {
        QString listLine;    // its line in the reply to the method list query
        SampleCoding coding; // how the double codes voice in it
    };

    QString manufacturer = QStringLiteral("Talvero Labs"); // empty: +FMI? is refused
    QString model = QStringLiteral("VM-56 Voice");         // empty: +FMM? is refused
    QString ati3 = QStringLiteral("VM-56 V1.2");
    QList<Method> methods;
    QString answerReply = QStringLiteral("OK"); // the reply to going off hook (some modems say VCON)
    QStringList refused;                        // commands answered with ERROR

    int methodId(int index) const;

    // 8-bit and 16-bit linear, µ-law and an ADPCM the program cannot use.
    static VoiceModemProfile fullRange();
    static VoiceModemProfile eightBitOnly();
    static VoiceModemProfile muLawOnly();
};

#pragma once

#include "Result.h"

#include <QList>
#include <QString>
#include <QStringList>

// The sample coding of a voice method, as far as this program can use it.
enum class SampleCoding { Linear16, Unsigned8, Signed8, MuLaw, ALaw, Unusable };

// One line of the modem's list of voice compression methods: "<id>,"<name>",<bits>,<timing>,(<rates>),…".
struct VoiceMethod {
    int id = -1;
    QString name;
    int bitsPerSample = 0;
    QList<std::pair<int, int>> rates; // sample rate ranges (a single rate has first == second)
    SampleCoding coding = SampleCoding::Unusable;

    bool supportsRate(int rate) const;
    // Bytes of this coding per second at 8 kHz.
    int bytesPerSecond() const { return coding == SampleCoding::Linear16 ? 16000 : 8000; }
};

namespace VoiceMethods {

// The methods in the reply lines of the list query; lines that are no method (echo, "OK") are skipped.
QList<VoiceMethod> parse(const QStringList& replyLines);
// The coding a method name and sample size stand for.
SampleCoding codingOf(const QString& name, int bitsPerSample);
// The best method for an 8 kHz line: 16-bit linear, else 8-bit linear, else µ-law, else A-law.
Result<VoiceMethod> choose(const QList<VoiceMethod>& methods);

} // namespace VoiceMethods

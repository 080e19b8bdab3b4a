#pragma once

#include "Result.h"

#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

class PcAudio;

// Spoken audio as the synthesiser made it: mono 16-bit samples at its own rate.
struct SpeechAudio {
    int sampleRate = 0;
    QList<int16_t> samples;
};

// The speaking character "Merlin" (Japanese, language 0x411). speak() returns at once with the
// request's number; requestComplete reports that number once the speech has been played to the PC's
// output, with an empty error text when it was played in full.
class Speech : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static constexpr int kLanguageId = 0x411;
    static inline const QString kCharacterName = QStringLiteral("Merlin");

    // Makes the voice ready; the error says which component is missing.
    virtual Status load() = 0;
    virtual Result<quint64> speak(const QString& text) = 0;

signals:
    void requestComplete(quint64 request, const QString& error);
};

// The character speaks through output (to the PC's speakers, or the null device's mix). [Speech]
// Engine "sim" (or $TALVERO_SPEECH=sim) gives the simulated character, which speaks a tone as long
// as the text; anything else the Japanese voice.
std::unique_ptr<Speech> makeSpeech(PcAudio& output);

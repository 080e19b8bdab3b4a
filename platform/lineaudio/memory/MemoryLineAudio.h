#pragma once

#include "LineAudio.h"

#include <functional>

// Wave devices in memory, running in real time: what is played goes to a listener, what is
// captured comes from a voice source (silence when it has nothing). A simulated line feeds them.
class MemoryLineAudio : public LineAudio {
public:
    struct Wiring {
        // Fills the next bytes of caller voice (8 kHz mono 16-bit); shorter results are padded with silence.
        std::function<QByteArray(int bytes)> callerVoice;
        // Receives what the machine plays, in line samples, as it is played.
        std::function<void(const QByteArray& lineSamples, const QString& soundName)> machineVoice;
        // Told when a sound starts playing and when capturing starts or stops.
        std::function<void(bool playing, const QString& soundName)> playbackStateChanged;
        std::function<void(bool capturing)> captureStateChanged;
    };
    struct Faults {
        bool refusePlayback = false;
        bool refuseCapture = false;
        bool refuse16BitCapture = false;
    };

    MemoryLineAudio(int legacyId, Wiring wiring);
    void setFaults(const Faults& faults) { m_faults = faults; }

    QList<AudioDeviceInfo> playbackDevices() const override;
    QList<AudioDeviceInfo> captureDevices() const override;
    Result<std::unique_ptr<LinePlayback>> openPlayback(const QString& guid) override;
    Result<std::unique_ptr<LineCapture>> openCapture(const QString& guid) override;

    QString playbackGuid() const;
    QString captureGuid() const;

private:
    int m_id;
    Wiring m_wiring;
    Faults m_faults;
};

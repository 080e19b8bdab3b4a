#pragma once

#include "LineAudio.h"

class ModemSession;

// The voice modem's wave devices: playback streams to the line with the modem's transmit command,
// capture records the line with its receive command. Both convert between the line's 16-bit
// samples and the modem's voice method.
class ModemAudio : public LineAudio {
public:
    ModemAudio(ModemSession& session, int legacyId);

    QList<AudioDeviceInfo> playbackDevices() const override;
    QList<AudioDeviceInfo> captureDevices() const override;
    Result<std::unique_ptr<LinePlayback>> openPlayback(const QString& guid) override;
    Result<std::unique_ptr<LineCapture>> openCapture(const QString& guid) override;

    QString playbackGuid() const;
    QString captureGuid() const;

private:
    ModemSession& m_session;
    int m_id;
};

#pragma once

#include "LineAudio.h"

#include <memory>

class ModemSession;

// One sound played to the line through the modem, converted to its voice method.
class ModemPlayback : public LinePlayback {
public:
    explicit ModemPlayback(ModemSession& session);
    ~ModemPlayback() override;

    bool load(const QByteArray& lineSamples, const QString& soundName) override;
    void play() override;
    bool isPlaying() const override { return *m_playing; }
    void stop() override;

private:
    ModemSession& m_session;
    QByteArray m_coded;
    int m_ticket = 0;
    // Shared with the session's end-of-stream callback, which may outlive this object.
    std::shared_ptr<bool> m_playing = std::make_shared<bool>(false);
};

#pragma once

#include "LineAudio.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// Plays a loaded sound in real time: what has been played goes to the sink a tenth of a second at
// a time, and the rest when the sound ends or is cut off.
class MemoryPlayback : public QObject, public LinePlayback {
    Q_OBJECT
public:
    using Sink = std::function<void(const QByteArray& lineSamples, const QString& soundName)>;
    using StateSink = std::function<void(bool playing, const QString& soundName)>;
    MemoryPlayback(Sink sink, StateSink state);
    ~MemoryPlayback() override;

    bool load(const QByteArray& lineSamples, const QString& soundName) override;
    void play() override;
    bool isPlaying() const override { return m_playing; }
    void stop() override;

private:
    void deliverUpTo(qsizetype bytes);
    void tick();

    QString m_name;
    Sink m_sink;
    StateSink m_state;
    QByteArray m_samples;
    qsizetype m_delivered = 0;
    QElapsedTimer m_clock;
    QTimer m_tick;
    bool m_playing = false;
};

#pragma once

#include "LineAudio.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// Plays a loaded sound in real time; at its end (or when cut off) the played part goes to the sink.
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
    void finish(qsizetype playedBytes);

    QString m_name;
    Sink m_sink;
    StateSink m_state;
    QByteArray m_samples;
    QElapsedTimer m_clock;
    QTimer m_end;
    bool m_playing = false;
};

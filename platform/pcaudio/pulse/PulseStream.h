#pragma once

#include "Result.h"
#include "WavFile.h"

#include <QString>

#include <memory>

struct pa_simple;

// One blocking stream to or from the sound server, with short buffers: the server's null sinks
// would otherwise buffer two seconds.
class PulseStream {
public:
    enum class Direction { Playback, Record };

    // device: a sink or source name, or empty for the default. The error says what failed.
    static Result<std::shared_ptr<PulseStream>> open(Direction direction, const QString& device,
                                                     const WavFormat& format, const QString& streamName);
    ~PulseStream();

    Status read(void* data, size_t bytes);
    Status write(const void* data, size_t bytes);
    Status drain();
    void flush();

private:
    explicit PulseStream(pa_simple* stream) : m_stream(stream) {}
    pa_simple* m_stream;
};

// True when a sound server accepts a connection within a short while.
bool pulseServerAnswers();

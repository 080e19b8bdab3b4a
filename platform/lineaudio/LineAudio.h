#pragma once

#include "Result.h"
#include "WaveFormat.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// The line's own wave devices: what the caller hears goes to a playback device, what the caller
// says comes from a capture device. A line provider presents its media stream this way.

struct AudioDeviceInfo {
    QString guid;        // identifies the device when it is opened
    QString description; // "WaveOut <id>" or "WaveIn <id>" for a line's legacy device id
};

// One sound loaded for playing to the line.
class LinePlayback {
public:
    virtual ~LinePlayback() = default;
    // Loads the sound (8 kHz mono 16-bit samples) under a name for whoever monitors the line;
    // false when the device cannot take it.
    virtual bool load(const QByteArray& lineSamples, const QString& soundName) = 0;
    virtual void play() = 0; // once, no looping
    virtual bool isPlaying() const = 0;
    virtual void stop() = 0;
};

// A looping capture buffer with notification positions, on one capture device.
class LineCapture : public QObject {
    Q_OBJECT
public:
    // The buffer of the given size in the given format; fails when the device refuses the format.
    virtual Status createBuffer(const WaveFormat& format, int bytes) = 0;
    virtual WaveFormat format() const = 0;
    virtual int bufferSize() const = 0;
    // Byte offsets in the buffer; when capturing passes offset i, notified(i) is sent.
    virtual void setNotificationPositions(const QList<int>& offsets) = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isCapturing() const = 0;
    virtual QByteArray read(int offset, int bytes) const = 0;

signals:
    void notified(int index);
};

class LineAudio {
public:
    virtual ~LineAudio() = default;
    virtual QList<AudioDeviceInfo> playbackDevices() const = 0;
    virtual QList<AudioDeviceInfo> captureDevices() const = 0;
    // An empty guid opens the default device. The error says why the device cannot be used.
    virtual Result<std::unique_ptr<LinePlayback>> openPlayback(const QString& guid) = 0;
    virtual Result<std::unique_ptr<LineCapture>> openCapture(const QString& guid) = 0;
};

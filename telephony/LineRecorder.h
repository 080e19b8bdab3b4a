#pragma once

#include "Result.h"
#include "WavWriter.h"

#include <QObject>
#include <QString>

#include <memory>

class LineAudio;
class LineCapture;

// Records the caller from the line's capture device: a looping two-second buffer whose halves
// are appended, one second at a time, to a per-call file in the data folder's tmp/. That file is
// already a WAV; when the recording ends it is renamed into the message folder. A file left in
// tmp/ by a program that died is made a message at the next start.
class LineRecorder : public QObject {
    Q_OBJECT
public:
    LineRecorder();
    ~LineRecorder() override;

    // Starts recording for at most maxSeconds; fails when the capture device cannot be opened.
    Status RecordFile(LineAudio& audio, const QString& deviceGuid, const QString& messagePath, int maxSeconds);
    bool isRecording() const { return m_capture != nullptr; }
    // Ends the recording. With keep, the sound becomes the message file, under another free name
    // when its own was taken meanwhile; the path kept, or empty when nothing was kept.
    QString StopRecording(bool keep);

    // Turns the recordings a dead program left in tmp/ into messages; the paths kept.
    static QStringList recoverInterrupted();

signals:
    // MaxMessage seconds of sound are in; the engine ends the recording.
    void timeUp();

private:
    void DirectXEvent8_DXCallback(int eventid);
    void CopyCaptureHalf(int half);
    void CloseCapture();

    std::unique_ptr<LineCapture> m_capture;
    WavWriter m_raw;
    QString m_messagePath;
    int m_recordSeconds = 0;
    bool m_skip = true;
};

#pragma once

#include "Result.h"

#include <QString>

class PcAudio;

// The PC's one wave device, shared by recording and playback. Both go through a scratch file of
// this process in the data folder's tmp/ and copy between it and the real file. A second recording
// or playback while one is in progress is refused.

// Starts recording the recording source into the scratch file and returns at once.
Status RecordWave();
// Ends the recording and copies it into path. When the recording is missing or path cannot be
// written, shows the write-failure message and keeps whatever path held; false then.
bool SaveWave(const QString& path);
// Plays the file to its end, letting window events run meanwhile; StopWave() from an event handler
// ends it early. The error says why nothing was played.
Status PlayWave(const QString& path);
// Stops and closes the device; a recording in progress is dropped.
void StopWave();

// Ends a recording in progress without saving it yet, so that the scratch file can be examined.
Status finishRecording();
QString scratchWavePath();
bool waveDeviceBusy();

// The device itself, which the speaking character plays through.
PcAudio& waveAudio();

inline const QString kWriteFailedMessage =
    QStringLiteral("ファイルに書き込むことができませんでした。\n"
                   "メディアプレーヤーなどが起動している場合は閉じてからもう一度記録を行ってください");
inline const QString kWaveBusyMessage =
    QStringLiteral("ほかの録音または再生の最中です。終わってからもう一度行ってください。");

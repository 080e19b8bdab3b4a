#include "LineRecorder.h"

#include "DataFolder.h"
#include "LineAudio.h"
#include "MessageStore.h"
#include "WavFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kRawSuffix = QStringLiteral(".recording");

// Renames a finished recording into the message folder without ever replacing a file there.
QString moveIntoPlace(const QString& raw, const QString& wanted)
{
    QString target = wanted;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (QFile::rename(raw, target))
            return target;
        target = MessageStore::uniquePath(QFileInfo(wanted).fileName());
    }
    return {};
}

} // namespace

LineRecorder::LineRecorder() = default;

LineRecorder::~LineRecorder()
{
    // A recording cut off by the program's end stays in tmp/ and is recovered at the next start.
    if (m_raw.isOpen())
        m_raw.finish();
}

Status LineRecorder::RecordFile(LineAudio& audio, const QString& deviceGuid, const QString& messagePath, int maxSeconds)
{
    m_recordSeconds = maxSeconds;
    Result<std::unique_ptr<LineCapture>> capture = audio.openCapture(deviceGuid);
    if (!capture)
        return Status::failure(capture.error());
    std::unique_ptr<LineCapture> device = std::move(capture.value());
    WaveFormat format = WaveFormat::line();
    if (!device->createBuffer(format, 2 * format.bytesPerSecond())) {
        format = WaveFormat::line8Bit();
        const Status retried = device->createBuffer(format, 2 * format.bytesPerSecond());
        if (!retried)
            return retried;
    }
    const QString raw = QDir(DataFolder::tmpDir()).filePath(QFileInfo(messagePath).fileName() + kRawSuffix);
    const Status opened = m_raw.open(raw, format);
    if (!opened)
        return Status::failure(raw + QStringLiteral(": ") + opened.error());
    m_messagePath = messagePath;
    m_capture = std::move(device);
    m_capture->setNotificationPositions({0, m_capture->bufferSize() / 2});
    connect(m_capture.get(), &LineCapture::notified, this, &LineRecorder::DirectXEvent8_DXCallback);
    m_skip = true;
    m_capture->start();
    return {};
}

void LineRecorder::DirectXEvent8_DXCallback(int eventid)
{
    CopyCaptureHalf(eventid == 1 ? 0 : 1);
    if (--m_recordSeconds < 0)
        emit timeUp();
}

void LineRecorder::CopyCaptureHalf(int half)
{
    if (m_skip) {
        m_skip = false;
        return;
    }
    const int size = m_capture->bufferSize() / 2;
    // A failed write loses that second; the recording goes on.
    m_raw.append(m_capture->read(half * size, size));
}

QString LineRecorder::StopRecording(bool keep)
{
    if (!m_capture)
        return {};
    m_capture->stop();
    QString kept;
    const QString raw = m_raw.path();
    if (m_raw.finish() && keep)
        kept = moveIntoPlace(raw, m_messagePath);
    if (kept.isEmpty())
        QFile::remove(raw);
    CloseCapture();
    return kept;
}

void LineRecorder::CloseCapture()
{
    if (m_capture) {
        m_capture->disconnect(this);
        // The capture may be the sender of the notification being handled.
        m_capture.release()->deleteLater();
    }
    m_messagePath.clear();
}

QStringList LineRecorder::recoverInterrupted()
{
    QStringList kept;
    const QDir tmp(DataFolder::tmpDir());
    for (const QFileInfo& raw : tmp.entryInfoList({u'*' + kRawSuffix}, QDir::Files)) {
        const QString name = raw.fileName().chopped(kRawSuffix.size());
        if (WavWriter::repairHeader(raw.filePath()) && QFileInfo(raw.filePath()).size() > WavFile::kHeaderSize) {
            QDir().mkpath(MessageStore::folder());
            const QString target = moveIntoPlace(raw.filePath(), MessageStore::uniquePath(name));
            if (!target.isEmpty()) {
                kept.append(target);
                continue;
            }
        }
        QFile::remove(raw.filePath());
    }
    return kept;
}

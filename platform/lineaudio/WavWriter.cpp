#include "WavWriter.h"

#include "WavFile.h"

#include <QtEndian>

Status WavWriter::open(const QString& path, const WaveFormat& format)
{
    m_file.close();
    m_file.setFileName(path);
    m_format = format;
    m_data = 0;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Status::failure(m_file.errorString());
    if (m_file.write(WavFile::header(format, 0)) != WavFile::kHeaderSize || !m_file.flush())
        return Status::failure(m_file.errorString());
    return {};
}

Status WavWriter::append(const QByteArray& bytes)
{
    if (!m_file.isOpen())
        return Status::failure(QStringLiteral("file is not open"));
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        return Status::failure(m_file.errorString());
    m_data += bytes.size();
    return {};
}

Status WavWriter::updateHeader()
{
    if (!m_file.isOpen())
        return Status::failure(QStringLiteral("file is not open"));
    const qint64 end = m_file.pos();
    const bool ok = m_file.seek(0) &&
                    m_file.write(WavFile::header(m_format, quint32(m_data))) == WavFile::kHeaderSize &&
                    m_file.seek(end) && m_file.flush();
    return ok ? Status() : Status::failure(m_file.errorString());
}

Status WavWriter::finish()
{
    const Status updated = updateHeader();
    m_file.close();
    return updated;
}

Status WavWriter::repairHeader(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return Status::failure(f.errorString());
    const QByteArray head = f.read(WavFile::kHeaderSize);
    if (head.size() < WavFile::kHeaderSize || !head.startsWith("RIFF") || head.mid(8, 8) != "WAVEfmt " ||
        head.mid(36, 4) != "data")
        return Status::failure(QStringLiteral("not a WAV file with a 44-byte header"));
    const qint64 data = f.size() - WavFile::kHeaderSize;
    const int blockAlign = qFromLittleEndian<quint16>(head.constData() + 32);
    const qint64 whole = blockAlign > 0 ? data - data % blockAlign : data;
    char size[4];
    qToLittleEndian(quint32(36 + whole), size);
    bool ok = f.seek(4) && f.write(size, 4) == 4;
    qToLittleEndian(quint32(whole), size);
    ok = ok && f.seek(40) && f.write(size, 4) == 4 && f.resize(WavFile::kHeaderSize + whole);
    return ok ? Status() : Status::failure(f.errorString());
}

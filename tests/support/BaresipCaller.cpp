#include "BaresipCaller.h"

#include "SipFreePort.h"
#include "WaitUntil.h"

#include <QDir>
#include <QFile>

namespace {

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

} // namespace

BaresipCaller::BaresipCaller(Options options) : m_options(std::move(options))
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(&m_process, &QProcess::readyRead, [this] { m_output += QString::fromUtf8(m_process.readAll()); });
}

BaresipCaller::~BaresipCaller()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    write("q");
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool BaresipCaller::start()
{
    const int port = freeUdpPort();
    if (!m_dir.isValid() || port == 0) {
        m_error = QStringLiteral("no folder or port for baresip");
        return false;
    }
    const QString sounds = m_dir.filePath(QStringLiteral("heard"));
    QDir().mkpath(sounds);
    const QByteArray config = "poll_method epoll\n"
                              "sip_listen 127.0.0.1:" +
                              QByteArray::number(port) +
                              "\n"
                              "net_interface 127.0.0.1\n"
                              "audio_player aubridge,nil\n"
                              "audio_alert aubridge,nil\n"
                              "audio_source aufile," +
                              m_options.voiceWav.toUtf8() +
                              "\n"
                              "audio_srate 8000\n"
                              "audio_channels 1\n"
                              "rtp_ports 20000-40000\n"
                              "snd_path " +
                              sounds.toUtf8() +
                              "\n"
                              "module_path /usr/lib/baresip/modules\n"
                              "module stdio.so\n"
                              "module g711.so\n"
                              "module aufile.so\n"
                              "module aubridge.so\n"
                              "module sndfile.so\n"
                              "module_app account.so\n"
                              "module_app menu.so\n";
    const QByteArray display = m_options.display.isEmpty() ? QByteArray() : '"' + m_options.display.toUtf8() + "\" ";
    const QByteArray account = display + "<sip:" + m_options.user.toUtf8() +
                               "@127.0.0.1>;regint=0;answermode=manual;audio_codecs=" + m_options.codec.toLatin1() +
                               "\n";
    if (!writeFile(m_dir.filePath("config"), config) || !writeFile(m_dir.filePath("accounts"), account) ||
        !writeFile(m_dir.filePath("contacts"), {})) {
        m_error = QStringLiteral("cannot write baresip's config");
        return false;
    }
    m_process.start(QStringLiteral("baresip"), {QStringLiteral("-f"), m_dir.path()});
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("baresip does not start: ") + m_process.errorString();
        return false;
    }
    if (!waitUntil([this] { return said(QStringLiteral("baresip is ready")); }, 10000)) {
        m_error = QStringLiteral("baresip is not ready:\n") + m_output;
        return false;
    }
    return true;
}

void BaresipCaller::write(const QByteArray& bytes)
{
    if (m_process.state() == QProcess::Running)
        m_process.write(bytes);
}

void BaresipCaller::dial(const QString& uri)
{
    write("/dial " + uri.toUtf8() + "\n");
}

void BaresipCaller::press(QChar key)
{
    write(QString(key).toLatin1());
}

void BaresipCaller::hangUp()
{
    write("b");
}

bool BaresipCaller::said(const QString& text) const
{
    return m_output.contains(text);
}

QString BaresipCaller::heardWav() const
{
    const QDir sounds(m_dir.filePath(QStringLiteral("heard")));
    const QStringList heard = sounds.entryList({QStringLiteral("*-dec.wav")}, QDir::Files, QDir::Time);
    return heard.isEmpty() ? QString() : sounds.filePath(heard.first());
}

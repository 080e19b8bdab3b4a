#include "LinphoneCaller.h"

#include "SipFreePort.h"
#include "WaitUntil.h"

#include <QFile>
#include <QProcessEnvironment>

LinphoneCaller::LinphoneCaller(QString user) : m_user(std::move(user))
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(&m_process, &QProcess::readyRead, [this] { m_output += QString::fromUtf8(m_process.readAll()); });
}

LinphoneCaller::~LinphoneCaller()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    command(QStringLiteral("quit"));
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool LinphoneCaller::start()
{
    const int sipPort = freeUdpPort();
    const int rtpPort = freeUdpPort();
    if (!m_home.isValid() || sipPort == 0 || rtpPort == 0) {
        m_error = QStringLiteral("no home or port for linphonec");
        return false;
    }
    const QString rc = m_home.filePath(QStringLiteral("linphonerc"));
    const QByteArray config = "[sip]\n"
                              "sip_port=" +
                              QByteArray::number(sipPort) +
                              "\n"
                              "sip_tcp_port=-1\n"
                              "sip_tls_port=-1\n"
                              "use_info=1\n"
                              "use_rfc2833=0\n"
                              "use_ipv6=0\n"
                              "contact=\"Linphone\" <sip:" +
                              m_user.toUtf8() +
                              "@127.0.0.1>\n"
                              "[rtp]\n"
                              "audio_rtp_port=" +
                              QByteArray::number(rtpPort) +
                              "\n"
                              "[net]\n"
                              "firewall_policy=0\n"
                              "[sound]\n"
                              "echocancellation=0\n";
    QFile f(rc);
    if (!f.open(QIODevice::WriteOnly) || f.write(config) != config.size()) {
        m_error = QStringLiteral("cannot write linphonerc");
        return false;
    }
    f.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home.path());
    m_process.setProcessEnvironment(env);
    m_process.start(QStringLiteral("linphonec"), {QStringLiteral("-c"), rc});
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("linphonec does not start: ") + m_process.errorString();
        return false;
    }
    command(QStringLiteral("soundcard use files"));
    command(QStringLiteral("ipv6 disable"));
    if (!waitUntil([this] { return said(QStringLiteral("linphonec>")) || said(QStringLiteral("Using sound device")); },
                   10000)) {
        m_error = QStringLiteral("linphonec is not ready:\n") + m_output;
        return false;
    }
    return true;
}

void LinphoneCaller::command(const QString& line)
{
    if (m_process.state() == QProcess::Running)
        m_process.write(line.toUtf8() + '\n');
}

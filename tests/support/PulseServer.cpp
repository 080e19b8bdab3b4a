#include "PulseServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

namespace {

bool answers(const QString& address)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("-s"), address, QStringLiteral("info")});
    return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

} // namespace

PulseServer::PulseServer()
{
    m_hadServer = qEnvironmentVariableIsSet("PULSE_SERVER");
    m_previousServer = qgetenv("PULSE_SERVER");
    const QString root = m_dir.path();
    QDir(root).mkpath(QStringLiteral("xdg"));
    QFile::setPermissions(root + "/xdg", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), root);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + "/xdg");
    env.insert(QStringLiteral("PULSE_STATE_PATH"), root + "/state");
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), root + "/xdg/pulse");
    env.remove(QStringLiteral("PULSE_SERVER"));
    m_daemon.setProcessEnvironment(env);
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.setStandardOutputFile(QProcess::nullDevice());
    m_daemon.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--enable-memfd=no"), QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("--system=no"), QStringLiteral("--realtime=no"),
                    QStringLiteral("--high-priority=no"), QStringLiteral("--log-target=file:") + root + "/pa.log",
                    QStringLiteral("-L"),
                    QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + root + "/native",
                    QStringLiteral("-L"),
                    QStringLiteral("module-null-sink sink_name=%1 sink_properties=device.description=TAM_Null "
                                   "rate=8000 channels=1")
                        .arg(sinkName())});
    if (!m_daemon.waitForStarted(10000)) {
        m_error = QStringLiteral("pulseaudio does not start: ") + m_daemon.errorString();
        return;
    }
    const QDeadlineTimer deadline(20000);
    while (!answers(address())) {
        if (deadline.hasExpired() || m_daemon.state() != QProcess::Running) {
            QFile log(root + "/pa.log");
            log.open(QIODevice::ReadOnly);
            m_error = QStringLiteral("pulseaudio does not answer: ") + QString::fromUtf8(log.readAll().right(2000));
            stop();
            return;
        }
        QThread::msleep(50);
    }
    qputenv("PULSE_SERVER", address().toUtf8());
}

PulseServer::~PulseServer()
{
    stop();
    if (m_hadServer)
        qputenv("PULSE_SERVER", m_previousServer);
    else
        qunsetenv("PULSE_SERVER");
}

QString PulseServer::address() const
{
    return QStringLiteral("unix:") + m_dir.path() + "/native";
}

void PulseServer::stop()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(10000)) {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
}

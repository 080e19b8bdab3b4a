#include "FakePppd.h"

#include <QDir>
#include <QFile>

namespace {

const char* const kScript = R"SH(#!/bin/sh
log="$FAKE_PPPD_LOG"
entry=; pwfd=; prev=
for a in "$@"; do
  case "$prev" in call) entry=$a ;; passwordfd) pwfd=$a ;; esac
  prev=$a
done
printf '%s\n' "$@" > "$log/args"
if [ -n "$pwfd" ]; then eval "cat <&$pwfd" > "$log/password.tmp"; mv "$log/password.tmp" "$log/password"; fi
echo $$ > "$log/pid"
peer="$NIMBAL_PEERS_DIR/$entry"
sed -n 's/^#fake say //p' "$peer" >&2
if grep -q '^#fake stay' "$peer"; then
  trap 'echo "Terminating on signal 15" >&2; exit 5' TERM
  echo "Serial connection established." >&2
  echo "local  IP address 10.0.0.2" >&2
  while :; do sleep 0.1 </dev/null >/dev/null 2>&1; done
fi
code=$(sed -n 's/^#fake exit //p' "$peer")
exit ${code:-0}
)SH";

QByteArray swapEnv(const char* name, const QByteArray& value)
{
    const QByteArray old = qgetenv(name);
    qputenv(name, value);
    return old;
}

void restoreEnv(const char* name, const QByteArray& value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

} // namespace

FakePppd::FakePppd()
{
    QDir(m_dir.path()).mkdir(QStringLiteral("peers"));
    QDir(m_dir.path()).mkdir(QStringLiteral("log"));
    QFile script(program());
    script.open(QIODevice::WriteOnly);
    script.write(kScript);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_oldPppd = swapEnv("NIMBAL_PPPD", QFile::encodeName(program()));
    m_oldPeers = swapEnv("NIMBAL_PEERS_DIR", QFile::encodeName(peersDir()));
    m_oldLog = swapEnv("FAKE_PPPD_LOG", QFile::encodeName(m_dir.filePath(QStringLiteral("log"))));
}

FakePppd::~FakePppd()
{
    restoreEnv("NIMBAL_PPPD", m_oldPppd);
    restoreEnv("NIMBAL_PEERS_DIR", m_oldPeers);
    restoreEnv("FAKE_PPPD_LOG", m_oldLog);
}

QString FakePppd::addPeer(const QString& name, const QStringList& behaviour)
{
    QFile f(QDir(peersDir()).filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write("/dev/ttyS0 115200\nconnect \"/usr/sbin/chat -v -f /etc/chatscripts/provider\"\n");
    for (const QString& line : behaviour)
        f.write("#fake " + line.toUtf8() + '\n');
    return f.fileName();
}

QString FakePppd::peersDir() const
{
    return m_dir.filePath(QStringLiteral("peers"));
}

QString FakePppd::program() const
{
    return m_dir.filePath(QStringLiteral("pppd"));
}

QByteArray FakePppd::logFile(const char* name) const
{
    QFile f(m_dir.filePath(QStringLiteral("log/") + QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool FakePppd::ran() const
{
    return QFile::exists(m_dir.filePath(QStringLiteral("log/args")));
}

QStringList FakePppd::arguments() const
{
    return QString::fromUtf8(logFile("args")).split(u'\n', Qt::SkipEmptyParts);
}

bool FakePppd::passwordGiven() const
{
    return QFile::exists(m_dir.filePath(QStringLiteral("log/password")));
}

QByteArray FakePppd::password() const
{
    return logFile("password");
}

int FakePppd::pid() const
{
    return logFile("pid").trimmed().toInt();
}

void FakePppd::forget()
{
    for (const char* name : {"args", "password", "pid"})
        QFile::remove(m_dir.filePath(QStringLiteral("log/") + QLatin1String(name)));
}

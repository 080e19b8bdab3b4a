#include "SmtpServer.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcessEnvironment>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The Debian package installs the module for the system's Python; another python3 first on PATH
// would not see it.
QString python()
{
    return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                             : QStringLiteral("python3");
}

const char* const kScript = R"PY(
import asyncio, email, email.policy, json, os, sys
from aiosmtpd.smtp import SMTP, AuthResult

outdir = sys.argv[1]
user = os.environ.get('SMTP_FIXTURE_USER', '')
password = os.environ.get('SMTP_FIXTURE_PASS', '')
count = 0

class Handler:
    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if 'reject' in address:
            return '550 5.1.1 no such user'
        envelope.rcpt_tos.append(address)
        return '250 OK'

    async def handle_DATA(self, server, session, envelope):
        global count
        count += 1
        base = os.path.join(outdir, '%03d' % count)
        content = envelope.original_content or envelope.content
        with open(base + '.eml', 'wb') as f:
            f.write(content)
        msg = email.message_from_bytes(content, policy=email.policy.default)
        info = {'mail_from': envelope.mail_from, 'rcpt_tos': envelope.rcpt_tos,
                'subject': str(msg['subject'] or ''), 'from': str(msg['from'] or ''),
                'to': str(msg['to'] or ''), 'date': str(msg['date'] or ''),
                'message_id': str(msg['message-id'] or ''), 'headers': list(msg.keys())}
        body = msg.get_body(('plain',))
        info['body'] = body.get_content() if body is not None else None
        atts = list(msg.iter_attachments())
        info['attachments'] = len(atts)
        if atts:
            info['filename'] = atts[0].get_filename()
            info['content_type'] = atts[0].get_content_type()
            with open(base + '.att', 'wb') as f:
                f.write(atts[0].get_payload(decode=True))
        with open(base + '.tmp', 'w', encoding='utf-8') as f:
            json.dump(info, f, ensure_ascii=False)
        os.rename(base + '.tmp', base + '.json')
        return '250 OK'

def authenticate(server, session, envelope, mechanism, auth_data):
    ok = auth_data.login == user.encode() and auth_data.password == password.encode()
    return AuthResult(success=ok, handled=False)

async def main():
    options = {}
    if user:
        options = dict(authenticator=authenticate, auth_required=True, auth_require_tls=False)
    loop = asyncio.get_running_loop()
    server = await loop.create_server(lambda: SMTP(Handler(), **options), '127.0.0.1', 0)
    print(server.sockets[0].getsockname()[1], flush=True)
    await server.serve_forever()

asyncio.run(main())
)PY";

} // namespace

SmtpServer::SmtpServer(const QString& user, const QString& password)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SMTP_FIXTURE_USER"), user);
    env.insert(QStringLiteral("SMTP_FIXTURE_PASS"), password);
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(python(), {QStringLiteral("-c"), QString::fromUtf8(kScript), m_dir.path()});
    if (!m_process.waitForStarted(10000)) {
        m_error = QStringLiteral("python3 did not start");
        return;
    }
    while (!m_process.canReadLine() && m_process.waitForReadyRead(15000)) {
    }
    const int port = m_process.readLine().trimmed().toInt();
    if (port > 0)
        m_port = port;
    else
        m_error = QStringLiteral("the SMTP server did not start (is python3-aiosmtpd installed?)");
}

SmtpServer::~SmtpServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString SmtpServer::file(int index, const char* extension) const
{
    return m_dir.filePath(QStringLiteral("%1.%2").arg(index + 1, 3, 10, QChar(u'0')).arg(QLatin1String(extension)));
}

QList<QJsonObject> SmtpServer::messages() const
{
    QList<QJsonObject> out;
    for (int i = 0;; ++i) {
        QFile f(file(i, "json"));
        if (!f.open(QIODevice::ReadOnly))
            return out;
        out << QJsonDocument::fromJson(f.readAll()).object();
    }
}

QByteArray SmtpServer::attachment(int index) const
{
    QFile f(file(index, "att"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray SmtpServer::raw(int index) const
{
    QFile f(file(index, "eml"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int SmtpServer::closedPort()
{
    // The kernel hands out a free port to a socket bound to port 0; it is closed again at once.
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
                    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0;
    ::close(fd);
    return ok ? ntohs(addr.sin_port) : 1;
}

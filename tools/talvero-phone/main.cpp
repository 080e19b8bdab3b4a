// talvero-phone: calls the running Talvero on its virtual line from a shell, and stores the SIP
// account's password.
#include "DataFolder.h"
#include "PasswordScrambler.h"
#include "Settings.h"
#include "SimLineSocket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>

#include <cstdio>

namespace {

const char* const kUsage = "usage: talvero-phone [--home DIR] COMMAND [ARGUMENTS]\n"
                           "  ring NUMBER [NAME]        ring the machine (NUMBER - for no caller id)\n"
                           "  digits KEYS               press keys 0-9 * #\n"
                           "  say WAV|-                 the caller's voice from now on (- for silence)\n"
                           "  listen WAV|-              write what the machine plays into WAV (- to stop)\n"
                           "  hangup                    the caller hangs up\n"
                           "  status                    call state and the machine's status text\n"
                           "  wait EVENT... [--timeout SECONDS]\n"
                           "                            wait for the next line event starting with these words\n"
                           "                            (RINGING, ANSWERED, TONE, DETECT, PLAYING, PLAYED, CAPTURING,\n"
                           "                            CAPTURED, DISCONNECTED, TEXT); it may have happened since the\n"
                           "                            last ring, digits or hangup\n"
                           "  events [--timeout SECONDS] print line events as they happen\n"
                           "  sip-password PASSWORD     store [SIP] Password of the data folder, scrambled\n"
                           "exit status: 0 done, 1 refused or timed out, 2 usage or no line to talk to\n";

void print(const QString& text, FILE* to = stdout)
{
    std::fputs(text.toUtf8().constData(), to);
    std::fputc('\n', to);
    std::fflush(to);
}

// Removes "--timeout S" from args; the deadline it gives (forever without one).
bool takeTimeout(QStringList* args, QDeadlineTimer* deadline)
{
    const qsizetype at = args->indexOf(QStringLiteral("--timeout"));
    if (at < 0)
        return true;
    bool ok = false;
    const double seconds = at + 1 < args->size() ? args->at(at + 1).toDouble(&ok) : 0;
    if (!ok || seconds < 0)
        return false;
    args->remove(at, 2);
    *deadline = QDeadlineTimer(qint64(seconds * 1000));
    return true;
}

// The next full line from the line, or a null string when the deadline passed or the line went away.
QString readLine(QLocalSocket& socket, const QDeadlineTimer& deadline)
{
    while (!socket.canReadLine()) {
        if (socket.state() != QLocalSocket::ConnectedState || deadline.hasExpired())
            return {};
        socket.waitForReadyRead(
            int(qMin<qint64>(deadline.remainingTime() < 0 ? 1000 : deadline.remainingTime(), 1000)));
    }
    return QString::fromUtf8(socket.readLine()).trimmed();
}

// Written straight into the data folder's setting.ini: no line or running program is needed.
int storeSipPassword(const QString& home, const QStringList& args)
{
    if (args.size() != 1) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const Result<QString> scrambled = EncodePassword(args.first());
    if (!scrambled) {
        print(QStringLiteral("talvero-phone: ") + scrambled.error(), stderr);
        return 1;
    }
    const Status prepared =
        DataFolder::prepare(home, DataFolder::shippedDataDir(QCoreApplication::applicationDirPath()));
    if (!prepared) {
        print(QStringLiteral("talvero-phone: ") + prepared.error(), stderr);
        return 1;
    }
    DataFolder::setCurrent(home);
    if (!WriteSetting(u"SIP", u"Password", *scrambled)) {
        print(QStringLiteral("talvero-phone: cannot write the setting into %1").arg(QDir::toNativeSeparators(home)),
              stderr);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const QString home = DataFolder::choose(&args, QCoreApplication::applicationDirPath());
    QDeadlineTimer deadline(QDeadlineTimer::Forever);
    if (args.isEmpty() || args.first() == u"--help" || !takeTimeout(&args, &deadline)) {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.value(0) == u"--help" ? 0 : 2;
    }
    const QString command = args.takeFirst().toUpper();
    if (command == u"SIP-PASSWORD")
        return storeSipPassword(home, args);
    if ((command == u"SAY" || command == u"LISTEN") && !args.isEmpty() && args.first() != u"-")
        args.first() = QDir::current().absoluteFilePath(args.first());

    QLocalSocket socket;
    socket.connectToServer(SimLineSocket::name(home));
    if (!socket.waitForConnected(3000)) {
        print(QStringLiteral("talvero-phone: no virtual line for %1 (is Talvero running on it?)")
                  .arg(QDir::toNativeSeparators(home)),
              stderr);
        return 2;
    }
    const QString request = (command + u' ' + args.join(u' ')).trimmed();
    socket.write(request.toUtf8() + '\n');
    socket.flush();

    const QString reply = readLine(socket, deadline);
    if (reply.isNull()) {
        print(command == u"WAIT" ? QStringLiteral("talvero-phone: timed out")
                                 : QStringLiteral("talvero-phone: no reply"),
              stderr);
        return 1;
    }
    if (reply.startsWith(u"ERR")) {
        print(QStringLiteral("talvero-phone: ") + reply.mid(4), stderr);
        return 1;
    }
    if (reply.size() > 3)
        print(reply.mid(3));
    if (command != u"EVENTS")
        return 0;
    for (QString line; !(line = readLine(socket, deadline)).isNull();) {
        if (line.startsWith(u"EVENT "))
            print(line.mid(6));
    }
    return deadline.hasExpired() ? 0 : 1;
}

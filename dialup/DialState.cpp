#include "DialState.h"

#include <QMutex>

#include <atomic>

namespace DialState {

namespace {

std::atomic<int> g_state{OpeningPort};
std::atomic<int> g_error{0};
QMutex g_textLock;
QString g_text;

} // namespace

void notify(int state, int error, const QString& errorText)
{
    if (error != 0) {
        setError(error, errorText);
        return;
    }
    switch (state) {
    case OpeningPort:
    case ConnectDevice:
    case Authenticate:
    case LogonNetwork:
    case Connected:
    case Disconnected: g_state = state; break;
    default: break;
    }
}

void resetError()
{
    setError(0, {});
}

void startDial()
{
    g_state = Disconnected;
    resetError();
}

void setError(int error, const QString& errorText)
{
    QMutexLocker lock(&g_textLock);
    g_text = errorText;
    g_error = error;
}

int lastState()
{
    return g_state;
}

int lastError()
{
    return g_error;
}

QString lastErrorText()
{
    QMutexLocker lock(&g_textLock);
    return g_text;
}

int pollCode()
{
    if (g_error != 0)
        return -1;
    switch (g_state) {
    case ConnectDevice: return 102;
    case Authenticate: return 103;
    case LogonNetwork: return 104;
    case Connected: return 0;
    case Disconnected: return -9;
    default: return 101;
    }
}

QString statusText(int code)
{
    switch (code) {
    case 0: return QStringLiteral("接続されました");
    case 101: return QStringLiteral("ポートを開いています...");
    case 102: return QStringLiteral("ダイヤル中...");
    case 103: return QStringLiteral("ユーザー名とパスワードを確認中...");
    case 104: return QStringLiteral("ネットワークにログオンしています...");
    case -9: return QStringLiteral("切断されました");
    case -1: return QStringLiteral("ダイヤルアップエラー");
    default: return QStringLiteral("不明なステータス");
    }
}

} // namespace DialState

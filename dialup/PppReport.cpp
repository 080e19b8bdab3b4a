#include "PppReport.h"

#include "DialState.h"

namespace PppReport {

namespace {

struct Reply {
    const char* text;
    int error;
};

// The modem's final replies as chat reports them.
const Reply kReplies[] = {
    {"NO CARRIER", 679}, {"NO DIALTONE", 680}, {"NO DIAL TONE", 680}, {"NO ANSWER", 678}, {"VOICE", 677}, {"BUSY", 676},
};

bool has(QStringView line, const char* text)
{
    return line.contains(QLatin1String(text), Qt::CaseInsensitive);
}

} // namespace

std::optional<int> stateOfLine(QStringView line)
{
    if (has(line, "local  IP address") || has(line, "local IP address") || has(line, "local LL address"))
        return DialState::Connected;
    if (has(line, "authentication succeeded"))
        return DialState::LogonNetwork;
    if (has(line, "Serial connection established") || has(line, "Connect: ppp"))
        return DialState::Authenticate;
    return std::nullopt;
}

int replyErrorOfLine(QStringView line)
{
    if (has(line, "abort on"))
        return 0;
    for (const Reply& r : kReplies)
        if (line.contains(QLatin1String(r.text)))
            return r.error;
    if (has(line, "alarm"))
        return 638;
    return 0;
}

bool peerSilentLine(QStringView line)
{
    return has(line, "timeout sending Config-Requests");
}

int errorOfEnd(int exitCode, int signal, bool hungUp, const Findings& seen)
{
    if (hungUp)
        return 0;
    if (signal > 0)
        return 630;
    switch (exitCode) {
    case 0: return seen.connected ? 0 : 629;
    case 2: return 604;
    case 3:
    case 4: return 608;
    case 5: return 631;
    case 6: return 602;
    case 7: return 615;
    case 8: return seen.replyError ? seen.replyError : 651;
    case 10: return seen.peerSilent ? 650 : 634;
    case 11:
    case 12:
    case 14:
    case 15:
    case 16: return 629;
    case 17: return 630;
    case 19: return 691;
    default: return 692;
    }
}

QString describeEnd(int exitCode, int signal, const Findings& seen)
{
    if (signal > 0)
        return QStringLiteral("pppd はシグナル %1 で終了しました").arg(signal);
    switch (exitCode) {
    case 3: return QStringLiteral("pppd に必要な権限がありません (終了コード 3)");
    case 4: return QStringLiteral("カーネルが PPP に対応していません (終了コード 4)");
    case 6: return QStringLiteral("シリアル ポートは使用中です (終了コード 6)");
    case 7: return QStringLiteral("シリアル ポートを開けません (終了コード 7)");
    case 8:
        if (seen.replyError == 638)
            return QStringLiteral("モデムが応答しません (chat のタイムアウト)");
        return seen.replyError ? QStringLiteral("モデムがダイヤルに失敗しました (終了コード 8)")
                               : QStringLiteral("接続スクリプトが失敗しました (終了コード 8)");
    case 19: return QStringLiteral("認証に失敗しました (終了コード 19)");
    default: return QStringLiteral("pppd が終了しました (終了コード %1)").arg(exitCode);
    }
}

} // namespace PppReport

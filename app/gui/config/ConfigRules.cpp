#include "ConfigRules.h"

#include "PasswordScrambler.h"

namespace ConfigRules {

QString brokenRule(const ConfigEntries& e)
{
    if (e.remotePlayback && e.playbackPass.isEmpty())
        return kNoPlaybackPass;
    if (e.mailReport && (e.mailAddr.isEmpty() || e.smtpServer.isEmpty() || e.senderAddr.isEmpty()))
        return kMailIncomplete;
    if (e.useDialUp && (e.rasEntry.isEmpty() || e.userName.isEmpty() || e.rasPass.isEmpty()))
        return kDialUpIncomplete;
    if (e.irRemote && e.irPass.isEmpty())
        return kNoRemoteControlPass;
    if (const Result<QString> stored = EncodePassword(e.rasPass); !stored)
        return QStringLiteral("ダイヤルアップ接続の") + stored.error();
    return {};
}

} // namespace ConfigRules

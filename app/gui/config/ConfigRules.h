#pragma once

#include <QString>

// What the settings dialog checks before it saves: the entries of its switches and the texts they
// need.
struct ConfigEntries {
    bool remotePlayback = false; // Option1
    QString playbackPass;        // Text2
    bool mailReport = false;     // Option3
    QString mailAddr;            // Text7
    QString smtpServer;          // Text8
    QString senderAddr;          // Text9
    bool useDialUp = false;      // Check3
    QString rasEntry;            // Combo4
    QString userName;            // Text11
    QString rasPass;             // Text12
    bool irRemote = false;       // Check6
    QString irPass;              // Text10
};

namespace ConfigRules {

inline const QString kNoPlaybackPass = QStringLiteral("外出先からの留守番電話再生用のパスワードが設定されていません。");
inline const QString kMailIncomplete =
    QStringLiteral("留守電にメッセージが入ったときにメールで通知機能の設定が正しくありません。");
inline const QString kDialUpIncomplete = QStringLiteral("ダイヤルアップ接続の設定が正しくありません。");
inline const QString kNoRemoteControlPass = QStringLiteral("リモコン操作機能用のパスワードが設定されていません。");

// The message of the first rule the entries break, or an empty text when they keep every rule.
// The rules do not ask whether the answering machine is in use. Last comes the dial-up password,
// which is always stored: one holding a character its stored form cannot carry is refused.
QString brokenRule(const ConfigEntries& entries);

} // namespace ConfigRules

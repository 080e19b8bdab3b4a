#pragma once

#include <QString>

// The texts of the notification mail.
namespace NoticeMail {

QString subject(); // "留守番電話着信通知"

// The two lines naming the message: its file name without folder and without its last four
// characters (the extension). No line break at the end.
QString body(const QString& messagePath);

// [AnsweringMachine] MailAddr as the mail library takes it: every "," becomes a TAB.
QString recipients(const QString& mailAddr);

} // namespace NoticeMail

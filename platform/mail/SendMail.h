#pragma once

#include <QString>

// Sends one mail over SMTP: server, TAB-separated recipients, sender, subject, body, and the path of
// a WAV file to attach (empty for none). Port, security, login and time-out come from [Mail] of
// setting.ini. The result is empty on success and otherwise a text that says what went wrong, for
// the user to read. Blocks until the server has taken the mail or a step has timed out.
QString SendMail(const QString& server, const QString& recipients, const QString& sender, const QString& subject,
                 const QString& body, const QString& attachment);

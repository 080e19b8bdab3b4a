#pragma once

#include "Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// One notification mail before it is sent: the texts of the caller and, when there is one, the
// attached recording.
struct MailContent {
    QString sender;
    QStringList recipients;
    QString subject;
    QString body;
    QString attachmentName; // empty: no attachment
    QByteArray attachmentData;
};

// The recipients of a TAB-separated list, each trimmed of spaces; empty items are dropped.
QStringList splitRecipients(const QString& tabSeparated);

// The whole message (header and MIME body, CRLF line ends) as it goes to the server. Refused when a
// text that goes into the header holds a line break, so that no caller can add header lines, or
// when the sender or all recipients are missing. token makes the Message-ID unique.
Result<QByteArray> composeMessage(const MailContent& mail, const QDateTime& date, const QByteArray& token);

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The pieces of a mail header: texts that may hold Japanese, addresses, parameters and the date.
namespace MailHeader {

// True when text holds a character that would end a header line (CR, LF) or a NUL.
bool breaksHeader(QStringView text);

// The text as it may stand in a header: unchanged when it is printable ASCII, otherwise as UTF-8
// encoded words of at most 75 characters each, folded onto continuation lines. Characters are
// never split between two words.
QByteArray encodeText(const QString& text);

// An address of the form "addr" or "Name <addr>"; a non-ASCII name is encoded. Empty when the
// address part itself is not ASCII (it could not travel in a header).
QByteArray address(const QString& text);

// The bare address for the SMTP envelope: what stands inside "<…>", or the trimmed text.
QString envelopeAddress(const QString& text);

// The file-name parameters of an attachment (name=… for Content-Type, filename=… for
// Content-Disposition): quoted when ASCII, encoded as UTF-8 when not.
QByteArray nameParameter(const QString& fileName);
QByteArray fileNameParameter(const QString& fileName);

// The date in the form mail uses: "Thu, 10 Dec 2026 10:23:30 +0900".
QByteArray date(const QDateTime& when);

} // namespace MailHeader

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The caller id of a SIP call, taken from the From header. It is untrusted network text: both parts
// are cleaned before they reach a label, a file name or the call log.
struct SipCallerId {
    std::optional<QString> number; // no value when the caller is anonymous
    std::optional<QString> name;   // no value when the caller gave none

    static constexpr int kMaxNumber = 40;
    static constexpr int kMaxName = 64;

    // userPart is URL-escaped as it stands in the URI; display may still be quoted.
    static SipCallerId fromHeader(const QByteArray& userPart, const QByteArray& display, const QByteArray& host);
    // Printable characters only: control characters, invalid UTF-8 and line breaks are dropped,
    // runs of blanks become one space, the result is trimmed and cut to maxLength characters.
    static QString clean(const QByteArray& raw, int maxLength);
};

#pragma once

#include "Result.h"

#include <QString>

// How the mail server is reached, from the [Mail] section of setting.ini: Port (default 25, 465 for
// tls), Security (none | starttls | tls), User and Pass (Pass scrambled like the dial-up password),
// Timeout (seconds that any one step may take, default 60).
struct SmtpOptions {
    enum class Security { None, StartTls, Tls };
    int port = 25;
    Security security = Security::None;
    QString user;
    QString password;
    int timeoutSeconds = 60;
};

// The options as set; a garbled value gives an error text that names the key.
Result<SmtpOptions> readSmtpOptions();

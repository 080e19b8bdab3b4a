#include "SmtpOptions.h"

#include "PasswordScrambler.h"
#include "Settings.h"

namespace {

constexpr int kDefaultPort = 25;
constexpr int kDefaultTlsPort = 465;
constexpr int kDefaultTimeout = 60;
constexpr int kLongestTimeout = 3600;

// A whole number in [low, high], or fallback when the text is empty; -1 when garbled.
int numberSetting(const QString& text, int fallback, int low, int high)
{
    if (text.trimmed().isEmpty())
        return fallback;
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= low && n <= high ? n : -1;
}

QString garbled(const QString& key, const QString& value)
{
    return QStringLiteral("設定 [Mail] %1 の値 \"%2\" が正しくありません").arg(key, value);
}

} // namespace

Result<SmtpOptions> readSmtpOptions()
{
    SmtpOptions o;
    const QString security = ReadSetting(u"Mail", u"Security").trimmed().toLower();
    if (security == u"starttls")
        o.security = SmtpOptions::Security::StartTls;
    else if (security == u"tls")
        o.security = SmtpOptions::Security::Tls;
    else if (!security.isEmpty() && security != u"none")
        return Result<SmtpOptions>::failure(garbled(QStringLiteral("Security"), security));

    const QString port = ReadSetting(u"Mail", u"Port");
    const int fallbackPort = o.security == SmtpOptions::Security::Tls ? kDefaultTlsPort : kDefaultPort;
    o.port = numberSetting(port, fallbackPort, 1, 65535);
    if (o.port < 0)
        return Result<SmtpOptions>::failure(garbled(QStringLiteral("Port"), port));

    const QString timeout = ReadSetting(u"Mail", u"Timeout");
    o.timeoutSeconds = numberSetting(timeout, kDefaultTimeout, 1, kLongestTimeout);
    if (o.timeoutSeconds < 0)
        return Result<SmtpOptions>::failure(garbled(QStringLiteral("Timeout"), timeout));

    o.user = ReadSetting(u"Mail", u"User");
    o.password = DecodePassword(ReadSetting(u"Mail", u"Pass"));
    return o;
}

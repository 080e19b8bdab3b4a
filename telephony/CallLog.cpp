#include "CallLog.h"

#include "DataFolder.h"

#include <QFile>

namespace CallLog {

namespace {

QString dateTime(const QDateTime& when)
{
    return when.toString(QStringLiteral("yyyy/MM/dd H:mm:ss"));
}

} // namespace

QString incomingCallLine(const QDateTime& when, const QString& number)
{
    return dateTime(when) + QStringLiteral(" - ") + number + QStringLiteral(" から着信しました");
}

QString playbackModeLine(const QDateTime& when)
{
    return dateTime(when) + QStringLiteral(" - 留守番電話再生モードを実行しました");
}

QString operationLine(const QDateTime& when, int device, int button)
{
    return dateTime(when) + QStringLiteral(" - 機器番号:%1 リモコンボタン番号:%2　を操作しました")
                                .arg(device)
                                .arg(button, 2, 10, QLatin1Char('0'));
}

QString operationFailedLine(const QDateTime& when, int device, int button)
{
    return dateTime(when) + QStringLiteral(" - 機器番号:%1 リモコンボタン番号:%2　を操作できませんでした")
                                .arg(device)
                                .arg(button, 2, 10, QLatin1Char('0'));
}

QString passwordAttemptsExceededLine(const QDateTime& when)
{
    return dateTime(when) + QStringLiteral(" - パスワードを3回間違えたため、通話を切断しました");
}

QString captureFailedLine(const QDateTime& when, const QString& reason)
{
    return dateTime(when) + QStringLiteral(" - 録音デバイスを開けないため、メッセージを録音できませんでした (") +
           reason + u')';
}

Status append(const QString& line)
{
    QFile log(DataFolder::path(u"\\Phone.log"));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return Status::failure(log.errorString());
    const QByteArray bytes = line.toUtf8() + '\n';
    if (log.write(bytes) != bytes.size() || !log.flush())
        return Status::failure(log.errorString());
    return {};
}

} // namespace CallLog

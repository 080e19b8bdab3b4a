#include "NoticeMail.h"

namespace NoticeMail {

namespace {
constexpr int kExtensionLength = 4;
}

QString subject()
{
    return QStringLiteral("留守番電話着信通知");
}

QString body(const QString& messagePath)
{
    const qsizetype slash = std::max(messagePath.lastIndexOf(u'/'), messagePath.lastIndexOf(u'\\'));
    QString name = messagePath.mid(slash + 1);
    name.chop(kExtensionLength);
    return QStringLiteral("留守番電話にメッセージが入りました。\r\nファイル名：") + name;
}

QString recipients(const QString& mailAddr)
{
    QString out = mailAddr;
    out.replace(u',', u'\t');
    return out;
}

} // namespace NoticeMail

#include "AutostartEntry.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>

namespace AutostartEntry {

namespace {

// An argument with a reserved character goes between double quotes, with ", `, $ and \ escaped by
// a backslash; "%" is doubled because Exec gives it a meaning of its own.
QString quoted(QString arg)
{
    arg.replace(QStringLiteral("%"), QStringLiteral("%%"));
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes =
        arg.isEmpty() || std::any_of(arg.cbegin(), arg.cend(), [](QChar c) { return reserved.contains(c); });
    if (!needsQuotes)
        return arg;
    QString out = QStringLiteral("\"");
    for (const QChar c : arg) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

// The escapes of a desktop entry's string values, applied after the Exec quoting.
QString escapedValue(const QString& value)
{
    QString out;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

QString filePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart/talvero.desktop"));
}

QString execLine(const QStringList& command)
{
    QStringList parts;
    for (const QString& arg : command)
        parts << quoted(arg);
    return escapedValue(parts.join(u' '));
}

QByteArray contents(const QStringList& command)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Morvane\n"
                          "Comment=留守番電話とリモコン操作\n"
                          "Exec=%1\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execLine(command))
        .toUtf8();
}

} // namespace AutostartEntry

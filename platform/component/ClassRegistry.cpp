#include "ClassRegistry.h"

#include "IniDocument.h"
#include "LegacyText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ClassRegistry {

namespace {

QString classSection(const QString& classId)
{
    return QStringLiteral("CLSID\\") + classId;
}

QStringList sectionsOf(const ClassRegistration& e)
{
    return {e.className, e.versionedName, classSection(e.classId), QStringLiteral("Interface\\") + e.interfaceId,
            QStringLiteral("TypeLib\\") + e.libraryId};
}

QString readText()
{
    QFile f(filePath());
    return f.open(QIODevice::ReadOnly) ? LegacyText::decode(f.readAll()) : QString();
}

bool writeText(const QString& text)
{
    QDir().mkpath(QFileInfo(filePath()).absolutePath());
    QSaveFile f(filePath());
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(text.toUtf8());
    return f.commit();
}

// The text without the named sections (matched without regard to case).
QString withoutSections(const QString& text, const QStringList& names)
{
    QStringList kept;
    bool dropping = false;
    for (const QString& line : text.split(u'\n')) {
        const QString t = line.trimmed();
        if (t.startsWith(u'[') && t.endsWith(u']'))
            dropping = names.contains(t.mid(1, t.size() - 2).trimmed(), Qt::CaseInsensitive);
        if (!dropping)
            kept << line;
    }
    return kept.join(u'\n');
}

} // namespace

QString filePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/talvero/classes.ini");
}

bool add(const ClassRegistration& e)
{
    IniDocument doc(withoutSections(readText(), sectionsOf(e)));
    const QString cls = classSection(e.classId);
    const QString iface = QStringLiteral("Interface\\") + e.interfaceId;
    const QString lib = QStringLiteral("TypeLib\\") + e.libraryId;
    const std::pair<QString, std::pair<QString, QString>> values[] = {
        {e.className, {QStringLiteral("CLSID"), e.classId}},
        {e.className, {QStringLiteral("CurVer"), e.versionedName}},
        {e.versionedName, {QStringLiteral("CLSID"), e.classId}},
        {cls, {QStringLiteral("Description"), e.description}},
        {cls, {QStringLiteral("ProgID"), e.versionedName}},
        {cls, {QStringLiteral("VersionIndependentProgID"), e.className}},
        {cls, {QStringLiteral("InprocServer32"), e.libraryPath}},
        {cls, {QStringLiteral("ThreadingModel"), e.threadingModel}},
        {cls, {QStringLiteral("TypeLib"), e.libraryId}},
        {iface, {QStringLiteral("Name"), e.interfaceName}},
        {iface, {QStringLiteral("Description"), e.interfaceDescription}},
        {iface, {QStringLiteral("TypeLib"), e.libraryId}},
        {lib, {QStringLiteral("Name"), e.libraryName}},
        {lib, {QStringLiteral("Version"), e.libraryVersion}},
        {lib, {QStringLiteral("HelpString"), e.libraryHelp}},
        {lib, {QStringLiteral("Path"), e.libraryPath}},
    };
    for (const auto& [section, kv] : values)
        if (!doc.setValue(section, kv.first, kv.second))
            return false;
    return writeText(doc.toString());
}

bool remove(const ClassRegistration& e)
{
    const QString text = readText();
    const QString kept = withoutSections(text, sectionsOf(e));
    return kept == text || writeText(kept);
}

QString classIdOf(const QString& className)
{
    return IniDocument(readText()).value(className, u"CLSID").trimmed();
}

QString libraryOf(const QString& classId)
{
    if (classId.isEmpty())
        return {};
    return IniDocument(readText()).value(classSection(classId), u"InprocServer32").trimmed();
}

} // namespace ClassRegistry

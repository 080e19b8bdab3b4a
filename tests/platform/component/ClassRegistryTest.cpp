#include "ClassRegistry.h"

#include "IniFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

ClassRegistration sample(const QString& name, const QString& id, const QString& library)
{
    ClassRegistration r;
    r.className = name;
    r.versionedName = name + QStringLiteral(".1");
    r.classId = id;
    r.description = QStringLiteral("Sample Class");
    r.interfaceId = id + QStringLiteral("-i");
    r.interfaceName = QStringLiteral("ISample");
    r.libraryId = id + QStringLiteral("-t");
    r.libraryName = QStringLiteral("SAMPLE");
    r.libraryVersion = QStringLiteral("1.0");
    r.libraryPath = library;
    r.threadingModel = QStringLiteral("both");
    return r;
}

} // namespace

TEST(ClassRegistry, AddsLooksUpAndRemovesOneClass)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    EXPECT_EQ(ClassRegistry::filePath(), config.path() + QStringLiteral("/talvero/classes.ini"));
    const ClassRegistration a = sample(QStringLiteral("A.One"), QStringLiteral("{A}"), QStringLiteral("/lib/a.so"));
    const ClassRegistration b = sample(QStringLiteral("B.Two"), QStringLiteral("{B}"), QStringLiteral("/lib/b.so"));
    ASSERT_TRUE(ClassRegistry::add(a));
    ASSERT_TRUE(ClassRegistry::add(b));
    ASSERT_TRUE(ClassRegistry::add(a)); // registering again replaces
    EXPECT_EQ(ClassRegistry::classIdOf(QStringLiteral("a.one")), QStringLiteral("{A}"));
    EXPECT_EQ(ClassRegistry::libraryOf(QStringLiteral("{A}")), QStringLiteral("/lib/a.so"));
    const IniFile file(ClassRegistry::filePath());
    EXPECT_EQ(file.read(u"CLSID\\{A}", u"ProgID"), QStringLiteral("A.One.1"));
    EXPECT_EQ(file.read(u"CLSID\\{A}", u"ThreadingModel"), QStringLiteral("both"));
    EXPECT_EQ(file.read(u"A.One.1", u"CLSID"), QStringLiteral("{A}"));

    ASSERT_TRUE(ClassRegistry::remove(a));
    EXPECT_TRUE(ClassRegistry::classIdOf(QStringLiteral("A.One")).isEmpty());
    EXPECT_TRUE(ClassRegistry::libraryOf(QStringLiteral("{A}")).isEmpty());
    EXPECT_TRUE(file.read(u"Interface\\{A}-i", u"Name").isEmpty());
    EXPECT_EQ(ClassRegistry::libraryOf(ClassRegistry::classIdOf(QStringLiteral("B.Two"))), QStringLiteral("/lib/b.so"));
    qunsetenv("XDG_CONFIG_HOME");
}

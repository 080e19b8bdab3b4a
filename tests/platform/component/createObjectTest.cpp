#include "createObject.h"

#include "ClassRegistry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(createObject, SaysWhyNoObjectWasMade)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    ClassRegistration r;
    r.className = QStringLiteral("Broken.Class");
    r.versionedName = QStringLiteral("Broken.Class.1");
    r.classId = QStringLiteral("{C}");
    r.interfaceId = QStringLiteral("{I}");
    r.libraryId = QStringLiteral("{T}");
    r.libraryPath = config.filePath(QStringLiteral("not-a-library.so"));
    QFile junk(r.libraryPath);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not an ELF file");
    junk.close();
    ASSERT_TRUE(ClassRegistry::add(r));

    const auto missing = createObject(QStringLiteral("No.Such"));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(u"登録されていません"));
    const auto broken = createObject(QStringLiteral("Broken.Class"));
    ASSERT_FALSE(broken.ok());
    EXPECT_TRUE(broken.error().contains(u"読み込めません"));
    qunsetenv("XDG_CONFIG_HOME");
}

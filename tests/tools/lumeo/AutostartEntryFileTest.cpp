#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

// The shipped autostart entry starts Lumeo and is disabled until the user enables it.
TEST(LumeoAutostartEntry, StartsLumeoAndIsDisabled)
{
    QFile file(QStringLiteral(LUMEO_AUTOSTART_ENTRY));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    EXPECT_EQ(lines.first(), u"[Desktop Entry]");
    for (const char* line : {"Type=Application", "Exec=Lumeo", "Hidden=true", "X-GNOME-Autostart-enabled=false"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;
}

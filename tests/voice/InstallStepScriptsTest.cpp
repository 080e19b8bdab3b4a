#include "InstallSpeechEngine.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A package tool that installs nothing: dpkg-query knows the packages in $FAKE_INSTALLED, apt-get
// and pkexec note their calls, id answers $FAKE_UID.
class FakePackageTool {
public:
    FakePackageTool()
    {
        write("dpkg-query", "for p in $FAKE_INSTALLED; do [ \"$p\" = \"$3\" ] && { printf 'install ok installed'; "
                            "exit 0; }; done; exit 1");
        write("apt-get", "echo \"apt-get $*\" >> \"$FAKE_LOG\"");
        write("pkexec", "echo pkexec >> \"$FAKE_LOG\"; exec \"$@\"");
        write("id", "echo \"$FAKE_UID\"");
    }

    QString run(const QString& script, const QString& installed, int uid)
    {
        QProcess p;
        QProcessEnvironment env;
        env.insert("PATH", m_dir.path() + ":/usr/bin:/bin");
        env.insert("FAKE_INSTALLED", installed);
        env.insert("FAKE_UID", QString::number(uid));
        env.insert("FAKE_LOG", m_dir.filePath("log"));
        p.setProcessEnvironment(env);
        QFile::remove(m_dir.filePath("log"));
        p.start("/bin/sh", {script});
        EXPECT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        QFile log(m_dir.filePath("log"));
        log.open(QIODevice::ReadOnly);
        return QString::fromUtf8(log.readAll()).trimmed();
    }

private:
    void write(const char* name, const char* body)
    {
        QFile f(m_dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray("#!/bin/sh\n") + body + "\n");
        f.close();
        f.setPermissions(f.permissions() | QFile::ExeOwner);
    }
    QTemporaryDir m_dir;
};

const char* const kInstall = "apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=600";

} // namespace

TEST(InstallStepScripts, InstallOnlyWhatIsMissingAsRootOrThroughPkexec)
{
    const QStringList scripts = installStepScripts();
    ASSERT_EQ(scripts.size(), 4);
    const QString dictionary = scripts[2];
    ASSERT_TRUE(QFile::exists(dictionary)) << dictionary.toStdString();
    FakePackageTool tool;
    const struct {
        QString installed;
        int uid;
        QString log;
    } cases[] = {
        {"libmecab2 mecab-ipadic-utf8", 1000, ""},
        {"libmecab2", 0, QStringLiteral("%1 mecab-ipadic-utf8").arg(kInstall)},
        {"", 1000, QStringLiteral("pkexec\n%1 libmecab2 mecab-ipadic-utf8").arg(kInstall)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tool.run(dictionary, c.installed, c.uid).toStdString(), c.log.toStdString())
            << c.installed.toStdString();
    for (const QString& script : scripts)
        EXPECT_TRUE(QFile::exists(script)) << script.toStdString();
}

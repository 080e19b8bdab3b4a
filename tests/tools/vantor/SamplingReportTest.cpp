#include "SamplingReport.h"

#include "BuiltProgram.h"
#include "SamplingStatistics.h"

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QMap<QString, QString> figures(const QString& text)
{
    QMap<QString, QString> map;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype space = line.indexOf(u' ');
        map.insert(line.left(space), line.mid(space + 1));
    }
    return map;
}

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun runVantorReport(const QString& port, const QString& accessNs)
{
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TALVERO_PORT", port);
    env.insert("TALVERO_SIM_ACCESS_NS", accessNs);
    env.insert("TALVERO_HOME", home.path());
    env.remove("TALVERO_PORT_TRACE");
    process.setProcessEnvironment(env);
    process.start(builtProgram("Vantor"), {"--report"});
    ProgramRun run;
    if (!process.waitForFinished(120'000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

TEST(SamplingReport, FiguresOneALine)
{
    const std::vector<std::int64_t> stamps{0, 2000, 4000, 24000};
    const QString text =
        samplingReportText(computeSamplingStatistics(stamps, 1'000'000'000), RealtimePolicy::Nice, "sim");
    EXPECT_EQ(text, "port sim\npolicy nice\nintervals 3\nmean_us 8.000\nmin_us 2.000\nmax_us 20.000\n"
                    "over_us 20.000\nerror_rate_percent 83.33\n");
}

TEST(SamplingReport, MeanOnTheVirtualModuleFollowsItsAccessCost)
{
    // Each read takes at least the set cost, so no interval can be shorter.
    const ProgramRun run = runVantorReport("sim", "3000");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto f = figures(run.out);
    EXPECT_EQ(f["port"], u"sim");
    EXPECT_TRUE(QStringList({"fifo", "nice", "normal"}).contains(f["policy"])) << f["policy"].toStdString();
    EXPECT_EQ(f["intervals"], u"99999");
    EXPECT_GE(f["mean_us"].toDouble(), 3.0);
    EXPECT_GE(f["min_us"].toDouble(), 3.0);
    EXPECT_GE(f["max_us"].toDouble(), f["mean_us"].toDouble());
}

TEST(SamplingReport, ReadsSlowerThanTheLimitLoseAllTheTime)
{
    const ProgramRun run = runVantorReport("sim", "13000");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(figures(run.out)["error_rate_percent"], u"100");
}

TEST(SamplingReport, WithoutPortAccessTheDriverMessage)
{
    const ProgramRun run = runVantorReport("nonsense", "1000");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith(u"IO.dll not properly istalled.\n")) << run.err.toStdString();
}

#include "MissingLabels.h"

#include "TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(MissingLabels, ListsRowsWithoutALabelFileInCatalogueOrder)
{
    TempHome home;
    QDir().mkpath(home.file("Ans"));
    QFile existing(home.file("Ans/105.wav"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QDir().mkpath(home.file("Ans/106.wav")); // a folder is no label
    const QList<LabelRow> rows{
        {"1", "05", "名前が変わった", "電源"}, // its label exists: never recorded again
        {"1", "06", "テレビ", "音量"},
        {"2", "00", "未登録", QString()},
    };
    const QList<MissingLabel> missing = findMissingLabels(rows);
    ASSERT_EQ(missing.size(), 2);
    EXPECT_EQ(missing[0].path, home.file("Ans/106.wav"));
    EXPECT_EQ(missing[0].name, QStringLiteral("テレビ"));
    EXPECT_EQ(missing[1].path, home.file("Ans/200.wav"));
    EXPECT_EQ(missing[1].name, QStringLiteral("未登録"));
    EXPECT_EQ(missing[1].description, QString());
}

TEST(MissingLabels, KeepsAtMostAThousand)
{
    TempHome home;
    QList<LabelRow> rows;
    for (int i = 0; i < kMaxMissingLabels + 5; ++i)
        rows.append({QString::number(i / 100), QStringLiteral("%1").arg(i % 100, 2, 10, QChar(u'0')), "x", "y"});
    EXPECT_EQ(findMissingLabels(rows).size(), kMaxMissingLabels);
}

#include "CatalogueStore.h"

#include "CatalogueFixture.h"
#include "ScriptedPrompt.h"
#include "TempHome.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace CatalogueFixture;
using namespace CatalogueStore;

namespace {

const QString kOverwrite = QStringLiteral("すでに記録されています");
const QByteArray kOldSignal = "old signal\r\n";
const QByteArray kNewSignal = "new signal\r\n";

class CatalogueAdd : public ::testing::Test {
protected:
    QString work() const { return home.file("Remote/temp.rmt"); }
    QString stored() const { return home.file("Remote/1-05"); }
    CatalogueRow rowOf(const NewSignal& s) const { return {s.device, s.name, s.button, s.description, stored()}; }

    // Device 1 button 05 learned once; a new capture is waiting in the work file.
    void learnOnceAndCaptureAgain()
    {
        writeFile(work(), kOldSignal);
        ASSERT_EQ(addLearnedSignal(first).value(), AddOutcome::Stored);
        writeFile(work(), kNewSignal);
    }

    TempHome home;
    const NewSignal first{"1", "ビデオ", "05", "録画"};
    const NewSignal second{"1", "レコーダー", "05", "予約"};
};

} // namespace

TEST_F(CatalogueAdd, MovesTheWorkFileIntoPlaceAndAddsTheRow)
{
    writeFile(work(), kNewSignal);
    const auto added = addLearnedSignal(first);
    ASSERT_TRUE(added.ok()) << added.error().toStdString();
    EXPECT_EQ(*added, AddOutcome::Stored);
    EXPECT_EQ(storedRows(), QList<CatalogueRow>{rowOf(first)});
    EXPECT_EQ(readFile(stored()), kNewSignal);
    EXPECT_FALSE(QFileInfo::exists(work()));
}

TEST_F(CatalogueAdd, OverwriteLeavesExactlyOneRowForThePair)
{
    learnOnceAndCaptureAgain();
    ScriptedPrompt prompts;
    prompts.expect(kOverwrite, PromptAnswer::Yes);
    ASSERT_EQ(addLearnedSignal(second).value(), AddOutcome::Stored);
    EXPECT_EQ(storedRows(), QList<CatalogueRow>{rowOf(second)});
    EXPECT_EQ(readFile(stored()), kNewSignal);
    EXPECT_FALSE(QFileInfo::exists(work()));
}

TEST_F(CatalogueAdd, OverwriteRemovesEveryRowOfThePairWrittenElsewhere)
{
    insertRows({rowOf(first), rowOf(first)});
    writeFile(work(), kNewSignal);
    ScriptedPrompt prompts;
    prompts.expect(kOverwrite, PromptAnswer::Yes);
    ASSERT_EQ(addLearnedSignal(second).value(), AddOutcome::Stored);
    EXPECT_EQ(storedRows(), QList<CatalogueRow>{rowOf(second)});
}

TEST_F(CatalogueAdd, AnyNoChangesNothing)
{
    struct Case {
        const char* what;
        NewSignal signal;
        QStringList questions; // answered Yes except the last one
    };
    const Case cases[] = {
        {"overwrite", {"1", "テレビ", "05", "電源"}, {kOverwrite}},
        {"no name", {"1", "未登録", "05", "電源"}, {"名前をつけずに"}},
        {"no description", {"1", "テレビ", "05", ""}, {"説明をつけずに"}},
        {"all three", {"1", "未登録", "05", ""}, {"名前をつけずに", "説明をつけずに", kOverwrite}},
    };
    learnOnceAndCaptureAgain();
    for (const Case& c : cases) {
        ScriptedPrompt prompts;
        for (qsizetype i = 0; i < c.questions.size(); ++i)
            prompts.expect(c.questions[i], i + 1 == c.questions.size() ? PromptAnswer::No : PromptAnswer::Yes);
        const auto added = addLearnedSignal(c.signal);
        ASSERT_TRUE(added.ok()) << c.what;
        EXPECT_EQ(*added, AddOutcome::Declined) << c.what;
        EXPECT_EQ(storedRows(), QList<CatalogueRow>{rowOf(first)}) << c.what;
        EXPECT_EQ(readFile(stored()), kOldSignal) << c.what;
        EXPECT_EQ(readFile(work()), kNewSignal) << c.what;
    }
}

TEST_F(CatalogueAdd, StoresThePlaceholderNameAndAnEmptyDescriptionWhenTheUserAgrees)
{
    writeFile(work(), kNewSignal);
    ScriptedPrompt prompts;
    prompts.expect("名前をつけずに", PromptAnswer::Yes).expect("説明をつけずに", PromptAnswer::Yes);
    const NewSignal bare{"1", "未登録", "05", ""};
    ASSERT_EQ(addLearnedSignal(bare).value(), AddOutcome::Stored);
    EXPECT_EQ(storedRows(), QList<CatalogueRow>{rowOf(bare)});
}

TEST_F(CatalogueAdd, RefusesWithNothingChanged)
{
    struct Case {
        const char* what;
        NewSignal signal;
        bool workFile;
        QString message;
    };
    const Case cases[] = {
        {"missing work file", {"2", "テレビ", "01", "電源"}, false, "temp.rmt"},
        {"device of two digits", {"12", "テレビ", "01", "電源"}, true, "0〜9"},
        {"button of one digit", {"2", "テレビ", "1", "電源"}, true, "00〜99"},
        {"path in the key", {"/", "テレビ", "..", "電源"}, true, "0〜9"},
    };
    learnOnceAndCaptureAgain();
    for (const Case& c : cases) {
        if (!c.workFile)
            QFile::remove(work());
        const auto added = addLearnedSignal(c.signal);
        ASSERT_FALSE(added.ok()) << c.what;
        EXPECT_TRUE(added.error().contains(c.message)) << added.error().toStdString();
        EXPECT_EQ(storedRows(), QList<CatalogueRow>{rowOf(first)}) << c.what;
        const QStringList left = c.workFile ? QStringList{"1-05", "temp.rmt"} : QStringList{"1-05"};
        EXPECT_EQ(QDir(home.file("Remote")).entryList(QDir::Files), left) << c.what;
        writeFile(work(), kNewSignal);
    }
}

TEST_F(CatalogueAdd, ACatalogueThatCannotBeOpenedKeepsTheWorkFile)
{
    const QByteArray garbage = QByteArray("not a database").repeated(100);
    writeFile(home.file("IRRemote.db"), garbage);
    writeFile(work(), kNewSignal);
    const auto added = addLearnedSignal(first);
    ASSERT_FALSE(added.ok());
    EXPECT_TRUE(added.error().contains(home.file("IRRemote.db"))) << added.error().toStdString();
    EXPECT_EQ(readFile(home.file("IRRemote.db")), garbage);
    EXPECT_EQ(readFile(work()), kNewSignal);
    EXPECT_FALSE(QFileInfo::exists(stored()));
}

TEST_F(CatalogueAdd, FromAFileCopiesItAndLeavesTheOriginal)
{
    const QString elsewhere = home.file("import/tv-power.rmt");
    writeFile(elsewhere, kNewSignal);
    ASSERT_EQ(addSignalFromFile(first, elsewhere).value(), AddOutcome::Stored);
    EXPECT_EQ(storedRows(), QList<CatalogueRow>{rowOf(first)});
    EXPECT_EQ(readFile(stored()), kNewSignal);
    EXPECT_EQ(readFile(elsewhere), kNewSignal);
    EXPECT_EQ(QDir(home.file("Remote")).entryList(QDir::Files | QDir::Hidden), QStringList{"1-05"});

    const auto missing = addSignalFromFile(second, home.file("import/none.rmt"));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains("none.rmt"));
}

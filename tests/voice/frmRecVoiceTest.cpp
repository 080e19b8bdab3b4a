#include "frmRecVoice.h"

#include "CatalogueDatabase.h"
#include "CatalogueQuery.h"
#include "CheckSpokenLabels.h"
#include "ScriptedPrompt.h"
#include "TempHome.h"
#include "WavFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A stand-in for the sound server's mixer that notes how it was started.
class FakeMixer {
public:
    FakeMixer() : m_path(qgetenv("PATH"))
    {
        QFile script(m_dir.filePath("pavucontrol"));
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > %1\n").arg(log()).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", (m_dir.path() + ":").toUtf8() + m_path);
    }
    ~FakeMixer() { qputenv("PATH", m_path); }
    QString log() const { return m_dir.filePath("started"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
};

} // namespace

TEST(frmRecVoice, ShowsItsTitleAndExplanation)
{
    frmRecVoice window({});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Morvane - 音声合成ファイルの作成"));
    const QLabel* label = window.findChild<QLabel*>();
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), frmRecVoice::kExplanation);
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("学習済みのリモコン信号で、")));
    EXPECT_EQ(window.createButton()->text(), QStringLiteral("作成する"));
    EXPECT_EQ(window.cancelButton()->text(), QStringLiteral("キャンセル"));
}

TEST(frmRecVoice, CreateRecordsEveryMissingLabel)
{
    TempHome home;
    FakeMixer mixer;
    ScriptedPrompt prompts;
    prompts.expect(QStringLiteral("WAVEデバイスを通してファイルに録音します。"));
    const QList<LabelRow> rows{{"1", "01", "テレビ", "電源"}, {"2", "10", "照明", ""}};
    frmRecVoice window(findMissingLabels(rows));
    window.show();
    window.createButton()->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    ASSERT_EQ(prompts.shown().size(), 1);
    EXPECT_EQ(prompts.shown()[0].helpContext, 1);
    for (const char* file : {"Ans/101.wav", "Ans/210.wav"}) {
        const Result<WavData> wav = readWav(home.file(file));
        ASSERT_TRUE(wav) << file;
        EXPECT_GT(measureLevel(wav->monoSamples()).rms, 500) << file;
    }
    QFile started(mixer.log());
    ASSERT_TRUE(started.open(QIODevice::ReadOnly)) << "the recording mixer was opened";
    EXPECT_EQ(started.readAll().trimmed(), QByteArray("--tab=2"));
}

namespace {

// Closes the modal window that opens next and notes its title.
void closeTheNextWindow(QStringList* shown)
{
    QTimer::singleShot(50, [shown] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            *shown << modal->windowTitle();
            qobject_cast<QDialog*>(modal)->reject();
        }
    });
}

} // namespace

TEST(CheckSpokenLabels, ReadsTheCatalogueRows)
{
    TempHome home;
    {
        const Result<CatalogueConnection> connection = CatalogueConnection::open();
        ASSERT_TRUE(connection) << connection.error().toStdString();
        QSqlQuery insert(connection->database());
        ASSERT_TRUE(CatalogueQuery::exec(insert, CatalogueQuery::kInsertRow,
                                         {"4", "エアコン", "07", "冷房", home.file("Remote/4-07")}));
    }
    QStringList shown;
    closeTheNextWindow(&shown);
    EXPECT_TRUE(CheckSpokenLabels());
    EXPECT_EQ(shown.size(), 1) << "the row has no label yet";
}

TEST(CheckSpokenLabels, ShowsTheWindowOnlyWhenLabelsAreMissing)
{
    TempHome home;
    QDir().mkpath(home.file("Ans"));
    QFile label(home.file("Ans/101.wav"));
    ASSERT_TRUE(label.open(QIODevice::WriteOnly));
    label.close();
    QStringList shown;
    closeTheNextWindow(&shown);
    CheckSpokenLabels({{"1", "01", "テレビ", "電源"}});
    QApplication::processEvents();
    EXPECT_TRUE(shown.isEmpty());
    closeTheNextWindow(&shown);
    CheckSpokenLabels({{"1", "01", "テレビ", "電源"}, {"1", "02", "テレビ", "音量"}});
    EXPECT_EQ(shown, QStringList{QStringLiteral("Morvane - 音声合成ファイルの作成")});
    EXPECT_FALSE(QFile::exists(home.file("Ans/102.wav"))) << "cancelled: nothing recorded";
}

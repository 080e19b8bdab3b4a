#include "frmRecVoice.h"

#include "Prompt.h"
#include "RecordingSource.h"
#include "SpeakIntoFile.h"
#include "SpeakingCharacter.h"
#include "SpokenLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QString frmRecVoice::kExplanation = QStringLiteral(
    "学習済みのリモコン信号で、対応する音声ファイルが録音されていないものが見つかりました。\n"
    "これは、Brisaneで記録されたものだと思われます。\n\n"
    "Morvaneでは、外部から着信した電話を通じてリモコン操作を行う際に、入力されたプッシュトーンに"
    "対応した機器の名前と機能の説明を電話に対して読み上げるようになっており、この音声ファイルがあったほうが"
    "便利です。\n"
    "音声ファイルを作成しますか？ （作成することを推奨します）");

const QString frmRecVoice::kRecordingNote =
    QStringLiteral("音声合成エンジンで読み上げる音声を WAVEデバイスを通してファイルに録音します。\n\n"
                   "録音コントロールを開きましたので、WAVEデバイスがある場合には それを選択してください。\n\n"
                   "録音コントロールはお使いのサウンドカードにより異なりますが、WAVEデバイスが見当たらない\n"
                   "場合は、ヘルプの　３．設定　１）全般設定（５）項　に詳細がありますので参照してください。");

frmRecVoice::frmRecVoice(QList<MissingLabel> missing, QWidget* parent)
    : QDialog(parent), m_missing(std::move(missing)), m_label(new QLabel(kExplanation)),
      m_create(new QPushButton(QStringLiteral("作成する"))), m_cancel(new QPushButton(QStringLiteral("キャンセル")))
{
    setWindowTitle(QStringLiteral("Morvane - 音声合成ファイルの作成"));
    m_label->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_create);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addLayout(buttons);
    connect(m_create, &QPushButton::clicked, this, &frmRecVoice::Command_Create_Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmRecVoice::Command_Create_Click()
{
    m_create->setEnabled(false);
    m_cancel->setEnabled(false);
    Speech* character = LoadSpeakingCharacter();
    if (!character) {
        reject();
        return;
    }
    OpenRecordingSource();
    Prompts::information(kRecordingNote, 1);
    for (const MissingLabel& label : m_missing)
        speakIntoFile(*character, spokenLabelText(label.name, label.description), label.path);
    accept();
}

// The three tabs of the settings dialog: their controls, captions, tooltips and lists.
#include "frmConfig.h"

#include "LearningPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kDigitsOnlyTip = QStringLiteral("数字のみを２～４桁程度で入力");
const QString kDigitsOnly = QStringLiteral("（※数字のみ）");
const QString kGreetingNote =
    QStringLiteral("※応答内容を変更するには文字を入力し、記録ボタンを      　押してください。");

template <typename T> T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* label(const QString& text, const QString& name = {})
{
    return named(new QLabel(text), name);
}

// A list that offers only its own values.
QComboBox* choiceList(const QString& name, const QStringList& values)
{
    auto* list = named(new QComboBox, name);
    list->addItems(values);
    return list;
}

QStringList numbers(int from, int to)
{
    QStringList out;
    for (int n = from; n <= to; ++n)
        out << QString::number(n);
    return out;
}

// A greeting's text box, as wide as its frame, and its record button.
QHBoxLayout* greetingRow(QLineEdit* text, QPushButton* record)
{
    auto* layout = new QHBoxLayout;
    layout->addWidget(text, 1);
    layout->addWidget(record);
    return layout;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return layout;
}

QWidget* holding(QLayout* layout)
{
    auto* widget = new QWidget;
    layout->setContentsMargins(0, 0, 0, 0);
    widget->setLayout(layout);
    return widget;
}

} // namespace

QWidget* frmConfig::buildGeneralTab()
{
    auto* modem = new QGroupBox(QStringLiteral("使用するモデム"));
    cmbDevice = named(new QComboBox, QStringLiteral("cmbDevice"));
    cmbDevice->setToolTip(QStringLiteral("リストに表示されるボイスモデムから選択してください"));
    (new QVBoxLayout(modem))->addWidget(cmbDevice);

    auto* rings = new QGroupBox(QStringLiteral("応答するまでの呼び出し回数"));
    Combo5 = choiceList(QStringLiteral("Combo5"), numbers(2, 8));
    rings->setLayout(row({Combo5, label(QStringLiteral("回目に応答"))}));

    auto* device = new QGroupBox(QStringLiteral("応答音声入力デバイスの選択と音量"));
    Command4 = named(new QPushButton(QStringLiteral("ソース選択と音量調整")), QStringLiteral("Command4"));
    Command10 = named(new QPushButton(QStringLiteral("?")), QStringLiteral("Command10"));
    auto* deviceLayout = new QVBoxLayout(device);
    deviceLayout->addLayout(row({Command4, Command10}));
    deviceLayout->addWidget(label(QStringLiteral("※WAVEデバイスを選択し、録音の音量を調整してください。")));

    auto* greeting = new QGroupBox(QStringLiteral("着信時の応答"));
    Text1[0] = named(new QLineEdit, QStringLiteral("Text1(0)"));
    Command7[0] = named(new QPushButton(QStringLiteral("記録")), QStringLiteral("Command7(0)"));
    auto* greetingLayout = new QVBoxLayout(greeting);
    greetingLayout->addLayout(greetingRow(Text1[0], Command7[0]));
    greetingLayout->addWidget(label(kGreetingNote));

    Check4 = named(new QCheckBox(QStringLiteral("起動時にすぐに待ち受け状態にする")), QStringLiteral("Check4"));

    auto* layout = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(modem), static_cast<QWidget*>(rings), static_cast<QWidget*>(device),
                       static_cast<QWidget*>(greeting), static_cast<QWidget*>(Check4)})
        layout->addWidget(w);
    layout->addStretch();
    return holding(layout);
}

QWidget* frmConfig::buildAnsweringTab()
{
    Check1 = named(new QCheckBox(QStringLiteral("留守番電話機能を使用する")), QStringLiteral("Check1"));

    auto* greeting = new QGroupBox(QStringLiteral("留守番電話用の応答"));
    Text1[1] = named(new QLineEdit, QStringLiteral("Text1(1)"));
    Command7[1] = named(new QPushButton(QStringLiteral("記録")), QStringLiteral("Command7(1)"));
    auto* greetingLayout = new QVBoxLayout(greeting);
    greetingLayout->addLayout(greetingRow(Text1[1], Command7[1]));
    greetingLayout->addWidget(label(kGreetingNote, QStringLiteral("Label20")));

    Combo1 = choiceList(QStringLiteral("Combo1"), numbers(1, 10));
    auto* lengthRow = row({label(QStringLiteral("各メッセージの録音時間　　最長"), QStringLiteral("Label2")), Combo1,
                           label(QStringLiteral("分まで"), QStringLiteral("Label3"))});

    auto* frame8 = named(new QGroupBox(QStringLiteral("外出先からの再生機能")), QStringLiteral("Frame8"));
    Option1 = named(new QRadioButton(QStringLiteral("On")), QStringLiteral("Option1"));
    Option2 = named(new QRadioButton(QStringLiteral("Off")), QStringLiteral("Option2"));
    Option2->setChecked(true);
    frame8->setLayout(row({Option1, Option2}));

    Text2 = named(new QLineEdit, QStringLiteral("Text2"));
    Text2->setToolTip(kDigitsOnlyTip);
    auto* frame9 =
        named(new QGroupBox(QStringLiteral("再生・早送り機能に割り当てるプッシュボタン")), QStringLiteral("Frame9"));
    Combo2 = choiceList(QStringLiteral("Combo2"), numbers(0, 9));
    Combo3 = choiceList(QStringLiteral("Combo3"), numbers(0, 9));
    frame9->setLayout(row({label(QStringLiteral("再生"), QStringLiteral("Label5")), Combo2,
                           label(QStringLiteral("早送り"), QStringLiteral("Label6")), Combo3}));
    auto* playback = new QVBoxLayout;
    playback->addLayout(row({label(QStringLiteral("パスワード"), QStringLiteral("Label4")), Text2,
                             label(kDigitsOnly, QStringLiteral("Label21"))}));
    playback->addWidget(frame9);
    m_playbackGroup = holding(playback);

    auto* frame7 =
        named(new QGroupBox(QStringLiteral("留守電にメッセージが入ったときにメールで通知")), QStringLiteral("Frame7"));
    Option3 = named(new QRadioButton(QStringLiteral("On")), QStringLiteral("Option3"));
    Option4 = named(new QRadioButton(QStringLiteral("Off")), QStringLiteral("Option4"));
    Option4->setChecked(true);
    frame7->setLayout(row({Option3, Option4}));
    m_mailGroup = buildMailGroup();

    // Two columns: the recording and playback on the left, the mail notification on the right.
    auto* left = new QVBoxLayout;
    left->addWidget(greeting);
    left->addLayout(lengthRow);
    left->addWidget(frame8);
    left->addWidget(m_playbackGroup);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(frame7);
    right->addWidget(m_mailGroup);
    right->addStretch();
    auto* area = new QHBoxLayout;
    area->addLayout(left);
    area->addLayout(right);
    m_answeringArea = holding(area);

    auto* layout = new QVBoxLayout;
    layout->addWidget(Check1);
    layout->addWidget(m_answeringArea);
    layout->addStretch();
    return holding(layout);
}

QWidget* frmConfig::buildMailGroup()
{
    Text7 = named(new QLineEdit, QStringLiteral("Text7"));
    Text7->setToolTip(QStringLiteral("複数のメールアドレスに送信する場合は、コンマで区切って列記してください。"));
    Text8 = named(new QLineEdit, QStringLiteral("Text8"));
    Text8->setToolTip(QStringLiteral("例：smtp.example.jp　または　192.168.1.1"));
    Text9 = named(new QLineEdit, QStringLiteral("Text9"));
    Check2 =
        named(new QCheckBox(QStringLiteral("メールにメッセージの録音ファイルを添付する")), QStringLiteral("Check2"));
    Check2->setToolTip(QStringLiteral("ここにチェックを入れるとWAVファイルを添付します"));
    Check3 = named(new QCheckBox(QStringLiteral("メール送信にダイヤルアップ接続を使用")), QStringLiteral("Check3"));
    // The entry may be typed: a stored entry stays shown even when the component cannot list it.
    Combo4 = named(new QComboBox, QStringLiteral("Combo4"));
    Combo4->setEditable(true);
    Combo4->setInsertPolicy(QComboBox::NoInsert);
    Combo4->setToolTip(QStringLiteral("リストにはWindowsに登録してあるダイヤルアップネットワークが表示されます"));
    Text11 = named(new QLineEdit, QStringLiteral("Text11"));
    Text12 = named(new QLineEdit, QStringLiteral("Text12"));
    Text12->setEchoMode(QLineEdit::Password);

    auto* grid = new QGridLayout;
    const std::pair<const char*, QString> rows[] = {
        {"Label10", QStringLiteral("通知先メールアドレス")},
        {"Label12", QStringLiteral("SMTPサーバー名")},
        {"Label13", QStringLiteral("送信者メールアドレス")},
    };
    QWidget* fields[] = {Text7, Text8, Text9};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(label(rows[i].second, QLatin1String(rows[i].first)), i, 0);
        grid->addWidget(fields[i], i, 1);
    }
    grid->addWidget(Check2, 3, 0, 1, 2);
    grid->addWidget(Check3, 4, 0, 1, 2);
    grid->addWidget(label(QStringLiteral("使用する接続"), QStringLiteral("Label11")), 5, 0);
    grid->addWidget(Combo4, 5, 1);
    grid->addWidget(label(QStringLiteral("ユーザー名"), QStringLiteral("Label14")), 6, 0);
    grid->addWidget(Text11, 6, 1);
    grid->addWidget(label(QStringLiteral("パスワード"), QStringLiteral("Label15")), 7, 0);
    grid->addWidget(Text12, 7, 1);
    return holding(grid);
}

QWidget* frmConfig::buildRemoteTab()
{
    Check6 = named(new QCheckBox(QStringLiteral("リモコン操作機能を使用する")), QStringLiteral("Check6"));
    Label22 = label(QStringLiteral("リモコン操作機能を開始するためのパスワード"), QStringLiteral("Label22"));
    Text10 = named(new QLineEdit, QStringLiteral("Text10"));
    Text10->setToolTip(kDigitsOnlyTip);
    m_learning = new LearningPage;

    auto* layout = new QVBoxLayout;
    layout->addWidget(Check6);
    layout->addLayout(row({Label22, Text10, label(kDigitsOnly, QStringLiteral("Label23"))}));
    layout->addWidget(m_learning, 1);
    return holding(layout);
}

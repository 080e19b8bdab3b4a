#include "ShippedPrompts.h"

#include "Greetings.h"

namespace {

const QString kSystem = QStringLiteral("\\Ans\\System\\");

// When each is played: sys01 before the message count and sys02 after it (remote playback); sys03
// when remote operation opens; sys05 for a device or button not in the catalogue; a spoken label (or
// sys09 when it is missing) then sys07 for an accepted operation; sys08 when "#" cancelled them all.
// sys04 and sys06 are kept for the dialogue's future use.
const struct {
    const char* file;
    const char* text;
} kPrompts[] = {
    {"sys01.wav", "録音されているメッセージは"},
    {"sys02.wav", "件です。再生キーで最初から、スキップキーで次のメッセージを再生します。"},
    {"sys03.wav", "リモコン操作を受け付けます。機器番号を一桁、続けてボタン番号を二桁で押してください。"},
    {"sys04.wav", "ボタン番号を二桁で押してください。"},
    {"sys05.wav", "その番号は登録されていません。機器番号から入力しなおしてください。"},
    {"sys06.wav", "メッセージの再生を終わります。"},
    {"sys07.wav", "を受け付けました。続けて操作するときは機器番号を、すべて取り消すときはシャープを押してください。"
                  "操作は電話を切ったあとに行います。"},
    {"sys08.wav", "すべての操作を取り消しました。機器番号を押してください。"},
    {"sys09.wav", "登録済みの操作"},
    // Number words of the message count; 300 and 600 are said "sanbyaku" and "roppyaku".
    {"0.wav", "ゼロ"},
    {"1.wav", "イチ"},
    {"2.wav", "ニ"},
    {"3.wav", "サン"},
    {"4.wav", "ヨン"},
    {"5.wav", "ゴ"},
    {"6.wav", "ロク"},
    {"7.wav", "ナナ"},
    {"8.wav", "ハチ"},
    {"9.wav", "キュウ"},
    {"10.wav", "ジュウ"},
    {"100.wav", "ヒャク"},
    {"b00.wav", "ビャク"},
    {"p00.wav", "ピャク"},
};

} // namespace

QList<ShippedPrompt> shippedPrompts()
{
    QList<ShippedPrompt> prompts;
    for (const auto& p : kPrompts)
        prompts.append({kSystem + QString::fromUtf8(p.file), QString::fromUtf8(p.text)});
    for (int i = 0; i < 2; ++i)
        prompts.append({QStringLiteral("\\Ans\\Reception%1.wav").arg(i), defaultGreetingText(i)});
    return prompts;
}

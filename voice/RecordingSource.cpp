#include "RecordingSource.h"

#include "Prompt.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kMixer = QStringLiteral("pavucontrol");
const QString kRecordingPage = QStringLiteral("--tab=2");

} // namespace

Status startRecordingMixer()
{
    const QString mixer = QStandardPaths::findExecutable(kMixer);
    if (mixer.isEmpty() || !QProcess::startDetached(mixer, {kRecordingPage}))
        return Status::failure(QStringLiteral(
            "録音の音量ミキサー (pavucontrol) が見つかりません。\n"
            "パッケージ pavucontrol を組み込むか、設定ファイルの [Audio] RecordSource に録音元を書いてください。"));
    return {};
}

void OpenRecordingSource()
{
    if (Status s = startRecordingMixer(); !s)
        Prompts::exclamation(s.error());
}

#include "RecordJudgement.h"

RecordJudgement judgeCapture(bool captured, double carrierKHz)
{
    if (captured && carrierKHz > 20 && carrierKHz < 60)
        return RecordJudgement::Recorded;
    if (carrierKHz == 0)
        return RecordJudgement::NothingDetected;
    if (!captured)
        return RecordJudgement::Failed;
    return RecordJudgement::NoValidCarrier;
}

QString judgementStatus(RecordJudgement judgement)
{
    switch (judgement) {
    case RecordJudgement::Recorded:
        return QStringLiteral("リモコン操作を記録しました。テストボタンを押して機器が動作するか確認してください。");
    case RecordJudgement::NothingDetected:
        return QStringLiteral("リモコン信号を検出できませんでした。リモコンが遠すぎる可能性があります。");
    case RecordJudgement::Failed: return QStringLiteral("記録に失敗しました。");
    case RecordJudgement::NoValidCarrier:
        return QStringLiteral("有効なキャリアが検出できませんでした。リモコンを数センチほど遠ざけて再度記録してみて"
                              "ください。");
    }
    return {};
}

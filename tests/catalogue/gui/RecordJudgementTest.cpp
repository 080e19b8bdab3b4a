#include "RecordJudgement.h"

#include <gtest/gtest.h>

TEST(RecordJudgement, CarrierBoundsAreExclusiveAndTheOrderHolds)
{
    const struct {
        bool captured;
        double carrier;
        RecordJudgement judged;
    } cases[] = {
        {true, 38.0, RecordJudgement::Recorded},       {true, 20.001, RecordJudgement::Recorded},
        {true, 59.999, RecordJudgement::Recorded},     {true, 20.0, RecordJudgement::NoValidCarrier},
        {true, 60.0, RecordJudgement::NoValidCarrier}, {true, 3.1, RecordJudgement::NoValidCarrier},
        {true, 0.0, RecordJudgement::NothingDetected}, {false, 0.0, RecordJudgement::NothingDetected},
        {false, 38.0, RecordJudgement::Failed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(judgeCapture(c.captured, c.carrier), c.judged) << c.captured << " " << c.carrier;
    EXPECT_EQ(judgementStatus(RecordJudgement::NoValidCarrier),
              QStringLiteral("有効なキャリアが検出できませんでした。リモコンを数センチほど遠ざけて再度記録してみて"
                             "ください。"));
    EXPECT_EQ(judgementStatus(RecordJudgement::Failed), QStringLiteral("記録に失敗しました。"));
}

#pragma once

#include <QString>

// How the learning page judges a capture from CaptureSignal's result and the carrier it measured,
// in this order: a carrier strictly between 20 and 60 kHz is a recording; a carrier of 0 means no
// signal was seen; a false result a failed recording; any other carrier is not a remote's.
enum class RecordJudgement { Recorded, NothingDetected, Failed, NoValidCarrier };

RecordJudgement judgeCapture(bool captured, double carrierKHz);
// The status line for the judgement.
QString judgementStatus(RecordJudgement judgement);

#pragma once

#include "Result.h"

// Opens the sound server's mixer on its recording page, where the user picks the source the
// labels are recorded from and sets its level, and returns at once. The error says the mixer is
// not installed.
Status startRecordingMixer();

// The same for a button: a missing mixer is shown as a message.
void OpenRecordingSource();

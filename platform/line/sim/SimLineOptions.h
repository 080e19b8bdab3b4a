#pragma once

#include "MemoryLineAudio.h"

// How the simulated line behaves; the faults let tests and demos show the engine's error paths.
struct SimLineOptions {
    int ringMilliseconds = 1000;     // [Sim] RingSeconds: time between rings
    bool failLegacyLine = false;     // [Sim] LegacyLine=fail: the wave-device id look-up cannot open the line
    bool refuseRegistration = false; // [Sim] Register=refuse
    bool refuseAnswer = false;       // [Sim] Answer=refuse
    MemoryLineAudio::Faults audio;   // [Sim] Playback=refuse, Capture=refuse|8bit

    // Reads the [Sim] section of setting.ini; missing or odd values keep the defaults.
    static SimLineOptions fromSettings();
};

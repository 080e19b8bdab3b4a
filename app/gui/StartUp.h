#pragma once

#include <functional>

class frmMain;

// The pieces of the start-up that other parts of the program provide; a piece left empty is skipped.
struct StartUpSteps {
    std::function<void()> offerSpeechEngine; // first-start installation, only while [TTS] Install is empty
    std::function<void()> checkSpokenLabels;
    std::function<void()> loadTelephonyWindow; // loaded, shown and hidden again
    std::function<void()> initTelephony;
    std::function<void()> readIRData;
    std::function<void()> createDialUp;
};

// Runs the start-up after the single-instance check, in its fixed order: speech engine and label
// check, window position, port address, telephony window, showing or hiding to the notification
// area, telephony, the folders "\Ans" and "\Reception", the message list and the catalogue, the
// line switched by [Startup] Auto, the autostart tick, the dial-up component.
void runStartUp(frmMain& window, const StartUpSteps& steps);

#pragma once

#include "LineCall.h"
#include "MainWindowLink.h"
#include "ModemLine.h"
#include "TempHome.h"
#include "VoiceModemDouble.h"

#include <gtest/gtest.h>

#include <memory>

// The status bar as the modem line writes to it.
struct StatusBar : MainWindowLink {
    QStringList texts;
    void setStatusText(const QString& text) override { texts << text; }
    void selectMediaMode(int) override {}
    void refreshMessages() override {}
};

// A modem line on the modem double, with short time-outs, a private lock folder and the line's
// events collected as they are sent.
class ModemLineFixture : public ::testing::Test {
protected:
    ModemLineFixture();
    ~ModemLineFixture() override;

    ModemOptions options() const;
    // Plugs in a modem of this profile and opens the line on it (initialised, registered).
    void start(const VoiceModemProfile& profile = VoiceModemProfile::fullRange());
    // Rings until the line offers a call, answers it, waits until the modem is off hook.
    std::shared_ptr<LineCall> answeredCall();
    std::shared_ptr<LineCall> lastCall() const;
    int count(TapiEvent kind) const;
    bool sawState(CallState state) const;
    bool modemSaid(const QString& command) const { return modem->commands().contains(command); }

    TempHome home;
    QString lockDir;
    StatusBar status;
    std::unique_ptr<VoiceModemDouble> modem;
    std::unique_ptr<ModemLine> line;
    QList<LineEvent> events;
};

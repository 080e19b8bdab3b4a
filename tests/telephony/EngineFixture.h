#pragma once

#include "MainWindowLink.h"
#include "MessageHandOver.h"
#include "ScriptedPrompt.h"
#include "SimLine.h"
#include "TempHome.h"
#include "frmTapi.h"

#include <gtest/gtest.h>

// The main window as the engine sees it: the option buttons switch the line, texts are kept.
struct FakeHost : MainWindowLink {
    frmTapi* engine = nullptr;
    QStringList texts;
    QList<int> modes;
    int refreshes = 0;
    void setStatusText(const QString& text) override { texts << text; }
    void selectMediaMode(int index) override
    {
        modes << index;
        index == 0 ? engine->Tapi_On() : engine->Tapi_Off();
    }
    void refreshMessages() override { ++refreshes; }
};

struct FakeHandOver : MessageHandOver {
    frmTapi* engine = nullptr;
    QStringList paths;
    QList<bool> lineOnWhileSending;
    void messageKept(const QString& wavPath) override
    {
        paths << wavPath;
        lineOnWhileSending << engine->lineOn();
    }
};

// A private data folder set up for the virtual line (NumRings 2, MaxMessage 1, answering machine
// on, two short greetings), an engine on it, and what the line told its caller.
class EngineFixture : public ::testing::Test {
protected:
    EngineFixture();
    ~EngineFixture() override;

    void startEngine(bool switchOn = true);
    // Rings as the caller; waits until the machine has answered.
    void callAndWaitForAnswer(const QString& number = "0123");
    bool waitForLine(const QString& prefix, int timeoutMs = 15000);
    bool sawLine(const QString& prefix) const;
    QStringList messages() const;
    QString callLog() const;

    TempHome home;
    ScriptedPrompt prompts;
    SimLineOptions options;
    SimLine* line = nullptr;
    FakeHost host;
    FakeHandOver handOver;
    QStringList told; // the line's monitor lines
    std::unique_ptr<frmTapi> engine;
};

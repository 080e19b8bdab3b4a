#include "DialogueFixture.h"

class DialogueOperationsTest : public DialogueTest {
protected:
    DialogueOperationsTest()
    {
        writeFile("Ans/105.wav");
        keyAndTick(u"99");
        ports.finishSequence();
        takeTrace();
    }

    // A device digit and a button, each dispatched, and the confirmation played to its end.
    void choose(QStringView device, QStringView button)
    {
        keyAndTick(device);
        keyAndTick(button);
        ports.finishSequence();
    }
};

TEST_F(DialogueOperationsTest, AChosenPairIsQueuedAndConfirmed)
{
    struct Case {
        const char* device;
        const char* button;
        QStringList heard;
        const char* queuedFile; // nullptr: nothing queued
    };
    const Case cases[] = {
        {"1", "05", {"play Ans/105.wav", "play Ans/System/sys07.wav"}, "Remote/1-05"},
        {"1", "07", {"play Ans/System/sys09.wav", "play Ans/System/sys07.wav"}, "Remote/1-07"}, // no label yet
        {"0", "00", {"play Ans/System/sys09.wav", "play Ans/System/sys07.wav"}, "Remote/0-00"},
        {"1", "06", {"play at once Ans/System/sys05.wav"}, nullptr}, // no such button
        {"2", "05", {"play at once Ans/System/sys05.wav"}, nullptr}, // no such device
        {"5", "00", {"play at once Ans/System/sys05.wav"}, nullptr},
    };
    for (const Case& c : cases) {
        dialogue->ClearOperations();
        choose(QString(c.device), QString(c.button));
        QStringList heard = takeTrace().filter("play");
        EXPECT_EQ(heard, c.heard) << c.device << c.button;
        EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::DeviceDigit);
        EXPECT_EQ(dialogue->keyTable().count(), 10);
        ASSERT_EQ(dialogue->operationQueue().count(), c.queuedFile ? 1 : 0) << c.device << c.button;
        if (c.queuedFile) {
            const OperationQueue::Operation& queued = dialogue->operationQueue().operations().first();
            EXPECT_EQ(queued.signalFile, home.file(c.queuedFile));
            EXPECT_EQ(queued.tag(), QString(c.device) + "-" + c.button);
        }
    }
}

TEST_F(DialogueOperationsTest, AnUnknownDeviceDoesNotFallBackToTheLastOne)
{
    choose(u"1", u"05");
    choose(u"2", u"07");
    EXPECT_EQ(dialogue->operationQueue().count(), 1);
    EXPECT_TRUE(takeTrace().contains("play at once Ans/System/sys05.wav"));
}

TEST_F(DialogueOperationsTest, HashEmptiesTheQueueSoNothingIsSent)
{
    choose(u"1", u"05");
    choose(u"1", u"07");
    choose(u"0", u"00");
    takeTrace();
    key(u"#");
    EXPECT_EQ(takeTrace(), QStringList({"play at once Ans/System/sys08.wav"}));
    EXPECT_FALSE(dialogue->hasOperations());
    dialogue->RunOperations();
    EXPECT_TRUE(takeTrace().isEmpty());
}

TEST_F(DialogueOperationsTest, TheQueueRefusesEntriesBeyondAThousand)
{
    for (int i = 0; i < OperationQueue::kCapacity; ++i)
        choose(u"1", u"05");
    EXPECT_EQ(dialogue->operationQueue().count(), OperationQueue::kCapacity);
    takeTrace();
    choose(u"1", u"07");
    EXPECT_EQ(takeTrace().filter("play"), QStringList({"play at once Ans/System/sys05.wav"}));
    EXPECT_EQ(dialogue->operationQueue().count(), OperationQueue::kCapacity);
    EXPECT_EQ(dialogue->operationQueue().operations().last().button, QString("05"));
}

TEST_F(DialogueOperationsTest, RunOperationsSendsEachSignalBetweenSuspendedTimersAndLogsIt)
{
    choose(u"1", u"05");
    choose(u"0", u"00");
    takeTrace();
    dialogue->RunOperations();
    EXPECT_EQ(takeTrace(), QStringList({"pause", "suspend", "send Remote/1-05", "resume", "log operation 1 5", "pause",
                                        "suspend", "send Remote/0-00", "resume", "log operation 0 0"}));
    EXPECT_EQ(ports.status, QString("リモコン操作中 : 0-00"));

    ports.sendSucceeds = false;
    dialogue->RunOperations();
    EXPECT_TRUE(takeTrace().contains("log operation failed 1 5"));

    dialogue->ClearOperations();
    EXPECT_FALSE(dialogue->hasOperations());
}

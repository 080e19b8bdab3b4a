#include "DialogueFixture.h"

class DialoguePlaybackTest : public DialogueTest {
protected:
    DialoguePlaybackTest()
    {
        for (const char* name : {"m2.wav", "m1.wav", "m3.wav"})
            writeFile(QString("Messages/") + name);
        keyAndTick(u"1234");
        ports.finishSequence();
        takeTrace();
    }
};

TEST_F(DialoguePlaybackTest, PlayPlaysEveryMessageThenHangsUp)
{
    keyAndTick(u"1");
    ports.finishSequence();
    EXPECT_EQ(takeTrace(),
              QStringList({"interrupt mode 2", "sequence in mode 2", "tone *", "play Messages/m1.wav", "tone *",
                           "play Messages/m2.wav", "tone *", "play Messages/m3.wav", "hang up"}));
    EXPECT_EQ(dialogue->currentMessage(), 3);
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::Password);
    EXPECT_EQ(dialogue->keyTable().at(1).name, QString("AM_Remote"));
}

TEST_F(DialoguePlaybackTest, SkipGoesOnAfterTheMessagePlaying)
{
    keyAndTick(u"1");
    ports.playSounds(1); // m2 is playing
    EXPECT_EQ(dialogue->currentMessage(), 2);
    takeTrace();
    keyAndTick(u"2");
    ports.finishSequence();
    EXPECT_EQ(takeTrace(),
              QStringList({"interrupt mode 2", "sequence in mode 2", "tone 5", "play Messages/m3.wav", "hang up"}));

    // Play during playback starts again from the first message.
    dialogue->beginCall();
    keyAndTick(u"1234");
    keyAndTick(u"1");
    ports.playSounds(2);
    keyAndTick(u"1");
    ports.playSounds(0);
    EXPECT_EQ(dialogue->currentMessage(), 1);
}

TEST_F(DialoguePlaybackTest, SkipDuringTheLastMessageHangsUp)
{
    keyAndTick(u"1");
    ports.playSounds(2); // m3 is playing
    takeTrace();
    keyAndTick(u"2");
    EXPECT_EQ(takeTrace(), QStringList({"interrupt mode 2", "hang up"}));
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::Password);
}

TEST_F(DialoguePlaybackTest, SkipInALaterCallContinuesWhereTheLastOneStopped)
{
    keyAndTick(u"1");
    ports.playSounds(0); // m1 is playing when the caller hangs up
    dialogue->endCall();

    dialogue->beginCall();
    keyAndTick(u"1234");
    ports.finishSequence();
    takeTrace();
    keyAndTick(u"2");
    ports.finishSequence();
    EXPECT_EQ(takeTrace(), QStringList({"interrupt mode 2", "sequence in mode 2", "tone 5", "play Messages/m2.wav",
                                        "tone 5", "play Messages/m3.wav", "hang up"}));
}

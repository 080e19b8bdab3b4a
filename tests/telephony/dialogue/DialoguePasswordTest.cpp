#include "DialogueFixture.h"

TEST_F(DialogueTest, ThePlaybackPasswordSaysTheCountAndOpensTheMenu)
{
    for (const char* name : {"2003-05-07 19-05-12,0123.wav", "2003-05-08 10-00-00,0456.wav", "b.wav"})
        writeFile(QString("Messages/") + name);
    keyAndTick(u"1234");
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::PlaybackMenu);
    EXPECT_EQ(dialogue->keyTable().at(1).name, QString("Play"));
    EXPECT_EQ(dialogue->keyTable().at(2).code, QString("2"));
    ports.finishSequence();
    EXPECT_EQ(takeTrace(),
              QStringList({"interrupt mode 1", "log playback mode", "sequence in mode 2", "play Ans/System/sys01.wav",
                           "play Ans/System/3.wav", "play Ans/System/sys02.wav"}));
}

TEST_F(DialogueTest, NoMessagesAreCountedAsZero)
{
    keyAndTick(u"1234");
    ports.finishSequence();
    EXPECT_TRUE(takeTrace().contains("play Ans/System/0.wav"));
}

TEST_F(DialogueTest, AKeyDuringTheCountEndsIt)
{
    keyAndTick(u"1234");
    ports.playSounds(1);
    key(u"2");
    EXPECT_TRUE(ports.sequence.isEmpty());
    EXPECT_EQ(takeTrace(),
              QStringList({"interrupt mode 1", "log playback mode", "sequence in mode 2", "play Ans/System/sys01.wav",
                           "play Ans/System/0.wav (playing)", "interrupt mode 2"}));
}

TEST_F(DialogueTest, TheOperationPasswordOpensDeviceEntry)
{
    keyAndTick(u"99");
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::DeviceDigit);
    EXPECT_EQ(dialogue->keyTable().count(), 10);
    ports.finishSequence();
    EXPECT_EQ(takeTrace(), QStringList({"interrupt mode 1", "sequence in mode 3", "play Ans/System/sys03.wav"}));
}

#include "DialogueFixture.h"

#include "Settings.h"

TEST_F(DialogueTest, ADigitIsShownAndRecognisedInputsWaitForTheTick)
{
    key(u"12");
    EXPECT_EQ(ports.status, QString("DTMFトーン検出 2"));
    EXPECT_EQ(dialogue->digitBuffer(), QString("12"));
    key(u"34");
    EXPECT_EQ(takeTrace(), QStringList({"interrupt mode 1"}));
    EXPECT_TRUE(dialogue->digitBuffer().isEmpty());
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::Password); // nothing happens before Timer2

    dialogue->Timer2_Timer();
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::PlaybackMenu);
    takeTrace();
    dialogue->Timer2_Timer(); // the input is dispatched once
    EXPECT_TRUE(takeTrace().isEmpty());
}

TEST_F(DialogueTest, AWrongFirstDigitNeverMatchesUntilStar)
{
    key(u"91234");
    key(u"1234");
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::Password);
    EXPECT_TRUE(takeTrace().isEmpty());
    key(u"*1234");
    EXPECT_EQ(takeTrace(), QStringList({"interrupt mode 1"}));
}

TEST_F(DialogueTest, APasswordThatIsAPrefixOfTheOtherIsTakenFirst)
{
    WriteSetting(u"IRRemote", u"Pass", u"12");
    dialogue->beginCall(); // reads the passwords again
    key(u"1234");          // "12" is recognised before "1234" is complete
    dialogue->Timer2_Timer();
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::DeviceDigit);
}

TEST_F(DialogueTest, AnEmptyPasswordNeverMatches)
{
    WriteSetting(u"AnsweringMachine", u"Pass", u"");
    dialogue->beginCall();
    key(u"5*");
    key(u"*");
    dialogue->Timer2_Timer();
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::Password);
    key(u"99");
    dialogue->Timer2_Timer();
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::DeviceDigit);
}

TEST_F(DialogueTest, ThreeWrongPasswordsEndTheCall)
{
    struct Case {
        const char* keys;
        int attempts; // wrong attempts counted after the keys
    };
    const Case cases[] = {
        {"12*", 1},                    // a star after digits
        {"*", 0},                      // a star alone is no attempt
        {"56789", 1},                  // beyond the longest password
        {"56789012*", 1},              // an overlong entry ended by a star counts once
        {"1*2*", 2},      {"5*99", 1}, // the right password after a wrong one still opens
        {"#*", 1},
    };
    for (const Case& c : cases) {
        dialogue->beginCall();
        key(QString(c.keys));
        EXPECT_EQ(dialogue->wrongPasswordAttempts(), c.attempts) << c.keys;
    }

    dialogue->beginCall();
    takeTrace();
    key(u"1*22*3333");
    EXPECT_TRUE(takeTrace().isEmpty());
    key(u"3");
    EXPECT_EQ(takeTrace(), QStringList({"log password attempts exceeded", "hang up"}));
    EXPECT_EQ(dialogue->wrongPasswordAttempts(), 0); // ready for the next call
    EXPECT_TRUE(dialogue->digitBuffer().isEmpty());
}

TEST_F(DialogueTest, DigitsWithoutAnyPasswordSetAreNoAttempts)
{
    WriteSetting(u"Feature", u"AnsweringMachine", u"0");
    WriteSetting(u"Feature", u"IRRemote", u"0");
    dialogue->beginCall();
    key(u"1*2*3*4*5*");
    EXPECT_EQ(dialogue->wrongPasswordAttempts(), 0);
    EXPECT_TRUE(takeTrace().isEmpty());
}

TEST_F(DialogueTest, TheDigitBufferStaysBounded)
{
    key(QString(100000, u'7'));
    EXPECT_EQ(dialogue->digitBuffer(), QString("77777")); // one beyond the longest password
    key(u"*1234");
    dialogue->Timer2_Timer();
    key(QString(1000, u'3'));
    EXPECT_EQ(dialogue->digitBuffer(), QString("33")); // one beyond the Play and Skip keys
}

TEST_F(DialogueTest, StarInButtonEntryReturnsToDeviceEntry)
{
    keyAndTick(u"99");
    keyAndTick(u"1");
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::ButtonNumber);
    key(u"0*");
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::DeviceDigit);
    EXPECT_EQ(dialogue->keyTable().count(), 10);
    EXPECT_TRUE(dialogue->digitBuffer().isEmpty());
}

TEST_F(DialogueTest, KeysBeforeTheTickAreReadInTheModeTheInputLeadsTo)
{
    key(u"99105*");
    EXPECT_EQ(ports.status, QString("DTMFトーン検出 *"));
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::Password);
    for (int tick = 0; tick < 3; ++tick)
        dialogue->Timer2_Timer();
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::DeviceDigit);
    ASSERT_EQ(dialogue->operationQueue().count(), 1);
    EXPECT_EQ(dialogue->operationQueue().operations().first().tag(), QString("1-05"));
}

TEST_F(DialogueTest, OnlyAFewDozenKeysAreHeldBack)
{
    key(u"99");
    key(QString("105").repeated(100));
    for (int tick = 0; tick < 100; ++tick)
        dialogue->Timer2_Timer();
    EXPECT_EQ(dialogue->operationQueue().count(), DtmfDialogue::kHeldKeys / 3);
}

TEST_F(DialogueTest, HashCancelsOnlyInDeviceAndButtonEntry)
{
    key(u"12#34");
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::Password);
    EXPECT_FALSE(takeTrace().contains("play at once Ans/System/sys08.wav"));
    key(u"*99");
    dialogue->Timer2_Timer();
    keyAndTick(u"1");
    takeTrace();
    key(u"0#");
    EXPECT_EQ(takeTrace(), QStringList({"play at once Ans/System/sys08.wav"}));
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::DeviceDigit);
    EXPECT_TRUE(dialogue->digitBuffer().isEmpty());
}

TEST_F(DialogueTest, EndingACallResetsTheDialogue)
{
    keyAndTick(u"99");
    keyAndTick(u"1");
    key(u"0");
    dialogue->endCall();
    EXPECT_EQ(dialogue->DialogueMode(), DtmfDialogue::Password);
    EXPECT_TRUE(dialogue->digitBuffer().isEmpty());
    EXPECT_EQ(dialogue->keyTable().at(1).name, QString("AM_Remote"));
}

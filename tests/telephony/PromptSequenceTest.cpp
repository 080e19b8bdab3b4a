#include "PromptSequence.h"

#include <gtest/gtest.h>

namespace {

struct PromptSequenceTest : ::testing::Test {
    QStringList played;
    QStringList unplayable;
    PromptSequence* self = nullptr;
    PromptSequence sequence{[this](const QString& file) {
        played.append(file);
        if (unplayable.contains(file))
            self->playbackEnded(); // nothing to wait for
    }};
    PromptSequenceTest() { self = &sequence; }
};

} // namespace

TEST_F(PromptSequenceTest, EachSoundIsWaitedForBeforeTheNext)
{
    QStringList done;
    sequence.start(
        1, {PromptSequence::play("a"), PromptSequence::play("b"), PromptSequence::then([&] { done << "after"; })});
    EXPECT_EQ(played, QStringList{"a"});
    sequence.playbackEnded();
    EXPECT_EQ(played, (QStringList{"a", "b"}));
    EXPECT_TRUE(done.isEmpty());
    sequence.playbackEnded();
    EXPECT_EQ(done, QStringList{"after"});
    EXPECT_FALSE(sequence.isRunning());
}

TEST_F(PromptSequenceTest, CancellingDropsTheRest)
{
    bool after = false;
    sequence.start(2, {PromptSequence::play("a"), PromptSequence::then([&] { after = true; })});
    EXPECT_EQ(sequence.mode(), 2);
    sequence.cancel();
    sequence.playbackEnded();
    EXPECT_FALSE(after);
    EXPECT_FALSE(sequence.isRunning());
}

TEST_F(PromptSequenceTest, SoundsThatCannotBePlayedDoNotStopTheSequence)
{
    unplayable = {"a", "b"};
    bool after = false;
    sequence.start(1,
                   {PromptSequence::play("a"), PromptSequence::play("b"), PromptSequence::then([&] { after = true; })});
    EXPECT_EQ(played, (QStringList{"a", "b"}));
    EXPECT_TRUE(after);
}

TEST_F(PromptSequenceTest, AnActionMayStartTheNextSequence)
{
    sequence.start(1, {PromptSequence::then([&] { sequence.start(3, {PromptSequence::play("sys03")}); }),
                       PromptSequence::play("never")});
    EXPECT_EQ(played, QStringList{"sys03"});
    EXPECT_EQ(sequence.mode(), 3);
    sequence.playbackEnded();
    EXPECT_EQ(played, QStringList{"sys03"});
}

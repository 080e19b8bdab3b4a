#pragma once

#include <QList>
#include <QString>

#include <functional>

// How the dialogue speaks to the caller. A handler hands over a sequence of sounds with actions
// between them; each sound is waited for. The wait, and with it the rest of the sequence, ends when
// an input is recognised in the sequence's mode or when the call ends.
class DialoguePrompts {
public:
    struct Step {
        QString file;                 // full path of a sound to play and wait for
        std::function<void()> action; // or something to do at this point

        static Step play(const QString& file) { return {file, {}}; }
        static Step then(std::function<void()> action) { return {{}, std::move(action)}; }
    };

    virtual ~DialoguePrompts() = default;
    // Replaces a running sequence; inputs recognised in mode end it.
    virtual void playSequence(int mode, QList<Step> steps) = 0;
    // Starts a sound and goes on at once.
    virtual void playAndGoOn(const QString& file) = 0;
    // An input was recognised in mode: the wait of a sequence of that mode (or of the greeting)
    // ends, and the input is dispatched on the next Timer2 tick.
    virtual void interrupt(int mode) = 0;
};

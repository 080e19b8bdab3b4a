#pragma once

#include <QList>
#include <QString>

#include <functional>

// Sounds played to the caller one after another, each waited for, with actions between them.
// The wait for a sound ends when its playback ends; cancel() (a new input recognised in the
// sequence's dialogue mode, or the call ending) drops the rest. No event loop is nested: the
// sequence moves on when told that playback ended.
class PromptSequence {
public:
    struct Step {
        QString file;                 // a sound to play and wait for
        std::function<void()> action; // or something to do at this point
    };
    static Step play(const QString& file) { return {file, {}}; }
    static Step then(std::function<void()> action) { return {{}, std::move(action)}; }

    // Starts playing a sound; the sequence waits until playbackEnded().
    using Player = std::function<void(const QString& file)>;
    explicit PromptSequence(Player player) : m_player(std::move(player)) {}

    // Replaces any running sequence; mode is the dialogue mode whose inputs cancel it.
    void start(int mode, QList<Step> steps);
    void playbackEnded();
    void cancel();
    bool isRunning() const { return m_running; }
    int mode() const { return m_mode; }

private:
    void advance();
    void step();

    Player m_player;
    QList<Step> m_steps;
    qsizetype m_next = 0;
    int m_mode = 0;
    bool m_running = false;
    bool m_waiting = false;
    bool m_advancing = false;
    bool m_again = false;
};

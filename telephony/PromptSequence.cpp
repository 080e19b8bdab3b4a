#include "PromptSequence.h"

void PromptSequence::start(int mode, QList<Step> steps)
{
    m_steps = std::move(steps);
    m_next = 0;
    m_mode = mode;
    m_running = true;
    m_waiting = false;
    advance();
}

void PromptSequence::playbackEnded()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    advance();
}

void PromptSequence::cancel()
{
    m_steps.clear();
    m_next = 0;
    m_running = false;
    m_waiting = false;
}

void PromptSequence::advance()
{
    // A sound that ends at once, or an action that starts a new sequence, comes back here while
    // a step is running; loop instead of nesting.
    if (m_advancing) {
        m_again = true;
        return;
    }
    m_advancing = true;
    do {
        m_again = false;
        step();
    } while (m_again);
    m_advancing = false;
}

void PromptSequence::step()
{
    while (m_running && !m_waiting) {
        if (m_next >= m_steps.size()) {
            m_running = false;
            m_steps.clear();
            return;
        }
        const Step current = m_steps.at(m_next++);
        if (current.action) {
            current.action();
        } else {
            m_waiting = true;
            m_player(current.file);
        }
    }
}

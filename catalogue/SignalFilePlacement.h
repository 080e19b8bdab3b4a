#pragma once

#include "Result.h"

#include <QString>

// Puts a signal file under its stored name so that the name holds either the old signal or the
// whole new one, never part of it, and can be undone while its catalogue row is not yet committed.
class SignalFilePlacement {
public:
    enum class Mode { Move, Copy };

    SignalFilePlacement(QString source, QString target, Mode mode);

    // Move: one rename, replacing the target. Copy: written beside the target, then renamed over it.
    Status place();
    // After place(): a moved file goes back to its source; a copy stays (the source is untouched).
    void undo();

private:
    QString m_source;
    QString m_target;
    Mode m_mode;
};

#pragma once

#include <QString>

// Where the notification shows the text of its current step: the first panel of the main
// window's status bar.
class StatusSink {
public:
    virtual ~StatusSink() = default;
    virtual void showStatus(const QString& text) = 0;
};

#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

// Runs one blocking capture or transmission on a thread of its own, so that the windows keep painting
// while it lasts. Meanwhile the user's input is ignored (not queued), except in the windows named in
// usable (the virtual remote must stay pressable), and no window can be closed by the user. Returns
// when work has finished and everything it posted to the user-interface thread has run.
void runOnIrThread(const std::function<void()>& work, const QList<QPointer<QWidget>>& usable = {});

#pragma once

#include <QIcon>

// The program's icon (window and notification area): an answering machine with its two reels.
QIcon appIcon();

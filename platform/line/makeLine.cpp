#include "makeLine.h"

#include "DataFolder.h"
#include "SimLine.h"
#include "SimLineSocket.h"

#include <QDebug>

std::unique_ptr<Line> makeLine()
{
    // Only the simulated provider is built so far; every other choice falls back to it.
    auto line = std::make_unique<SimLine>(SimLineOptions::fromSettings());
    const Status door = line->openDoor(SimLineSocket::name(DataFolder::current()));
    if (!door)
        qWarning().noquote() << "virtual line:" << door.error();
    return line;
}

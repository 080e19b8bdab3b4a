#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

// The dial-up phonebook: the pppd peer files. They are only ever read.
namespace PeerBook {

// $NIMBAL_PEERS_DIR when set, else /etc/ppp/peers.
QString folder();

// The entry names, sorted; backup and package leftovers are skipped. Fails when the folder cannot
// be read.
Result<QStringList> entries();

// True when entry names a readable peer file of the folder (never a path outside it).
bool hasEntry(const QString& entry);

// The pppd to run: $NIMBAL_PPPD when set, else pppd on PATH, in /usr/sbin or /sbin; empty when
// there is none.
QString pppdProgram();

} // namespace PeerBook

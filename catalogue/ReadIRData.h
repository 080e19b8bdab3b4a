#pragma once

#include "InMemoryCatalogue.h"
#include "Result.h"

// The program's in-memory catalogue, which the telephone dialogue reads during calls.
const InMemoryCatalogue& irCatalogue();

// Reloads irCatalogue() from IRRemote.db (called at start-up and after the settings are saved).
// The tables are cleared first, so a signal deleted since the last load can no longer be operated.
// When the file cannot be read the catalogue stays empty and the error, naming the file, is returned
// for the caller to show.
Status ReadIRData();

#pragma once

#include <QString>

// The path of a program of this build: in $TALVERO_BIN_DIR, else in bin/ beside the tests' own
// folder (where the build puts both).
QString builtProgram(const QString& name);

#pragma once

class PortIo;

// Leaves the module's lines off on all three bases, whatever the setting: control bit 5 cleared
// (data lines driven) and all data lines low.
void ResetPorts(PortIo& port);

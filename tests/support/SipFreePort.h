#pragma once

// A UDP port on 127.0.0.1 that nothing is bound to right now (the kernel's choice).
int freeUdpPort();

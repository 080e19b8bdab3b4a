#pragma once

class LineAddress;

// Whether an address is offered as the modem: a provider that is not one of the data or
// conferencing providers, audio among its media types, and terminal support.
bool isUsableModem(const LineAddress& address);

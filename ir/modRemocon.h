#pragma once

#include "Capture.h"
#include "PortReset.h"
#include "TapiTimers.h"
#include "Transmission.h"

#include <QString>

// The IR module as the rest of the program sees it. Each call reads [PPort] Addr again and opens
// the port access chosen by $TALVERO_PORT or [Platform] Port.

// Learns a signal into path. False when the port driver is missing (the driver message is shown),
// when [PPort] Addr names no base, or when the capture could not be stored; the old file is then
// kept. True also when nothing was received: CarrierKHz() tells the cases apart.
bool CaptureSignal(const QString& path);
// Replays the signal file; false when the file cannot be read or [PPort] Addr names no base.
bool SendSignal(const QString& path);
// All three bases: control bit 5 cleared, data 0.
void ResetPorts();
// The carrier estimate in kHz left by the last capture; 0 when no usable signal was seen.
double CarrierKHz();

// The detail viewer and the learning page's progress box watch the captures (not owned; nullptr: none).
void setCaptureObserver(CaptureObserver* observer);
// The [PPort] Addr text, "378" when the setting is empty (the tools' default).
QString portBaseSetting();

#pragma once

#include "LineEvent.h"
#include "Result.h"

#include <QList>
#include <QObject>
#include <QString>

class LineAddress;
class LineAudio;

// The outcome of asking a line for the legacy identifier of one of its wave devices.
struct LegacyDeviceId {
    enum Outcome { Found, InitFailed, OpenFailed, NoIdentifier, RequestFailed };
    Outcome outcome = RequestFailed;
    int id = -1;
};

// The telephone line as the engine sees it: a provider's addresses, registration for incoming
// calls, the events of registered addresses, and the wave devices of the line's audio. Events are
// sent as signals; receivers connect queued so that their handlers run one at a time.
class Line : public QObject {
    Q_OBJECT
public:
    virtual Status initialize() = 0;
    virtual void shutdown() = 0;
    virtual void setEventFilter(quint32 mask) = 0;
    virtual QList<LineAddress*> addresses() const = 0;
    // The registration's cookie, 0 when the line refuses it.
    virtual quint32 registerCallNotifications(LineAddress* address, bool monitor, bool owner, long mediaTypes,
                                              int callbackInstance) = 0;
    virtual void unregisterNotifications(quint32 cookie) = 0;
    // deviceIndex is 0-based in address order; deviceClass is "wave/in" or "wave/out".
    virtual LegacyDeviceId legacyDeviceId(int deviceIndex, const QString& deviceClass) = 0;
    virtual LineAudio& audio() = 0;
    // The engine's status text, for lines that show it to whoever drives them (the simulated line).
    virtual void showStatus(const QString& text) { Q_UNUSED(text); }

signals:
    void event(const LineEvent& e);
};

#pragma once

#include <QList>
#include <QString>

// The inputs expected in the current dialogue mode; an input is recognised when the whole digit
// buffer equals one code. Positions are 1-based, as the dialogue's handlers count them.
struct KeyTable {
    struct Entry {
        QString name;
        QString code;
    };
    QList<Entry> entries;
    void clear() { entries.clear(); }
};

// The touch-tone dialogue that can take over an answered call. The engine feeds it the inputs it
// recognised (from Timer2) and asks it for its tables and its queued operations.
class RemoteDialogue {
public:
    virtual ~RemoteDialogue() = default;
    // Fills the engine's key table with the passwords of mode 1.
    virtual void LoadPasswords() = 0;
    // Entry index (1-based) of the key table was recognised in mode.
    virtual void dispatch(int mode, int index) = 0;
    // "*" cleared the entry (the dialogue returns from button to device entry).
    virtual void ClearInput() = 0;
    // "#" in device or button entry.
    virtual void CancelOperations() = 0;
    virtual bool hasOperations() const = 0;
    virtual void RunOperations() = 0;
    virtual void ClearOperations() = 0;
};

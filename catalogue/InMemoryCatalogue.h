#pragma once

#include "CatalogueRow.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// The copy of the catalogue that the telephone dialogue reads during a call: the four tables
// IRDeviceNumbers, IRButtonNumbers, IRFunctionDescriptions and IRSignalFiles. Devices take slots
// 1..10 in ascending order; each device's buttons take entries 1..100 in ascending order (slot and
// entry 0 stay empty).
class InMemoryCatalogue {
public:
    static constexpr int kDeviceSlots = 11;
    static constexpr int kEntries = 101;

    struct ButtonEntry {
        QString description;
        QString signalFile;
    };

    // Clears the tables, then fills them from rows in key order. Rows whose keys are not one digit
    // and two digits, and buttons beyond a device's 100 entries, are skipped.
    void load(const QList<CatalogueRow>& rows);
    void clear();

    // The slot 1..10 holding the device number, if the device has signals.
    std::optional<int> deviceSlot(QStringView device) const;
    // The first entry of the device whose button number equals button.
    std::optional<ButtonEntry> buttonEntry(QStringView device, QStringView button) const;

private:
    using Entries = std::array<QString, kEntries>;
    std::array<QString, kDeviceSlots> IRDeviceNumbers;
    std::array<Entries, kDeviceSlots> IRButtonNumbers;
    std::array<Entries, kDeviceSlots> IRFunctionDescriptions;
    std::array<Entries, kDeviceSlots> IRSignalFiles;
};

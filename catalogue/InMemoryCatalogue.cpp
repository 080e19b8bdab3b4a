#include "InMemoryCatalogue.h"

#include "CatalogueKeys.h"

namespace {

int deviceValue(QStringView device)
{
    return device.at(0).unicode() - u'0';
}

} // namespace

void InMemoryCatalogue::clear()
{
    IRDeviceNumbers.fill(QString());
    for (auto* table : {&IRButtonNumbers, &IRFunctionDescriptions, &IRSignalFiles}) {
        for (Entries& entries : *table)
            entries.fill(QString());
    }
}

void InMemoryCatalogue::load(const QList<CatalogueRow>& rows)
{
    clear();
    int devices = 0;
    std::array<int, kDeviceSlots> entries{};
    for (const CatalogueRow& row : rows) {
        if (!CatalogueKeys::isPair(row.device, row.button))
            continue;
        const int d = deviceValue(row.device);
        if (entries[d] == kEntries - 1)
            continue;
        if (entries[d] == 0)
            IRDeviceNumbers[++devices] = row.device;
        const int n = ++entries[d];
        IRButtonNumbers[d][n] = row.button;
        IRFunctionDescriptions[d][n] = row.description;
        IRSignalFiles[d][n] = row.fileName;
    }
}

std::optional<int> InMemoryCatalogue::deviceSlot(QStringView device) const
{
    if (!CatalogueKeys::isDeviceNumber(device))
        return std::nullopt;
    for (int slot = 1; slot < kDeviceSlots; ++slot) {
        if (IRDeviceNumbers[slot] == device)
            return slot;
    }
    return std::nullopt;
}

std::optional<InMemoryCatalogue::ButtonEntry> InMemoryCatalogue::buttonEntry(QStringView device,
                                                                             QStringView button) const
{
    if (!deviceSlot(device) || !CatalogueKeys::isButtonNumber(button))
        return std::nullopt;
    const int d = deviceValue(device);
    for (int n = 1; n < kEntries && !IRButtonNumbers[d][n].isEmpty(); ++n) {
        if (IRButtonNumbers[d][n] == button)
            return ButtonEntry{IRFunctionDescriptions[d][n], IRSignalFiles[d][n]};
    }
    return std::nullopt;
}

#pragma once

#include "CatalogueRow.h"
#include "Result.h"

#include <QList>
#include <QString>

// The rows of the catalogue and the operations that add and delete a learned signal together with
// its files. Every call opens its own connection. Questions go through the prompt service; failures
// come back as a text for the caller to show.
namespace CatalogueStore {

// Shown for a device that has no row; stored as the name when the user adds with it.
inline const QString kUnregistered = QStringLiteral("未登録");
// Shown for a device whose first row has no name (Null).
inline const QString kNullName = QStringLiteral("-");

// All rows in key order (device, then button), for the grid, the command line and ReadIRData.
Result<QList<CatalogueRow>> allRows();
// The same rows through the spoken-label check's own query.
Result<QList<CatalogueRow>> labelCheckRows();
// The rows of one device; the device text is bound as a parameter, so any text is safe.
Result<QList<CatalogueRow>> deviceRows(const QString& device);

// What the selection lookups show for a device and a button.
struct DeviceLookup {
    bool registered = false; // the device has rows
    QString name;            // the first row's name, kNullName when Null, kUnregistered without rows
    QString description;     // the description of the button's row, empty when it has none
};
Result<DeviceLookup> lookupDevice(const QString& device, const QString& button);

struct NewSignal {
    QString device;
    QString name;
    QString button;
    QString description;
};

enum class AddOutcome { Stored, Declined };

// Stores a learned signal under its pair, with the learning page's questions in its order: a name
// left at kUnregistered, an empty description, an existing row for the pair (overwrite). Any No
// changes nothing. Refused with nothing changed when the keys are not a digit and two digits or the
// signal file is missing. The signal becomes "\Remote\<device>-<button>" and exactly one row remains
// for the pair. The spoken label is made by the caller.
//
// addLearnedSignal moves the work file "\Remote\temp.rmt" into place by a rename;
// addSignalFromFile copies the given file and leaves it where it is.
Result<AddOutcome> addLearnedSignal(const NewSignal& signal);
Result<AddOutcome> addSignalFromFile(const NewSignal& signal, const QString& file);

// Deletes the rows of the pair, then its signal file and spoken label, ignoring files that are
// already gone. False when the pair had no row (then no file is touched).
Result<bool> deleteSignal(const QString& device, const QString& button);

} // namespace CatalogueStore

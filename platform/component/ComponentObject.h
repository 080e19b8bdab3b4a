#pragma once

#include "Result.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

// An object made by a component library and called late-bound: a method is found by its name,
// then invoked by its dispatch identifier with a list of arguments. A missing argument is an
// invalid QVariant.
class ComponentObject {
public:
    virtual ~ComponentObject() = default;

    // The dispatch identifier of the method of that name (matched without regard to case), or -1.
    virtual int dispatchId(QStringView method) const = 0;
    virtual QVariant invoke(int dispatchId, const QVariantList& args) = 0;
};

// Calls the method of that name; the error names a method the object does not have.
Result<QVariant> callMethod(ComponentObject& object, QStringView method, const QVariantList& args = {});

// What a component library exports, with C linkage:
//   ComponentObject* talvero_component_create(const char* classId, const char* interfaceId);
//     a new object of the class for the interface (kDispatchInterface or the class's own
//     interface identifier), or nullptr; the caller deletes it.
//   int talvero_component_register(void);   writes the library's classes into classes.ini, 0 on success
//   int talvero_component_unregister(void); removes them again, 0 on success
namespace Component {
inline constexpr const char* kCreateSymbol = "talvero_component_create";
inline constexpr const char* kDispatchInterface = "dispatch";
} // namespace Component

extern "C" {
using ComponentCreateFunction = ComponentObject* (*)(const char* classId, const char* interfaceId);
}

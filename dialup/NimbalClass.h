#pragma once

#include "ClassRegistry.h"

// The identity of the dial-up class as it is registered.
namespace NimbalClass {

inline constexpr const char* kClassId = "{1E9B3042-3A86-4254-8422-422BD4C74C39}";
inline constexpr const char* kInterfaceId = "{FA7F1D33-C16A-4BB3-90F1-DFF7E0021561}";

// The entries for a library at libraryPath.
ClassRegistration registration(const QString& libraryPath);

} // namespace NimbalClass

// The component entry points of libNimbal.so (see ComponentObject.h).
extern "C" {
class ComponentObject;
__attribute__((visibility("default"))) ComponentObject* talvero_component_create(const char* classId,
                                                                                 const char* interfaceId);
__attribute__((visibility("default"))) int talvero_component_register(void);
__attribute__((visibility("default"))) int talvero_component_unregister(void);
__attribute__((visibility("default"))) int talvero_component_can_unload(void);
}

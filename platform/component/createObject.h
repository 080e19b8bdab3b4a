#pragma once

#include "ComponentObject.h"
#include "Result.h"

#include <QString>

#include <memory>

// A new object of the class registered under className (classes.ini), made by its library. The
// error says whether the class is not registered, its library cannot be loaded, or it made no
// object. The library stays loaded for the rest of the run.
Result<std::shared_ptr<ComponentObject>> createObject(const QString& className);

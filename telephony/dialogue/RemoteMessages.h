#pragma once

#include <QStringList>

// The messages a remote caller hears: the full paths of the files of "\Messages" in ascending name
// order, which is their order of arrival. Only regular files that lie in that folder are listed: a
// sub-folder, or a link that leads out of the folder, is never played to a caller.
QStringList remoteMessages();

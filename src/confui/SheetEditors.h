#pragma once

#include "confui/SheetEnvironment.h"

#include <functional>
#include <string>

class QWidget;

namespace morva::platform {
class Clock;
class FileSystem;
} // namespace morva::platform

namespace morva::confui {

// Opens the routing grid over a list key; see SheetEnvironment::editRoutes.
using RouteEditor = std::function<void(QWidget* parent, const std::string& key)>;

// The environment with every editor the pages open: the entry dialogs of
// the policy lists, which offer the files of the certificate folders the
// store names now; the text file editor of the disclaimer page; and the
// routing grid `editRoutes`. The editors' dialogs run through the
// environment's runDialog.
SheetEnvironment withSheetEditors(SheetEnvironment environment, platform::FileSystem& fileSystem,
                                  platform::Clock& clock, RouteEditor editRoutes);

} // namespace morva::confui

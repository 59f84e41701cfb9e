#pragma once

#include "confui/SheetEditors.h"

namespace morva::gui {
struct FeatureSetup;
}

namespace morva::confui {

// Gives every sheet of the catalogue that names a menu command its handler
// in the console's command table (the Options sheets 2 to 13, the add-on
// sheet and Advanced Configuration), and the setup wizard its first-run
// step, and "All Settings" (also with a search text: the toolbar's field)
// the settings browser. Each sheet opens over the console's store, language and platform at
// the moment the command runs, with every editor of its pages; the
// "Routing..." buttons open `editRoutes`. Running it again only installs
// the same handlers once more.
void registerSheetCommands(const gui::FeatureSetup& console, RouteEditor editRoutes);

} // namespace morva::confui

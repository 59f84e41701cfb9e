#pragma once

#include "confui/SheetEnvironment.h"

namespace morva::gui {
class AppEnvironment;
struct FeatureSetup;
} // namespace morva::gui

namespace morva::confui {

// Opens the routing grid over a list key; see SheetEnvironment::editRoutes.
using RouteEditor = std::function<void(QWidget* parent, const std::string& key)>;

// The sheet environment of the running console: its store, language,
// program directory, add-on probe, URL opener and routing grid.
SheetEnvironment consoleSheetEnvironment(gui::AppEnvironment& console,
                                         const RouteEditor& editRoutes = {});

// Registers the configuration commands with the console's command table
// (Options 6036 to 6047, the add-on sheet 6031, Advanced Configuration
// 6006) and the setup wizard as the first-run step after the add-on probe.
// The "Routing..." buttons of the Exchange and Connections pages open
// `editRoutes` (no action when it is empty).
void registerConfigurationCommands(const gui::FeatureSetup& console, RouteEditor editRoutes = {});

// The Options sheet of a menu command; 0 for other commands.
int optionsSheetTypeOf(int commandId);

} // namespace morva::confui

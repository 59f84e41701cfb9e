#pragma once

#include "confui/SheetEnvironment.h"

namespace morva::app {
class ConsoleApp;
}

namespace morva::confui {

// The sheet environment of the running console: its store, language,
// program directory, add-on probe and URL opener.
SheetEnvironment consoleSheetEnvironment(app::ConsoleApp& console);

// Registers the configuration commands with the console's command table
// (Options 6036 to 6047, the add-on sheet 6031, Advanced Configuration
// 6006) and the setup wizard as the first-run step after the add-on probe.
void registerConfigurationCommands(app::ConsoleApp& console);

// The Options sheet of a menu command; 0 for other commands.
int optionsSheetTypeOf(int commandId);

} // namespace morva::confui

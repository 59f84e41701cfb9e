#pragma once

#include <array>
#include <functional>

#include "confui/SheetEnvironment.h"

class QWidget;

namespace morva::gui {
class AppEnvironment;
class CommandRegistry;
}

namespace morva::platform {
class Clock;
class FileSystem;
}

namespace morva::confui {

class CertificateSource;

// The menu commands that open the sheets of this part of the editor: the
// Options sheets 5 to 13 and the Advanced Configuration sheet.
struct SheetCommand {
    int commandId;
    int sheetType;  // Options sheet type, or kAdvancedSheetType
};
const std::array<SheetCommand, 10>& sheetCommands();

// What the editors of these sheets use beyond the environment.
struct SheetServices {
    const CertificateSource* certificates = nullptr;  // null: no files offered
    platform::FileSystem* fileSystem = nullptr;        // null: no text file editor
    platform::Clock* clock = nullptr;
};

// The environment with the policy lists' entry dialogs and the text file
// editor of the disclaimer page.
SheetEnvironment withSheetEditors(SheetEnvironment environment, const SheetServices& services);

// Opens the sheet of `commandId` (one of sheetCommands()); -1 for another id.
int openSheetForCommand(int commandId, const SheetEnvironment& environment, QWidget* parent);

// Registers a handler for every command of sheetCommands(). The functions
// are asked each time a command runs, so the sheets see the current store,
// language and data set.
void registerSheetCommands(gui::CommandRegistry& registry,
                           std::function<SheetEnvironment()> environment,
                           std::function<SheetServices()> services,
                           std::function<QWidget*()> parent);

// The same for the running console: the sheets work on its store, language
// and platform, and list the certificate folders its configuration names.
void registerSheetCommands(gui::CommandRegistry& registry, gui::AppEnvironment& console,
                           std::function<QWidget*()> parent);

} // namespace morva::confui

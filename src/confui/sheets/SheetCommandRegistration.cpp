#include "app/CommandRegistry.h"
#include "confui/sheets/SheetCommands.h"

namespace morva::confui {

void registerSheetCommands(app::CommandRegistry& registry,
                           std::function<SheetEnvironment()> environment,
                           std::function<SheetServices()> services,
                           std::function<QWidget*()> parent)
{
    for (const SheetCommand& command : sheetCommands()) {
        const int id = command.commandId;
        registry.setHandler(id, [id, environment, services, parent] {
            const SheetEnvironment sheetEnvironment =
                withSheetEditors(environment(), services ? services() : SheetServices{});
            openSheetForCommand(id, sheetEnvironment, parent ? parent() : nullptr);
        });
    }
}

} // namespace morva::confui

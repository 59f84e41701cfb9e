#include "confui/sheets/SheetCommands.h"

#include "confui/OptionsSheetBuilder.h"
#include "confui/QtTexts.h"
#include "confui/policy/CertificateSource.h"
#include "confui/policy/PolicyEntryDialog.h"
#include "confui/policy/PolicyList.h"
#include "confui/sheets/AdvancedSheet.h"
#include "confui/sheets/AdvancedSheetBuilder.h"
#include "confui/sheets/TextFileDialog.h"
#include "resources/CommandIds.h"

namespace morva::confui {

const std::array<SheetCommand, 10>& sheetCommands()
{
    namespace c = morva::command;
    static const std::array<SheetCommand, 10> commands = {{
        {c::OptionsClamAV, 5},
        {c::OptionsSystem, 6},
        {c::OptionsSession, 7},
        {c::OptionsVirus, 8},
        {c::OptionsTransit, 9},
        {c::OptionsSmime, 10},
        {c::OptionsDkim, 11},
        {c::OptionsTls, 12},
        {c::OptionsGlobalExclude, 13},
        {c::AdvancedConfiguration, kAdvancedSheetType},
    }};
    return commands;
}

SheetEnvironment withSheetEditors(SheetEnvironment environment, const SheetServices& services)
{
    const int language = environment.language;
    auto runDialog = environment.runDialog;
    const CertificateSource* certificates = services.certificates;
    environment.editEntry = [certificates, language,
                             runDialog](QWidget* parent, const std::string& key, QString& value,
                                        QString& comment) -> std::optional<bool> {
        const PolicyList* list = findPolicyList(key);
        if (!list)
            return std::nullopt;
        std::unique_ptr<PolicyEntryDialog> dialog =
            createPolicyEntryDialog(*list, certificates, language, parent);
        dialog->setEntry(toStd(value));
        dialog->setComment(comment);
        const int result = runDialog ? runDialog(*dialog) : dialog->exec();
        if (result != QDialog::Accepted)
            return false;
        value = toQ(dialog->entry());
        comment = dialog->comment();
        return true;
    };
    if (services.fileSystem && services.clock) {
        platform::FileSystem* fs = services.fileSystem;
        platform::Clock* clock = services.clock;
        environment.editTextFile = [fs, clock, language, runDialog](QWidget* parent,
                                                                    const std::string& path,
                                                                    const QString& caption) {
            TextFileDialog dialog(*fs, *clock, path, caption, language, parent);
            if (!dialog.load())
                return false;
            if (runDialog)
                runDialog(dialog);
            else
                dialog.exec();
            return true;
        };
    }
    return environment;
}

int openSheetForCommand(int commandId, const SheetEnvironment& environment, QWidget* parent)
{
    for (const SheetCommand& command : sheetCommands()) {
        if (command.commandId != commandId)
            continue;
        if (command.sheetType == kAdvancedSheetType)
            return openAdvancedSheet(environment, parent);
        return openOptionsSheet(command.sheetType, environment, parent);
    }
    return -1;
}

} // namespace morva::confui

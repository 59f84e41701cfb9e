#include "confui/SheetEditors.h"

#include "config/ConfigStore.h"
#include "confui/QtTexts.h"
#include "confui/policy/CertificateSource.h"
#include "confui/policy/PolicyEntryDialog.h"
#include "confui/policy/PolicyList.h"
#include "confui/sheets/TextFileDialog.h"
#include "platform/FileSystem.h"

#include <memory>

namespace morva::confui {

SheetEnvironment withSheetEditors(SheetEnvironment environment, platform::FileSystem& fileSystem,
                                  platform::Clock& clock, RouteEditor editRoutes)
{
    // The folders the gateway takes its certificates from, as the
    // configuration names them when the sheet opens.
    auto certificates = std::make_shared<const FolderCertificates>(
        fileSystem, db::certificateFolders(db::certificateSettingsFrom(*environment.store),
                                           environment.programDir, fileSystem.separator()));
    const int language = environment.language;
    const auto run = [runDialog = environment.runDialog](QDialog& dialog) {
        return runDialog ? runDialog(dialog) : dialog.exec();
    };
    environment.editEntry = [certificates, language, run](QWidget* parent, const std::string& key,
                                                          QString& value,
                                                          QString& comment) -> std::optional<bool> {
        const PolicyList* list = findPolicyList(key);
        if (!list)
            return std::nullopt;
        PolicyEntryDialog dialog(*list, certificates.get(), language, parent);
        dialog.setEntry(toStd(value));
        dialog.setComment(comment);
        if (run(dialog) != QDialog::Accepted)
            return false;
        value = toQ(dialog.entry());
        comment = dialog.comment();
        return true;
    };
    environment.editTextFile = [&fileSystem, &clock, language, run](QWidget* parent,
                                                                    const std::string& path,
                                                                    const QString& caption) {
        TextFileDialog dialog(fileSystem, clock, path, caption, language, parent);
        if (!dialog.load())
            return false;
        run(dialog);
        return true;
    };
    environment.editRoutes = std::move(editRoutes);
    return environment;
}

} // namespace morva::confui

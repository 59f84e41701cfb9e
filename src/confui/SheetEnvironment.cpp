#include "confui/SheetEnvironment.h"

#include "confui/PathPicker.h"

#include <QDesktopServices>
#include <QDialog>
#include <QUrl>
#include <filesystem>

namespace morva::confui {

SheetEnvironment withDesktopDefaults(SheetEnvironment environment)
{
    if (!environment.addOnInstalled)
        environment.addOnInstalled = [] { return false; };
    if (!environment.openUrl)
        environment.openUrl = [](const QString& url) {
            return QDesktopServices::openUrl(QUrl(url));
        };
    if (!environment.directoryExists)
        environment.directoryExists = [](const std::string& path) {
            std::error_code error;
            return std::filesystem::is_directory(std::filesystem::u8path(path), error);
        };
    if (!environment.pickFolder)
        environment.pickFolder = [language = environment.language](QWidget* parent,
                                                                   const QString& start) {
            return pickFolder(parent, start, language);
        };
    if (!environment.runDialog)
        environment.runDialog = [](QDialog& dialog) { return dialog.exec(); };
    return environment;
}

} // namespace morva::confui

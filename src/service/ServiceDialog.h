#pragma once

#include <string>

class QWidget;

namespace morva::platform {
class FileSystem;
class ServiceManager;
}  // namespace morva::platform

namespace morva::service {

// Runs the service dialog modally over `parent` for the gateway program
// `executablePath` (empty: "gwcored" beside the console, see
// defaultExecutablePath) and returns the dialog result. `programDir` ends
// with the native separator.
int runServiceDialog(QWidget* parent, const std::string& defaultName,
                     const std::string& executablePath, platform::FileSystem& fileSystem,
                     platform::ServiceManager& serviceManager, const std::string& programDir,
                     int languageIndex);

}  // namespace morva::service

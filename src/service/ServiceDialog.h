#pragma once

#include <string>

class QWidget;

namespace morva::platform {
class Clock;
class FileSystem;
class ServiceManager;
} // namespace morva::platform

namespace morva::service {

// Where the service dialog runs: all owned by the caller.
struct ServiceDialogEnvironment
{
    platform::FileSystem& fileSystem;
    platform::ServiceManager& serviceManager;
    platform::Clock& clock;  // the console's waits (see gui::EventPumpingClock)
    std::string programDir;  // ends with the native separator
    std::string consolePath; // the console's own executable
    int languageIndex;
};

// Runs the service dialog modally over `parent` for the gateway program
// `executablePath` (empty: "gwcored" in the program directory, see
// defaultExecutablePath) and returns the dialog result.
int runServiceDialog(QWidget* parent, const std::string& defaultName,
                     const std::string& executablePath,
                     const ServiceDialogEnvironment& environment);

} // namespace morva::service

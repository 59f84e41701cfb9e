#pragma once

namespace morva::gui {
struct FeatureSetup;
}

namespace morva::platform {
class ServiceManager;
}

namespace morva::service {

// Wires the service dialog into the console: the handler of command 6035
// "Service..." (the application enables it by ServiceOn) and the service
// step of a first run, both for service "Morva" and the default executable.
// `serviceManager` must outlive the console.
void installServiceUi(const gui::FeatureSetup& setup, platform::ServiceManager& serviceManager);

} // namespace morva::service

#pragma once

#include <functional>

namespace morva::gui {

// The dialogs of a first run, in the order they come after the wildcard
// entries and the add-on probe. Each is set by the feature that builds the
// dialog; an empty step is skipped.
struct FirstRunSteps
{
    // The Options sheet as a wizard; it clears IniWizard when it ends with
    // OK or Finish.
    std::function<void()> optionsWizard;
    // The "E-mail domain on Exchange" list, modal.
    std::function<void()> exchangeDomainList;
    // The service dialog for service "Morva" with the default executable.
    std::function<void()> serviceDialog;
};

} // namespace morva::gui

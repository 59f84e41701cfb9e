#pragma once

namespace morva::gui {
struct FeatureSetup;
}

namespace morva::confui {

// Wires the history of saves into the console: Configuration > History...
// opens the History window; Edit > Undo becomes "Undo last configuration
// save" while the newest save was made by this console and "Morva.ini" has
// not changed since, and puts back the version that save replaced; a
// history that cannot be written is told once. The wiring lives as long as
// the command table.
void installConfigHistory(const gui::FeatureSetup& console);

} // namespace morva::confui

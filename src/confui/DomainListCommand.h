#pragma once

namespace morva::gui {
struct FeatureSetup;
}

namespace morva::confui {

// Wires the "E-mail domain on Exchange" list into the console: the handler
// of its command and the first-run step that opens it.
void installExchangeDomainList(const gui::FeatureSetup& setup);

} // namespace morva::confui

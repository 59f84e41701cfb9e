#pragma once

namespace morva::gui {
struct FeatureSetup;
}

namespace morva::stats {

// Wires the statistics viewer into the console: the handler of command 6012
// "&Statistic...".
void installStatisticsUi(const gui::FeatureSetup& setup);

} // namespace morva::stats

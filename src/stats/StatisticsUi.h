#pragma once

namespace morva::app {
class ConsoleApp;
}

namespace morva::stats {

// Wires the statistics viewer into the console: the handler of command 6012
// "&Statistic...".
void installStatisticsUi(app::ConsoleApp& app);

} // namespace morva::stats

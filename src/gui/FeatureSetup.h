#pragma once

namespace morva::gui {

class AppEnvironment;
class CommandRegistry;
class ConsoleHost;
struct FirstRunSteps;

// What the program hands each feature when it wires the feature in: the
// command table for its handlers, the per-process environment, the host its
// dialogs talk to and the first-run steps it may fill. Everything outlives
// the features.
struct FeatureSetup
{
    CommandRegistry& commands;
    AppEnvironment& environment;
    ConsoleHost& host;
    FirstRunSteps& firstRunSteps;
};

} // namespace morva::gui

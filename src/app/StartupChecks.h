#pragma once

namespace morva::app {

class ConsoleApp;

// The start-up work that waits for the first idle moment: language and
// menu, configuration, data set, command flags, version check and the
// first-run steps. Runs once; later calls return at once.
class StartupChecks
{
public:
    explicit StartupChecks(ConsoleApp& app) : m_app(app) {}

    void run();
    bool hasRun() const { return m_done; }

    // Steps on their own (tests call them too).
    void checkVersion();
    // "Morva.ini" exists but could not be read: says which file and why.
    void reportUnreadableConfiguration();
    void firstRun();
    void appendWildcardExclusions();
    void addPostmasterDomain();

private:
    ConsoleApp& m_app;
    bool m_done = false;
};

} // namespace morva::app

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace morva::platform {
class Clock;
}

namespace morva::cli {

// What every morvactl command gets: the program directory (ends with the
// native separator), its own arguments (after the command word) and the
// streams. A command returns the process exit code:
//   0 success, 1 failure (message on err), 2 usage error, unknown key or a
//   value the pages would refuse.
struct Context
{
    std::string programDir;
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
    // The waits of `log --follow`; null: the system clock.
    platform::Clock* clock = nullptr;
};

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// One entry point per command family, each in its own file.
int runSchemaCommand(Context& context);  // schema
int runConfigCommand(Context& context);  // config get|set|save|list|check
int runRecordsCommand(Context& context); // records list|add|set|delete
int runLogCommand(Context& context);     // log [--follow] [--grep ...] ...
int runSignalCommand(Context& context);  // signal deliver|stat|queue|sendlog|packwl|restart
int runStatsCommand(Context& context);   // stats
int runServiceCommand(Context& context); // service status|install|start|stop|remove

// stats --history [--format text|csv] (runStatsCommand hands it over).
int runStatsHistoryCommand(Context& context);

} // namespace morva::cli

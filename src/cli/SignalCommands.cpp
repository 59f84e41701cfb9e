#include "cli/Commands.h"

#include <ostream>

// Placeholder until this command family is built.
namespace morva::cli {

int runSignalCommand(Context& context)
{
    context.err << "morvactl: this command is not available in this build\n";
    return kExitUsage;
}

} // namespace morva::cli

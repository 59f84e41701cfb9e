#include <ostream>

#include "cli/Commands.h"

// Placeholder until this command family is built.
namespace morva::cli {

int runRecordsCommand(Context& context)
{
    context.err << "morvactl: this command is not available in this build\n";
    return kExitUsage;
}

}  // namespace morva::cli

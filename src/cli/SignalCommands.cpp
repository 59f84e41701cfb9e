#include "cli/Commands.h"
#include "platform/RegionalLanguage.h"
#include "platform/SystemFileSystem.h"
#include "resources/Texts.h"
#include "service/SignalFiles.h"

#include <ostream>

// morvactl signal WORD [--language CODE]: creates one of the gateway's
// signal files in the program directory, as the console's Signal menu does.
namespace morva::cli {

namespace {

void printSignalUsage(std::ostream& out)
{
    out << "usage: morvactl signal deliver|stat|queue|sendlog|packwl|restart [--language CODE]\n";
    for (const service::SignalFile& entry : service::signalFiles())
        out << "  " << entry.word << "\tcreates " << entry.fileName << "\n";
}

} // namespace

int runSignalCommand(Context& context)
{
    const service::SignalFile* signal = nullptr;
    std::string languageCode;
    for (std::size_t i = 0; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        if (arg == "--language" && i + 1 < context.args.size()) {
            languageCode = context.args[++i];
        } else if (arg == "--help" || arg == "-h") {
            printSignalUsage(context.out);
            return kExitOk;
        } else if (!signal && (signal = service::signalForWord(arg))) {
            continue;
        } else {
            context.err << "morvactl signal: unexpected argument '" << arg << "'\n";
            printSignalUsage(context.err);
            return kExitUsage;
        }
    }
    if (!signal) {
        printSignalUsage(context.err);
        return kExitUsage;
    }

    auto fileSystem = platform::makeSystemFileSystem();
    platform::FileError error = platform::FileError::None;
    if (service::createSignalFile(*fileSystem, context.programDir, signal->fileName, &error))
        return kExitOk;

    // The console's message in the user's language, then what went wrong.
    const int language = chooseLanguage(languageCode, kAllLanguages,
                                        platform::makeSystemRegionalLanguage()->languageCode());
    context.err << service::signalFailedText(language) << "\n"
                << service::signalFilePath(context.programDir, signal->fileName) << ": "
                << platform::fileErrorName(error) << "\n";
    return kExitFailure;
}

} // namespace morva::cli

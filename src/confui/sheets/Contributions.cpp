#include "confui/sheets/Contributions.h"

namespace morva::confui {

namespace {
using Contribution = void (*)(Catalogue&);

const Contribution kContributions[] = {
    sheets::addEntryDialogs, sheets::addDefaultLists, sheets::addGeneralPages,
    sheets::addBlockingPages, sheets::addSpamPages, sheets::addOptionsSheets,
    // Sheets 5 to 13 and the Advanced Configuration sheet:
    sheets::addPolicyDialogs, sheets::addClamAVPages, sheets::addSystemPages,
    sheets::addSessionPages, sheets::addVirusPages, sheets::addTransitPages, sheets::addSmimePages,
    sheets::addDkimPages, sheets::addTlsPages, sheets::addExcludePages, sheets::addPhishingPage,
    sheets::addAdvancedPages,

    sheets::addFallbackSheet, // last
};
} // namespace

const Catalogue& catalogue()
{
    static const Catalogue built = [] {
        Catalogue catalogue;
        for (Contribution contribute : kContributions)
            contribute(catalogue);
        return catalogue;
    }();
    return built;
}

} // namespace morva::confui

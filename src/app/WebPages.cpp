#include "app/WebPages.h"

#include "resources/CommandIds.h"

namespace morva::app {

std::string webPageFor(int commandId)
{
    namespace c = morva::command;
    const std::string docs = maker::kDocuments;
    switch (commandId) {
    case c::HelpDocumentation:
        return docs;
    case c::HelpAdminister:
        return maker::kOptionsDocument;
    case c::HelpTroubleshooting:
        return "https://www.brentmoor.example/morva/faq/";
    case c::HelpFightSpam:
        return docs + "index.html#fighting-spam";
    case c::HelpOperationsGuide:
        return docs + "index.html#recommended-settings";
    case c::HelpTightenSecurity:
        return docs + "index.html#security";
    case c::SpamReportHomePage:
        return "https://www.spamreport.example/";
    case c::AddOnMakerHomePage:
        return "https://www.telvarnetworks.example/morvafilter/";
    case c::SupportRequest:
        return "https://www.brentmoor.example/morva/support/";
    case c::HomePage:
        return maker::kHomePage;
    case c::OnlineOrder:
        return maker::kOrderPage;
    default:
        return {};
    }
}

} // namespace morva::app

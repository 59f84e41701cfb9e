// The Transit sheet: the disclaimer added to outbound messages. Its text
// lives in "odisc-pl.txt" in the program folder, edited from the page.
#include "confui/sheets/Contributions.h"
#include "confui/sheets/DisclaimerFile.h"

namespace morva::confui::sheets {

void addTransitPages(Catalogue& catalogue)
{
    PageHooks hooks;
    hooks.button = [](PageContext& page, std::string_view hook) {
        if (hook == "editDisclaimer")
            page.editTextFile(kDisclaimerFileName, "confui.IniDisc.Text");
    };
    catalogue.addPageHooks("disclaimer", std::move(hooks));
    catalogue.addPage({"IniDisc",
                       "confui.page.IniDisc",
                       "disclaimer",
                       {
                           list("OutboundDisclaimer", "confui.IniDisc.List", "EditAdr"),
                           check("OutboundDisclaimerSuppOnReply", "confui.IniDisc.SuppOnReply"),
                           button("editDisclaimer", "confui.IniDisc.Edit"),
                       },
                       "disclaimer"});
    catalogue.addSheet({9, "confui.sheet9", {"IniDisc"}});
}

} // namespace morva::confui::sheets

// The Transit sheet: the disclaimer added to outbound messages. Its text
// lives in "odisc-pl.txt" in the program folder, edited from the page.
#include "confui/sheets/Contributions.h"
#include "confui/sheets/DisclaimerFile.h"
#include "resources/CommandIds.h"

namespace morva::confui::sheets {

void addTransitPages(Catalogue& catalogue)
{
    catalogue.addPage({"IniDisc",
                       "confui.page.IniDisc",
                       "disclaimer",
                       {
                           list("OutboundDisclaimer", "confui.IniDisc.List", "EditAdr"),
                           check("OutboundDisclaimerSuppOnReply", "confui.IniDisc.SuppOnReply"),
                           editorButton(Editor::TextFile, std::string(kDisclaimerFileName),
                                        "confui.IniDisc.Edit", "confui.IniDisc.Text"),
                       }});
    catalogue.addSheet(SheetDef{9, "confui.sheet9", {"IniDisc"}}.openedBy(command::OptionsTransit));
}

} // namespace morva::confui::sheets

// The ClamAV sheet: the ClamAV connection and the four signature families
// the ClamAV daemon checks (SaneSecurity, SecuriteInfo, community rules,
// Office macros).
#include "confui/sheets/Contributions.h"
#include "resources/CommandIds.h"

namespace morva::confui::sheets {

namespace {
PageDef signaturePage(const char* name, const char* anchor, const char* code)
{
    const std::string switchKey = std::string("InboundBlock") + code;
    return {name,
            std::string("confui.page.") + name,
            anchor,
            {
                check(switchKey, std::string("confui.") + name + ".Block"),
                actionCombo(switchKey + "NDRTyp", "confui.action.label").enabledBy(switchKey),
                exclude(std::string("InboundExclBlock") + code, ExclShape::All),
                label("confui.sig.Note"),
            }};
}
} // namespace

void addClamAVPages(Catalogue& catalogue)
{
    catalogue.addPage({"IniViC",
                       "confui.page.IniViC",
                       "virus-clamav",
                       {
                           check("ScanOutboundMessagesClamAV", "confui.IniViC.Outbound"),
                           check("ScanInboundMessagesClamAV", "confui.IniViC.Inbound"),
                           text("VirusScannerClamAVHost", "confui.IniViC.Host"),
                           number("VirusScannerClamAVPort", "confui.IniViC.Port"),
                       }});
    catalogue.addPage(signaturePage("IniCASCR", "sanesec", "CASCR"));
    catalogue.addPage(signaturePage("IniCAICR", "secinfo", "CAICR"));
    catalogue.addPage(signaturePage("IniCAXCR", "comrule", "CAXCR"));
    catalogue.addPage(signaturePage("IniCAOLE", "olevba", "CAOLE"));
    catalogue.addSheet(
        SheetDef{5, "confui.sheet5", {"IniViC", "IniCASCR", "IniCAICR", "IniCAXCR", "IniCAOLE"}}
            .openedBy(command::OptionsClamAV));
}

} // namespace morva::confui::sheets

// The System sheet: message format, flags, suspicious traffic, blind copies,
// TLS, and the Relay page that the General sheet shows as well.
#include "confui/sheets/Contributions.h"
#include "resources/CommandIds.h"

namespace morva::confui::sheets {

namespace {
// A treatment switch with the Exclude button of its stem beside it.
void switchWithExclude(std::vector<Control>& controls, const std::string& direction,
                       const std::string& feature, const std::string& label)
{
    controls.push_back(check(direction + feature, label));
    controls.push_back(exclude(direction + "ExclBlock" + feature, ExclShape::All).inSameRow());
}

PageDef formatPage()
{
    std::vector<Control> controls;
    controls.push_back(group("confui.common.inbound"));
    switchWithExclude(controls, "Inbound", "RemoveHTML", "confui.IniForm.InRemoveHTML");
    switchWithExclude(controls, "Inbound", "RemoveTNEF", "confui.IniForm.InRemoveTNEF");
    switchWithExclude(controls, "Inbound", "RemoveDKIM", "confui.IniForm.InRemoveDKIM");
    switchWithExclude(controls, "Inbound", "RemoveOWASubj", "confui.IniForm.InRemoveOWASubj");
    switchWithExclude(controls, "Inbound", "AssembleAll", "confui.IniForm.InAssembleAll");
    controls.push_back(group("confui.common.outbound"));
    switchWithExclude(controls, "Outbound", "RemoveHTML", "confui.IniForm.OutRemoveHTML");
    switchWithExclude(controls, "Outbound", "RemoveTNEF", "confui.IniForm.OutRemoveTNEF");
    switchWithExclude(controls, "Outbound", "AssembleAll", "confui.IniForm.OutAssembleAll");
    controls.push_back(endGroup());
    return {"IniForm", "confui.page.IniForm", "format", std::move(controls)};
}
} // namespace

void addSystemPages(Catalogue& catalogue)
{
    catalogue.addPage(formatPage());
    catalogue.addPage({"IniFla",
                       "confui.page.IniFla",
                       "flags",
                       {
                           check("InboundRemoveRR", "confui.IniFla.InRemoveRR"),
                           check("OutboundRemoveRR", "confui.IniFla.OutRemoveRR"),
                           check("InboundRemoveDSNSuccess", "confui.IniFla.InRemoveDSN"),
                           check("OutboundRemoveDSNSuccess", "confui.IniFla.OutRemoveDSN"),
                       }});
    catalogue.addPage(
        {"IniSusp",
         "confui.page.IniSusp",
         "suspicious",
         {
             check("MsgLoop", "confui.IniSusp.MsgLoop"),
             number("MsgLoopPeriod", "confui.IniSusp.Period").enabledBy("MsgLoop"),
             number("MsgLoopMaxMsg", "confui.IniSusp.MaxMsg").enabledBy("MsgLoop"),
             list("MsgLoopExcl", "confui.IniSusp.Excl", "EditAdr").enabledBy("MsgLoop"),
         }});
    catalogue.addPage({"IniBCC",
                       "confui.page.IniBCC",
                       "bcc",
                       {
                           list("BCCForNDR", "confui.IniBCC.NDR", "EditAdr"),
                           list("BCCForFwdExch", "confui.IniBCC.FwdExch", "EditAdr"),
                           list("InboundAutoBCC", "confui.IniBCC.InAuto", "EditAdr"),
                           list("OutboundAutoBCC", "confui.IniBCC.OutAuto", "EditAdr"),
                       }});
    catalogue.addPage({"IniTLS",
                       "confui.page.IniTLS",
                       "tls",
                       {
                           check("OutboundESMTPTLS", "confui.IniTLS.Outbound"),
                           check("InboundESMTPTLS", "confui.IniTLS.Inbound"),
                           check("VerboseTLS", "confui.IniTLS.Verbose"),
                           text("TLSCACert", "confui.IniTLS.CACert"),
                           text("TLSServCert", "confui.IniTLS.ServCert"),
                           text("TLSServPriv", "confui.IniTLS.ServPriv"),
                       }});
    // IniRel is the General sheet's Relay page: the same page, the same keys.
    catalogue.addSheet(
        SheetDef{6, "confui.sheet6", {"IniForm", "IniFla", "IniSusp", "IniBCC", "IniTLS", "IniRel"}}
            .openedBy(command::OptionsSystem));
}

} // namespace morva::confui::sheets

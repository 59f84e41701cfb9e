// The Advanced Configuration sheet ("Configuration"): subject marks, network
// binding, DSN, DNS, threads, console settings, ESMTP extensions, SMTP error
// handling towards Exchange, white-list synchronisation and the rest.
//
// Our choices where the gateway's keys leave the texts to the console:
//   DSNFormat         0 plain text message, 1 standard report (RFC 3464),
//                     2 standard report with a readable text part (default);
//   DSNReturnContent  0 the headers (default), 1 the whole message, 2 nothing;
//   DNSUseGetHostByName  false: the gateway's own DNS queries (default),
//                     true: the resolver of the operating system;
//   DNSUseUDP         true: UDP with TCP for long answers (default), false: TCP
//                     only;
//   ports 1..65535; threads 1..500 per queue; disk alert 0..1000000 MB;
//   log font size 6..72.
// Values outside these lists are kept by the combos (shown as "other").
#include "confui/sheets/AdvancedSheet.h"
#include "confui/sheets/Contributions.h"
#include "resources/CommandIds.h"

namespace morva::confui::sheets {

namespace {
Control markText(const char* code, const char* key = nullptr)
{
    const std::string name = key ? key : std::string("InboundBlock") + code + "MarkSubj";
    return text(name, std::string("confui.method.") + code);
}

// Bool keys shown as a two-item combo: `first` is the text of true.
Control boolCombo(const char* key, const char* labelId, const char* first, const char* second)
{
    return combo(key, labelId, {{first, 1, {}}, {second, 0, {}}});
}

PageDef markPage(const char* name, std::vector<Control> controls)
{
    return {name, std::string("confui.page.") + name, "", std::move(controls)};
}

std::vector<Control> perMethodMarks()
{
    const std::pair<const char*, const char*> marks[] = {{"SLS", "InboundSLSMarkSubj"},
                                                         {"CTY", nullptr},
                                                         {"Att", nullptr},
                                                         {"Expl", nullptr},
                                                         {"Subj", nullptr},
                                                         {"Text", nullptr},
                                                         {"HTML", nullptr},
                                                         {"Hdr", nullptr},
                                                         {"IPH", nullptr},
                                                         {"ToAdr", nullptr},
                                                         {"NoTo", nullptr},
                                                         {"FCrDNS", nullptr},
                                                         {"Abs", nullptr},
                                                         {"NoFrom", nullptr},
                                                         {"FromUs", nullptr},
                                                         {"Bayes", "InboundBayesMarkSubj"},
                                                         {"Heur", nullptr},
                                                         {"Phi", nullptr},
                                                         {"SPF", nullptr},
                                                         {"SURBL", nullptr},
                                                         {"EMP", nullptr},
                                                         {"DSN", nullptr},
                                                         {"BCKS", nullptr},
                                                         {"CCS", nullptr},
                                                         {"CharSet", nullptr},
                                                         {"ABIP", nullptr},
                                                         {"SEBA", nullptr},
                                                         {"UDM", nullptr}};
    std::vector<Control> controls = {label("confui.ConfMS.Note")};
    for (const auto& [code, key] : marks)
        controls.push_back(markText(code, key));
    return controls;
}

std::vector<Control> esmtpSwitches(const char* direction, bool inbound)
{
    std::vector<Control> controls = {
        group(inbound ? "confui.ConfESMTP.In" : "confui.ConfESMTP.Out", 3)};
    const char* extensions[] = {"",         "DSN",  "PRIORITY", "NTLM",    "PIPELINING",
                                "CHUNKING", "SIZE", "XBDATA",   "8BITMIME"};
    for (const char* extension : extensions) {
        if (!inbound && std::string_view(extension) == "8BITMIME")
            continue;
        const std::string key = std::string(direction) + "ESMTP" + extension;
        const std::string labelId =
            std::string("confui.ConfESMTP.") + (*extension ? extension : "ESMTP");
        controls.push_back(check(key, labelId));
    }
    return controls;
}
} // namespace

void addAdvancedPages(Catalogue& catalogue)
{
    catalogue.addPage(
        markPage("ConfMS1", {
                                text("InboundMarkGeneral", "confui.ConfMS.General"),
                                check("InboundMarkSubjRight", "confui.ConfMS.Right"),
                                text("InboundRemoveHTMLMarkSubj", "confui.ConfMS.RemoveHTML"),
                                text("InboundDecodeHTMLMarkSubj", "confui.ConfMS.DecodeHTML"),
                                text("InboundRemoveTNEFMarkSubj", "confui.ConfMS.RemoveTNEF"),
                                text("InboundRemoveSMIMEMarkSubj", "confui.ConfMS.RemoveSMIME"),
                            }));
    catalogue.addPage(markPage("ConfMS2", perMethodMarks()));
    catalogue.addPage(markPage("ConfMS3", {label("confui.ConfMS.Note"), markText("MSVBA"),
                                           markText("MSOPP"), markText("MSOEM")}));
    catalogue.addPage(
        markPage("ConfMS4", {label("confui.ConfMS.Note"), markText("CASCR"), markText("CAICR"),
                             markText("CAOLE"), markText("CAXCR")}));
    catalogue.addPage(
        markPage("ConfMS5", {label("confui.ConfMS.Note"), markText("SMIME"), markText("DKIM")}));
    catalogue.addPage({"ConfIP",
                       "confui.page.ConfIP",
                       "IPAddress",
                       {
                           text("SMTPIPAddress", "confui.ConfIP.Address"),
                           text("SMTPMainMachineName", "confui.ConfIP.MachineName"),
                           list("SMTPNATWanIPAddress", "confui.ConfIP.NAT", "EditIP"),
                           number("SMTPInboundPort", "confui.ConfIP.InPort"),
                           number("SMTPOutboundPort", "confui.ConfIP.OutPort"),
                       }});
    catalogue.addPage({"ConfDSN",
                       "confui.page.ConfDSN",
                       "",
                       {
                           text("NDRFromAddress", "confui.ConfDSN.From"),
                           indexCombo("DSNFormat", "confui.ConfDSN.Format",
                                      {"confui.ConfDSN.Format0", "confui.ConfDSN.Format1",
                                       "confui.ConfDSN.Format2"}),
                           indexCombo("DSNReturnContent", "confui.ConfDSN.Return",
                                      {"confui.ConfDSN.Return0", "confui.ConfDSN.Return1",
                                       "confui.ConfDSN.Return2"}),
                       }});
    catalogue.addPage({"ConfDNS",
                       "confui.page.ConfDNS",
                       "",
                       {
                           boolCombo("DNSUseGetHostByName", "confui.ConfDNS.Resolve",
                                     "confui.ConfDNS.System", "confui.ConfDNS.Own"),
                           boolCombo("DNSUseUDP", "confui.ConfDNS.Transport", "confui.ConfDNS.UDP",
                                     "confui.ConfDNS.TCP"),
                       }});
    catalogue.addPage(
        {"ConfThr",
         "confui.page.ConfThr",
         "",
         {
             number("InboundQueueMaxThread", "confui.ConfThr.In"),
             number("OutboundQueueMaxThread", "confui.ConfThr.Out"),
             check("InboundQueueMaxThreadDisableBayes", "confui.ConfThr.InBayes"),
             check("OutboundQueueMaxThreadDisableBayes", "confui.ConfThr.OutBayes"),
             check("InboundSMTPAutoDisableOnThreadWatermark", "confui.ConfThr.Watermark"),
         }});
    catalogue.addPage({"ConfAdm",
                       "confui.page.ConfAdm",
                       "",
                       {
                           check("AdminShowLogFile", "confui.ConfAdm.ShowLog"),
                           path("AdminLogPath", "confui.ConfAdm.LogPath"),
                           check("AdminCheckDir", "confui.ConfAdm.CheckDir"),
                           text("AdminLogFont", "confui.ConfAdm.Font"),
                           number("AdminLogFontSize", "confui.ConfAdm.FontSize"),
                       }});
    std::vector<Control> esmtp = esmtpSwitches("Inbound", true);
    for (Control& control : esmtpSwitches("Outbound", false))
        esmtp.push_back(std::move(control));
    esmtp.push_back(endGroup());
    catalogue.addPage({"ConfESMTP", "confui.page.ConfESMTP", "", std::move(esmtp)});
    catalogue.addPage(
        {"ConfSMTP",
         "confui.page.ConfSMTP",
         "",
         {
             check("OutboundExchHonorPermanentError", "confui.ConfSMTP.HonorPerm"),
             check("OutboundExch4xxIsPermanentError", "confui.ConfSMTP.4xx"),
             check("OutboundExchDATATimeoutIsPermanentError", "confui.ConfSMTP.DataTimeout"),
             check("OutboundIgnorePermanentErrorInMailFrom", "confui.ConfSMTP.IgnoreMailFrom"),
             check("OutboundIgnoreSLSBlockingError", "confui.ConfSMTP.IgnoreSLS"),
             check("SuppRecvLn", "confui.ConfSMTP.SuppRecv"),
             check("SuppRecvLnFor", "confui.ConfSMTP.SuppRecvFor"),
             check("InboundSizeLimitTransCheck", "confui.ConfSMTP.SizeCheck"),
             check("InboundESMTPCloseAfterMailFromError", "confui.ConfSMTP.CloseMailFrom"),
         }});
    // The two "Protocol:" combos show the inverse of the UDP switches:
    // position 0 "UDP" when the key is true, position 1 "TCP" when false.
    catalogue.addPage(
        {"ConfAWL",
         "confui.page.ConfAWL",
         "",
         {
             check("VerboseAWL", "confui.ConfAWL.Verbose"),
             group(""),
             check("InboundAWL", "confui.ConfAWL.Master"),
             list("InboundAWLAllowIP", "confui.ConfAWL.AllowIP", "EditIP", ListKind::Ip)
                 .enabledBy("InboundAWL"),
             boolCombo("InboundAWLUDP", "confui.ConfAWL.Protocol", "confui.ConfAWL.UDP",
                       "confui.ConfAWL.TCP")
                 .enabledBy("InboundAWL"),
             group(""),
             check("OutboundAWL", "confui.ConfAWL.Client"),
             text("OutboundAWLIP", "confui.ConfAWL.MasterIP").enabledBy("OutboundAWL"),
             check("OutboundAWLCacheNeg", "confui.ConfAWL.CacheNeg").enabledBy("OutboundAWL"),
             boolCombo("OutboundAWLUDP", "confui.ConfAWL.Protocol", "confui.ConfAWL.UDP",
                       "confui.ConfAWL.TCP")
                 .enabledBy("OutboundAWL"),
             endGroup(),
         }});
    catalogue.addPage(
        {"ConfAdv",
         "confui.page.ConfAdv",
         "",
         {
             path("TempPath", "confui.ConfAdv.TempPath"),
             number("DiskFullAlert", "confui.ConfAdv.DiskFull"),
             check("ForceScreenOutput", "confui.ConfAdv.Screen"),
             check("InboundDuplicateForEachSendTo", "confui.ConfAdv.InDup"),
             check("OutboundDuplicateForEachSendTo", "confui.ConfAdv.OutDup"),
             text("SpamFolder", "confui.ConfAdv.SpamFolder"),
             languageCombo("confui.ConfAdv.Language",
                           {"confui.ConfAdv.Auto", "confui.lang.ENG", "confui.lang.DEU",
                            "confui.lang.FRA", "confui.lang.ITA", "confui.lang.SPA"}),
         }});
    // Unlike the Options sheets, every key is read before the sheet shows.
    catalogue.addSheet(
        SheetDef{kAdvancedSheetType,
                 "confui.sheetConf",
                 {"ConfMS1", "ConfMS2", "ConfMS3", "ConfMS4", "ConfMS5", "ConfIP", "ConfDSN",
                  "ConfDNS", "ConfThr", "ConfAdm", "ConfESMTP", "ConfSMTP", "ConfAWL", "ConfAdv"}}
            .withKind(SheetKind::Advanced)
            .openedBy(command::AdvancedConfiguration)
            .withPagesPreloaded());
}

} // namespace morva::confui::sheets

// The Global Exclude sheet: address, subject, text, HTML and IP/host
// exclusions, the white list, DNS whitelists (SLS and DNSWL), DKIM and SPF
// exclusions, the other exclusions and the per-method options.
#include "confui/sheets/Contributions.h"
#include "confui/sheets/ExcludeDefaults.h"
#include "resources/CommandIds.h"

namespace morva::confui {

const std::array<std::string_view, kExclusionMethodCount>& exclusionMethods()
{
    static const std::array<std::string_view, kExclusionMethodCount> methods = {
        "Adr",    "IPH",   "DSN",    "Subj",  "Text",  "HTML",  "Att", "Expl",    "CCS",  "MSVBA",
        "MSOPP",  "MSOEM", "SLS",    "CTY",   "Bayes", "Heur",  "Hdr", "Phi",     "NoTo", "FromUs",
        "NoFrom", "NoMx",  "FCrDNS", "SPF",   "DKIM",  "SURBL", "EMP", "CharSet", "ABIP", "SEBA",
        "BCKS",   "CASCR", "CAICR",  "CAOLE", "CAXCR", "UDM",   "Abs", "GreyList"};
    return methods;
}

namespace sheets {

namespace {
PageDef exclusionOptionsPage()
{
    std::vector<Control> controls;
    for (const char* prefix : {"InboundAddressWhiteListExcl", "InboundGlobalExcl"}) {
        const bool whiteList = std::string_view(prefix) == "InboundAddressWhiteListExcl";
        controls.push_back(group(whiteList ? "confui.excl.OptWL" : "confui.excl.OptGlobal", 4));
        for (std::string_view method : exclusionMethods())
            controls.push_back(
                check(prefix + std::string(method), "confui.method." + std::string(method)));
    }
    controls.push_back(endGroup());
    return {"IniExclOpt", "confui.page.IniExclOpt", "excludeopt", std::move(controls)};
}

ComboItem item(const char* textId, int value)
{
    return {textId, value, {}};
}

PageDef dnswlPage()
{
    // Category and trust level are the two numbers of a DNSWL answer
    // (127.0.<category>.<trust>); -1, the default, accepts any.
    std::vector<ComboItem> categories = {item("confui.excl.DNSWLCatAll", -1),
                                         item("confui.dnswl.cat0", 0),
                                         item("confui.dnswl.cat0", 1)};
    for (int code = 2; code < kDnswlCategoryCount; ++code)
        categories.push_back({"confui.dnswl.cat" + std::to_string(code), code, {}});
    std::vector<ComboItem> trust = {item("confui.excl.DNSWLTrustAny", -1)};
    for (int level = 0; level < kDnswlTrustLevelCount; ++level)
        trust.push_back({"confui.dnswl.trust" + std::to_string(level), level, {}});
    return {"IniExclDNSWL",
            "confui.page.IniExclDNSWL",
            "excludednswl",
            {
                check("InboundExclDNSWL", "confui.excl.DNSWL"),
                combo("InboundExclDNSWLCategory", "confui.excl.DNSWLCat", categories)
                    .enabledBy("InboundExclDNSWL"),
                combo("InboundExclDNSWLTrust", "confui.excl.DNSWLTrust", trust)
                    .enabledBy("InboundExclDNSWL"),
                // InboundExclSLSIPHeader is bound on the SLS/RBL page of this
                // sheet: bound here too, the later page would write back its
                // stale copy over a change made on the other.
                label("confui.excl.DNSWLHeader"),
            }};
}
} // namespace

void addExcludePages(Catalogue& catalogue)
{
    catalogue.addDefaultList(std::string(kCommonRecipientExclusions), {"postmaster@*", "abuse@*"});
    std::vector<std::string> zones(kDefaultWhitelistZones.begin(), kDefaultWhitelistZones.end());
    catalogue.addDefaultList(std::string(kWhitelistZones), zones);

    catalogue.addPage(
        {"IniExclAdr",
         "confui.page.IniExclAdr",
         "exclude",
         {
             list("InboundExclBlockFromAddress", "confui.excl.InFrom", "EditAdr"),
             list("InboundExclBlockToAddress", "confui.excl.InTo", "EditAdr"),
             addCommon("InboundExclBlockToAddress", std::string(kCommonRecipientExclusions)),
             list("OutboundExclBlockFromAddress", "confui.excl.OutFrom", "EditAdr"),
             list("OutboundExclBlockToAddress", "confui.excl.OutTo", "EditAdr"),
         }});
    catalogue.addPage(
        {"IniExclSubj",
         "confui.page.IniExclSubj",
         "exclude",
         {
             list("InboundExclSubject", "confui.excl.InSubj", "EditSubj", ListKind::Converted),
             list("OutboundExclSubject", "confui.excl.OutSubj", "EditSubj", ListKind::Converted),
         }});
    catalogue.addPage(
        {"IniExclText",
         "confui.page.IniExclText",
         "exclude",
         {
             list("InboundExclText", "confui.excl.InText", "EditText", ListKind::Converted),
             list("OutboundExclText", "confui.excl.OutText", "EditText", ListKind::Converted),
         }});
    catalogue.addPage(
        {"IniExclHTML",
         "confui.page.IniExclHTML",
         "exclude",
         {
             list("InboundExclHTML", "confui.excl.InHTML", "EditText", ListKind::Converted),
             list("OutboundExclHTML", "confui.excl.OutHTML", "EditText", ListKind::Converted),
         }});
    catalogue.addPage({"IniExclIPH",
                       "confui.page.IniExclIPH",
                       "exclude",
                       {
                           list("InboundExclIP", "confui.excl.IP", "EditIP", ListKind::Ip),
                           list("InboundExclHost", "confui.excl.Host", "EditHost"),
                       }});
    catalogue.addPage({"IniExclAWL",
                       "confui.page.IniExclAWL",
                       "excludewl",
                       {
                           check("OutboundAddressWhiteList", "confui.excl.AWL"),
                           check("OutboundAddressWhiteListUserBased", "confui.excl.AWLUser")
                               .enabledBy("OutboundAddressWhiteList"),
                           check("OutboundAddressWhiteListAutoPack", "confui.excl.AWLPack")
                               .enabledBy("OutboundAddressWhiteList"),
                           number("OutboundAddressWhiteListMaxSlots", "confui.excl.AWLSlots")
                               .enabledBy("OutboundAddressWhiteList"),
                           text("OutboundAddressWhiteListFeedAdd", "confui.excl.AWLFeedAdd")
                               .enabledBy("OutboundAddressWhiteList"),
                           text("OutboundAddressWhiteListFeedDel", "confui.excl.AWLFeedDel")
                               .enabledBy("OutboundAddressWhiteList"),
                       }});
    catalogue.addPage({"IniExclSLS",
                       "confui.page.IniExclSLS",
                       "excludesls",
                       {
                           check("InboundExclSLS", "confui.excl.SLS"),
                           check("InboundExclSLSIPHeader", "confui.excl.SLSIPHeader"),
                           list("ExclSLSIP", "confui.excl.SLSIP", "EditSLS"),
                           addCommon("ExclSLSIP", std::string(kWhitelistZones)),
                           list("ExclSLSDom", "confui.excl.SLSDom", "EditSLS"),
                       }});
    catalogue.addPage(dnswlPage());
    catalogue.addPage({"IniExclDKIM",
                       "confui.page.IniExclDKIM",
                       "excludedkim",
                       {
                           check("InboundExclDKIM", "confui.excl.DKIM"),
                           list("InboundExclDKIMFromAddress", "confui.excl.DKIMFrom", "EditAdr")
                               .enabledBy("InboundExclDKIM"),
                       }});
    catalogue.addPage(
        {"IniExclSPF",
         "confui.page.IniExclSPF",
         "excludespf",
         {
             check("InboundExclSPF", "confui.excl.SPF"),
             check("InboundExclSPFIPHeader", "confui.excl.SLSIPHeader").enabledBy("InboundExclSPF"),
             list("InboundExclSPFFromAddress", "confui.excl.DKIMFrom", "EditAdr")
                 .enabledBy("InboundExclSPF"),
         }});
    // InboundExclSPF belongs to the SPF page of this sheet (see the DNSWL page).
    catalogue.addPage({"IniExclOth",
                       "confui.page.IniExclOth",
                       "exclude",
                       {
                           check("InboundExclTLS", "confui.excl.TLS"),
                           check("InboundExclAuth", "confui.excl.Auth"),
                           check("InboundExclMailList", "confui.excl.MailList"),
                       }});
    catalogue.addPage(exclusionOptionsPage());
    const SheetDef globalExclusions{13,
                                    "confui.sheet13",
                                    {"IniExclAdr", "IniExclSubj", "IniExclText", "IniExclHTML",
                                     "IniExclIPH", "IniExclAWL", "IniExclSLS", "IniExclDNSWL",
                                     "IniExclDKIM", "IniExclSPF", "IniExclOth", "IniExclOpt"}};
    catalogue.addSheet(globalExclusions.openedBy(command::OptionsGlobalExclude));
}

void addPhishingPage(Catalogue& catalogue)
{
    // Built and reachable through the catalogue, but shown in no sheet.
    catalogue.addPage(
        {"IniPhi",
         "confui.page.IniPhi",
         "phishing",
         {
             check("InboundBlockPhi", "confui.IniPhi.Block"),
             check("InboundBlockPhiUseSPF", "confui.IniPhi.SPF").enabledBy("InboundBlockPhi"),
             check("InboundBlockPhiUseDKIM", "confui.IniPhi.DKIM").enabledBy("InboundBlockPhi"),
             check("InboundBlockPhiUseDMARC", "confui.IniPhi.DMARC").enabledBy("InboundBlockPhi"),
             check("InboundBlockPhiUseURL", "confui.IniPhi.URL").enabledBy("InboundBlockPhi"),
             check("InboundBlockPhiIgnoreMatchingBaseDomain", "confui.IniPhi.BaseDomain")
                 .enabledBy("InboundBlockPhi"),
             check("VerbosePhi", "confui.IniPhi.Verbose"),
             actionCombo("InboundBlockPhiNDRTyp", "confui.action.label")
                 .enabledBy("InboundBlockPhi"),
             exclude("InboundExclBlockPhi", ExclShape::All),
         }});
}

} // namespace sheets
} // namespace morva::confui

// Pages of the Blocking sheet: attachments, exploits, subject, text, HTML,
// headers, countries, character sets, IP/host, addresses, DSN, Office
// documents, automatic IP blocking, dropped connections and absolute blocks.
#include "confui/DefaultLists.h"
#include "confui/sheets/Contributions.h"
#include "confui/sheets/PageParts.h"

namespace morva::confui::sheets {

namespace {
const std::string kAttList(defaultlist::kAttachments);

PageDef attachmentPage()
{
    std::vector<Control> controls;
    for (const std::string direction : {"Inbound", "Outbound"}) {
        const bool in = direction == "Inbound";
        append(controls,
               {group(in ? "confui.common.inbound" : "confui.common.outbound"),
                list(direction + "BlockAtt", "confui.IniAtt.list", "EditAtt", ListKind::Converted),
                addCommon(direction + "BlockAtt", kAttList),
                indexCombo(direction + "BlockAttInvert", "confui.IniAtt.invert",
                           {"confui.IniAtt.invert0", "confui.IniAtt.invert1"}),
                check(direction + "BlockAttInZip", "confui.IniAtt.inZip"),
                in ? actionCombo("InboundBlockAttNDRTyp", "confui.action.label")
                   : outboundActionCombo("OutboundBlockAttNDRTyp", "confui.action.label"),
                exclude(direction + "ExclBlockAtt", ExclShape::All).inSameRow()});
    }
    controls.push_back(endGroup());
    return page("IniAtt", "attachment", controls);
}

PageDef exploitPage()
{
    static const char* const kChecks[] = {"AdvAll",     "CLSID", "ExtDot", "MsgPart", "DblExt",
                                          "MsgExtBody", "ZipPP", "Exe",    "ExeZip"};
    std::vector<Control> controls;
    for (const std::string direction : {"Inbound", "Outbound"}) {
        const bool in = direction == "Inbound";
        controls.push_back(group(in ? "confui.common.inbound" : "confui.common.outbound", 2));
        for (const char* name : kChecks)
            controls.push_back(
                check(direction + "BlockAtt" + name, std::string("confui.IniExpl.") + name));
        append(controls,
               {in ? actionCombo("InboundBlockExplNDRTyp", "confui.action.label")
                   : outboundActionCombo("OutboundBlockExplNDRTyp", "confui.action.label"),
                exclude(direction + "ExclBlockExpl", ExclShape::All).inSameRow()});
    }
    controls.push_back(endGroup());
    return page("IniExpl", "exploit", controls);
}

// Subject, text and HTML: a list per direction, case sensitivity, actions.
PageDef patternPage(const std::string& name, const std::string& anchor, const std::string& listWord,
                    const std::string& actionWord, const std::string& dialog,
                    const std::string& common)
{
    std::vector<Control> controls;
    for (const std::string direction : {"Inbound", "Outbound"}) {
        const bool in = direction == "Inbound";
        controls.push_back(group(in ? "confui.common.inbound" : "confui.common.outbound"));
        controls.push_back(list(direction + "Block" + listWord, "confui." + name + ".list", dialog,
                                ListKind::Converted));
        if (in && !common.empty())
            controls.push_back(addCommon(direction + "Block" + listWord, common));
        append(
            controls,
            {check(direction + "Block" + listWord + "CaseSensitive", "confui.common.caseSensitive"),
             in ? actionCombo(direction + "Block" + actionWord + "NDRTyp", "confui.action.label")
                : outboundActionCombo(direction + "Block" + actionWord + "NDRTyp",
                                      "confui.action.label"),
             exclude(direction + "ExclBlock" + actionWord, ExclShape::All).inSameRow()});
    }
    controls.push_back(endGroup());
    return page(name, anchor, controls);
}

// A page with one inbound list, its action and its exclusions.
PageDef singleListPage(const std::string& name, const std::string& anchor,
                       const std::string& listKey, const std::string& dialog,
                       const std::string& feature, const std::string& common)
{
    std::vector<Control> controls{list(listKey, "confui." + name + ".list", dialog)};
    if (!common.empty())
        controls.push_back(addCommon(listKey, common));
    for (Control& control :
         actionAndExclude("InboundBlock" + feature + "NDRTyp", "InboundExclBlock" + feature))
        controls.push_back(control);
    return page(name, anchor, controls);
}

PageDef countryPage()
{
    std::vector<Control> controls{
        list("InboundBlockCTYCountry", "confui.IniCTY.list", "EditCountry"),
        check("InboundBlockCTYIPHeader", "confui.IniCTY.InboundBlockCTYIPHeader"),
        check("InboundBlockCTYSMTPLevel", "confui.common.smtpLevel"),
    };
    append(controls, {actionCombo("InboundBlockCTYNDRTyp", "confui.action.label"),
                      exclude("InboundExclBlockCTY", ExclShape::All).inSameRow()});
    return page("IniCTY", "cty", controls);
}

PageDef ipHostPage()
{
    std::vector<Control> controls{
        list("InboundBlockIPHIP", "confui.IniIPH.ip", "EditIP", ListKind::Ip),
        list("InboundBlockIPHHost", "confui.IniIPH.host", "EditHost"),
        addCommon("InboundBlockIPHHost", std::string(defaultlist::kHosts)),
        check("InboundBlockIPHHeader", "confui.IniIPH.InboundBlockIPHHeader"),
        check("InboundBlockIPHSMTPLevel", "confui.common.smtpLevel"),
        check("InboundBlockIPHConnection", "confui.IniIPH.InboundBlockIPHConnection"),
    };
    append(controls, {actionCombo("InboundBlockIPHNDRTyp", "confui.action.label"),
                      exclude("InboundExclBlockIPH", ExclShape::All).inSameRow()});
    return page("IniIPH", "ip", controls);
}

PageDef addressPage()
{
    return page("IniAdr", "address",
                {
                    group("confui.common.inbound"),
                    list("InboundBlockFromAddress", "confui.IniAdr.from", "EditAdr"),
                    list("InboundBlockToAddress", "confui.IniAdr.to", "EditAdr"),
                    check("InboundBlockAddressSMTPLevel", "confui.common.smtpLevel"),
                    actionCombo("InboundBlockToAdrNDRTyp", "confui.action.label"),
                    group("confui.common.outbound"),
                    list("OutboundBlockFromAddress", "confui.IniAdr.from", "EditAdr"),
                    list("OutboundBlockToAddress", "confui.IniAdr.to", "EditAdr"),
                    outboundActionCombo("OutboundBlockToAdrNDRTyp", "confui.action.label"),
                    endGroup(),
                });
}

PageDef dsnPage()
{
    std::vector<Control> controls{
        check("InboundBlockDSN", "confui.IniDSN.InboundBlockDSN"),
        check("InboundBlockDSNSMTPLevel", "confui.common.smtpLevel").enabledBy("InboundBlockDSN"),
        list("InboundBlockDSNToAddress", "confui.IniDSN.list", "EditAdr")
            .enabledBy("InboundBlockDSN"),
    };
    for (Control& control :
         actionAndExclude("InboundBlockDSNNDRTyp", "InboundExclBlockDSN", "InboundBlockDSN"))
        controls.push_back(control);
    return page("IniDSN", "dsn", controls);
}

PageDef officePage()
{
    std::vector<Control> controls;
    for (const std::string feature : {"MSVBA", "MSOPP", "MSOEM"}) {
        const std::string key = "InboundBlock" + feature;
        controls.push_back(group("confui.IniMSO." + feature));
        controls.push_back(check(key, "confui.IniMSO." + feature + ".switch"));
        for (Control& control : actionAndExclude(key + "NDRTyp", "InboundExclBlock" + feature, key))
            controls.push_back(control);
    }
    controls.push_back(endGroup());
    return page("IniMSO", "mso", controls);
}

PageDef autoIpPage()
{
    const std::string on = "InboundBlockABIP";
    std::vector<Control> controls{
        check(on, "confui.IniABIP.InboundBlockABIP"),
        number("InboundBlockABIPMaxSlots", "confui.IniABIP.InboundBlockABIPMaxSlots").enabledBy(on),
        number("InboundBlockABIPTTL", "confui.IniABIP.InboundBlockABIPTTL").enabledBy(on),
        number("InboundBlockABIPThreshold", "confui.IniABIP.InboundBlockABIPThreshold")
            .enabledBy(on),
        check("InboundBlockABIPSMTPLevel", "confui.common.smtpLevel").enabledBy(on),
        check("InboundBlockABIPConnection", "confui.IniABIP.InboundBlockABIPConnection")
            .enabledBy(on),
    };
    for (Control& control : actionAndExclude("InboundBlockABIPNDRTyp", "InboundExclBlockABIP", on))
        controls.push_back(control);
    return page("IniABIP", "abip", controls);
}

PageDef dropPage()
{
    const std::string on = "InboundBlockDRIP";
    return page(
        "IniDRIP", "drip",
        {
            check(on, "confui.IniDRIP.InboundBlockDRIP"),
            check("InboundBlockDRIPConnection", "confui.IniDRIP.InboundBlockDRIPConnection")
                .enabledBy(on),
            check("InboundBlockDRIPNoPTR", "confui.IniDRIP.InboundBlockDRIPNoPTR").enabledBy(on),
            list("InboundBlockDRIPIP", "confui.IniDRIP.ip", "EditIP", ListKind::Ip).enabledBy(on),
            list("InboundBlockDRIPHost", "confui.IniDRIP.host", "EditHost").enabledBy(on),
            exclude("InboundExclBlockDRIP", ExclShape::HostIp).enabledBy(on),
        });
}

PageDef absolutePage()
{
    std::vector<Control> controls{check("InboundBlockAbs", "confui.IniAbs.InboundBlockAbs"),
                                  label("confui.IniAbs.note")};
    for (Control& control :
         actionAndExclude("InboundBlockAbsNDRTyp", "InboundExclBlockAbs", "InboundBlockAbs"))
        controls.push_back(control);
    return page("IniAbs", "absolute", controls);
}
} // namespace

void addBlockingPages(Catalogue& catalogue)
{
    catalogue.addPage(attachmentPage());
    catalogue.addPage(exploitPage());
    catalogue.addPage(patternPage("IniSubj", "subject", "Subject", "Subj", "EditSubj",
                                  std::string(defaultlist::kSubjects)));
    catalogue.addPage(patternPage("IniText", "text", "Text", "Text", "EditText", {}));
    catalogue.addPage(patternPage("IniHTML", "html", "HTML", "HTML", "EditText",
                                  std::string(defaultlist::kHtml)));
    catalogue.addPage(singleListPage("IniHdr", "header", "InboundBlockHdr", "EditHdr", "Hdr",
                                     std::string(defaultlist::kHeaders)));
    catalogue.addPage(countryPage());
    catalogue.addPage(singleListPage("IniCharSet", "charset", "InboundBlockCharSet", "EditCharSet",
                                     "CharSet", std::string(defaultlist::kCharSets)));
    catalogue.addPage(ipHostPage());
    catalogue.addPage(addressPage());
    catalogue.addPage(dsnPage());
    catalogue.addPage(officePage());
    catalogue.addPage(autoIpPage());
    catalogue.addPage(dropPage());
    catalogue.addPage(absolutePage());
}

} // namespace morva::confui::sheets

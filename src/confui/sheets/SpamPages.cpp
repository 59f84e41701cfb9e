// Pages of the Spam sheet: blocklists, greylisting, checksums, Bayes,
// heuristics, SPF, DKIM, SURBL, Senderbase, backscatter, envelope checks,
// reverse DNS, images, user-defined methods and approval.
#include "confui/DefaultLists.h"
#include "confui/sheets/Contributions.h"
#include "confui/sheets/PageParts.h"

namespace morva::confui::sheets {

namespace {
std::vector<Control> withTail(std::vector<Control> controls, const std::string& feature,
                              const std::string& switchKey, const std::string& stem)
{
    for (Control& control : actionAndExclude("InboundBlock" + feature + "NDRTyp", stem, switchKey))
        controls.push_back(control);
    return controls;
}

PageDef slsPage()
{
    const std::string on = "InboundBlockSLS";
    std::vector<Control> controls{
        check(on, "confui.IniSLS.InboundBlockSLS"),
        check("InboundSLSIPHeader", "confui.IniSLS.InboundSLSIPHeader").enabledBy(on),
        check("InboundBlockSLSSMTPLevel", "confui.common.smtpLevel").enabledBy(on),
        list("SLS", "confui.IniSLS.SLS", "EditSLS").enabledBy(on),
        addCommon("SLS", std::string(defaultlist::kBlocklistZones)).enabledBy(on),
        list("SLSDom", "confui.IniSLS.SLSDom", "EditSLS").enabledBy(on),
    };
    return page("IniSLS", "sls", withTail(controls, "SLS", on, "SLSExcl"));
}

PageDef greyPage()
{
    const std::string on = "InboundGreyList";
    return page(
        "IniGrey", "greylisting",
        {
            check(on, "confui.IniGrey.InboundGreyList"),
            check("VerboseGrey", "confui.common.verbose").enabledBy(on),
            check("InboundGreyListIPClearLastOctet",
                  "confui.IniGrey.InboundGreyListIPClearLastOctet")
                .enabledBy(on),
            number("InboundGreyListMaxSlots", "confui.IniGrey.InboundGreyListMaxSlots")
                .enabledBy(on),
            number("InboundGreyListMinTime", "confui.IniGrey.InboundGreyListMinTime").enabledBy(on),
            number("InboundGreyListMidTime", "confui.IniGrey.InboundGreyListMidTime").enabledBy(on),
            number("InboundGreyListMaxTime", "confui.IniGrey.InboundGreyListMaxTime").enabledBy(on),
            exclude("InboundGreyListExcl", ExclShape::All).enabledBy(on),
        });
}

PageDef ccsPage()
{
    const std::string on = "InboundBlockCCS";
    std::vector<Control> controls{
        check(on, "confui.IniCCS.InboundBlockCCS"),
        check("VerboseCCS", "confui.common.verbose").enabledBy(on),
        indexCombo("InboundBlockCCSThreshold", "confui.IniCCS.InboundBlockCCSThreshold",
                   {"confui.IniCCS.threshold0", "confui.IniCCS.threshold1",
                    "confui.IniCCS.threshold2", "confui.IniCCS.threshold3"})
            .enabledBy(on),
    };
    return page("IniCCS", "ccs", withTail(controls, "CCS", on, "InboundExclBlockCCS"));
}

PageDef bayesPage()
{
    const std::string on = "InboundBayes";
    std::vector<Control> controls{
        check(on, "confui.IniBay.InboundBayes"),
        check("InboundBayesLearn", "confui.IniBay.InboundBayesLearn").enabledBy(on),
        check("InboundBayesIgnoreCommonWords", "confui.IniBay.InboundBayesIgnoreCommonWords")
            .enabledBy(on),
        number("InboundBayesMaxWords", "confui.IniBay.InboundBayesMaxWords").enabledBy(on),
        number("InboundBayesMaxSize", "confui.IniBay.InboundBayesMaxSize").enabledBy(on),
        number("InboundBayesSpam", "confui.IniBay.InboundBayesSpam").enabledBy(on),
        indexCombo("InboundBayesMethod", "confui.IniBay.InboundBayesMethod",
                   {"confui.IniBay.method0", "confui.IniBay.method1"})
            .enabledBy(on),
        text("OutboundBayesFeedAddress", "confui.IniBay.OutboundBayesFeedAddress").enabledBy(on),
        text("OutboundBayesFeedAddressGood", "confui.IniBay.OutboundBayesFeedAddressGood")
            .enabledBy(on),
        actionCombo("BayesNDRTyp", "confui.action.label").enabledBy(on),
        exclude("InboundBayesExcl", ExclShape::All).inSameRow().enabledBy(on),
    };
    return page("IniBay", "bayes", controls);
}

PageDef heuristicPage()
{
    const std::string on = "InboundBlockHeur";
    std::vector<Control> controls{
        check(on, "confui.IniHeur.InboundBlockHeur"),
        check("VerboseHeur", "confui.common.verbose").enabledBy(on),
        number("InboundBlockHeurValue", "confui.IniHeur.InboundBlockHeurValue").enabledBy(on),
    };
    return page("IniHeur", "heuristic", withTail(controls, "Heur", on, "InboundExclBlockHeur"));
}

PageDef spfPage()
{
    const std::string on = "InboundBlockSPF";
    std::vector<Control> controls{
        check(on, "confui.IniSPF.InboundBlockSPF"),
        check("InboundBlockSPFSoftFail", "confui.IniSPF.InboundBlockSPFSoftFail").enabledBy(on),
        check("InboundBlockSPFNeutral", "confui.IniSPF.InboundBlockSPFNeutral").enabledBy(on),
        check("VerboseSPF", "confui.common.verbose"),
        check("InboundSPFIPHeader", "confui.IniSPF.InboundSPFIPHeader"),
        check("InboundSPFUseDefTXT", "confui.IniSPF.InboundSPFUseDefTXT"),
        text("InboundSPFDefTXT", "confui.IniSPF.InboundSPFDefTXT").enabledBy("InboundSPFUseDefTXT"),
        check("InboundBlockSPFSMTPLevel", "confui.common.smtpLevel").enabledBy(on),
    };
    return page("IniSPF", "spf", withTail(controls, "SPF", on, "InboundExclBlockSPF"));
}

PageDef dkimVerifyPage()
{
    return page(
        "IniDKIMVrfy", "dkim-vrfy",
        {
            check("InboundVerifyDKIM", "confui.IniDKIMVrfy.InboundVerifyDKIM"),
            check("InboundVerifyDKIMADSP", "confui.IniDKIMVrfy.InboundVerifyDKIMADSP")
                .enabledBy("InboundVerifyDKIM"),
            exclude("InboundExclVerifyDKIM", ExclShape::All, "confui.IniDKIMVrfy.excludeVerify")
                .enabledBy("InboundVerifyDKIM"),
            check("InboundBlockDKIM", "confui.IniDKIMVrfy.InboundBlockDKIM"),
            actionCombo("InboundBlockDKIMNDRTyp", "confui.action.label")
                .enabledBy("InboundBlockDKIM"),
            exclude("InboundExclBlockDKIM", ExclShape::All)
                .inSameRow()
                .enabledBy("InboundBlockDKIM"),
        });
}

PageDef simpleFilterPage(const std::string& name, const std::string& anchor,
                         const std::string& feature, const std::vector<Control>& extra)
{
    const std::string on = "InboundBlock" + feature;
    std::vector<Control> controls{check(on, "confui." + name + "." + on)};
    for (const Control& control : extra)
        controls.push_back(control.enabler.empty() ? control.enabledBy(on) : control);
    return page(name, anchor, withTail(controls, feature, on, "InboundExclBlock" + feature));
}

PageDef envelopePage()
{
    std::vector<Control> controls;
    for (const std::string feature : {"NoTo", "NoMx", "NoFrom", "FromUs"}) {
        const std::string on = "InboundBlock" + feature;
        controls.push_back(group("confui.IniEnv." + feature));
        controls.push_back(check(on, "confui.IniEnv." + on));
        for (Control& control : actionAndExclude(on + "NDRTyp", "InboundExclBlock" + feature, on))
            controls.push_back(control);
    }
    controls.push_back(endGroup());
    return page("IniEnv", "envelope", controls);
}

PageDef imagePage()
{
    const std::string on = "InboundBlockEMP";
    return page(
        "IniImg", "img",
        withTail(
            {
                check(on, "confui.IniImg.InboundBlockEMP"),
                check("InboundBlockAPD", "confui.IniImg.InboundBlockAPD").enabledBy(on),
                check("InboundBlockRRZ", "confui.IniImg.InboundBlockRRZ").enabledBy(on),
                check("InboundBlockGRE", "confui.IniImg.InboundBlockGRE").enabledBy(on),
                group("confui.IniImg.sizeGroup"),
                check("InboundBlockMBP", "confui.IniImg.InboundBlockMBP").enabledBy(on),
                number("InboundBlockMBPHeight", "confui.IniImg.height")
                    .enabledBy("InboundBlockMBP"),
                number("InboundBlockMBPWidth", "confui.IniImg.width").enabledBy("InboundBlockMBP"),
                check("InboundBlockMLP", "confui.IniImg.InboundBlockMLP").enabledBy(on),
                number("InboundBlockMLPHeight", "confui.IniImg.height")
                    .enabledBy("InboundBlockMLP"),
                number("InboundBlockMLPWidth", "confui.IniImg.width").enabledBy("InboundBlockMLP"),
                endGroup(),
            },
            "EMP", on, "InboundExclBlockEMP"));
}

PageDef udmPage()
{
    const std::string on = "InboundBlockUDM";
    return page(
        "IniUDM", "udm",
        withTail(
            {
                check(on, "confui.IniUDM.InboundBlockUDM"),
                text("InboundBlockUDMExe", "confui.common.program").enabledBy(on),
                text("InboundBlockUDMArg", "confui.common.arguments").enabledBy(on),
                check("InboundBlockUDMExeVerbose", "confui.common.programVerbose").enabledBy(on),
                check("InboundBlockUDMSerialize", "confui.common.serialize").enabledBy(on),
            },
            "UDM", on, "InboundExclBlockUDM"));
}

PageDef approvePage()
{
    const std::string on = "InboundApproveAction";
    return page(
        "IniApr", "approve",
        {
            check(on, "confui.IniApr.InboundApproveAction"),
            check("InboundApproveActionOnlySpam", "confui.IniApr.InboundApproveActionOnlySpam")
                .enabledBy(on),
            text("InboundApproveActionExe", "confui.common.program").enabledBy(on),
            text("InboundApproveActionArg", "confui.common.arguments").enabledBy(on),
            check("InboundApproveActionExeVerbose", "confui.common.programVerbose").enabledBy(on),
            check("InboundApproveActionSerialize", "confui.common.serialize").enabledBy(on),
        });
}
} // namespace

void addSpamPages(Catalogue& catalogue)
{
    catalogue.addPage(slsPage());
    catalogue.addPage(greyPage());
    catalogue.addPage(ccsPage());
    catalogue.addPage(bayesPage());
    catalogue.addPage(heuristicPage());
    catalogue.addPage(spfPage());
    catalogue.addPage(dkimVerifyPage());
    catalogue.addPage(simpleFilterPage("IniSURBL", "surbl", "SURBL",
                                       {check("InboundBlockSURBLExpandShortURL",
                                              "confui.IniSURBL.InboundBlockSURBLExpandShortURL"),
                                        check("VerboseSURBL", "confui.common.verbose")}));
    catalogue.addPage(simpleFilterPage("IniSEBA", "seba", "SEBA",
                                       {check("VerboseSEBA", "confui.common.verbose")}));
    catalogue.addPage(simpleFilterPage("IniBCKS", "backscatter", "BCKS", {}));
    catalogue.addPage(envelopePage());
    catalogue.addPage(
        simpleFilterPage("IniFCrDNS", "fcrdns", "FCrDNS",
                         {check("InboundBlockFCrDNSSMTPLevel", "confui.common.smtpLevel")}));
    catalogue.addPage(imagePage());
    catalogue.addPage(udmPage());
    catalogue.addPage(approvePage());
}

} // namespace morva::confui::sheets

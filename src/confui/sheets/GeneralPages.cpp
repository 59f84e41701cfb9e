// Pages of the General sheet (and of the setup wizard): Exchange, Logfiles,
// History, Statistic, Connections, Relay, Authentication, Advanced.
#include "config/DerivedSettings.h"
#include "confui/sheets/Contributions.h"

namespace morva::confui::sheets {

namespace {
// The "Routing..." buttons: the static routes towards Exchange sit beside
// its host, those of outbound SMTP beside the smart host they bypass.
Control routingButton(std::string routeKey)
{
    return editorButton(Editor::Routes, std::move(routeKey), "records.routing").inSameRow();
}

PageDef exchangePage()
{
    PageDef page{
        "IniStd",
        "confui.page.IniStd",
        "exchange",
        {
            text("Postmaster", "confui.IniStd.Postmaster"),
            text("ExchHost", "confui.IniStd.ExchHost"),
            routingButton("ExchStaticRoute"),
            number("ExchOutboundPort", "confui.IniStd.ExchOutboundPort"),
            check("InboundSMTPAutoDisableOnExchHostError",
                  "confui.IniStd.InboundSMTPAutoDisableOnExchHostError"),
            group("confui.IniStd.authGroup"),
            check("OutboundExchAuth", "confui.IniStd.OutboundExchAuth"),
            text("OutboundExchAuthUser", "confui.common.user").enabledBy("OutboundExchAuth"),
            password("OutboundExchAuthPassword", "confui.common.password")
                .enabledBy("OutboundExchAuth"),
            endGroup(),
            check("NewVersionDSN", "confui.IniStd.NewVersionDSN"),
        }};
    return page;
}

PageDef logPage()
{
    return {"IniLog",
            "confui.page.IniLog",
            "logfiles",
            {
                path("LogPath", "confui.IniLog.LogPath"),
                check("WriteLogFile", "confui.IniLog.WriteLogFile"),
                purgeDays("LogFilePurgeDays", "WriteLogFile", "confui.common.purgeDays")
                    .enabledBy("WriteLogFile"),
                group("confui.IniLog.detailGroup"),
                check("Verbose", "confui.IniLog.Verbose"),
                check("VerboseTransfer", "confui.IniLog.VerboseTransfer"),
                check("DumpSMTPHeader", "confui.IniLog.DumpSMTPHeader"),
                endGroup(),
            }};
}

PageDef historyPage()
{
    return {"IniHist",
            "confui.page.IniHist",
            "history",
            {
                check("KeepMessageFile", "confui.IniHist.KeepMessageFile"),
                path("HistPath", "confui.IniHist.HistPath").enabledBy("KeepMessageFile"),
                purgeDays("HistPurgeDays", "KeepMessageFile", "confui.common.purgeDays")
                    .enabledBy("KeepMessageFile"),
            }};
}

PageDef statisticPage()
{
    return {
        "IniStat",
        "confui.page.IniStat",
        "statistic",
        {
            group("confui.IniStat.generalGroup"),
            check("WriteStatisticFile", "confui.IniStat.WriteStatisticFile"),
            path("StatisticPath", "confui.common.path").enabledBy("WriteStatisticFile"),
            purgeDays("StatisticPurgeDays", "WriteStatisticFile", "confui.common.purgeDays")
                .enabledBy("WriteStatisticFile"),
            group("confui.IniStat.spamGroup"),
            check("WriteSpamStatisticFile", "confui.IniStat.WriteSpamStatisticFile"),
            path("SpamStatisticPath", "confui.common.path").enabledBy("WriteSpamStatisticFile"),
            purgeDays("SpamStatisticPurgeDays", "WriteSpamStatisticFile", "confui.common.purgeDays")
                .enabledBy("WriteSpamStatisticFile"),
            group("confui.IniStat.sendGroup"),
            check("WriteSendStatisticFile", "confui.IniStat.WriteSendStatisticFile"),
            path("SendStatisticPath", "confui.common.path").enabledBy("WriteSendStatisticFile"),
            purgeDays("SendStatisticPurgeDays", "WriteSendStatisticFile", "confui.common.purgeDays")
                .enabledBy("WriteSendStatisticFile"),
            group("confui.IniStat.virusGroup"),
            check("WriteVirusStatisticFile", "confui.IniStat.WriteVirusStatisticFile"),
            path("VirusStatisticPath", "confui.common.path").enabledBy("WriteVirusStatisticFile"),
            endGroup(),
            check("StatisticFileLongDate", "confui.IniStat.StatisticFileLongDate"),
        }};
}

PageDef connectionsPage()
{
    PageDef page{
        "IniCon",
        "confui.page.IniCon",
        "connections",
        {
            indexCombo(
                "OutboundSMTPSendTyp", "confui.IniCon.OutboundSMTPSendTyp",
                {"confui.IniCon.sendTyp0", "confui.IniCon.sendTyp1", "confui.IniCon.sendTyp2"}),
            text("SmartHost", "confui.IniCon.SmartHost"),
            routingButton("SMTPStaticRoute"),
            text("NameServer", "confui.IniCon.NameServer"),
            group("confui.IniCon.authGroup"),
            check("OutboundSMTPAuth", "confui.IniCon.OutboundSMTPAuth"),
            text("OutboundSMTPAuthUser", "confui.common.user").enabledBy("OutboundSMTPAuth"),
            password("OutboundSMTPAuthPassword", "confui.common.password")
                .enabledBy("OutboundSMTPAuth"),
            endGroup(),
            check("InboundSMTPAutoDisableOnSmartHostError",
                  "confui.IniCon.InboundSMTPAutoDisableOnSmartHostError"),
            number("InboundSMTPMaxConnections", "confui.IniCon.InboundSMTPMaxConnections"),
            number("InboundSMTPMaxSendToMessage", "confui.IniCon.InboundSMTPMaxSendToMessage"),
            number("OutboundSMTPMaxConnections", "confui.IniCon.OutboundSMTPMaxConnections"),
        }};
    return page;
}

PageDef relayPage()
{
    return {
        "IniRel",
        "confui.page.IniRel",
        "relay",
        {
            check("SMTPRelay", "confui.IniRel.SMTPRelay"),
            check("SMTPRelayReservedIP", "confui.IniRel.SMTPRelayReservedIP")
                .enabledBy("SMTPRelay"),
            check("SMTPRelayAuthUsers", "confui.IniRel.SMTPRelayAuthUsers").enabledBy("SMTPRelay"),
            list("SMTPRelayAllowHost", "confui.IniRel.SMTPRelayAllowHost", "EditHost")
                .enabledBy("SMTPRelay"),
            list("SMTPRelayAllowIP", "confui.IniRel.SMTPRelayAllowIP", "EditIP", ListKind::Ip)
                .enabledBy("SMTPRelay"),
        }};
}

PageDef authenticationPage()
{
    PageDef page{
        "IniAuth",
        "confui.page.IniAuth",
        "authentication",
        {
            indexCombo("InboundSMTPAuthType", "confui.IniAuth.InboundSMTPAuthType",
                       {"confui.IniAuth.type0", "confui.IniAuth.type1", "confui.IniAuth.type2",
                        "confui.IniAuth.type3", "confui.IniAuth.type4"}),
            // Each group serves one type: 1 the user list, 3 the query to
            // Exchange, 4 the external program.
            group("confui.IniAuth.programGroup"),
            text("InboundSMTPAuthAppExe", "confui.common.program")
                .enabledWhen("InboundSMTPAuthType", {4}),
            text("InboundSMTPAuthAppArg", "confui.common.arguments")
                .enabledWhen("InboundSMTPAuthType", {4}),
            check("InboundSMTPAuthAppExeVerbose", "confui.common.programVerbose")
                .enabledWhen("InboundSMTPAuthType", {4}),
            group("confui.IniAuth.userGroup"),
            list("InboundSMTPAuthUserPass", "confui.IniAuth.InboundSMTPAuthUserPass",
                 "EditAuthUserPass")
                .enabledWhen("InboundSMTPAuthType", {1}),
            group("confui.IniAuth.queryGroup"),
            text("InboundSMTPAuthUser", "confui.common.user")
                .enabledWhen("InboundSMTPAuthType", {3}),
            password("InboundSMTPAuthPassword", "confui.common.password")
                .enabledWhen("InboundSMTPAuthType", {3}),
            endGroup(),
        }};
    page.hook = "authType";
    return page;
}

// Older files switch authentication with one Bool per method; the combo
// shows the method those switches select while the type itself is 0.
PageHooks authTypeHooks()
{
    PageHooks hooks;
    hooks.loaded = [](PageContext& page) {
        const int effective = config::effectiveInboundSMTPAuthType(page.store());
        page.setValue("InboundSMTPAuthType", FieldValue{false, effective, {}});
    };
    return hooks;
}

PageDef advancedPage()
{
    return {
        "IniAdv",
        "confui.page.IniAdv",
        "advanced",
        {
            group("confui.IniAdv.queueGroup"),
            number("SMTPOutboundNormalExpire", "confui.IniAdv.SMTPOutboundNormalExpire"),
            number("SMTPOutboundDSNExpire", "confui.IniAdv.SMTPOutboundDSNExpire"),
            number("SMTPOutboundNormalNextTry", "confui.IniAdv.SMTPOutboundNormalNextTry"),
            number("ExchOutboundNormalExpire", "confui.IniAdv.ExchOutboundNormalExpire"),
            number("ExchOutboundNormalNextTry", "confui.IniAdv.ExchOutboundNormalNextTry"),
            group("confui.IniAdv.limitGroup"),
            number("InboundSizeLimit", "confui.IniAdv.InboundSizeLimit"),
            number("OutboundSizeLimit", "confui.IniAdv.OutboundSizeLimit"),
            endGroup(),
            check("CheckExchange", "confui.IniAdv.CheckExchange"),
            check("CheckOnAccessScanner", "confui.IniAdv.CheckOnAccessScanner"),
            languageCombo("confui.IniAdv.Language",
                          {"confui.language.auto", "confui.language.eng", "confui.language.deu",
                           "confui.language.fra", "confui.language.ita", "confui.language.spa"}),
        }};
}
} // namespace

void addGeneralPages(Catalogue& catalogue)
{
    catalogue.addPage(exchangePage());
    catalogue.addPage(logPage());
    catalogue.addPage(historyPage());
    catalogue.addPage(statisticPage());
    catalogue.addPage(connectionsPage());
    catalogue.addPage(relayPage());
    catalogue.addPage(authenticationPage());
    catalogue.addPage(advancedPage());
    catalogue.addPageHooks("authType", authTypeHooks());
}

} // namespace morva::confui::sheets

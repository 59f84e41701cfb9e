// The Session sheet: recipient verification, sender checks and the SMTP
// greeting.
#include "config/DerivedSettings.h"
#include "confui/sheets/Contributions.h"
#include "resources/CommandIds.h"

namespace morva::confui::sheets {

void addSessionPages(Catalogue& catalogue)
{
    // The recipient check replaced three older switches: a stored 0 shows
    // what those switches still say, and saving the page moves it over.
    PageHooks hooks;
    hooks.loaded = [](PageContext& page) {
        FieldValue type = page.value("ExchInboundEMailAddressTyp");
        if (type.number != 0)
            return;
        type.number = config::effectiveExchInboundEMailAddressTyp(page.store());
        if (type.number != 0)
            page.setValue("ExchInboundEMailAddressTyp", type);
    };
    catalogue.addPageHooks("recipientType", std::move(hooks));
    catalogue.addPage({"IniRcpt",
                       "confui.page.IniRcpt",
                       "recipient",
                       {
                           indexCombo("ExchInboundEMailAddressTyp", "confui.IniRcpt.Typ",
                                      {"confui.IniRcpt.Typ0", "confui.IniRcpt.Typ1",
                                       "confui.IniRcpt.Typ2", "confui.IniRcpt.Typ3"}),
                           // The query fields serve the dynamic checks: 2 the external
                           // program, 3 the SMTP query to Exchange.
                           check("ExchInboundEMailAddressQueryCache", "confui.IniRcpt.Cache")
                               .enabledWhen("ExchInboundEMailAddressTyp", {2, 3}),
                           check("ExchInboundEMailAddressQueryExeVerbose", "confui.IniRcpt.Verbose")
                               .enabledWhen("ExchInboundEMailAddressTyp", {2}),
                           text("ExchInboundEMailAddressQueryExe", "confui.common.program")
                               .enabledWhen("ExchInboundEMailAddressTyp", {2}),
                           text("ExchInboundEMailAddressQueryArg", "confui.common.arguments")
                               .enabledWhen("ExchInboundEMailAddressTyp", {2}),
                           text("ExchInboundEMailAddressQueryValidate", "confui.IniRcpt.Validate")
                               .enabledWhen("ExchInboundEMailAddressTyp", {2, 3}),
                       },
                       "recipientType"});
    catalogue.addPage(
        {"IniVrfy",
         "confui.page.IniVrfy",
         "verify",
         {
             check("InboundSMTPValidateDomain", "confui.IniVrfy.Domain"),
             exclude("InboundSMTPValidateDomainExcl", ExclShape::FromHostIp).inSameRow(),
             check("InboundSMTPValidatePTR", "confui.IniVrfy.PTR"),
             exclude("InboundSMTPValidatePTRExcl", ExclShape::FromHostIp).inSameRow(),
             check("InboundSMTPValidateFQDN", "confui.IniVrfy.FQDN"),
             exclude("InboundSMTPValidateFQDNExcl", ExclShape::FromHostIp).inSameRow(),
             check("InboundBlockCABA", "confui.IniVrfy.CABA"),
             exclude("InboundExclBlockCABA", ExclShape::FromHostIp).inSameRow(),
         }});
    catalogue.addPage({"IniSes",
                       "confui.page.IniSes",
                       "session",
                       {
                           check("InboundSMTPGreetDelay", "confui.IniSes.GreetDelay"),
                           number("InboundSMTPGreetDelaySeconds", "confui.IniSes.Seconds")
                               .enabledBy("InboundSMTPGreetDelay"),
                           exclude("InboundSMTPGreetDelayExcl", ExclShape::HostIp),
                           check("InboundESMTPHoneyPot", "confui.IniSes.HoneyPot"),
                       }});
    catalogue.addSheet(SheetDef{7, "confui.sheet7", {"IniRcpt", "IniVrfy", "IniSes"}}.openedBy(
        command::OptionsSession));
}

} // namespace morva::confui::sheets

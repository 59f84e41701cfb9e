// The S/MIME sheet: verifying, signing, decrypting and encrypting with the
// certificates of the data set's certificate folders, the two policy lists
// and the options. The policy entry dialogs and the text form of their
// entries are in confui/policy.
#include "confui/policy/PolicyList.h"
#include "confui/sheets/Contributions.h"
#include "resources/CommandIds.h"

namespace morva::confui::sheets {

namespace {
// The list control of a policy list key, with the entry dialog of the list.
Control policyList(const char* key, const char* labelId)
{
    const PolicyList* list = findPolicyList(key);
    return confui::list(key, labelId, list ? list->dialog : "");
}
} // namespace

void addPolicyDialogs(Catalogue& catalogue)
{
    catalogue.addCodec(
        "policy", {[](const std::vector<std::string>& fields) { return encodePolicyEntry(fields); },
                   [](const std::string& entry) {
                       auto fields = decodePolicyEntry(entry);
                       return fields ? *fields : std::vector<std::string>{entry};
                   }});
    const std::pair<const char*, const char*> dialogs[] = {
        {"Cwm_SMIMECertEditDlg", "confui.pol.capCert"},
        {"Cwm_SMIMEDecrEditDlg", "confui.pol.capDecr"},
        {"Cwm_SMIMEPolDlg", "confui.pol.capPol"},
        {"Cwm_TLSPolDlg", "confui.pol.capTls"},
        {"EditDKIM", "confui.pol.capDkim"},
    };
    for (const auto& [name, caption] : dialogs) {
        EntryDialogDef dialog;
        dialog.name = name;
        dialog.caption = caption;
        dialog.variant = EntryVariant::Simple5;
        dialog.codec = "policy";
        // The fields of these dialogs depend on the list (see PolicyList.cpp);
        // the dialog of the policy editor builds them from there.
        for (const PolicyList& list : policyLists()) {
            if (std::string_view(list.dialog) != name)
                continue;
            for (const PolicyField& field : list.fields)
                dialog.fields.emplace_back(field.labelId, FieldCheck::None);
            break;
        }
        catalogue.addEntryDialog(std::move(dialog));
    }
}

void addSmimePages(Catalogue& catalogue)
{
    catalogue.addPage(
        {"IniSMIMEVrfy",
         "confui.page.IniSMIMEVrfy",
         "smime-vrfy",
         {
             policyList("InboundSMIMESign", "confui.smime.VrfyList"),
             check("InboundSMIMEVerifyCRL", "confui.smime.VerifyCRL"),
             check("VerboseSMIMECert", "confui.smime.VerboseCert"),
             exclude("InboundExclVerifySMIMESign", ExclShape::All, "confui.smime.ExclVerify"),
             exclude("InboundExclBlockRemoveSMIMESign", ExclShape::All, "confui.smime.ExclRemove")
                 .inSameRow(),
         }});
    catalogue.addPage({"IniSMIMESign",
                       "confui.page.IniSMIMESign",
                       "smime-sign",
                       {
                           policyList("OutboundSMIMESign", "confui.smime.SignList"),
                           check("OutboundSMIMESignUseDBCert", "confui.smime.UseDBCert"),
                           check("OutboundSMIMESignPreSign", "confui.smime.SignPreSign"),
                           check("OutboundSMIMESignPreCrypt", "confui.smime.SignPreCrypt"),
                           text("OutboundSMIMESignHdr", "confui.smime.SignHdr"),
                           check("OutboundVerifySMIMESign", "confui.smime.OutVerify"),
                           exclude("OutboundExclVerifySMIMESign", ExclShape::All).inSameRow(),
                           check("OutboundSMIMEVerifyCRL", "confui.smime.OutVerifyCRL"),
                           check("OutboundRemoveSMIMESign", "confui.smime.OutRemove"),
                           exclude("OutboundExclBlockRemoveSMIMESign", ExclShape::All).inSameRow(),
                       }});
    catalogue.addPage(
        {"IniSMIMEDecr",
         "confui.page.IniSMIMEDecr",
         "smime-decr",
         {
             policyList("InboundSMIMECrypt", "confui.smime.DecrList"),
             check("InboundSMIMEUseAltPrivCert", "confui.smime.AltPriv"),
             exclude("InboundExclVerifySMIMECrypt", ExclShape::All, "confui.smime.ExclVerify"),
             exclude("InboundExclBlockRemoveSMIMECrypt", ExclShape::All, "confui.smime.ExclRemove")
                 .inSameRow(),
         }});
    catalogue.addPage({"IniSMIMEEncr",
                       "confui.page.IniSMIMEEncr",
                       "smime-encr",
                       {
                           policyList("OutboundSMIMECrypt", "confui.smime.EncrList"),
                           check("OutboundSMIMECryptPreCrypt", "confui.smime.CryptPreCrypt"),
                           check("OutboundSMIMECryptPreSign", "confui.smime.CryptPreSign"),
                           text("OutboundSMIMECryptHdr", "confui.smime.CryptHdr"),
                       }});
    catalogue.addPage(
        {"IniSMIMEInPol",
         "confui.page.IniSMIMEInPol",
         "smime-inpol",
         {
             policyList("InboundSMIMEPolicy", "confui.smime.InPolList"),
             exclude("InboundExclSMIMEPolicy", ExclShape::All, "confui.smime.ExclPolicy"),
         }});
    catalogue.addPage({"IniSMIMEOutPol",
                       "confui.page.IniSMIMEOutPol",
                       "smime-outpol",
                       {
                           policyList("OutboundSMIMEPolicy", "confui.smime.OutPolList"),
                       }});
    catalogue.addPage({"IniSMIMEOpt",
                       "confui.page.IniSMIMEOpt",
                       "smime-opt",
                       {
                           check("InboundSMIMESignWriteDBCert", "confui.smime.WriteDBCert"),
                           check("OutboundSMIMESignWriteDBCert", "confui.smime.OutWriteDBCert"),
                           check("VerboseSMIME", "confui.smime.Verbose"),
                           check("InboundSMIMEWriteStatisticFile", "confui.smime.Statistic"),
                           check("InboundAssembleSMIME", "confui.smime.InAssemble"),
                           check("OutboundAssembleSMIME", "confui.smime.OutAssemble"),
                           check("InboundMarkSubjRemoveSMIME", "confui.smime.MarkRemoved"),
                           text("SMIMECACert", "confui.smime.CACert"),
                           path("SMIMEPath", "confui.smime.Path"),
                       }});
    const SheetDef smime{10,
                         "confui.sheet10",
                         {"IniSMIMEVrfy", "IniSMIMESign", "IniSMIMEDecr", "IniSMIMEEncr",
                          "IniSMIMEInPol", "IniSMIMEOutPol", "IniSMIMEOpt"}};
    catalogue.addSheet(smime.openedBy(command::OptionsSmime));
}

void addDkimPages(Catalogue& catalogue)
{
    catalogue.addPage({"IniDKIMSign",
                       "confui.page.IniDKIMSign",
                       "dkim-sign",
                       {
                           policyList("OutboundDKIMSign", "confui.dkim.SignList"),
                           check("VerboseDKIM", "confui.dkim.Verbose"),
                           path("DKIMPath", "confui.dkim.Path"),
                       }});
    // On this sheet the verify page keeps its own caption "DKIM Verify"; the
    // other sheets that show it call it "DKIM".
    catalogue.addSheet(SheetDef{11, "confui.sheet11", {"IniDKIMSign", "IniDKIMVrfy"}}.openedBy(
        command::OptionsDkim));
}

void addTlsPages(Catalogue& catalogue)
{
    catalogue.addPage({"IniTLSOutPol",
                       "confui.page.IniTLSOutPol",
                       "tls-outpol",
                       {
                           policyList("OutboundSMTPTLS", "confui.tls.OutPolList"),
                           text("TLSClientCipherList", "confui.tls.ClientCiphers"),
                       }});
    catalogue.addPage({"IniTLSInPol",
                       "confui.page.IniTLSInPol",
                       "tls-inpol",
                       {
                           policyList("InboundSMTPTLS", "confui.tls.InPolList"),
                           check("TLSServRequestClientCert", "confui.tls.ClientCert"),
                           text("TLSServCipherList", "confui.tls.ServCiphers"),
                       }});
    catalogue.addSheet(
        SheetDef{12, "confui.sheet12", {"IniTLS", "IniTLSOutPol", "IniTLSInPol"}}.openedBy(
            command::OptionsTls));
}

} // namespace morva::confui::sheets

// The gateway's configuration keys, family by family. Each row gives the
// kind, the flags and the default of the keys it names; the rows are
// registered in this order, and within a row in the order of the names.
#include "config/Schema.h"

namespace morva::config {

namespace {

const SchemaGroup kSchema[] = {
    // Logging detail switches
    {ValueKind::Bool, 0, "true", "Verbose VerboseTransfer VerboseFormat DbgCon"},
    {ValueKind::Bool, 0, "false",
     "VerboseTLS VerboseAWL VerboseCCS VerboseHeur VerboseSPF VerboseDKIM "
     "VerboseDMARC VerboseSURBL VerboseSURBLHTTP VerboseGrey VerboseCTY VerboseSEBA "
     "VerbosePhi VerboseDisclaimer DumpSMTPHeader VerboseIniData VerboseIniInclude "
     "VerboseSMIME VerboseSMIMECert VerboseHTTP VerboseSMTPObject VerboseDomainMX "
     "VerboseProtocol VerboseSLS VerboseConnectionCache VerboseDRIP "
     "VerboseSMTPAddressRewrite VerboseCAxCR DebugVirusScanner "
     "DebugVirusScannerExtra VerboseEBHP"},

    // Console settings
    {ValueKind::Bool, 0, "true", "AdminCheckDir AdminShowLogFile AdminCheckExeVersion"},
    {ValueKind::String, 0, "", "AdminLogPath"},
    {ValueKind::String, 0, "Lucida Console", "AdminLogFont"},
    {ValueKind::Int, 0, "12", "AdminLogFontSize"},
    {ValueKind::Int, 0, "99", "AdminMVFQueryStatus"},

    // Action codes (...NDRTyp)
    {ValueKind::Int, 0, "7",
     "InboundBlockSLSNDRTyp InboundBlockCTYNDRTyp BayesNDRTyp "
     "InboundBlockNoToNDRTyp InboundBlockNoFromNDRTyp InboundBlockFromUsNDRTyp "
     "InboundBlockCharSetNDRTyp InboundBlockABIPNDRTyp InboundBlockSEBANDRTyp "
     "InboundBlockUDMNDRTyp InboundBlockCCSNDRTyp InboundBlockPhiNDRTyp "
     "InboundBlockMSVBANDRTyp InboundBlockMSOPPNDRTyp InboundBlockMSOEMNDRTyp "
     "InboundBlockCASCRNDRTyp InboundBlockCAICRNDRTyp InboundBlockCAXCRNDRTyp "
     "InboundBlockCAOLENDRTyp InboundBlockDSNNDRTyp InboundBlockBCKSNDRTyp "
     "InboundBlockNoMxNDRTyp InboundBlockFCrDNSNDRTyp InboundBlockSPFNDRTyp "
     "InboundBlockDKIMNDRTyp InboundBlockSURBLNDRTyp InboundBlockEMPNDRTyp "
     "InboundBlockHeurNDRTyp InboundBlockHeur2NDRTyp InboundBlockAbsNDRTyp"},
    {ValueKind::Int, 0, "0",
     "InboundBlockAttNDRTyp InboundBlockExplNDRTyp InboundBlockSubjNDRTyp "
     "InboundBlockTextNDRTyp InboundBlockHTMLNDRTyp InboundBlockHdrNDRTyp "
     "InboundBlockIPHNDRTyp InboundBlockToAdrNDRTyp OutboundBlockAttNDRTyp "
     "OutboundBlockExplNDRTyp OutboundBlockSubjNDRTyp OutboundBlockTextNDRTyp "
     "OutboundBlockHTMLNDRTyp OutboundBlockToAdrNDRTyp OutboundBlockDSNNDRTyp"},
    {ValueKind::Int, 0, "4", "InboundBlockSPFNDRTyp2 InboundVirusNDRTyp OutboundVirusNDRTyp"},

    // Alternative action codes (...AltNDRTyp)
    {ValueKind::Int, 0, "99",
     "InboundBlockSLSAltNDRTyp InboundBlockCTYAltNDRTyp BayesAltNDRTyp "
     "InboundBlockAttAltNDRTyp InboundBlockExplAltNDRTyp InboundBlockSubjAltNDRTyp "
     "InboundBlockTextAltNDRTyp InboundBlockHTMLAltNDRTyp InboundBlockHdrAltNDRTyp "
     "InboundBlockIPHAltNDRTyp InboundBlockToAdrAltNDRTyp InboundBlockNoToAltNDRTyp "
     "InboundBlockNoFromAltNDRTyp InboundBlockFromUsAltNDRTyp "
     "InboundBlockCharSetAltNDRTyp InboundBlockABIPAltNDRTyp "
     "InboundBlockSEBAAltNDRTyp InboundBlockUDMAltNDRTyp InboundBlockCCSAltNDRTyp "
     "InboundBlockPhiAltNDRTyp InboundBlockMSVBAAltNDRTyp "
     "InboundBlockMSOPPAltNDRTyp InboundBlockMSOEMAltNDRTyp "
     "InboundBlockCASCRAltNDRTyp InboundBlockCAICRAltNDRTyp "
     "InboundBlockCAXCRAltNDRTyp InboundBlockCAOLEAltNDRTyp "
     "InboundBlockDSNAltNDRTyp InboundBlockBCKSAltNDRTyp InboundBlockNoMxAltNDRTyp "
     "InboundBlockFCrDNSAltNDRTyp InboundBlockSPFAltNDRTyp "
     "InboundBlockDKIMAltNDRTyp InboundBlockSURBLAltNDRTyp InboundBlockEMPAltNDRTyp "
     "InboundBlockHeurAltNDRTyp InboundBlockAbsAltNDRTyp"},

    // Subject tags (...MarkSubj)
    {ValueKind::String, 0, "[sls]", "InboundSLSMarkSubj"},
    {ValueKind::String, 0, "[cty]", "InboundBlockCTYMarkSubj"},
    {ValueKind::String, 0, "[att]", "InboundBlockAttMarkSubj"},
    {ValueKind::String, 0, "[expl]", "InboundBlockExplMarkSubj"},
    {ValueKind::String, 0, "[subj]", "InboundBlockSubjMarkSubj"},
    {ValueKind::String, 0, "[text]", "InboundBlockTextMarkSubj"},
    {ValueKind::String, 0, "[html]", "InboundBlockHTMLMarkSubj"},
    {ValueKind::String, 0, "[bayes]", "InboundBayesMarkSubj"},
    {ValueKind::String, 0, "[hdr]", "InboundBlockHdrMarkSubj"},
    {ValueKind::String, 0, "[ip]", "InboundBlockIPHMarkSubj"},
    {ValueKind::String, 0, "[e-mail]", "InboundBlockToAdrMarkSubj"},
    {ValueKind::String, 0, "[bcc]", "InboundBlockNoToMarkSubj"},
    {ValueKind::String, 0, "[faked-from]", "InboundBlockNoFromMarkSubj"},
    {ValueKind::String, 0, "[internal-from]", "InboundBlockFromUsMarkSubj"},
    {ValueKind::String, 0, "[charset]", "InboundBlockCharSetMarkSubj"},
    {ValueKind::String, 0, "[auto-ip]", "InboundBlockABIPMarkSubj"},
    {ValueKind::String, 0, "[senderbase]", "InboundBlockSEBAMarkSubj"},
    {ValueKind::String, 0, "[udm]", "InboundBlockUDMMarkSubj"},
    {ValueKind::String, 0, "[ccs]", "InboundBlockCCSMarkSubj"},
    {ValueKind::String, 0, "[phishing]", "InboundBlockPhiMarkSubj"},
    {ValueKind::String, 0, "[macro]", "InboundBlockMSVBAMarkSubj InboundBlockCAOLEMarkSubj"},
    {ValueKind::String, 0, "[offpass]", "InboundBlockMSOPPMarkSubj"},
    {ValueKind::String, 0, "[offext]", "InboundBlockMSOEMMarkSubj"},
    {ValueKind::String, 0, "[sanesec]", "InboundBlockCASCRMarkSubj"},
    {ValueKind::String, 0, "[secinfo]", "InboundBlockCAICRMarkSubj"},
    {ValueKind::String, 0, "[comrule]", "InboundBlockCAXCRMarkSubj"},
    {ValueKind::String, 0, "[dsn]", "InboundBlockDSNMarkSubj"},
    {ValueKind::String, 0, "[backscatter]", "InboundBlockBCKSMarkSubj"},
    {ValueKind::String, 0, "[mx]", "InboundBlockNoMxMarkSubj"},
    {ValueKind::String, 0, "[iprev]", "InboundBlockFCrDNSMarkSubj"},
    {ValueKind::String, 0, "[spf]", "InboundBlockSPFMarkSubj"},
    {ValueKind::String, 0, "[dkim]", "InboundBlockDKIMMarkSubj"},
    {ValueKind::String, 0, "[smime]", "InboundBlockSMIMEMarkSubj"},
    {ValueKind::String, 0, "[surbl]", "InboundBlockSURBLMarkSubj"},
    {ValueKind::String, 0, "[img]", "InboundBlockEMPMarkSubj"},
    {ValueKind::String, 0, "[heur]", "InboundBlockHeurMarkSubj"},
    {ValueKind::String, 0, "[abs]", "InboundBlockAbsMarkSubj"},
    {ValueKind::String, 0, "[html-removed]", "InboundRemoveHTMLMarkSubj"},
    {ValueKind::String, 0, "[html-decoded]", "InboundDecodeHTMLMarkSubj"},
    {ValueKind::String, 0, "[tnef-removed]", "InboundRemoveTNEFMarkSubj"},
    {ValueKind::String, 0, "[smime-removed]", "InboundRemoveSMIMEMarkSubj"},
    {ValueKind::String, 0, "[tls]", "InboundTransferTLSMarkSubj"},
    {ValueKind::String, 0, "[ufsos]", "InboundUserFallShortOfSpamMarkSubj"},

    // Global exclusion switches
    {ValueKind::Bool, 0, "true",
     "InboundGlobalExclSLS InboundGlobalExclCTY InboundGlobalExclSubj "
     "InboundGlobalExclText InboundGlobalExclHTML InboundGlobalExclHdr "
     "InboundGlobalExclIPH InboundGlobalExclNoTo InboundGlobalExclNoFrom "
     "InboundGlobalExclCharSet InboundGlobalExclABIP InboundGlobalExclSEBA "
     "InboundGlobalExclUDM InboundGlobalExclCCS InboundGlobalExclCASCR "
     "InboundGlobalExclCAICR InboundGlobalExclCAXCR InboundGlobalExclDSN "
     "InboundGlobalExclNoMx InboundGlobalExclFCrDNS InboundGlobalExclSPF "
     "InboundGlobalExclDKIM InboundGlobalExclSURBL InboundGlobalExclEMP "
     "InboundGlobalExclHeur InboundGlobalExclAbs InboundGlobalExclBayes "
     "InboundGlobalExclGreyList InboundGlobExclQSET"},
    {ValueKind::Bool, 0, "false",
     "InboundGlobalExclAtt InboundGlobalExclExpl InboundGlobalExclFromUs "
     "InboundGlobalExclPhi InboundGlobalExclMSVBA InboundGlobalExclMSOPP "
     "InboundGlobalExclMSOEM InboundGlobalExclCAOLE InboundGlobalExclBCKS "
     "InboundGlobalExclSMIME InboundGlobalExclAdr"},

    // White-list exclusion switches
    {ValueKind::Bool, 0, "true",
     "InboundAddressWhiteListExclSLS InboundAddressWhiteListExclCTY "
     "InboundAddressWhiteListExclSubj InboundAddressWhiteListExclText "
     "InboundAddressWhiteListExclHTML InboundAddressWhiteListExclHdr "
     "InboundAddressWhiteListExclIPH InboundAddressWhiteListExclNoTo "
     "InboundAddressWhiteListExclNoFrom InboundAddressWhiteListExclCharSet "
     "InboundAddressWhiteListExclABIP InboundAddressWhiteListExclSEBA "
     "InboundAddressWhiteListExclUDM InboundAddressWhiteListExclCCS "
     "InboundAddressWhiteListExclCASCR InboundAddressWhiteListExclCAICR "
     "InboundAddressWhiteListExclCAXCR InboundAddressWhiteListExclDSN "
     "InboundAddressWhiteListExclNoMx InboundAddressWhiteListExclFCrDNS "
     "InboundAddressWhiteListExclSPF InboundAddressWhiteListExclDKIM "
     "InboundAddressWhiteListExclSURBL InboundAddressWhiteListExclEMP "
     "InboundAddressWhiteListExclHeur InboundAddressWhiteListExclAbs "
     "InboundAddressWhiteListExclBayes InboundAddressWhiteListExclGreyList"},
    {ValueKind::Bool, 0, "false",
     "InboundAddressWhiteListExclAtt InboundAddressWhiteListExclExpl "
     "InboundAddressWhiteListExclFromUs InboundAddressWhiteListExclPhi "
     "InboundAddressWhiteListExclMSVBA InboundAddressWhiteListExclMSOPP "
     "InboundAddressWhiteListExclMSOEM InboundAddressWhiteListExclCAOLE "
     "InboundAddressWhiteListExclBCKS InboundAddressWhiteListExclSMIME "
     "InboundAddressWhiteListExclAdr"},

    // Address lists (NetList)
    {ValueKind::NetList, 0, "",
     "OutboundSMTPConnectIgnoreIP SMTPRelayAllowIP ExchInboundEMailAddressExclIP "
     "SLSExclIP InboundExclBlockCTYIP InboundSMTPValidateDomainExclIP "
     "InboundSMTPValidatePTRExclIP InboundSMTPValidateFQDNExclIP "
     "InboundSMTPGreetDelayExclIP InboundSMTPThrottlingExclIP "
     "InboundSMTPBandwidthThrottlingExclIP InboundSMTPTLSRequiredIP "
     "InboundESMTPXBDATANEAR OutboundExclBlockRemoveSMIMESignIP "
     "OutboundExclVerifySMIMESignIP InboundExclBlockRemoveSMIMESignIP "
     "InboundExclVerifySMIMESignIP InboundExclBlockRemoveSMIMECryptIP "
     "InboundExclVerifySMIMECryptIP InboundExclSMIMEPolicyIP InboundBayesExclIP "
     "InboundGreyListExclIP InboundExclBlockCABAIP InboundExclBlockABIPIP "
     "InboundBlockDRIPIP InboundExclBlockDRIPIP InboundExclBlockSEBAIP "
     "InboundSMTPAutoDisableOnThreadWatermarkExcludeIP OutboundExclBlockDSNIP "
     "InboundExclBlockAttIP OutboundExclBlockAttIP InboundExclBlockExplIP "
     "OutboundExclBlockExplIP InboundExclBlockNoToIP InboundExclBlockNoFromIP "
     "InboundExclBlockFromUsIP InboundExclBlockNoMxIP InboundExclBlockFCrDNSIP "
     "InboundExclBlockMSVBAIP InboundExclBlockMSOPPIP InboundExclBlockMSOEMIP "
     "InboundExclBlockAbsIP InboundExclBlockEMPIP InboundExclBlockCharSetIP "
     "InboundExclBlockUDMIP InboundExclBlockCCSIP InboundExclBlockPhiIP "
     "InboundExclBlockCASCRIP InboundExclBlockCAICRIP InboundExclBlockCAOLEIP "
     "InboundExclBlockCAXCRIP InboundExclBlockHeurIP InboundCCSIgnoreIP "
     "InboundCCXIgnoreIP InboundCCSDeniedIP InboundExclBlockDSNIP "
     "InboundExclBlockBCKSIP InboundExclMarkSubjTransferTLSIP "
     "InboundExclMarkSubjRemoveTNEFIP InboundExclMarkSubjRemoveHTMLIP "
     "InboundExclMarkSubjRemoveSMIMEIP InboundExclBlockSubjIP "
     "OutboundExclBlockSubjIP InboundExclBlockTextIP OutboundExclBlockTextIP "
     "InboundExclBlockHTMLIP OutboundExclBlockHTMLIP InboundExclIP "
     "InboundExclBlockSPFIP InboundExclBlockRemoveDKIMIP InboundExclVerifyDKIMIP "
     "InboundExclBlockDKIMIP InboundExclBlockSURBLIP InboundExclBlockHdrIP "
     "InboundBlockIPHIP InboundExclBlockIPHIP InboundExclBlockRemoveHTMLIP "
     "InboundExclRemoveHTMLSelectIP InboundExclBlockRemoveTNEFIP "
     "InboundExclBlockAssembleAllIP OutboundExclBlockRemoveHTMLIP "
     "OutboundExclBlockRemoveTNEFIP OutboundExclBlockAssembleAllIP "
     "InboundExclBlockRemoveOWASubjIP InboundExclBlockRemoveCalIP "
     "SMTPPriorityHighIP SMTPPriorityLowIP OutboundExclVirusScanIP "
     "InboundExclVirusScanIP MRTGAllowIP NAGIOSAllowIP InboundAWLAllowIP "
     "InboundSMTPSignalAllowIP InboundDomainMX"},

    // Host and address pattern lists (Quoted|LeadStar)
    {ValueKind::StringList, ValueFlag::Quoted | ValueFlag::LeadStar, "",
     "KeepMessageFileInboundToAddress KeepMessageFileOutboundFromAddress "
     "KeepMessageFileInboundExclToAddress KeepMessageFileOutboundExclFromAddress "
     "OutboundSMTPConnectIgnoreHost SMTPRelayAllowHost "
     "ExchInboundEMailAddressExclHost ExchInboundEMailAddressExclFromAddress "
     "ExchInboundEMailAddressExclToAddress SLSExclHost SLSExclFromAddress "
     "SLSExclToAddress InboundExclBlockCTYHost InboundExclBlockCTYFromAddress "
     "InboundExclBlockCTYToAddress InboundSMTPValidateDomainExclHost "
     "InboundSMTPValidateDomainExclFromAddress InboundSMTPValidatePTRExclHost "
     "InboundSMTPValidatePTRExclFromAddress InboundSMTPValidateFQDNExclHost "
     "InboundSMTPValidateFQDNExclFromAddress InboundSMTPGreetDelayExclHost "
     "InboundSMTPThrottlingExclHost InboundSMTPThrottlingExclFromAddress "
     "InboundSMTPThrottlingExclToAddress InboundSMTPBandwidthThrottlingExclHost "
     "InboundSMTPBandwidthThrottlingExclFromAddress "
     "InboundSMTPBandwidthThrottlingExclToAddress "
     "OutboundSMTPBandwidthThrottlingExclFromAddress "
     "OutboundSMTPBandwidthThrottlingExclToAddress InboundSMTPTLSRequiredHost "
     "OutboundExclBlockRemoveSMIMESignHost "
     "OutboundExclBlockRemoveSMIMESignFromAddress "
     "OutboundExclBlockRemoveSMIMESignToAddress OutboundExclVerifySMIMESignHost "
     "OutboundExclVerifySMIMESignFromAddress OutboundExclVerifySMIMESignToAddress "
     "InboundExclBlockRemoveSMIMESignHost "
     "InboundExclBlockRemoveSMIMESignFromAddress "
     "InboundExclBlockRemoveSMIMESignToAddress InboundExclVerifySMIMESignHost "
     "InboundExclVerifySMIMESignFromAddress InboundExclVerifySMIMESignToAddress "
     "InboundExclBlockRemoveSMIMECryptHost "
     "InboundExclBlockRemoveSMIMECryptFromAddress "
     "InboundExclBlockRemoveSMIMECryptToAddress InboundExclVerifySMIMECryptHost "
     "InboundExclVerifySMIMECryptFromAddress InboundExclVerifySMIMECryptToAddress "
     "InboundExclSMIMEPolicyHost InboundExclSMIMEPolicyFromAddress "
     "InboundExclSMIMEPolicyToAddress InboundBayesExclHost "
     "InboundBayesExclFromAddress InboundBayesExclToAddress "
     "OutboundAddressWhiteListExclFromAddress OutboundAddressWhiteListExclToAddress "
     "InboundGreyListExclHost InboundGreyListExclFromAddress "
     "InboundGreyListExclToAddress InboundExclBlockCABAHost "
     "InboundExclBlockCABAFromAddress InboundExclBlockCABAToAddress "
     "InboundExclBlockABIPHost InboundExclBlockABIPFromAddress "
     "InboundExclBlockABIPToAddress InboundBlockDRIPHost InboundExclBlockDRIPHost "
     "OutboundBadReciFromAddress OutboundBadReciExclToAddress "
     "InboundExclBlockSEBAHost InboundExclBlockSEBAFromAddress "
     "InboundExclBlockSEBAToAddress "
     "InboundSMTPAutoDisableOnThreadWatermarkExcludeHost OutboundExclBlockDSNHost "
     "OutboundExclBlockDSNFromAddress OutboundExclBlockDSNToAddress "
     "InboundExclBlockAttHost InboundExclBlockAttFromAddress "
     "InboundExclBlockAttToAddress OutboundExclBlockAttHost "
     "OutboundExclBlockAttFromAddress OutboundExclBlockAttToAddress "
     "InboundExclBlockExplHost InboundExclBlockExplFromAddress "
     "InboundExclBlockExplToAddress OutboundExclBlockExplHost "
     "OutboundExclBlockExplFromAddress OutboundExclBlockExplToAddress "
     "InboundExclBlockNoToHost InboundExclBlockNoToFromAddress "
     "InboundExclBlockNoToToAddress InboundExclBlockNoFromHost "
     "InboundExclBlockNoFromFromAddress InboundExclBlockNoFromToAddress "
     "InboundExclBlockFromUsHost InboundExclBlockFromUsFromAddress "
     "InboundExclBlockFromUsToAddress InboundExclBlockNoMxHost "
     "InboundExclBlockNoMxFromAddress InboundExclBlockNoMxToAddress "
     "InboundExclBlockFCrDNSHost InboundExclBlockFCrDNSFromAddress "
     "InboundExclBlockFCrDNSToAddress InboundExclBlockMSVBAHost "
     "InboundExclBlockMSVBAFromAddress InboundExclBlockMSVBAToAddress "
     "InboundExclBlockMSOPPHost InboundExclBlockMSOPPFromAddress "
     "InboundExclBlockMSOPPToAddress InboundExclBlockMSOEMHost "
     "InboundExclBlockMSOEMFromAddress InboundExclBlockMSOEMToAddress "
     "InboundExclBlockAbsHost InboundExclBlockAbsFromAddress "
     "InboundExclBlockAbsToAddress InboundExclBlockEMPHost "
     "InboundExclBlockEMPFromAddress InboundExclBlockEMPToAddress "
     "InboundExclBlockCharSetHost InboundExclBlockCharSetFromAddress "
     "InboundExclBlockCharSetToAddress InboundExclBlockUDMHost "
     "InboundExclBlockUDMFromAddress InboundExclBlockUDMToAddress "
     "InboundExclBlockCCSHost InboundExclBlockCCSFromAddress "
     "InboundExclBlockCCSToAddress InboundExclBlockCCSReport "
     "InboundExclBlockPhiHost InboundExclBlockPhiFromAddress "
     "InboundExclBlockPhiToAddress InboundExclBlockCASCRHost "
     "InboundExclBlockCASCRFromAddress InboundExclBlockCASCRToAddress "
     "InboundExclBlockCAICRHost InboundExclBlockCAICRFromAddress "
     "InboundExclBlockCAICRToAddress InboundExclBlockCAOLEHost "
     "InboundExclBlockCAOLEFromAddress InboundExclBlockCAOLEToAddress "
     "InboundExclBlockCAXCRHost InboundExclBlockCAXCRFromAddress "
     "InboundExclBlockCAXCRToAddress InboundExclBlockHeurHost "
     "InboundExclBlockHeurFromAddress InboundExclBlockHeurToAddress "
     "InboundBlockDSNToAddress InboundExclBlockDSNHost "
     "InboundExclBlockDSNFromAddress InboundExclBlockDSNToAddress "
     "InboundExclBlockBCKSHost InboundExclBlockBCKSFromAddress "
     "InboundExclBlockBCKSToAddress InboundExclMarkSubjTransferTLSHost "
     "InboundExclMarkSubjTransferTLSFromAddress "
     "InboundExclMarkSubjTransferTLSToAddress InboundExclMarkSubjRemoveTNEFHost "
     "InboundExclMarkSubjRemoveTNEFFromAddress "
     "InboundExclMarkSubjRemoveTNEFToAddress InboundExclMarkSubjRemoveHTMLHost "
     "InboundExclMarkSubjRemoveHTMLFromAddress "
     "InboundExclMarkSubjRemoveHTMLToAddress InboundExclMarkSubjRemoveSMIMEHost "
     "InboundExclMarkSubjRemoveSMIMEFromAddress "
     "InboundExclMarkSubjRemoveSMIMEToAddress InboundExclBlockSubjHost "
     "InboundExclBlockSubjFromAddress InboundExclBlockSubjToAddress "
     "OutboundExclBlockSubjHost OutboundExclBlockSubjFromAddress "
     "OutboundExclBlockSubjToAddress InboundExclBlockTextHost "
     "InboundExclBlockTextFromAddress InboundExclBlockTextToAddress "
     "OutboundExclBlockTextHost OutboundExclBlockTextFromAddress "
     "OutboundExclBlockTextToAddress InboundExclBlockHTMLHost "
     "InboundExclBlockHTMLFromAddress InboundExclBlockHTMLToAddress "
     "OutboundExclBlockHTMLHost OutboundExclBlockHTMLFromAddress "
     "OutboundExclBlockHTMLToAddress InboundExclBlockFromAddress "
     "InboundExclBlockToAddress InboundExclHost InboundExclDKIMFromAddress "
     "OutboundExclBlockFromAddress OutboundExclBlockToAddress "
     "InboundBlockSPFStrictFromAddress InboundExclBlockSPFHost "
     "InboundExclBlockSPFFromAddress InboundExclBlockSPFToAddress "
     "InboundExclSPFFromAddress InboundExclBlockRemoveDKIMHost "
     "InboundExclBlockRemoveDKIMFromAddress InboundExclBlockRemoveDKIMToAddress "
     "InboundExclVerifyDKIMHost InboundExclVerifyDKIMFromAddress "
     "InboundExclVerifyDKIMToAddress InboundExclBlockDKIMHost "
     "InboundExclBlockDKIMFromAddress InboundExclBlockDKIMToAddress "
     "InboundExclBlockSURBLHost InboundExclBlockSURBLFromAddress "
     "InboundExclBlockSURBLToAddress InboundExclBlockSURBLBaseURL "
     "InboundExclBlockHdrHost InboundExclBlockHdrFromAddress "
     "InboundExclBlockHdrToAddress InboundBlockIPHHost InboundExclBlockIPHHost "
     "InboundExclBlockIPHFromAddress InboundExclBlockIPHToAddress "
     "OutboundBlockFromAddress OutboundBlockToAddress InboundBayesToAddress "
     "InboundBlockFromAddress InboundBlockToAddress InboundExclBlockRemoveHTMLHost "
     "InboundExclBlockRemoveHTMLFromAddress InboundExclBlockRemoveHTMLToAddress "
     "InboundExclRemoveHTMLSelectHost InboundExclRemoveHTMLSelectFromAddress "
     "InboundExclRemoveHTMLSelectToAddress InboundExclBlockRemoveTNEFHost "
     "InboundExclBlockRemoveTNEFFromAddress InboundExclBlockRemoveTNEFToAddress "
     "InboundExclBlockAssembleAllHost InboundExclBlockAssembleAllFromAddress "
     "InboundExclBlockAssembleAllToAddress OutboundExclBlockRemoveHTMLHost "
     "OutboundExclBlockRemoveHTMLFromAddress OutboundExclBlockRemoveHTMLToAddress "
     "OutboundExclBlockRemoveTNEFHost OutboundExclBlockRemoveTNEFFromAddress "
     "OutboundExclBlockRemoveTNEFToAddress OutboundExclBlockAssembleAllHost "
     "OutboundExclBlockAssembleAllFromAddress OutboundExclBlockAssembleAllToAddress "
     "InboundExclBlockRemoveOWASubjHost InboundExclBlockRemoveOWASubjFromAddress "
     "InboundExclBlockRemoveOWASubjToAddress InboundExclBlockRemoveCalHost "
     "InboundExclBlockRemoveCalFromAddress InboundExclBlockRemoveCalToAddress "
     "SMTPPriorityHighHost SMTPPriorityHighFromAddress SMTPPriorityHighToAddress "
     "SMTPPriorityLowHost SMTPPriorityLowFromAddress SMTPPriorityLowToAddress "
     "InboundClearPriorityToAddress OutboundExclVirusScanHost "
     "OutboundExclVirusScanFromAddress OutboundExclVirusScanToAddress "
     "InboundExclVirusScanHost InboundExclVirusScanFromAddress "
     "InboundExclVirusScanToAddress MRTGAllowHost NAGIOSAllowHost "
     "InboundAWLAllowHost InboundSMTPSignalAllowHost InboundAnchorFromAddress "
     "InboundAnchorToAddress OutboundAnchorFromAddress OutboundAnchorToAddress"},
    {ValueKind::TextList, ValueFlag::Quoted | ValueFlag::LeadStar, "",
     "InboundBlockAtt OutboundBlockAtt InboundBlockAttScriptFileName "
     "InboundExclBlockExplAtt OutboundExclBlockExplAtt"},

    // Caches and table sizes
    {ValueKind::Bool, 0, "false",
     "LogFileCache OutboundSMTPConnectionCache OutboundExchConnectionCache"},
    {ValueKind::Bool, 0, "true",
     "ExchInboundEMailAddressQueryCache InboundSLSCache InboundSMTPGreetDelayCache "
     "InboundSMTPCertVerifyCache InboundBlockCABACache InboundBlockDRIPCache "
     "InboundBlockSEBACache InboundBlockFCrDNSCache InboundSPFCache "
     "InboundSURBLCache OutboundAWLCacheNeg"},
    {ValueKind::Int, 0, "10000",
     "ExchInboundEMailAddressQueryCacheMaxSlots InboundSLSCacheMaxSlots "
     "InboundSMTPGreetDelayCacheMaxSlots InboundSMTPCertVerifyCacheMaxSlots "
     "InboundBlockCABACacheMaxSlots InboundBlockABIPMaxSlots "
     "OutboundBadReciMaxSlots InboundBlockSEBACacheMaxSlots "
     "InboundBlockFCrDNSCacheMaxSlots InboundSPFCacheMaxSlots "
     "InboundSURBLCacheMaxSlots OutboundAWLCacheNegMaxSlots"},
    {ValueKind::Int, 0, "28800",
     "ExchInboundEMailAddressQueryCacheTTL InboundBlockCABACacheTTL "
     "InboundBlockABIPTTL OutboundSMTPAutoDisableBDATTTL InboundBlockFCrDNSCacheTTL "
     "InboundSPFCacheTTL"},
    {ValueKind::Int, 0, "14400", "InboundSLSCacheTTL InboundSURBLCacheTTL"},
    {ValueKind::Int, 0, "86400", "InboundSMTPGreetDelayCacheTTL InboundCCSListTTL"},
    {ValueKind::Int, 0, "300", "InboundSMTPCertVerifyCacheTTL"},
    {ValueKind::Int, 0, "100000",
     "OutboundAddressWhiteListMaxSlots InboundAddressBlackListMaxSlots "
     "InboundGreyListMaxSlots InboundGreyListCacheCompliantIPMaxSlots"},
    {ValueKind::Int, 0, "60", "OutboundAddressWhiteListCacheRecentQueryTTL"},
    {ValueKind::Int, 0, "691200", "InboundGreyListCacheCompliantIPTTL"},
    {ValueKind::Int, 0, "5184000", "OutboundBadReciTTL"},
    {ValueKind::Int, 0, "1800", "InboundBlockSEBACacheTTL"},
    {ValueKind::Int, 0, "1000000", "InboundCCSListMaxSlots InboundEBHPListMaxSlots"},
    {ValueKind::Int, 0, "900", "OutboundAWLCacheNegTTL"},
    {ValueKind::Int, 0, "10800", "InboundEBHPListTTL"},

    // Files, logs and statistics
    {ValueKind::String, 0, "",
     "TempPath SpamFolder HTTPProxy LogPath HistPath StatisticPath "
     "VirusStatisticPath SpamStatisticPath SendStatisticPath"},
    {ValueKind::Bool, 0, "true",
     "WriteLogFile KeepMessageFileInbound KeepMessageFileOutbound "
     "StatisticFileUseANSI StatisticFileWriteHeader InboundSMIMEWriteStatisticFile "
     "InboundCCXWriteFile"},
    {ValueKind::Int, 0, "0",
     "LogFilePurgeDays HistPurgeDays ConnectionTyp StatisticPurgeDays "
     "VirusStatisticPurgeDays SpamStatisticPurgeDays SendStatisticPurgeDays "
     "DumpConnectionStatisticLogEvery"},
    {ValueKind::Int, 0, "3", "LogFileDataType"},
    {ValueKind::Bool, 0, "false",
     "KeepMessageFile WriteStatisticFile WriteVirusStatisticFile "
     "WriteSpamStatisticFile WriteSendStatisticFile StatisticFileLongDate "
     "StatisticFileKeepOpen"},
    {ValueKind::Int, 0, "44", "StatisticFileDelimiter"},
    {ValueKind::StringList, ValueFlag::Trim, "", "SendLogFileTo"},
    {ValueKind::Int, 0, "3072", "DiskFullAlert"},

    // Postmaster, notifications and loops
    {ValueKind::String, 0, "", "Postmaster NDRFromAddress"},
    {ValueKind::StringList, ValueFlag::Trim, "",
     "CCForNDR BCCForNDR BCCForFwdExch BCCForNDRFilterESC BCCForNDRExclESC "
     "NDRExcludeToAddress SendStartupTo SendStartupWarnTo MsgLoopInfoTo "
     "SuspMsgSubjInfoTo EBHPMsgTo"},
    {ValueKind::Bool, 0, "false",
     "BCCForNDRFilter SendStartup SendStartupAlways SendStartupWarn "
     "InboundActionToRecipientAndPostmaster MsgLoop SuspMsgSubj"},
    {ValueKind::String, ValueFlag::Trim, "", "BCCForNDRFilterAdr"},
    {ValueKind::Bool, 0, "true", "InboundBlockFromUsNDRAfterOther"},
    {ValueKind::StringList, ValueFlag::TrimRight, "", "InboundBlockAltNDRAddr"},
    {ValueKind::Int, 0, "14400", "MsgLoopPeriod SuspMsgSubjPeriod"},
    {ValueKind::Int, 0, "100", "MsgLoopMaxMsg SuspMsgSubjMaxMsg"},
    {ValueKind::StringList, ValueFlag::Lower | ValueFlag::Trim, "",
     "MsgLoopExcl SuspMsgSubjExclEMail"},
    {ValueKind::TextList, ValueFlag::Quoted | ValueFlag::StripStars, "", "SuspMsgSubjExclSubj"},
    {ValueKind::Int, 0, "1", "SuspMsgSubjIgnoreType"},

    // Connections, routing, queues and timing
    {ValueKind::String, ValueFlag::Trim, "", "SMTPIPAddress SMTPMainMachineName SmartHost"},
    {ValueKind::StringList, ValueFlag::Trim, "",
     "SMTPNATWanIPAddress SmartHostAlias SmartHostAliasPort ExchHostAlias "
     "CheckDNSQueryMXPublicNSIP SMTPEchoAddress"},
    {ValueKind::StringList, ValueFlag::NoComment, "",
     "SMTPIPAddress2 SMTPStaticRoute SMTPStaticRouteGroup ExchStaticRoute "
     "FromStaticRoute SMTPRelayAllowRule"},
    {ValueKind::Bool, 0, "false",
     "InboundSMTPIPv6 OutboundSMTPIPv6 OutboundExchIPv6 DNSUseGetHostByName IED SMD "
     "SMTPRelay SMTPRelayAuthUsers SMTPRelayAutoMXCheck InboundSMTPGreetDelay "
     "InboundSMTPAutoDisableOnSmartHostError InboundSMTPAutoDisableOnExchHostError "
     "InboundSMTPAutoDisableOnThreadWatermark "
     "InboundSMTPAutoDisableOnThreadWatermarkOnBothQueues "
     "OutboundExchDATATimeoutIsPermanentError OutboundExch4xxIsPermanentError "
     "OutboundIgnorePermanentErrorInMailFrom OutboundIgnorePermanentErrorInRcptFrom "
     "OutboundIgnoreSLSBlockingError SuppRecvLn SuppRecvLnIntCon SuppRecvLnFor"},
    {ValueKind::Int, 0, "25", "SMTPInboundPort SMTPOutboundPort ExchOutboundPort"},
    {ValueKind::Bool, 0, "true",
     "SMTPOutboundBindAddress ExchOutboundBindAddress "
     "InboundQueueMaxThreadDisableBayes OutboundQueueMaxThreadDisableBayes "
     "DNSUseUDP DNSQueryTweak DNSCheck CheckDNSQueryMX CheckDNSQueryMXPublicNS "
     "SMTPRelayReservedIP SMTPRelayExchDomain SMTPRelayExchHost "
     "SMTPRelayStaticRoute OutboundExchHonorPermanentError "
     "OutboundSMTPAutoDisableBDAT ReverseLookup SerializeThreads ChkDNS ChkDNSv2"},
    {ValueKind::Int, 0, "100",
     "InboundSMTPMaxConnections InboundSMTPConcurrentConnections "
     "OutboundSMTPMaxConnections"},
    {ValueKind::Int, 0, "10",
     "OutboundSMTPConcurrentConnections OutboundSMTPConnectionCacheWaitTime "
     "OutboundExchConnectionCacheWaitTime"},
    {ValueKind::Int, 0, "0",
     "InboundSMTPMaxBytesSession OutboundSMTPMaxBytesSession "
     "InboundSMTPMaxCountSession OutboundSMTPMaxCountSession "
     "InboundSMTPMaxBadMailSession ExchOutboundTempExpire SMTPOutboundTempExpire "
     "SMTPMaxAttCount SmartHostPort InboundSMTPThrottling "
     "InboundSMTPBandwidthThrottling InboundSMTPBandwidthThrottlingExcl "
     "OutboundSMTPBandwidthThrottling OutboundSMTPBandwidthThrottlingExcl "
     "OutboundSMTPDelayHigh OutboundSMTPDelayAboveNormal OutboundSMTPDelayNormal "
     "OutboundSMTPDelayBelowNormal OutboundSMTPDelayLow WakeUpRouter "
     "StartupDelayFresh ThreadStartupDelay"},
    {ValueKind::Int, 0, "20", "InboundQueueMaxThread OutboundQueueMaxThread CheckDNSDelay"},
    {ValueKind::Int, 0, "5000", "InboundSMTPMaxSendToMessage InboundSMTPMaxMsgCount"},
    {ValueKind::Int, 0, "432000", "SMTPOutboundNormalExpire"},
    {ValueKind::Int, 0, "1800", "SMTPOutboundNormalNextTry"},
    {ValueKind::Int, 0, "14400", "SMTPOutboundDSNExpire OutboundSMTPRateReset"},
    {ValueKind::Int, 0, "604800", "ExchOutboundNormalExpire"},
    {ValueKind::Int, 0, "300",
     "ExchOutboundNormalNextTry OutboundSMTPTimeout_COMMAND "
     "OutboundExchTimeout_COMMAND"},
    {ValueKind::Int, 0, "40", "SMTPMaxHopCount"},
    {ValueKind::Int, 0, "1", "OutboundSMTPSendTyp ExchSubObjectMax SMTPSubObjectMax"},
    {ValueKind::Int, 0, "120", "OutboundSMTPTimeout_DATA_Before OutboundExchTimeout_DATA_Before"},
    {ValueKind::Int, 0, "180", "OutboundSMTPTimeout_DATA OutboundExchTimeout_DATA"},
    {ValueKind::Int, 0, "600", "OutboundSMTPTimeout_DATA_After OutboundExchTimeout_DATA_After"},
    {ValueKind::String, ValueFlag::Trim, "localhost", "ExchHost"},
    {ValueKind::String, ValueFlag::Trim, "AutoDetect", "NameServer"},
    {ValueKind::Int, 0, "2", "CheckDNSTry InboundSMTPGreetDelaySeconds"},
    {ValueKind::StringList, 0, "", "SMTPInvalidDomain"},
    {ValueKind::Int, 0, "60", "OutboundSMTPRate1"},
    {ValueKind::Int, 0, "900", "OutboundSMTPRate2"},
    {ValueKind::Int, 0, "-1", "InboundSMTPFlags OutboundSMTPFlags OutboundExchFlags"},
    {ValueKind::String, 0, "",
     "InboundSMTPBandwidthThrottlingExclBeg InboundSMTPBandwidthThrottlingExclEnd "
     "OutboundSMTPBandwidthThrottlingExclBeg OutboundSMTPBandwidthThrottlingExclEnd "
     "WakeUpRouterIPAddress"},

    // ESMTP extensions and SMTP dialogue
    {ValueKind::StringList, 0, "", "SMTPTextBanner"},
    {ValueKind::String, 0, "", "SMTPTextSLS SMTPTextGrey SMTPTextSPF"},
    {ValueKind::Bool, 0, "false",
     "OutboundSMTPReturnPathNull InboundSMTPValidateDomain "
     "InboundSMTPValidateDomainEnh InboundSMTPValidatePTR InboundSMTPValidateFQDN "
     "InboundESMTPNTLM InboundESMTPXBDATA OutboundESMTPXBDATA "
     "InboundESMTPXBDATAAESA OutboundESMTPXBDATAAESA OutboundExchXBDATAAESASecurity "
     "InboundESMTPConvInvalidReturnPathToBlank InboundESMTPCloseAfterMailFromError "
     "InboundESMTPHideSLSInfo OutboundESMTPConvDSNNeverToNullSender "
     "InboundSMTPCheckDomainMXSMTPLevel"},
    {ValueKind::Bool, 0, "true",
     "InboundSMTPDiscardDSNToInternalAddress InboundSMTPDiscardDSNToFakedSender "
     "OutboundESMTP OutboundESMTPNTLM OutboundESMTPDSN OutboundESMTPPRIORITY "
     "OutboundESMTPPIPELINING OutboundESMTPCHUNKING OutboundESMTPSIZE InboundESMTP "
     "InboundESMTPDSN InboundESMTPPRIORITY InboundESMTP8BITMIME "
     "InboundESMTPPIPELINING InboundESMTPCHUNKING InboundESMTPSIZE "
     "InboundESMTPHoneyPot InboundESMTPEnforceFQDN "
     "InboundESMTPRepairInvalidRecipient InboundESMTPDropBotNet "
     "InboundESMTPConvDSNNeverToNullSender"},
    {ValueKind::StringList, ValueFlag::Trim, "", "OutboundSMTPXBDATAAESARequired"},

    // Authentication
    {ValueKind::Bool, 0, "false",
     "OutboundExchAuth InboundSMTPAuthAppExeVerbose InboundSMTPAuthTLS "
     "InboundSMTPAuth InboundSMTPAuthNTLM InboundSMTPAuthProxy InboundSMTPAuthApp "
     "OutboundSMTPAuth"},
    {ValueKind::String, 0, "",
     "OutboundExchAuthUser OutboundExchAuthPassword InboundSMTPAuthAppExe "
     "InboundSMTPAuthUser InboundSMTPAuthPassword OutboundSMTPAuthUser "
     "OutboundSMTPAuthPassword"},
    {ValueKind::Int, 0, "0", "InboundSMTPAuthType"},
    {ValueKind::StringList, ValueFlag::TrimRight, "", "InboundSMTPAuthUserPass"},
    {ValueKind::String, 0, "<USER> <PASSWORD>", "InboundSMTPAuthAppArg"},
    {ValueKind::String, 0, "X", "InboundSMTPAuthAppExeExitCode"},
    {ValueKind::Bool, 0, "true",
     "InboundSMTPAuthPLAIN InboundSMTPAuthLOGIN InboundSMTPAuthNETSCAPE "
     "InboundSMTPAuthCRAMMD5"},

    // TLS and S/MIME
    {ValueKind::StringList, ValueFlag::Trim, "",
     "OutboundSMTPTLSReqired InboundSMTPTLSReqired OutboundSMTPTLSRequired "
     "InboundSMTPTLSRequired"},
    {ValueKind::Bool, 0, "false",
     "InboundSMTPTLSRequiredError4xx TLSServRequestClientCert "
     "OutboundSMTPTLSSimulateTOFUError InboundExchTLSSecurity "
     "OutboundExchTLSSecurity OutboundExchTLSSimulateTOFUError InboundESMTPTLS "
     "OutboundRemoveSMIMESign OutboundVerifySMIMESign OutboundSMIMESignPreSign "
     "OutboundSMIMESignPreCrypt OutboundSMIMECryptPreCrypt InboundSMIMEVerifyCRL "
     "OutboundSMIMEVerifyCRL InboundMarkSubjTransferTLS InboundExclTLS "
     "InboundExclTLSRequired"},
    {ValueKind::String, 0, "",
     "TLSServCert TLSServPriv TLSCACert TLSServCipherList TLSClientCipherList "
     "SMIMEPath SMIMECACert OutboundSMIMESignHdr OutboundSMIMECryptHdr"},
    {ValueKind::Int, 0, "0", "TLSServForceMethod TLSClientForceMethod"},
    {ValueKind::StringList, ValueFlag::NoComment, "",
     "OutboundSMTPTLS InboundSMTPTLS OutboundSMIMESign OutboundSMIMECrypt "
     "OutboundSMIMEPolicy InboundSMIMESign InboundSMIMECrypt InboundSMIMEPolicy"},
    {ValueKind::Bool, 0, "true",
     "OutboundESMTPTLS OutboundSMIMESignUseDBCert InboundSMIMEUseAltPrivCert "
     "OutboundSMIMECryptPreSign InboundSMIMESignWriteDBCert "
     "OutboundSMIMESignWriteDBCert InboundMarkSubjRemoveSMIME InboundAssembleSMIME "
     "OutboundAssembleSMIME"},
    {ValueKind::Int, 0, "465", "OutboundESMTPTLSAutoPort InboundESMTPTLSAutoPort"},
    {ValueKind::String, 0, "<SMIME>; envelope removed", "InboundXMFSMIMEText"},
    {ValueKind::String, 0, "Secure message transmission using <CIPHER>", "InboundXMFTLSText"},

    // Exchange addresses, domains, translation and rewriting
    {ValueKind::StringList, ValueFlag::Lower | ValueFlag::Trim, "",
     "ExchInboundDomain SMTPAddressTranslationDomainSource "
     "SMTPAddressTranslationDomainTarget SMTPAddressTranslationUserSource "
     "SMTPAddressTranslationUserTarget SMTPAddressTranslationDomainAdrSource "
     "SMTPAddressTranslationDomainAdrTarget SMTPAddressRewriteDomainSource "
     "SMTPAddressRewriteDomainTarget SMTPAddressRewriteUserSource "
     "SMTPAddressRewriteUserTarget"},
    {ValueKind::Bool, 0, "false",
     "ExchInboundSubDomain ExchInboundEMailAddressQueryExeNewConsole "
     "ExchInboundEMailAddressQueryExeVerbose ExchInboundEMailAddress "
     "ExchInboundEMailAddressQuery ExchInboundEMailAddressQueryInternal "
     "SMTPAddressFaxTranslation CheckExchange"},
    {ValueKind::Int, 0, "0", "ExchInboundEMailAddressTyp"},
    {ValueKind::String, 0, "LDAPQuery.vbs", "ExchInboundEMailAddressQueryExe"},
    {ValueKind::String, 0, "<EMAIL>", "ExchInboundEMailAddressQueryArg"},
    {ValueKind::String, 0, "X", "ExchInboundEMailAddressQueryExeExitCode"},
    {ValueKind::String, 0, "xxX", "ExchInboundEMailAddressQueryExeExitCodeFail"},
    {ValueKind::Int, 0, "600000", "ExchInboundEMailAddressQueryExeTimeout"},
    {ValueKind::String, 0, "", "ExchInboundEMailAddressQueryValidate"},
    {ValueKind::String, ValueFlag::Trim, "", "SMTPAddressFaxTranslationDomain"},

    // Sender authentication (SPF, DKIM)
    {ValueKind::Bool, 0, "true",
     "InboundBlockPhiUseSPF InboundBlockPhiUseDKIM InboundSPFUseDefTXT "
     "InboundSPFUselessAsFail InboundBlockSPFSoftFail InboundBlockSPFOmitNullSender "
     "InboundExclSPFUselessAsFail InboundVerifyDKIMADSP InboundAssembleDKIM"},
    {ValueKind::Bool, 0, "false",
     "InboundBlockPhiUseSPFConfigError InboundExclDKIM InboundBlockSPF "
     "InboundBlockSPFSMTPLevel InboundSPFIPHeader InboundBlockSPFNeutral "
     "InboundBlockSPFSMTPLevelOnlyFail InboundExclSPFAndDKIM InboundBlockSPFStrict "
     "InboundBlockSPFStrictExclFromAddress InboundExclSPF InboundExclSPFIPHeader "
     "InboundRemoveDKIM InboundVerifyDKIM InboundBlockDKIM"},
    {ValueKind::String, 0, "v=spf1 ptr a/24 mx/24 -all", "InboundSPFDefTXT"},
    {ValueKind::StringList, 0, "", "OutboundDKIMSign"},
    {ValueKind::String, 0, "", "DKIMPath"},

    // Learning filters and address lists
    {ValueKind::Bool, 0, "false",
     "InboundBayes InboundBayesLearn InboundBayesLearnIntoBadList "
     "InboundBayesIgnoreCommonWords OutboundAddressWhiteList "
     "OutboundAddressWhiteListUserBased OutboundAddressWhiteListDomainBased "
     "InboundAddressBlackList InboundAddressBlackListBlockSMTPLevel "
     "InboundAddressBlackListUserBased InboundGreyList "
     "InboundGreyListIPClearLastOctet OutboundBadReciAddExpired "
     "OutboundBadReciPackAtRead InboundAWL OutboundAWL InboundGWL "
     "InboundGWLAnswerIsAlwaysNeg"},
    {ValueKind::Int, 0, "100000", "InboundBayesMaxWords"},
    {ValueKind::Int, 0, "10240", "InboundBayesMaxSize"},
    {ValueKind::Int, 0, "1000", "InboundBayesMinMsgCount"},
    {ValueKind::Int, 0, "1", "InboundBayesMethod"},
    {ValueKind::Int, 0, "70", "InboundBayesSpam"},
    {ValueKind::String, ValueFlag::TrimRight, "",
     "OutboundBayesFeedAddress OutboundBayesFeedAddressGood "
     "OutboundAddressWhiteListFeedAdd OutboundAddressWhiteListFeedDel "
     "InboundAddressBlackListFeedAdd InboundAddressBlackListFeedDel "
     "OutboundBadReciFeedAdd OutboundBadReciFeedDel OutboundAWLIP"},
    {ValueKind::Int, 0, "2", "OutboundBayesFeedEmphasis"},
    {ValueKind::Bool, 0, "true",
     "OutboundAddressWhiteListAutoPack OutboundAddressWhiteListASCII "
     "OutboundAddressWhiteListCacheRecentQuery "
     "OutboundAddressWhiteListFeedConfirmation "
     "OutboundAddressWhiteListPreventInboundDomain "
     "OutboundAddressWhiteListExclVerifiedDomain InboundAddressBlackListAutoPack "
     "InboundAddressBlackListASCII InboundAddressBlackListFeedConfirmation "
     "InboundGreyListAfterRecipientCheck InboundGreyListCacheCompliantIP "
     "InboundGreyListDefExclude OutboundBadReciWriteLog "
     "OutboundBadReciFeedConfirmation InboundAWLUDP InboundAWLSelfCheck "
     "OutboundAWLUDP"},
    {ValueKind::Int, 0, "172800",
     "OutboundAddressWhiteListASCIIRepeat InboundAddressBlackListASCIIRepeat"},
    {ValueKind::TextList, 0, "", "OutboundAddressWhiteListExclSubject"},
    {ValueKind::Int, 0, "300", "InboundGreyListMinTime"},
    {ValueKind::Int, 0, "14400", "InboundGreyListMidTime"},
    {ValueKind::Int, 0, "259200", "InboundGreyListMaxTime"},
    {ValueKind::Int, 0, "3", "OutboundBadReciThresh"},
    {ValueKind::Int, 0, "12177", "InboundAWLUDPPort OutboundAWLUDPPort"},
    {ValueKind::String, ValueFlag::Trim, "", "InboundAWLUDPIPAddress"},

    // Blocking features
    {ValueKind::Bool, 0, "false",
     "InboundBlockSLS InboundSLSIPHeader InboundBlockSLSSMTPLevel "
     "InboundBlockSLSConnectionDUL SLSExclMajorISP InboundBlockCTYIPHeader "
     "InboundBlockCTYSMTPLevel InboundExclSLS InboundExclSLSIPHeader "
     "InboundExclDNSWL InboundBlockCABA InboundBlockABIP InboundBlockABIPSMTPLevel "
     "InboundBlockABIPConnection InboundBlockDRIP InboundBlockDRIPConnection "
     "InboundBlockDRIPNoPTR InboundBlockSEBA InboundBlockSEBAIPHeader "
     "OutboundBlockDSN InboundBlockAttInZip OutboundBlockAttInZip "
     "InboundBlockAttAdvAll OutboundBlockAttAdvAll InboundBlockAttCLSID "
     "OutboundBlockAttCLSID InboundBlockAttExtDot OutboundBlockAttExtDot "
     "InboundBlockAttInvert OutboundBlockAttInvert InboundBlockAttMsgPart "
     "OutboundBlockAttMsgPart InboundBlockAttDblExt OutboundBlockAttDblExt "
     "InboundBlockAttMsgExtBody OutboundBlockAttMsgExtBody InboundBlockAttZipPP "
     "OutboundBlockAttZipPP InboundBlockAttExe OutboundBlockAttExe "
     "InboundBlockAttExeZip OutboundBlockAttExeZip InboundBlockAttScript "
     "InboundBlockAttScriptZip InboundBlockNoTo InboundBlockNoFrom "
     "InboundBlockFromUs InboundBlockFromUsSMTPLevel InboundBlockNoMx "
     "InboundBlockFCrDNS InboundBlockFCrDNSSMTPLevel InboundBlockMSVBA "
     "InboundBlockMSOPP InboundBlockMSOEM InboundBlockAbs InboundBlockEMP "
     "InboundBlockMBP InboundBlockAPD InboundBlockRRZ InboundBlockGRE "
     "InboundBlockMLP InboundBlockUDM InboundBlockUDMExeNewConsole "
     "InboundBlockUDMExeVerbose InboundBlockCCS InboundBlockPhi "
     "InboundBlockPhiIgnoreMatchingBaseDomain InboundBlockPhiUseNoSenderId "
     "InboundBlockCASCR InboundBlockCAICR InboundBlockCAOLE InboundBlockCAXCR "
     "InboundBlockHeur InboundCCS InboundBlockDSN InboundBlockDSNSMTPLevel "
     "InboundBlockBCKS InboundExclMailList InboundBlockSURBL "
     "InboundBlockSURBLExpandShortURL InboundBlockIPHHeader "
     "InboundBlockIPHSMTPLevel InboundBlockIPHConnection "
     "InboundBlockAddressSMTPLevel OutboundBlockAddressOnlyInternal EBeRoom "
     "InboundAnchor OutboundAnchor"},
    {ValueKind::StringList, ValueFlag::Trim, "", "SLS SLSDom SLSFilter ExclSLSIP ExclSLSDom"},
    {ValueKind::Bool, 0, "true",
     "SLSCheck InboundSLSCachePos InboundBlockCTYHotMail "
     "InboundBlockABIPAddSMTPLevel InboundBlockSEBAR1Spammer "
     "InboundBlockUDMSerialize InboundBlockCCX InboundReportCCX "
     "InboundBlockPhiOnlyHTML InboundBlockPhiUseURL InboundBlockPhiUseDMARC "
     "InboundCCX InboundBlockSubjectCaseSensitive OutboundBlockSubjectCaseSensitive "
     "InboundBlockTextCaseSensitive OutboundBlockTextCaseSensitive "
     "InboundBlockHTMLCaseSensitive OutboundBlockHTMLCaseSensitive InboundExclAuth "
     "InboundExclTestProxy InboundBlockSURBLNoteText "
     "InboundBlockAddressActionOnOneAddress OutboundBlockAddressActionOnOneAddress"},
    {ValueKind::Int, 0, "28800", "SLSCheckEvery"},
    {ValueKind::StringList, ValueFlag::Lower | ValueFlag::Trim, "", "InboundBlockCTYCountry"},
    {ValueKind::Int, 0, "-1", "InboundExclDNSWLCategory InboundExclDNSWLTrust"},
    {ValueKind::Int, 0, "3", "InboundBlockABIPThreshold"},
    {ValueKind::Int, 0, "620", "InboundBlockSEBAR2DayMagMin"},
    {ValueKind::Int, 0, "120", "InboundBlockSEBAR2DayMin"},
    {ValueKind::Int, 0, "300", "InboundBlockSEBAR3MonMagMin"},
    {ValueKind::Int, 0, "30", "InboundBlockSEBAR3DayMonDiff"},
    {ValueKind::Int, 0, "50",
     "InboundBlockSEBAR4DayMonDiff InboundBlockHeurValue "
     "InboundCCXBlockHashValueMid"},
    {ValueKind::Int, 0, "35", "InboundBlockSEBAR5DayMonDiff"},
    {ValueKind::StringList, ValueFlag::TrimRight, "", "OutboundBlockDSNToAddress InboundEBHPRule"},
    {ValueKind::TextList, ValueFlag::NoComment, "",
     "InboundBlockSubjectUser InboundBlockTextUser InboundBlockAttUser "
     "OutboundBlockSubjectUser OutboundBlockTextUser OutboundBlockAttUser"},
    {ValueKind::Int, 0, "200",
     "InboundBlockMBPHeight InboundBlockMBPWidth InboundBlockMLPHeight "
     "InboundBlockMLPWidth InboundCCSBlockHashValueLow"},
    {ValueKind::StringList, ValueFlag::Quoted | ValueFlag::Trim, "", "InboundBlockCharSet"},
    {ValueKind::String, 0, "", "InboundBlockUDMExe AnchorAdmin"},
    {ValueKind::String, 0, "<RAWMSG>", "InboundBlockUDMArg"},
    {ValueKind::String, 0, "X", "InboundBlockUDMExeExitCode"},
    {ValueKind::Int, 0, "0", "InboundBlockCCSThreshold InboundBlockHeurValue2 OutboundCCSVerMin"},
    {ValueKind::String, ValueFlag::TrimRight, "ccs.brentmoor.example", "OutboundCCSIP"},
    {ValueKind::Int, 0, "53", "OutboundCCSPort InboundCCSPort"},
    {ValueKind::Int, 0, "2", "OutboundCCSVerMax"},
    {ValueKind::String, ValueFlag::Trim, "", "InboundCCSIPAddress"},
    {ValueKind::Int, 0, "25", "InboundCCSBlockHashValueHigh"},
    {ValueKind::Int, 0, "100", "InboundCCSBlockHashValueMid InboundCCXBlockHashValueLow"},
    {ValueKind::Int, 0, "5", "InboundCCXBlockHashValueHigh"},
    {ValueKind::TextList, ValueFlag::Quoted | ValueFlag::StripStars, "",
     "InboundBlockSubject OutboundBlockSubject InboundBlockText OutboundBlockText "
     "InboundBlockHTML OutboundBlockHTML InboundExclSubject InboundExclText "
     "InboundExclHTML"},
    {ValueKind::TextList, 0, "", "OutboundExclSubject OutboundExclText OutboundExclHTML"},
    {ValueKind::StringList, 0, "", "SURBL"},
    {ValueKind::StringList, ValueFlag::Quoted, "", "InboundBlockHdr"},

    // Message content handling
    {ValueKind::Bool, 0, "false",
     "OutboundSMTPUnBCC InboundForwardAfterHandling OutboundDisclaimerSuppOnReply "
     "InboundDuplicateForEachSendTo OutboundDuplicateForEachSendTo "
     "InboundApproveAction InboundApproveActionExeNewConsole "
     "InboundApproveActionExeVerbose InboundRemoveHTML InboundRemoveHTMLScript "
     "InboundRemoveHTMLSpam InboundRemoveHTMLHyperlink InboundRemoveHTMLMandatory "
     "InboundRemoveHTMLSelect InboundRemoveHTMLAddURLList InboundRemoveTNEF "
     "InboundAssembleAll InboundAssemblevCalendar OutboundRemoveHTML "
     "OutboundRemoveTNEF OutboundAssembleAll OutboundAssemblevCalendar "
     "InboundRemoveOWASubj InboundRemoveCal InboundRemoveCalAddInfo InboundRemoveRR "
     "OutboundRemoveRR OutboundAddRR InboundRemoveDSNSuccess "
     "OutboundRemoveDSNSuccess InboundRemoveDSNFull OutboundRemoveDSNFull "
     "OutboundRemoveHeaderXOriginatingIP DSNHonorForward "
     "InboundRemoveInvalidHeaderLines OutboundRemoveInvalidHeaderLines "
     "InboundAddPreProcHdr OutboundAddPreProcHdr DecodeQuotedPrintableAutoAddCRLF"},
    {ValueKind::TextList, ValueFlag::Quoted | ValueFlag::StripStars, "", "OutboundSMTPUnBCCSubj"},
    {ValueKind::StringList, ValueFlag::NoComment, "",
     "OutboundCHMF OutboundADBC OutboundDisclaimer InboundDisclaimer InboundHeader "
     "OutboundHeader OutboundHeaderDel InboundSizeLimitUser InboundUserSizeLimit "
     "InboundUserSpamFolder InboundUserAction InboundUserMarkSubject "
     "InboundUserNDRFrom InboundMethodSpamFolder"},
    {ValueKind::Bool, 0, "true",
     "InboundSizeLimitTransCheck OutboundSMTPRemoveMarkSubject "
     "InboundMarkSubjOnForward InboundMarkSubjRight InboundMarkSubjRemoveTNEF "
     "InboundMarkSubjRemoveHTML InboundApproveActionOnlySpam "
     "InboundApproveActionSerialize InboundAssembleCorrupt "
     "InboundAddAutoSubmittedHeader OutboundAddAutoSubmittedHeader "
     "InboundDSNNeverOnOFOAndSpam OutboundDSNNeverOnOFO InboundRemoveRRExclQSET "
     "OutboundSMTPDSNRelayed OutboundExchDSNRelayed DSNNotesFix"},
    {ValueKind::Int, 0, "0",
     "InboundSizeLimit OutboundSizeLimit OutboundPayloadLimit InboundPayloadLimit "
     "DSNReturnContent InboundHonorPreProcHdr OutboundHonorPreProcHdr"},
    {ValueKind::StringList, ValueFlag::Trim, "",
     "InboundAutoBCC OutboundAutoBCC InboundAutoBCCHTML InboundSpamHeader"},
    {ValueKind::String, 0, "", "InboundMarkGeneral PreProcHdr"},
    {ValueKind::String, 0, "Trustworthy sender", "InboundXMFExclSndText"},
    {ValueKind::String, 0, "Trustworthy message", "InboundXMFExclMsgText"},
    {ValueKind::String, 0, "Format: <FORMAT>", "InboundXMFFormatText"},
    {ValueKind::String, 0, "ApproveAction.vbs", "InboundApproveActionExe"},
    {ValueKind::String, 0, "<DATAFILE> <RETURNFILE>", "InboundApproveActionArg"},
    {ValueKind::String, 0, "X", "InboundApproveActionExeExitCode"},
    {ValueKind::String, 0, "xxxxxX", "InboundApproveActionExeExitCodeNot"},
    {ValueKind::String, 0, "xxX", "InboundApproveActionExeExitCodeChange"},
    {ValueKind::StringList, ValueFlag::TrimRight, "", "InboundAssembleHdr OutboundAssembleHdr"},
    {ValueKind::Int, 0, "5", "DSNMaxAddressDisplay"},
    {ValueKind::Int, 0, "2", "DSNFormat"},

    // Virus scanning
    {ValueKind::Bool, 0, "false",
     "ScanOutboundMessages ScanInboundMessages VirusScannerNewConsole "
     "VirusPostScannerNewConsole VirusScannerStartupCheckDebug "
     "VirusScannerScanCombine ScanOutboundMessagesOnAccess "
     "ScanInboundMessagesOnAccess VirusScannerOnAccessUseExt "
     "ScanOutboundMessagesClamAV ScanInboundMessagesClamAV "
     "VirusScannerClamAVStartupCheckDebug ClamAVUnofficialRuleScanAtt "
     "VirusScannerScanAlways VirusScannerExcludeDSN VirusScannerExcludeGraph "
     "CheckOnAccessScanner"},
    {ValueKind::String, 0, "",
     "VirusScanner VirusScannerPara VirusPostScanner VirusPostScannerPara "
     "VirusScannerOnAccessPath"},
    {ValueKind::Int, 0, "0", "VirusScannerTyp VirusPostScannerUseLine VirusScannerRawMsgMinSize"},
    {ValueKind::Int, 0, "600000", "VirusScannerTimeout VirusPostScannerTimeout"},
    {ValueKind::String, 0, "X", "VirusScannerExitCode"},
    {ValueKind::Bool, 0, "true",
     "VirusScannerStartupCheck VirusScannerSerialize "
     "VirusScannerOnAccessStartupCheck VirusScannerClamAVStartupCheck "
     "VirusScannerClamAVScanCombine VirusScannerScanRawMsg VirusScannerScanZip"},
    {ValueKind::Int, 0, "250", "VirusScannerOnAccessWait"},
    {ValueKind::Int, 0, "1", "VirusScannerOnAccessDetectMaxTry"},
    {ValueKind::String, 0, "localhost", "VirusScannerClamAVHost"},
    {ValueKind::Int, 0, "3310", "VirusScannerClamAVPort"},
    {ValueKind::Int, 0, "28800", "ClamAVCheckEvery"},
    {ValueKind::TextList, ValueFlag::TrimRight, "", "VirusScannerExclude"},

    // Monitoring and signalling
    {ValueKind::Bool, 0, "false", "MRTG NAGIOS InboundSMTPSignal ScreenMono ForceScreenOutput"},
    {ValueKind::Int, 0, "15",
     "NAGIOSLimitWarnInboundSMTP NAGIOSLimitWarnOutboundSMTP "
     "NAGIOSLimitWarnInboundExch NAGIOSLimitWarnOutboundExch"},
    {ValueKind::Int, 0, "10", "NAGIOSLimitWarnInboundCon NAGIOSLimitWarnOutboundCon"},
    {ValueKind::Int, 0, "30",
     "NAGIOSLimitCritInboundSMTP NAGIOSLimitCritOutboundSMTP "
     "NAGIOSLimitCritInboundExch NAGIOSLimitCritOutboundExch"},
    {ValueKind::Int, 0, "20", "NAGIOSLimitCritInboundCon NAGIOSLimitCritOutboundCon"},
    {ValueKind::String, 0,
     " - (S-O: <OUTBOUNDSMTP>, S-I: <INBOUNDSMTP>, E-O: <OUTBOUNDEXCH>,E-I: <INBOUNDEXCH>,C-I: "
     "<INBOUNDCON>,C-O: <OUTBOUNDCON>)",
     "NAGIOSTemplInfo"},
    {ValueKind::String, 0, " - <INFO>: <VALUE> > <LIMIT>", "NAGIOSTemplError"},
    {ValueKind::Int, 0, "60", "Interval"},

    // General
    {ValueKind::Bool, 0, "false",
     "InboundDecodeHTMLAddURLList JobExeNewConsole UseUnRARDLL SoftSellThreadTopic"},
    {ValueKind::StringList, ValueFlag::Trim, "", "JobSourceFile JobTargetFile JobExe JobExePara"},
    {ValueKind::Bool, 0, "true",
     "JobExeVerbose Use7Zip UseGZip UseTAR UseMSOLEBin CheckNewVersion "
     "NewVersionDSN CheckPoAdm IniWizard ServiceControl"},
    {ValueKind::Int, 0, "600000", "JobExeTimeout"},
    {ValueKind::String, ValueFlag::Trim, "", "Language"},
};

} // namespace

const SchemaGroup* schemaGroups(std::size_t* count)
{
    *count = sizeof kSchema / sizeof kSchema[0];
    return kSchema;
}

} // namespace morva::config

// The Virus sheet: on-demand scanner with its presets, on-access scanner,
// ClamAV (the ClamAV sheet's page) and the scan options.
#include "confui/sheets/Contributions.h"
#include "confui/sheets/VirusScannerPresets.h"
#include "resources/CommandIds.h"

namespace morva::confui {

const std::array<VirusScannerPreset, kVirusScannerPresetCount>& virusScannerPresets()
{
    static const std::array<VirusScannerPreset, kVirusScannerPresetCount> presets = {{
        {"confui.IniViD.Preset0", "", ""},
        {"confui.IniViD.Preset1", "NTScan.exe", "<FILE> /ALL /NOBEEP"},
        {"confui.IniViD.Preset2", "WFindV32.exe",
         "<FILE> /!lfs /noboot /nopart /nomsg /nobeep /doallfiles /unzip"},
        {"confui.IniViD.Preset3", "Scan.exe",
         "<FILE> /ALL /SILENT /NOBEEP /ANALYZE /UNZIP /NOMEM /PROGRAM"},
        {"confui.IniViD.Preset4", "FindViru.exe", "<FILE> /ALL /NOBEEP /ANALYZE /UNZIP /NOMEM"},
        {"confui.IniViD.Preset5", "F-Prot.exe", "<FILE> /DUMB /NOBOOT /NOMEM /TYPE /PACKED"},
        {"confui.IniViD.Preset6", "F-Prot.bat",
         "<FILE> /DUMB /NOBOOT /NOMEM /TYPE /PACKED /ARCHIVE"},
        {"confui.IniViD.Preset7", "Sav32cli.exe", "<FILE> -f -all -eec -nc -archive -loopback"},
        {"confui.IniViD.Preset8", "fpcmd.exe",
         "<FILE> /DUMB /NOBOOT /NOMEM /TYPE /PACKED /ARCHIVE"},
        {"confui.IniViD.Preset9", "Scan.exe",
         "<FILE> /ALL /SILENT /ANALYZE /UNZIP /NOMEM /PROGRAM /NOBOOT /NODDA"},
        {"confui.IniViD.Preset10", "clamdscan.exe", "<FILE> --no-summary"},
        {"confui.IniViD.Preset11", "clamscan.exe", "<FILE> --no-summary"},
        {"confui.IniViD.Preset12", "nod32.exe",
         "<FILE> /subdir- /sound- /pattern+ /scanmem- /scanfile+ /scanboot- /scanmbr- "
         "/mailbox- /arch+ /sfx+ /ah /heur+ /pack+ /unsafe /quit+"},
        {"confui.IniViD.Preset13", "avp.com", "SCAN /i0 /fa /e:20 \"<FILE>\""},
        {"confui.IniViD.Preset14", "avgscan.exe", "/SCAN /NOMEM /NOSELF /ARC /EXT=* <FILE>"},
        {"confui.IniViD.Preset15", "mpcmdrun.exe",
         "-Scan -Scantype 3 -DisableRemediation -File <FILE>"},
    }};
    return presets;
}

const VirusScannerPreset* virusScannerPreset(int position)
{
    if (position <= 0 || position >= kVirusScannerPresetCount)
        return nullptr;
    return &virusScannerPresets()[static_cast<size_t>(position)];
}

namespace sheets {

namespace {
PageHooks presetHooks()
{
    PageHooks hooks;
    hooks.changed = [](PageContext& page, std::string_view key) {
        if (key != "VirusScannerTyp")
            return;
        const VirusScannerPreset* preset = virusScannerPreset(page.value(key).number);
        if (!preset)
            return;
        FieldValue program, arguments;
        program.text = std::string(preset->program);
        arguments.text = std::string(preset->arguments);
        page.setValue("VirusScanner", program);
        page.setValue("VirusScannerPara", arguments);
    };
    return hooks;
}

PageDef onDemandPage()
{
    std::vector<std::string> presetTexts;
    for (const VirusScannerPreset& preset : virusScannerPresets())
        presetTexts.emplace_back(preset.textId);
    return {"IniViD",
            "confui.page.IniViD",
            "virus",
            {
                check("ScanOutboundMessages", "confui.IniViD.Outbound"),
                check("ScanInboundMessages", "confui.IniViD.Inbound"),
                indexCombo("VirusScannerTyp", "confui.IniViD.Typ", presetTexts),
                text("VirusScanner", "confui.common.program"),
                text("VirusScannerPara", "confui.common.arguments"),
                label("confui.IniViD.Note"),
            },
            "virusPresets"};
}
} // namespace

void addVirusPages(Catalogue& catalogue)
{
    catalogue.addPageHooks("virusPresets", presetHooks());
    catalogue.addPage(onDemandPage());
    catalogue.addPage({"IniViA",
                       "confui.page.IniViA",
                       "virus-ona",
                       {
                           check("ScanOutboundMessagesOnAccess", "confui.IniViA.Outbound"),
                           check("ScanInboundMessagesOnAccess", "confui.IniViA.Inbound"),
                           path("VirusScannerOnAccessPath", "confui.IniViA.Path"),
                       }});
    catalogue.addPage(
        {"IniViO",
         "confui.page.IniViO",
         "virus-opt",
         {
             check("DebugVirusScanner", "confui.IniViO.Debug"),
             check("VirusScannerScanRawMsg", "confui.IniViO.RawMsg"),
             check("VirusScannerScanAlways", "confui.IniViO.Always"),
             check("VirusScannerSerialize", "confui.IniViO.Serialize"),
             check("VirusScannerScanZip", "confui.IniViO.Zip"),
             check("VirusScannerOnAccessUseExt", "confui.IniViO.UseExt"),
             actionCombo("InboundVirusNDRTyp", "confui.action.inbound"),
             // Unlike the outbound blocking actions, the gateway reads this
             // key as an action code (its default 4 is the non-delivery report).
             outboundActionCodeCombo("OutboundVirusNDRTyp", "confui.action.outbound"),
             exclude("InboundExclVirusScan", ExclShape::All, "confui.c2.inExclude"),
             exclude("OutboundExclVirusScan", ExclShape::All, "confui.c2.outExclude").inSameRow(),
         }});
    catalogue.addSheet(
        SheetDef{8, "confui.sheet8", {"IniViD", "IniViA", "IniViC", "IniViO"}}.openedBy(
            command::OptionsVirus));
}

} // namespace sheets
} // namespace morva::confui

// The Options sheets of types 1 to 4, the setup wizard's spam page and
// presets, the add-on status sheet and the fallback page list.
#include "confui/OptionsPresets.h"
#include "confui/sheets/Contributions.h"
#include "confui/sheets/PageParts.h"
#include "resources/CommandIds.h"

namespace morva::confui::sheets {

namespace {
constexpr int kFallbackType = -1; // OptionsSheetBuilder.h: kFallbackSheetType
constexpr int kAddOnType = 101;   // Cwm_MVFPropSheet.h: kAddOnSheetType

PageDef wizardSpamPage()
{
    return page("WizSpam", "",
                {
                    label("confui.WizSpam.intro"),
                    combo("#SpamLevel", "confui.WizSpam.level",
                          {{"confui.WizSpam.level0", SpamLevelNone, {}},
                           {"confui.WizSpam.level1", SpamLevelDefault, {}},
                           {"confui.WizSpam.level2", SpamLevelStrong, {}}}),
                    label("confui.WizSpam.note"),
                },
                "wizardSpam");
}

PageHooks wizardSpamHooks()
{
    PageHooks hooks;
    hooks.loaded = [](PageContext& page) {
        // The level starts at "Default" until the administrator chooses.
        if (page.value("#SpamLevel").number == SpamLevelNone)
            page.setValue("#SpamLevel", FieldValue{false, SpamLevelDefault, {}});
    };
    return hooks;
}

SheetHooks wizardPresetHooks()
{
    SheetHooks hooks;
    hooks.confirmed = [](config::ConfigStore& store, const SheetValues& values) {
        const auto level = values.find("#SpamLevel");
        applyWizardPresets(store, level == values.end() ? SpamLevelDefault : level->second.number);
    };
    return hooks;
}

PageDef addOnNoticePage()
{
    return page("MVFInt", "", {label("confui.MVFInt.notice"), label("confui.MVFInt.more")});
}

PageDef addOnQueryPage()
{
    return page("MVFQry", "",
                {
                    label("confui.MVFQry.about"),
                    combo("AdminMVFQueryStatus", "confui.MVFQry.setup",
                          {{"confui.MVFQry.status0", AddOnAbsent, {}},
                           {"confui.MVFQry.status1", AddOnInstalled, {}},
                           {"confui.MVFQry.status2", AddOnOutlookRule, {}}}),
                });
}
} // namespace

void addOptionsSheets(Catalogue& catalogue)
{
    catalogue.addPage(wizardSpamPage());
    catalogue.addPageHooks("wizardSpam", wizardSpamHooks());
    catalogue.addSheetHooks("wizardPresets", wizardPresetHooks());
    catalogue.addPage(addOnNoticePage());
    catalogue.addPage(addOnQueryPage());

    catalogue.addSheet({1,
                        "confui.sheet.general",
                        {"IniStd", "IniCon", "WizSpam"},
                        /*isWizard=*/true,
                        "wizardPresets"});
    catalogue.addSheet(SheetDef{
        2,
        "confui.sheet.general",
        {"IniStd", "IniLog", "IniHist", "IniStat", "IniCon", "IniRel", "IniAuth",
         "IniAdv"}}.openedBy(command::OptionsGeneral));
    // The junk-folder actions of the Blocking and Spam sheets depend on the
    // add-on, so its status is asked first.
    catalogue.addSheet(SheetDef{3,
                                "confui.sheet.blocking",
                                {"IniAtt", "IniExpl", "IniSubj", "IniText", "IniHTML", "IniHdr",
                                 "IniCTY", "IniCharSet", "IniIPH", "IniAdr", "IniDSN", "IniMSO",
                                 "IniABIP", "IniDRIP", "IniAbs"}}
                           .openedBy(command::OptionsBlocking)
                           .afterAddOnQuery());
    // The DKIM verification page is titled "DKIM" except on the DKIM sheet.
    catalogue.addSheet(
        SheetDef{4,
                 "confui.sheet.spam",
                 {"IniSLS", "IniGrey", "IniCCS", "IniBay", "IniHeur", "IniSPF",
                  SheetPage("IniDKIMVrfy", "confui.page.dkim"), "IniSURBL", "IniSEBA", "IniBCKS",
                  "IniEnv", "IniFCrDNS", "IniImg", "IniUDM", "IniApr"}}
            .openedBy(command::OptionsSpam)
            .afterAddOnQuery());
    catalogue.addSheet(SheetDef{kAddOnType, "confui.sheet.addOn", {"MVFInt", "MVFQry"}}
                           .withKind(SheetKind::AddOn)
                           .openedBy(command::JunkMailAddOn));
}

void addFallbackSheet(Catalogue& catalogue)
{
    // Pages of other sheets that are not catalogued are left out.
    std::vector<SheetPage> pages;
    for (const char* name : {"IniStd", "IniExclAWL", "IniSLS", "IniBay", "IniHeur", "IniSPF",
                             "IniEnv", "IniAtt", "IniExpl", "IniRel"})
        if (catalogue.page(name))
            pages.emplace_back(name);
    catalogue.addSheet({kFallbackType, "confui.sheet.fallback", pages});
}

} // namespace morva::confui::sheets

#include "confui/OptionsSheetBuilder.h"

#include "config/ConfigStore.h"
#include "confui/Cwm_ConfPropSheet.h"
#include "confui/Cwm_MVFPropSheet.h"
#include "confui/Messages.h"
#include "confui/OptionsPresets.h"
#include "confui/QtTexts.h"
#include "confui/SaveFailureText.h"
#include "confui/sheets/AdvancedSheet.h"

namespace morva::confui {

std::unique_ptr<Cwm_IniPropSheet> buildOptionsSheet(int type, const SheetEnvironment& environment,
                                                    QWidget* parent)
{
    const Catalogue& pages = catalogue();
    const SheetDef* definition = pages.sheet(type);
    if (!definition || type == kFallbackSheetType || type == kAddOnSheetType)
        definition = pages.sheet(kFallbackSheetType);
    const std::string caption = definition && definition->type == type
                                    ? definition->caption
                                    : std::string("confui.sheet.fallback");
    auto sheet = std::make_unique<Cwm_IniPropSheet>(
        environment, uiText(caption, environment.language), type, parent);
    if (!definition)
        return sheet;
    for (const SheetPage& entry : definition->pages)
        if (const PageDef* page = pages.page(entry.page))
            sheet->addPage(*page, entry.caption);
    sheet->setWizardMode(definition->wizard && definition->type == type);
    return sheet;
}

std::unique_ptr<Cwm_BasePropSheet>
buildCatalogueSheet(int type, const SheetEnvironment& environment, QWidget* parent)
{
    if (type == kAddOnSheetType)
        return std::make_unique<Cwm_MVFPropSheet>(environment, parent);
    if (type == kFallbackSheetType || (type >= 1 && type <= 13))
        return buildOptionsSheet(type, environment, parent);
    const SheetDef* definition = catalogue().sheet(type);
    auto sheet = std::make_unique<Cwm_BasePropSheet>(
        environment,
        uiText(definition ? definition->caption : "confui.sheet.fallback", environment.language),
        type, parent);
    if (definition)
        for (const SheetPage& entry : definition->pages)
            if (const PageDef* page = catalogue().page(entry.page))
                sheet->addPage(*page, entry.caption);
    return sheet;
}

bool saveOrReport(const SheetEnvironment& environment, QWidget* parent)
{
    if (environment.store->save()) {
        if (environment.store->lastSaveStatus() == config::SaveStatus::SavedNotDurable)
            showMessage(parent, MessageKind::Notice,
                        uiText("confui.savedNotDurable", environment.language));
        return true;
    }
    showMessage(parent, MessageKind::Failure,
                QString::fromStdString(saveFailureText(*environment.store, environment.language)));
    return false;
}

int openAddOnSheet(const SheetEnvironment& environment, QWidget* parent)
{
    Cwm_MVFPropSheet sheet(environment, parent);
    return sheet.environment().runDialog(sheet);
}

void runAddOnQuery(const SheetEnvironment& environment, QWidget* parent)
{
    config::ConfigStore& store = *environment.store;
    if (store.getInt("AdminMVFQueryStatus") != AddOnNotQueried)
        return;
    store.setInt("AdminMVFQueryStatus", AddOnAbsent);
    openAddOnSheet(environment, parent);
    if (applyAddOnStatus(store) > 0)
        saveOrReport(environment, parent);
}

int openOptionsSheet(int type, const SheetEnvironment& environment, QWidget* parent)
{
    if (type == 3 || type == 4)
        runAddOnQuery(environment, parent);
    auto sheet = buildOptionsSheet(type, environment, parent);
    const int result = sheet->environment().runDialog(*sheet);
    if (result != kIdOk && result != kWizardFinish)
        return result;
    config::ConfigStore& store = *environment.store;
    store.setBool("IniWizard", false);
    const SheetDef* definition = catalogue().sheet(type);
    if (definition && !definition->hook.empty())
        if (const SheetHooks* hooks = catalogue().sheetHooks(definition->hook);
            hooks && hooks->confirmed)
            hooks->confirmed(store, sheet->sheetValues());
    // The sheet has already said once that the file could not be written.
    if (sheet->saveFailed())
        store.save();
    else
        saveOrReport(environment, parent);
    return result;
}

} // namespace morva::confui

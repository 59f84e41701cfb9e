#include "confui/sheets/AdvancedSheetBuilder.h"

#include "confui/QtTexts.h"
#include "confui/sheets/AdvancedSheet.h"

namespace morva::confui {

std::unique_ptr<Cwm_ConfPropSheet> buildAdvancedSheet(const SheetEnvironment& environment,
                                                      QWidget* parent)
{
    const SheetDef* definition = catalogue().sheet(kAdvancedSheetType);
    auto sheet = std::make_unique<Cwm_ConfPropSheet>(
        environment, uiText(definition ? definition->caption : "confui.sheetConf",
                            environment.language),
        kAdvancedSheetType, parent);
    if (!definition)
        return sheet;
    for (const SheetPage& entry : definition->pages) {
        const PageDef* page = catalogue().page(entry.page);
        if (!page)
            continue;
        ConfigPage* added = sheet->addPage(*page, entry.caption);
        added->setHelp(environment.helpDocument, page->helpAnchor);
    }
    // Unlike the Options sheets, every key is read before the sheet shows.
    sheet->loadAllPages();
    return sheet;
}

int openAdvancedSheet(const SheetEnvironment& environment, QWidget* parent)
{
    std::unique_ptr<Cwm_ConfPropSheet> sheet = buildAdvancedSheet(environment, parent);
    return environment.runDialog ? environment.runDialog(*sheet) : sheet->exec();
}

} // namespace morva::confui

#include "confui/Cwm_MVFPropSheet.h"

#include "confui/QtTexts.h"

namespace morva::confui {

Cwm_MVFPropSheet::Cwm_MVFPropSheet(const SheetEnvironment& environment, QWidget* parent)
    : Cwm_BasePropSheet(environment, uiText("confui.sheet.addOn", environment.language),
                        kAddOnSheetType, parent)
{
    if (const SheetDef* sheet = catalogue().sheet(kAddOnSheetType))
        for (const SheetPage& entry : sheet->pages)
            if (const PageDef* definition = catalogue().page(entry.page))
                addPage(*definition, entry.caption);
}

} // namespace morva::confui

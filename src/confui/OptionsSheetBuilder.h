#pragma once

#include "confui/Cwm_IniPropSheet.h"
#include "confui/SheetEnvironment.h"

#include <memory>

class QWidget;

namespace morva::confui {

// Catalogue type of the fallback page list used for unknown sheet types.
constexpr int kFallbackSheetType = -1;

// Builds the Options sheet of `type` (1 is the setup wizard): caption, every
// page with its help reference, in the catalogue's order; unknown types get
// the fallback pages and the caption "Options".
std::unique_ptr<Cwm_IniPropSheet> buildOptionsSheet(int type, const SheetEnvironment& environment,
                                                    QWidget* parent = nullptr);

// Any sheet of the catalogue by its type, with the class it is shown in: the
// add-on sheet, an Options sheet, or a plain sheet of the catalogued pages
// (for types other parts of the console build).
std::unique_ptr<Cwm_BasePropSheet>
buildCatalogueSheet(int type, const SheetEnvironment& environment, QWidget* parent = nullptr);

// Opens the Options sheet of `type` modally and finishes it: for types 3 and
// 4 the add-on query comes first; after OK or Finish `IniWizard` is cleared,
// the wizard applies its presets, and the file is saved once more. Returns
// the sheet's result (kIdOk, kIdCancel or kWizardFinish).
int openOptionsSheet(int type, const SheetEnvironment& environment, QWidget* parent = nullptr);

// The add-on query before the Blocking and Spam sheets: when
// AdminMVFQueryStatus is 99 it becomes 0, the add-on sheet is shown, and
// with a status of 1 or 2 the junk-folder actions move to "Mark subject".
void runAddOnQuery(const SheetEnvironment& environment, QWidget* parent = nullptr);

// The add-on sheet on its own (command 6031).
int openAddOnSheet(const SheetEnvironment& environment, QWidget* parent = nullptr);

// Saves the store; on failure shows "Unable to write morva.ini!".
bool saveOrReport(const SheetEnvironment& environment, QWidget* parent);

} // namespace morva::confui

#pragma once

#include "confui/Cwm_IniPropSheet.h"
#include "confui/SheetEnvironment.h"

#include <memory>
#include <string>

class QWidget;

namespace morva::confui {

// Catalogue type of the fallback page list used for unknown sheet types.
constexpr int kFallbackSheetType = -1;

// Builds the Options sheet of `type` (1 is the setup wizard): caption, every
// page with its help reference, in the catalogue's order; unknown types get
// the fallback pages and the caption "Options".
std::unique_ptr<Cwm_IniPropSheet> buildOptionsSheet(int type, const SheetEnvironment& environment,
                                                    QWidget* parent = nullptr);

// Any sheet of the catalogue by its type, in the class of its kind (an
// Options sheet, the Advanced Configuration sheet, the add-on sheet), every
// page loaded when the definition preloads them; other types get the
// fallback Options sheet.
std::unique_ptr<Cwm_BasePropSheet>
buildCatalogueSheet(int type, const SheetEnvironment& environment, QWidget* parent = nullptr);

// Where a sheet opens: the page named `page` (its name, "IniGrey") with the
// control of `key` focused; empty: the first page.
struct SheetStart
{
    std::string page;
    std::string key;
};

// Shows `start`'s page on `sheet` and focuses its control (also once the
// sheet shows); false when the sheet has no such page.
bool showSheetStart(Cwm_BasePropSheet& sheet, const SheetStart& start);

// Opens the sheet of `type` modally (at `start`) and finishes it: the add-on query comes
// first where the definition asks for it; after OK or Finish of an Options
// sheet `IniWizard` is cleared, the sheet's hook runs (the wizard's presets)
// and the file is saved once more. Returns the sheet's result (kIdOk,
// kIdCancel or kWizardFinish).
int openSheet(int type, const SheetEnvironment& environment, QWidget* parent = nullptr,
              const SheetStart& start = {});

// The add-on query before the Blocking and Spam sheets: when
// AdminMVFQueryStatus is 99 it becomes 0, the add-on sheet is shown, and
// with a status of 1 or 2 the junk-folder actions move to "Mark subject".
void runAddOnQuery(const SheetEnvironment& environment, QWidget* parent = nullptr);

// Saves the store; on failure shows "Unable to write morva.ini!".
bool saveOrReport(const SheetEnvironment& environment, QWidget* parent);

} // namespace morva::confui

#pragma once

#include <memory>

#include "confui/Cwm_ConfPropSheet.h"
#include "confui/SheetEnvironment.h"

class QWidget;

namespace morva::confui {

// Builds the Advanced Configuration sheet (caption "Configuration"): its
// fourteen pages in order, each with its help reference, every page loaded
// from the store before the sheet is shown.
std::unique_ptr<Cwm_ConfPropSheet> buildAdvancedSheet(const SheetEnvironment& environment,
                                                      QWidget* parent = nullptr);

// Opens the sheet modally; each page writes its keys and saves the file on
// OK or Apply. Returns kIdOk or kIdCancel.
int openAdvancedSheet(const SheetEnvironment& environment, QWidget* parent = nullptr);

} // namespace morva::confui

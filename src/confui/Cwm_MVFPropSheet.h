#pragma once

#include "confui/Cwm_BasePropSheet.h"

namespace morva::confui {

// The add-on status sheet: "Change of the default action" (MVFInt) and
// "MORVAFilter" (MVFQry), where the administrator states the Exchange
// set-up in combo 800; it reads and writes AdminMVFQueryStatus.
class Cwm_MVFPropSheet : public Cwm_BasePropSheet
{
    Q_OBJECT
public:
    using Cwm_BasePropSheet::Cwm_BasePropSheet;
};

// Catalogue type of the add-on sheet (not an Options sheet type).
constexpr int kAddOnSheetType = 101;

} // namespace morva::confui

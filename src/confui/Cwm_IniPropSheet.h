#pragma once

#include "confui/Cwm_BasePropSheet.h"

namespace morva::confui {

// The Options sheets and the setup wizard.
class Cwm_IniPropSheet : public Cwm_BasePropSheet
{
    Q_OBJECT
public:
    using Cwm_BasePropSheet::Cwm_BasePropSheet;
};

} // namespace morva::confui

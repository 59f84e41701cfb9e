#pragma once

#include "confui/Cwm_BasePropSheet.h"

namespace morva::confui {

// The Advanced Configuration sheet.
class Cwm_ConfPropSheet : public Cwm_BasePropSheet
{
    Q_OBJECT
public:
    using Cwm_BasePropSheet::Cwm_BasePropSheet;
};

} // namespace morva::confui

#pragma once

namespace morva::confui {

// The catalogue's sheet number of the Advanced Configuration sheet
// (Cwm_ConfPropSheet "Configuration"); the Options sheets use 1 to 13.
inline constexpr int kAdvancedSheetType = 100;

} // namespace morva::confui

#pragma once

#include <array>
#include <string_view>

namespace morva::confui {

// The virus-scanner presets of the On-Demand Scan page: choosing one fills
// the program and argument fields. "<FILE>" stands for the file to scan.
// Position 0, "Custom", leaves both fields as they are.
struct VirusScannerPreset
{
    std::string_view textId;
    std::string_view program;
    std::string_view arguments;
};

inline constexpr int kVirusScannerPresetCount = 16;

const std::array<VirusScannerPreset, kVirusScannerPresetCount>& virusScannerPresets();

// The preset at combo position `position`; nullptr for "Custom" and for
// positions outside the table.
const VirusScannerPreset* virusScannerPreset(int position);

} // namespace morva::confui

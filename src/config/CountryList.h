#pragma once

#include <array>
#include <string>
#include <string_view>

namespace morva::config {

// The 256 country codes the country blocking page offers, each shown as
// code, " - ", name ("ac - Ascension Island"), in code order.
constexpr std::size_t kCountryCount = 256;
const std::array<std::string_view, kCountryCount>& countryList();

// The first entry whose code is `code` (ASCII case ignored), or `code`
// itself when no entry has it.
std::string countryEntryFor(std::string_view code);

} // namespace morva::config

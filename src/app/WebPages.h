#pragma once

#include <string>

namespace morva::app {

// The maker's addresses. The maker publishes under brentmoor.example; the
// add-on and the spam report service under their own domains.
namespace maker {
constexpr const char* kMailDomain = "brentmoor.example";
constexpr const char* kHomePage = "https://www.brentmoor.example/";
constexpr const char* kOrderPage = "https://www.brentmoor.example/order/morva/";
constexpr const char* kSupportMail = "support@brentmoor.example";
constexpr const char* kPostalAddress =
    "Brentmoor Software Ltd.\n14 Harbour Lane\nKingsbridge TQ7 1AB";
} // namespace maker

// The web page a help or home-page command opens; empty for other ids.
std::string webPageFor(int commandId);

} // namespace morva::app

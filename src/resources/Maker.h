#pragma once

// The maker's addresses, in one place for the console, the setup wizard
// and the defaults. The maker publishes under brentmoor.example; the add-on
// and the spam report service under their own domains.
namespace morva::maker {
constexpr const char* kMailDomain = "brentmoor.example";
constexpr const char* kHomePage = "https://www.brentmoor.example/";
constexpr const char* kOrderPage = "https://www.brentmoor.example/order/morva/";
constexpr const char* kDocuments = "https://www.brentmoor.example/morva/docs/";
// The options document; a configuration page's help is this plus "#" and
// the page's anchor.
constexpr const char* kOptionsDocument = "https://www.brentmoor.example/morva/docs/options.html";
constexpr const char* kSupportMail = "support@brentmoor.example";
constexpr const char* kPostalAddress =
    "Brentmoor Software Ltd.\n14 Harbour Lane\nKingsbridge TQ7 1AB";
} // namespace morva::maker

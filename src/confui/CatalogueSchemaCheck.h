#pragma once

#include "confui/Catalogue.h"

#include <string>
#include <vector>

namespace morva::config {
class ConfigStore;
}

namespace morva::confui {

// Faults of the catalogue against the registered schema: a key a control
// names that the store lacks, or whose kind does not fit the control (see
// Catalogue.h), including every exclusion list of an Exclude button.
std::vector<std::string> schemaProblems(const Catalogue& catalogue,
                                        const config::ConfigStore& store);

// Every key some page of the catalogue binds (exclusion lists included).
std::vector<std::string> keysBoundByPages(const Catalogue& catalogue);

} // namespace morva::confui

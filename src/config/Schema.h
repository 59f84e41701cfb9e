#pragma once

#include "config/ValueFlag.h"
#include "config/ValueKind.h"

#include <cstddef>
#include <string_view>

namespace morva::config {

class ConfigStore;

// Registers every key of the gateway's configuration that the console knows,
// family by family; registration order is the order a save writes them.
void registerSchema(ConfigStore& store);

// The keys of one kind, default and flag set, as the schema table holds them.
struct SchemaGroup
{
    ValueKind kind;
    ValueFlags flags;
    const char* defaultText; // Int: decimal; Bool: "true"/"false"; lists: ""
    const char* names;       // key names separated by single blanks
};

// The schema table itself, in registration order.
const SchemaGroup* schemaGroups(std::size_t* count);

} // namespace morva::config

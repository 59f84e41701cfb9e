#pragma once

// The syntax checks of list entries and single fields live with the
// configuration's value rules; the pages and entry dialogs use the same ones.
#include "config/FieldSyntax.h"

namespace morva::confui {
using config::isValidHostName;
using config::isValidIpAddressField;
using config::normalizeIpEntry;
} // namespace morva::confui

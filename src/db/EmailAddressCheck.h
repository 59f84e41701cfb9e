#pragma once

// The SMTP address check lives with the configuration's value checks; the
// record editors use the same one.
#include "config/EmailAddressCheck.h"

namespace morva::db {
using config::checkEmailAddress;
using config::EmailCheck;
using config::isValidEmailAddress;
} // namespace morva::db

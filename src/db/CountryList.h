#pragma once

// The country codes live with the configuration's value rules (the country
// blocking list takes only these); the data set hands them to the pages.
#include "config/CountryList.h"

namespace morva::db {
using config::countryEntryFor;
using config::countryList;
using config::kCountryCount;
} // namespace morva::db

#pragma once

#include <QIcon>

namespace morva::records {

// Row icons of the record lists, drawn here so they match the toolbar's
// flat style: an envelope for forwarding and blocking records, a person
// for Exchange users.
QIcon mailRecordIcon();
QIcon userRecordIcon();

} // namespace morva::records

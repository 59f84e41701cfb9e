#pragma once

#include "confui/SheetEnvironment.h"

#include <QString>
#include <string>

class QWidget;

namespace morva::confui {

// Opens the settings browser modally over `environment`: with `searchText`
// searched, or, when `key` is given, with that key shown and selected. Its
// "Go to page" opens the sheet at the key's page. Opened from a sheet
// (`fromSheet`) it only shows: the sheet's OK would write its controls over
// what the browser saved. Returns the dialog's result.
int openSettingsBrowser(const SheetEnvironment& environment, QWidget* parent,
                        const QString& searchText, const std::string& key = {},
                        bool fromSheet = false);

} // namespace morva::confui

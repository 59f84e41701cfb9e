#pragma once

#include "config/ListTransfer.h"

class QDialog;

namespace morva::confui {

class ListBox;
struct SheetEnvironment;

// Adds "Import..." and "Export..." to the context menu of a list setting's
// list box. An import changes the list in the box like New does; the sheet
// saves it with its other values on OK (Cancel discards it).
void attachListTransfer(ListBox& box, const SheetEnvironment& environment);

// The two actions themselves (tests call them).
void importListEntries(ListBox& box, const SheetEnvironment& environment);
void exportListEntries(ListBox& box, const SheetEnvironment& environment);

// What an import checks the entries of the box against: the key's rule and
// the fields of its entry dialog.
config::ListTarget listTargetOf(const ListBox& box);

} // namespace morva::confui

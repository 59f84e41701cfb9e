// Pages of the Blocking sheet.
#include "confui/sheets/Contributions.h"

namespace morva::confui::sheets {

void addBlockingPages(Catalogue& catalogue) {}

} // namespace morva::confui::sheets

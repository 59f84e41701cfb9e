// Pages of the Spam sheet.
#include "confui/sheets/Contributions.h"

namespace morva::confui::sheets {

void addSpamPages(Catalogue& catalogue) {}

} // namespace morva::confui::sheets

// The Options sheets of types 1 to 4 and the fallback page list.
#include "confui/sheets/Contributions.h"

namespace morva::confui::sheets {

void addOptionsSheets(Catalogue& catalogue)
{
    catalogue.addSheet(
        {2,
         "confui.sheet.general",
         {"IniStd", "IniLog", "IniHist", "IniStat", "IniCon", "IniRel", "IniAuth", "IniAdv"}});
}

} // namespace morva::confui::sheets

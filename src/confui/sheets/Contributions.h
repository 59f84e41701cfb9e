#pragma once

#include "confui/Catalogue.h"

// Every file under src/confui/sheets/ contributes its part of the catalogue
// through one function declared here and listed in the table of
// Contributions.cpp (in that order).
namespace morva::confui::sheets {

void addEntryDialogs(Catalogue& catalogue);  // EntryDialogs.cpp: EditIP, EditAdr, ...
void addDefaultLists(Catalogue& catalogue);  // DefaultLists.cpp: "Add &Common" lists
void addGeneralPages(Catalogue& catalogue);  // GeneralPages.cpp: sheets 1 and 2
void addBlockingPages(Catalogue& catalogue); // BlockingPages.cpp: sheet 3
void addSpamPages(Catalogue& catalogue);     // SpamPages.cpp: sheet 4
void addOptionsSheets(Catalogue& catalogue); // OptionsSheets.cpp: types 1-4 and the fallback

// Sheets 5 to 13 and the Advanced Configuration sheet:
void addPolicyDialogs(Catalogue& catalogue); // SmimePages.cpp: policy entry dialogs
void addClamAVPages(Catalogue& catalogue);   // ClamAVPages.cpp: sheet 5
void addSystemPages(Catalogue& catalogue);   // SystemPages.cpp: sheet 6
void addSessionPages(Catalogue& catalogue);  // SessionPages.cpp: sheet 7
void addVirusPages(Catalogue& catalogue);    // VirusPages.cpp: sheet 8
void addTransitPages(Catalogue& catalogue);  // TransitPages.cpp: sheet 9
void addSmimePages(Catalogue& catalogue);    // SmimePages.cpp: sheet 10
void addDkimPages(Catalogue& catalogue);     // SmimePages.cpp: sheet 11
void addTlsPages(Catalogue& catalogue);      // SmimePages.cpp: sheet 12
void addExcludePages(Catalogue& catalogue);  // ExcludePages.cpp: sheet 13
void addPhishingPage(Catalogue& catalogue);  // ExcludePages.cpp: IniPhi, in no sheet
void addAdvancedPages(Catalogue& catalogue); // AdvancedPages.cpp: Advanced Configuration

// Last: the fallback page list, from the pages contributed before.
void addFallbackSheet(Catalogue& catalogue);

} // namespace morva::confui::sheets

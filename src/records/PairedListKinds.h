#pragma once

#include "records/Cwm_EntrySheet.h"

namespace morva::records {

// The translation and rewrite lists: two parallel keys, their grid
// columns and the sheet that edits one pair.
struct PairedListKind
{
    const char* listTemplate; // "TransList" or "RewriteList"
    const char* captionId;
    const char* sourceKey;
    const char* targetKey;
    const char* sourceColumnId;
    const char* targetColumnId;
    const char* deleteQuestionId;
    EntrySheetDef sheet;
};

const PairedListKind& translateDomainList();          // menu 6026
const PairedListKind& translateMailboxList();         // menu 6027
const PairedListKind& translateDomainToAddressList(); // menu 6028
const PairedListKind& rewriteDomainList();            // menu 6029
const PairedListKind& rewriteMailboxList();           // menu 6030

} // namespace morva::records

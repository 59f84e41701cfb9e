#pragma once

#include "db/RecordTransfer.h"
#include "records/RecordContext.h"

namespace morva::records {

class Cwm_RecordListDlg;

// Adds "Import..." and "Export..." to a record list dialog (under its
// Delete button): the import and export dialogs over the list's file, run
// while the list holds the data set. An import fills the list again.
void attachRecordTransfer(Cwm_RecordListDlg& list, db::RecordTable table,
                          const RecordContext& context);

// The two actions themselves (tests call them).
void importRecords(Cwm_RecordListDlg& list, db::RecordTable table, const RecordContext& context);
void exportRecords(Cwm_RecordListDlg& list, db::RecordTable table, const RecordContext& context);

} // namespace morva::records

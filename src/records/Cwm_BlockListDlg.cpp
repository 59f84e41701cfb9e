#include "records/Cwm_BlockListDlg.h"

#include "db/DataBlocFile.h"
#include "db/DataSet.h"
#include "records/BlockTypes.h"
#include "records/Cwm_BlockPropSheet.h"
#include "records/RecordIcons.h"
#include "records/RecordText.h"

namespace morva::records {

Cwm_BlockListDlg::Cwm_BlockListDlg(const RecordContext& context, QWidget* parent)
    : Cwm_RecordListDlg(context, "records.blockList", mailRecordIcon(),
                        {uiText("records.col.rec", context.language),
                         uiText("records.col.type", context.language),
                         uiText("records.col.blockValue", context.language)},
                        parent)
{
}

db::RecordFile* Cwm_BlockListDlg::file() const
{
    return context().dataSet->blocFile();
}

RecordListModel::Row Cwm_BlockListDlg::readRow() const
{
    const db::DataBlocFile& records = *context().dataSet->blocFile();
    RecordListModel::Row row;
    row.first = uiText(blockTypeTextId(records.type()), language());
    row.second = fromBytes(records.valueView());
    return row;
}

int Cwm_BlockListDlg::openSheet(std::uint32_t record)
{
    Cwm_BlockPropSheet sheet(context(), this);
    return sheet.run(record);
}

bool Cwm_BlockListDlg::deleteRecord(std::uint32_t record)
{
    return context().dataSet->deleteBlocRecord(record);
}

} // namespace morva::records

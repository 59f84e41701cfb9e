#include "records/Cwm_AliasListDlg.h"

#include "db/DataAliaFile.h"
#include "db/DataSet.h"
#include "records/Cwm_AliasPropSheet.h"
#include "records/RecordIcons.h"
#include "records/RecordText.h"

namespace morva::records {

Cwm_AliasListDlg::Cwm_AliasListDlg(const RecordContext& context, QWidget* parent)
    : Cwm_RecordListDlg(context, "records.aliasList", mailRecordIcon(),
                        {uiText("records.col.rec", context.language),
                         uiText("records.col.from", context.language),
                         uiText("records.col.to", context.language)},
                        parent)
{
}

db::RecordFile* Cwm_AliasListDlg::file() const
{
    return context().dataSet->aliaFile();
}

RecordListModel::Row Cwm_AliasListDlg::readRow() const
{
    const db::DataAliaFile& records = *context().dataSet->aliaFile();
    RecordListModel::Row row;
    row.first = fromBytes(records.forwardAddressView());
    row.second = fromBytes(records.targetAddressView());
    return row;
}

int Cwm_AliasListDlg::openSheet(std::uint32_t record)
{
    Cwm_AliasPropSheet sheet(context(), this);
    return sheet.run(record);
}

bool Cwm_AliasListDlg::deleteRecord(std::uint32_t record)
{
    return context().dataSet->deleteAliaRecord(record);
}

} // namespace morva::records

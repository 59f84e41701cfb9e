#include "records/Cwm_UserListDlg.h"

#include "db/DataSet.h"
#include "db/DataUserFile.h"
#include "records/Cwm_UserPropSheet.h"
#include "records/RecordIcons.h"
#include "records/RecordText.h"

namespace morva::records {

Cwm_UserListDlg::Cwm_UserListDlg(const RecordContext& context, QWidget* parent)
    : Cwm_RecordListDlg(context, "records.userList", userRecordIcon(),
                        {uiText("records.col.rec", context.language),
                         uiText("records.col.name", context.language),
                         uiText("records.col.email", context.language)},
                        parent)
{
}

db::RecordFile* Cwm_UserListDlg::file() const
{
    return context().dataSet->userFile();
}

RecordListModel::Row Cwm_UserListDlg::readRow() const
{
    const db::DataUserFile& records = *context().dataSet->userFile();
    RecordListModel::Row row;
    row.first = fromBytes(records.nameView());
    row.second = fromBytes(records.addressView());
    return row;
}

int Cwm_UserListDlg::openSheet(std::uint32_t record)
{
    Cwm_UserPropSheet sheet(context(), this);
    return sheet.run(record);
}

bool Cwm_UserListDlg::deleteRecord(std::uint32_t record)
{
    return context().dataSet->deleteUserRecord(record);
}

} // namespace morva::records

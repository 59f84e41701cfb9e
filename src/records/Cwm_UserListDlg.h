#pragma once

#include "records/Cwm_RecordListDlg.h"

namespace morva::records {

// "E-mail address on Exchange": the records of DataUser.DAT.
class Cwm_UserListDlg : public Cwm_RecordListDlg
{
    Q_OBJECT
public:
    explicit Cwm_UserListDlg(const RecordContext& context, QWidget* parent = nullptr);

protected:
    db::RecordFile* file() const override;
    RecordListModel::Row readRow() const override;
    int openSheet(std::uint32_t record) override;
    bool deleteRecord(std::uint32_t record) override;
};

} // namespace morva::records

#pragma once

#include "records/Cwm_RecordListDlg.h"

namespace morva::records {

// "E-mail Forwarding": the records of DataAlia.DAT.
class Cwm_AliasListDlg : public Cwm_RecordListDlg
{
    Q_OBJECT
public:
    explicit Cwm_AliasListDlg(const RecordContext& context, QWidget* parent = nullptr);

protected:
    db::RecordFile* file() const override;
    RecordListModel::Row readRow() const override;
    int openSheet(std::uint32_t record) override;
    bool deleteRecord(std::uint32_t record) override;
};

} // namespace morva::records

#pragma once

#include "records/Cwm_RecordListDlg.h"

namespace morva::records {

// "SMTP Blocking": the records of DataBloc.DAT.
class Cwm_BlockListDlg : public Cwm_RecordListDlg
{
    Q_OBJECT
public:
    explicit Cwm_BlockListDlg(const RecordContext& context, QWidget* parent = nullptr);

protected:
    db::RecordFile* file() const override;
    RecordListModel::Row readRow() const override;
    int openSheet(std::uint32_t record) override;
    bool deleteRecord(std::uint32_t record) override;
};

} // namespace morva::records

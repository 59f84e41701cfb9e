#pragma once

#include "records/Cwm_RecordPropSheet.h"

#include <cstdint>

class QComboBox;
class QLineEdit;

namespace morva::db {
class DataBlocFile;
}

namespace morva::records {

// "SMTP Blocking": one block record of DataBloc.DAT (page "BlockAdr"). The
// type list offers IP address, host name and MAIL FROM address. A record
// whose stored type is none of these (3, the gateway's MAIL FROM domain, or
// an unknown number) gets a fourth entry under its own name, and keeps its
// type unless the user picks another: opening and confirming the sheet
// never changes what a record means.
class Cwm_BlockPropSheet : public Cwm_RecordPropSheet
{
    Q_OBJECT
public:
    Cwm_BlockPropSheet(const RecordContext& context, QWidget* parent = nullptr);

    QComboBox* typeCombo() const { return m_type; }
    QLineEdit* valueEdit() const { return m_value; }
    // The type the sheet will write.
    std::int64_t chosenType() const;

protected:
    db::RecordFile* file() const override;
    bool reuseDeletedRecords() const override { return false; }
    std::string_view notFoundTextId() const override { return "db.blockNotFound"; }
    void loadFields() override;
    bool checkFields() override;
    void writeFields() override;

private:
    db::DataBlocFile* bloc() const;

    QComboBox* m_type;
    QLineEdit* m_value;
};

} // namespace morva::records

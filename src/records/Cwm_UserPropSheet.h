#pragma once

#include "records/Cwm_RecordPropSheet.h"

class QLineEdit;

namespace morva::db {
class DataUserFile;
}

namespace morva::records {

// "User Address": one Exchange address of DataUser.DAT (page "UserAdr"). A
// new address takes the first deleted slot.
class Cwm_UserPropSheet : public Cwm_RecordPropSheet
{
    Q_OBJECT
public:
    Cwm_UserPropSheet(const RecordContext& context, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* addressEdit() const { return m_address; }

protected:
    db::RecordFile* file() const override;
    bool reuseDeletedRecords() const override { return true; }
    std::string_view notFoundTextId() const override { return "db.userNotFound"; }
    void loadFields() override;
    bool checkFields() override;
    void writeFields() override;

private:
    db::DataUserFile* user() const;

    QLineEdit* m_name;
    QLineEdit* m_address;
};

} // namespace morva::records

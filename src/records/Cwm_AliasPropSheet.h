#pragma once

#include "records/Cwm_RecordPropSheet.h"

class QCheckBox;
class QLineEdit;

namespace morva::db {
class DataAliaFile;
}

namespace morva::records {

// "SMTP Forwarding": one forwarding record of DataAlia.DAT (page "Alias").
class Cwm_AliasPropSheet : public Cwm_RecordPropSheet
{
    Q_OBJECT
public:
    Cwm_AliasPropSheet(const RecordContext& context, QWidget* parent = nullptr);

    QLineEdit* forwardEdit() const { return m_forward; }
    QLineEdit* targetEdit() const { return m_target; }
    QCheckBox* deliverCheck() const { return m_deliver; }

protected:
    db::RecordFile* file() const override;
    bool reuseDeletedRecords() const override { return false; }
    std::string_view notFoundTextId() const override { return "db.aliasNotFound"; }
    void loadFields() override;
    bool checkFields() override;
    void writeFields() override;

private:
    db::DataAliaFile* alia() const;

    QLineEdit* m_forward;
    QLineEdit* m_target;
    QCheckBox* m_deliver;
};

} // namespace morva::records

#include "records/Cwm_UserPropSheet.h"

#include "db/DataSet.h"
#include "db/DataUserFile.h"
#include "db/RecordFieldChecks.h"
#include "records/RecordText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morva::records {

Cwm_UserPropSheet::Cwm_UserPropSheet(const RecordContext& context, QWidget* parent)
    : Cwm_RecordPropSheet(context, "records.userSheet", "records.userPage", parent)
{
    const int lang = language();
    auto* group = new QGroupBox(uiText("records.group.userInfo", lang), page());
    auto* form = new QFormLayout(group);
    m_name = new QLineEdit(group);
    m_name->setMaxLength(static_cast<int>(db::kUserNameLimit));
    m_address = new QLineEdit(group);
    m_address->setMaxLength(static_cast<int>(db::kAddressFieldLimit));
    m_address->setMinimumWidth(320);
    form->addRow(uiText("records.userName", lang), m_name);
    form->addRow(uiText("records.userAddress", lang), m_address);
    pageLayout()->addWidget(group);
    pageLayout()->addStretch();
}

db::DataUserFile* Cwm_UserPropSheet::user() const
{
    return context().dataSet->userFile();
}

db::RecordFile* Cwm_UserPropSheet::file() const
{
    return user();
}

void Cwm_UserPropSheet::loadFields()
{
    showBytes(m_name, user()->name());
    showBytes(m_address, user()->address());
}

bool Cwm_UserPropSheet::checkFields()
{
    return storable(m_name) &&
           passes(db::checkTextValue(bytesOf(m_name), db::kUserNameLimit), m_name) &&
           storable(m_address) && passes(db::checkAddressValue(bytesOf(m_address)), m_address);
}

void Cwm_UserPropSheet::writeFields()
{
    user()->setName(bytesOf(m_name));
    user()->setAddress(bytesOf(m_address));
}

} // namespace morva::records

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
    m_name->setText(fromBytes(user()->name()));
    m_address->setText(fromBytes(user()->address()));
}

bool Cwm_UserPropSheet::checkFields()
{
    return passes(db::checkTextValue(toBytes(m_name->text()), db::kUserNameLimit), m_name) &&
           passes(db::checkAddressValue(toBytes(m_address->text())), m_address);
}

void Cwm_UserPropSheet::writeFields()
{
    user()->setName(toBytes(m_name->text()));
    user()->setAddress(toBytes(m_address->text()));
}

} // namespace morva::records

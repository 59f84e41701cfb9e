#include "records/Cwm_AliasPropSheet.h"

#include "db/DataAliaFile.h"
#include "db/DataSet.h"
#include "db/RecordFieldChecks.h"
#include "records/RecordText.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morva::records {

Cwm_AliasPropSheet::Cwm_AliasPropSheet(const RecordContext& context, QWidget* parent)
    : Cwm_RecordPropSheet(context, "records.aliasSheet", "records.aliasPage", parent)
{
    const int lang = language();
    auto* forwardGroup = new QGroupBox(uiText("records.group.forward", lang), page());
    auto* form = new QFormLayout(forwardGroup);
    m_forward = new QLineEdit(forwardGroup);
    m_target = new QLineEdit(forwardGroup);
    for (QLineEdit* edit : {m_forward, m_target}) {
        edit->setMaxLength(static_cast<int>(db::kAddressFieldLimit));
        edit->setMinimumWidth(320);
    }
    form->addRow(uiText("records.forwardAddress", lang), m_forward);
    form->addRow(uiText("records.toAddress", lang), m_target);
    pageLayout()->addWidget(forwardGroup);

    auto* optionsGroup = new QGroupBox(uiText("records.group.options", lang), page());
    auto* options = new QVBoxLayout(optionsGroup);
    m_deliver = new QCheckBox(uiText("records.deliverOriginal", lang), optionsGroup);
    options->addWidget(m_deliver);
    pageLayout()->addWidget(optionsGroup);
    pageLayout()->addStretch();
}

db::DataAliaFile* Cwm_AliasPropSheet::alia() const
{
    return context().dataSet->aliaFile();
}

db::RecordFile* Cwm_AliasPropSheet::file() const
{
    return alia();
}

void Cwm_AliasPropSheet::loadFields()
{
    showBytes(m_forward, alia()->forwardAddress());
    showBytes(m_target, alia()->targetAddress());
    m_deliver->setChecked(alia()->deliverAfterForwarding());
}

bool Cwm_AliasPropSheet::checkFields()
{
    return storable(m_forward) && passes(db::checkAddressValue(bytesOf(m_forward)), m_forward) &&
           storable(m_target) && passes(db::checkAddressValue(bytesOf(m_target)), m_target);
}

void Cwm_AliasPropSheet::writeFields()
{
    alia()->setForwardAddress(bytesOf(m_forward));
    alia()->setTargetAddress(bytesOf(m_target));
    alia()->setDeliverAfterForwarding(m_deliver->isChecked());
}

} // namespace morva::records

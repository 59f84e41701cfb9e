#include "records/Cwm_BlockPropSheet.h"

#include "db/DataBlocFile.h"
#include "db/DataSet.h"
#include "db/RecordFieldChecks.h"
#include "records/BlockTypes.h"
#include "records/RecordText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morva::records {

namespace {

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

Cwm_BlockPropSheet::Cwm_BlockPropSheet(const RecordContext& context, QWidget* parent)
    : Cwm_RecordPropSheet(context, "records.blockSheet", "records.blockPage", parent)
{
    const int lang = language();
    auto* group = new QGroupBox(uiText("records.group.doNotAccept", lang), page());
    auto* form = new QFormLayout(group);
    m_type = new QComboBox(group);
    for (int type = 0; type < kOfferedBlockTypes; ++type)
        m_type->addItem(uiText(blockTypeTextId(type), lang), QVariant::fromValue<qlonglong>(type));
    m_value = new QLineEdit(group);
    m_value->setMaxLength(static_cast<int>(db::kAddressFieldLimit));
    m_value->setMinimumWidth(320);
    form->addRow(m_type);
    form->addRow(uiText("records.blockValue", lang), m_value);
    pageLayout()->addWidget(group);

    auto* samples = new QGroupBox(uiText("records.group.samples", lang), page());
    auto* grid = new QGridLayout(samples);
    const std::pair<const char*, QString> lines[] = {
        {"records.sample.ip", QStringLiteral("192.167.13.2")},
        {"records.sample.host", uiText("records.sample.hostValue", lang)},
        {"records.sample.mail", uiText("records.sample.mailValue", lang)},
    };
    int row = 0;
    for (const auto& [labelId, sample] : lines) {
        grid->addWidget(plainLabel(uiText(labelId, lang), samples), row, 0);
        grid->addWidget(plainLabel(sample, samples), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    pageLayout()->addWidget(samples);
    pageLayout()->addStretch();
}

db::DataBlocFile* Cwm_BlockPropSheet::bloc() const
{
    return context().dataSet->blocFile();
}

db::RecordFile* Cwm_BlockPropSheet::file() const
{
    return bloc();
}

std::int64_t Cwm_BlockPropSheet::chosenType() const
{
    return m_type->currentData().toLongLong();
}

void Cwm_BlockPropSheet::loadFields()
{
    const std::int64_t type = bloc()->type();
    if (type < 0 || type >= kOfferedBlockTypes) {
        const QString name = uiText(blockTypeTextId(type), language());
        m_type->addItem(type == 3 ? name : QStringLiteral("%1 (%2)").arg(name).arg(type),
                        QVariant::fromValue<qlonglong>(type));
        m_type->setItemData(m_type->count() - 1, uiText("records.keptType", language()).arg(type),
                            Qt::ToolTipRole);
    }
    m_type->setCurrentIndex(m_type->findData(QVariant::fromValue<qlonglong>(type)));
    if (m_type->currentIndex() < 0)
        m_type->setCurrentIndex(m_type->count() - 1);
    showBytes(m_value, bloc()->value());
}

bool Cwm_BlockPropSheet::checkFields()
{
    return storable(m_value) &&
           passes(db::checkTextValue(bytesOf(m_value), db::kAddressFieldLimit), m_value);
}

void Cwm_BlockPropSheet::writeFields()
{
    bloc()->setSecondNumber(0);
    bloc()->setType(chosenType());
    bloc()->setValue(bytesOf(m_value));
}

} // namespace morva::records

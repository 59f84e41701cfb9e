#include "records/Cwm_EntrySheet.h"

#include "db/RecordFieldChecks.h"
#include "gui/MessageBox.h"
#include "records/ConfigListEditors.h"
#include "records/RecordText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace morva::records {

Cwm_EntrySheet::Cwm_EntrySheet(const EntrySheetDef& definition, int language, QWidget* parent)
    : QDialog(parent), m_definition(definition), m_language(language)
{
    setWindowTitle(uiText(definition.captionId, language));
    setObjectName(QString::fromLatin1(definition.templateName));
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    auto* page = new QWidget(tabs);
    auto* pageLayout = new QVBoxLayout(page);
    tabs->addTab(page, uiText(definition.captionId, language));

    auto* group = new QGroupBox(uiText(definition.groupId, language), page);
    auto* form = new QFormLayout(group);
    for (const EntryFieldDef& field : definition.fields) {
        auto* edit = new QLineEdit(group);
        if (field.kind == EntryFieldKind::Port) {
            edit->setValidator(new QIntValidator(0, 65535, edit));
            edit->setMaxLength(5);
            edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                                  16);
        } else {
            edit->setMaxLength(static_cast<int>(db::kAddressFieldLimit));
            edit->setMinimumWidth(300);
        }
        form->addRow(uiText(field.labelId, language), edit);
        m_fields.push_back(edit);
    }
    pageLayout->addWidget(group);
    if (definition.descriptionId) {
        auto* description = new QGroupBox(uiText("records.group.description", language), page);
        auto* text = new QLabel(uiText(definition.descriptionId, language), description);
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        (new QVBoxLayout(description))->addWidget(text);
        pageLayout->addWidget(description);
    }
    pageLayout->addStretch();
    layout->addWidget(tabs);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(uiText("records.ok", language), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(uiText("records.cancel", language), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void Cwm_EntrySheet::setValues(const QStringList& values)
{
    for (std::size_t i = 0; i < m_fields.size() && static_cast<qsizetype>(i) < values.size(); ++i)
        m_fields[i]->setText(values[static_cast<qsizetype>(i)]);
}

void Cwm_EntrySheet::setGivenValues(const QStringList& values)
{
    setValues(values);
    m_given = values;
}

QStringList Cwm_EntrySheet::values() const
{
    QStringList values;
    for (QLineEdit* edit : m_fields)
        values << edit->text().trimmed();
    return values;
}

bool Cwm_EntrySheet::checkField(int index)
{
    const auto& field = m_definition.fields[static_cast<std::size_t>(index)];
    QLineEdit* edit = m_fields[static_cast<std::size_t>(index)];
    const QString value = edit->text().trimmed();
    QString message;
    if (field.kind == EntryFieldKind::Comment)
        return true;
    if (field.kind == EntryFieldKind::Port) {
        bool ok = false;
        const int port = value.toInt(&ok);
        if (!ok || port < static_cast<int>(kLowestRoutePort) || port > 65535)
            message = uiText("records.badPort", m_language);
    } else {
        const std::string bytes = toBytes(value);
        const db::FieldCheck check = field.kind == EntryFieldKind::Address
                                         ? db::checkAddressValue(bytes)
                                         : db::checkTextValue(bytes, db::kAddressFieldLimit);
        // A text given unchanged keeps its bytes, storable or not.
        const QString refusal = value == m_given.value(index)
                                    ? QString()
                                    : gui::FileTextCodec().refusal(value, m_language);
        if (!refusal.isEmpty())
            message = refusal;
        else if (!check.ok())
            message = gui::toQString(db::fieldCheckMessage(check, m_language));
        else if (!fitsListItem(bytes))
            message = uiText("records.semicolon", m_language);
        else if (field.kind == EntryFieldKind::RouteDomain && !routeDomainFits(bytes))
            message = uiText("records.badRouteDomain", m_language);
        else if (field.kind == EntryFieldKind::RouteHost && !routeHostFits(bytes))
            message = uiText("records.badRouteHost", m_language);
    }
    if (message.isEmpty())
        return true;
    gui::MessageBox::show(this, gui::MessageKind::Refused, message);
    edit->setFocus();
    edit->selectAll();
    return false;
}

void Cwm_EntrySheet::accept()
{
    for (int i = 0; i < static_cast<int>(m_fields.size()); ++i)
        if (!checkField(i))
            return;
    QDialog::accept();
}

} // namespace morva::records

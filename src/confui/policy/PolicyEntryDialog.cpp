#include "confui/policy/PolicyEntryDialog.h"

#include "confui/Messages.h"
#include "confui/QtTexts.h"
#include "confui/policy/CertificateSource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace morva::confui {

PolicyEntryDialog::PolicyEntryDialog(const PolicyList& list, const CertificateSource* certificates,
                                     int language, QWidget* parent)
    : QDialog(parent), m_list(list), m_certificates(certificates), m_language(language)
{
    setObjectName(QString::fromLatin1(list.dialog));
    setWindowTitle(uiText(list.captionId, language));
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    for (const PolicyField& field : m_list.fields) {
        const QString label = uiText(field.labelId, language);
        QWidget* widget = nullptr;
        switch (field.kind) {
        case PolicyFieldKind::Flag: {
            auto* box = new QCheckBox(label);
            form->addRow(QString(), box);
            widget = box;
            break;
        }
        case PolicyFieldKind::Choice: {
            auto* combo = new QComboBox;
            for (const PolicyChoice& choice : field.choices)
                combo->addItem(uiText(choice.textId, language), QString::fromLatin1(choice.value));
            form->addRow(label, combo);
            widget = combo;
            break;
        }
        case PolicyFieldKind::Certificate: {
            auto* combo = new QComboBox;
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            if (field.allowVoid)
                combo->addItem(uiText("confui.pol.void", language), toQ(kVoidCertificate));
            if (m_certificates)
                for (const std::string& file : m_certificates->files(field.certDir))
                    combo->addItem(fromConfigBytes(file), fromConfigBytes(file));
            combo->setCurrentIndex(-1);
            form->addRow(label, combo);
            if (m_certificates) {
                auto* where = new QLabel(fromConfigBytes(m_certificates->directory(field.certDir)));
                where->setTextFormat(Qt::PlainText);
                where->setEnabled(false);
                form->addRow(QString(), where);
            }
            widget = combo;
            break;
        }
        default: {
            auto* edit = new QLineEdit;
            if (field.kind == PolicyFieldKind::Password)
                edit->setEchoMode(QLineEdit::Password);
            edit->setMinimumWidth(280);
            form->addRow(label, edit);
            widget = edit;
            break;
        }
        }
        widget->setToolTip(label);
        m_widgets.push_back(widget);
    }
    if (m_list.comments) {
        m_comment = new QLineEdit;
        form->addRow(uiText("confui.comment", language), m_comment);
    }
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(uiText("confui.button.ok", language), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(uiText("confui.button.cancel", language), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &PolicyEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PolicyEntryDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    showRefusal = [this](const QString& text) { showMessage(this, MessageKind::Refused, text); };
    askToContinue = [this](const QString& question) { return askYesNo(this, question); };

    PolicyFields defaults;
    for (const PolicyField& field : m_list.fields)
        defaults.push_back(field.defaultValue);
    setFields(defaults);
}

void PolicyEntryDialog::setFields(const PolicyFields& fields)
{
    for (std::size_t i = 0; i < m_widgets.size() && i < fields.size(); ++i) {
        const PolicyField& field = m_list.fields[i];
        const QString value = fromConfigBytes(fields[i]);
        switch (field.kind) {
        case PolicyFieldKind::Flag:
            static_cast<QCheckBox*>(m_widgets[i])->setChecked(fields[i] == "1");
            break;
        case PolicyFieldKind::Choice: {
            auto* combo = static_cast<QComboBox*>(m_widgets[i]);
            int index = combo->findData(value);
            if (index < 0) {
                // A value this console does not offer stays selectable.
                combo->addItem(value, value);
                index = combo->count() - 1;
            }
            combo->setCurrentIndex(index);
            break;
        }
        case PolicyFieldKind::Certificate: {
            auto* combo = static_cast<QComboBox*>(m_widgets[i]);
            const int index = combo->findData(value);
            if (index >= 0)
                combo->setCurrentIndex(index);
            else
                combo->setEditText(value);
            break;
        }
        default:
            static_cast<QLineEdit*>(m_widgets[i])->setText(value);
            break;
        }
    }
}

QString PolicyEntryDialog::certificateValue(std::size_t index) const
{
    auto* combo = static_cast<QComboBox*>(m_widgets[index]);
    const QString shown = combo->currentText();
    const int match = combo->findText(shown);
    if (match >= 0)
        return combo->itemData(match).toString();
    return shown.trimmed();
}

PolicyFields PolicyEntryDialog::fields() const
{
    PolicyFields fields;
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        switch (m_list.fields[i].kind) {
        case PolicyFieldKind::Flag:
            fields.push_back(static_cast<QCheckBox*>(m_widgets[i])->isChecked() ? "1" : "0");
            break;
        case PolicyFieldKind::Choice:
            fields.push_back(
                toStd(static_cast<QComboBox*>(m_widgets[i])->currentData().toString()));
            break;
        case PolicyFieldKind::Certificate:
            fields.push_back(toStd(certificateValue(i)));
            break;
        case PolicyFieldKind::Password:
            // A password is taken as typed, blanks included.
            fields.push_back(toStd(static_cast<QLineEdit*>(m_widgets[i])->text()));
            break;
        default:
            fields.push_back(toStd(static_cast<QLineEdit*>(m_widgets[i])->text().trimmed()));
            break;
        }
    }
    return fields;
}

void PolicyEntryDialog::setEntry(const std::string& text)
{
    if (text.empty())
        return;
    if (std::optional<PolicyFields> fields = readPolicyEntry(m_list, text)) {
        setFields(*fields);
        return;
    }
    PolicyFields raw(1, text);
    setFields(raw);
}

std::string PolicyEntryDialog::entry() const
{
    return encodePolicyEntry(fields());
}

void PolicyEntryDialog::setComment(const QString& comment)
{
    if (m_comment)
        m_comment->setText(comment);
}

QString PolicyEntryDialog::comment() const
{
    return m_comment ? m_comment->text() : QString();
}

void PolicyEntryDialog::accept()
{
    const PolicyFields values = fields();
    const PolicyCheck check = checkPolicyEntry(m_list, values);
    if (!check.ok()) {
        showRefusal(uiText(policyErrorTextId(check.error), m_language));
        if (check.field >= 0)
            m_widgets[static_cast<std::size_t>(check.field)]->setFocus();
        return;
    }
    if (m_comment && m_comment->text().contains(QLatin1Char('\n'))) {
        showRefusal(uiText("confui.pol.errCharacter", m_language));
        m_comment->setFocus();
        return;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        const PolicyField& field = m_list.fields[i];
        if (field.kind != PolicyFieldKind::Certificate || !m_certificates ||
            values[i] == kVoidCertificate)
            continue;
        const std::vector<std::string> files = m_certificates->files(field.certDir);
        if (std::find(files.begin(), files.end(), values[i]) != files.end())
            continue;
        const QString question =
            uiText("confui.pol.certMissing", m_language) + QLatin1Char('\n') +
            fromConfigBytes(m_certificates->directory(field.certDir) + values[i]) +
            QLatin1Char('\n') + uiText("confui.continue", m_language);
        if (!askToContinue(question)) {
            m_widgets[i]->setFocus();
            return;
        }
    }
    QDialog::accept();
}

} // namespace morva::confui

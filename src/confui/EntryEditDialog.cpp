#include "confui/EntryEditDialog.h"

#include "confui/EntryChecks.h"
#include "confui/FieldChecks.h"
#include "confui/Messages.h"
#include "confui/QtTexts.h"
#include "resources/Texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace morva::confui {

namespace {
std::size_t fieldCountOf(const EntryDialogDef& definition)
{
    switch (definition.variant) {
    case EntryVariant::Simple:
        return 1;
    case EntryVariant::Simple2:
        return std::max<std::size_t>(1, definition.fields.size());
    case EntryVariant::Simple3:
    case EntryVariant::Simple3l2:
        return 3;
    case EntryVariant::Simple5:
        return 5;
    }
    return 1;
}

} // namespace

EntryEditDialog::EntryEditDialog(const EntryDialogDef& definition, int language, QWidget* parent)
    : QDialog(parent), m_definition(definition), m_language(language)
{
    setWindowTitle(uiText(definition.caption, language));
    setObjectName(QString::fromStdString(definition.name));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);

    const std::size_t count = fieldCountOf(definition);
    for (std::size_t i = 0; i < count; ++i) {
        const EntryField* field = i < definition.fields.size() ? &definition.fields[i] : nullptr;
        auto* label = new QLabel(field ? uiText(field->label, language) : QString(), this);
        label->setTextFormat(Qt::PlainText);
        QWidget* input = nullptr;
        if (field && !field->choices.empty()) {
            auto* box = new QComboBox(this);
            for (const EntryChoice& choice : field->choices)
                box->addItem(fromConfigBytes(choice.shown), fromConfigBytes(choice.value));
            box->setMaxVisibleItems(20);
            input = box;
            m_fields.push_back(nullptr);
            m_choices.push_back(box);
        } else {
            auto* edit = new QLineEdit(this);
            if (field && field->masked)
                edit->setEchoMode(QLineEdit::Password);
            input = edit;
            m_fields.push_back(edit);
            m_choices.push_back(nullptr);
        }
        input->setMinimumWidth(320);
        label->setBuddy(input);
        if (!field)
            input->setAccessibleName(uiText("a11y.field", language).arg(i + 1));
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(input, static_cast<int>(i), 1);
    }
    if (definition.variant == EntryVariant::Simple2) {
        m_commentLabel = new QLabel(uiText("confui.comment", language), this);
        m_comment = new QLineEdit(this);
        m_commentLabel->setBuddy(m_comment);
        grid->addWidget(m_commentLabel, static_cast<int>(count), 0);
        grid->addWidget(m_comment, static_cast<int>(count), 1);
    }
    if (definition.variant == EntryVariant::Simple3l2) {
        for (std::size_t i = 0; i < 2; ++i) {
            const QString labelText = i < definition.checkboxLabels.size()
                                          ? uiText(definition.checkboxLabels[i], language)
                                          : QString();
            auto* box = new QCheckBox(labelText, this);
            grid->addWidget(box, static_cast<int>(count + i), 1);
            m_checks.push_back(box);
        }
    }

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(uiText("confui.button.ok", language), QDialogButtonBox::AcceptRole);
    buttons->addButton(uiText("confui.button.cancel", language), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &EntryEditDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EntryEditDialog::reject);
    layout->addWidget(buttons);
}

QString EntryEditDialog::templateName() const
{
    return languagePrefix(m_language) + QString::fromStdString(m_definition.name).toUpper();
}

QString EntryEditDialog::fieldText(std::size_t index) const
{
    if (QComboBox* box = m_choices[index])
        return box->currentData().toString();
    return m_fields[index]->text();
}

void EntryEditDialog::setFieldText(std::size_t index, const QString& text)
{
    QComboBox* box = m_choices[index];
    if (!box) {
        m_fields[index]->setText(text);
        return;
    }
    int found = -1;
    for (int row = 0; row < box->count() && found < 0; ++row)
        if (box->itemData(row).toString().compare(text, Qt::CaseInsensitive) == 0)
            found = row;
    if (found < 0 && !text.isEmpty()) {
        // A stored value that is no choice stays visible until one is chosen;
        // OK refuses it.
        box->insertItem(0, text, QVariant());
        found = 0;
    }
    box->setCurrentIndex(found);
}

void EntryEditDialog::setFields(const std::vector<QString>& values)
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        setFieldText(i, i < values.size() ? values[i] : QString());
}

std::vector<QString> EntryEditDialog::fields() const
{
    std::vector<QString> values;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        values.push_back(fieldText(i));
    return values;
}

void EntryEditDialog::setComment(const QString& comment)
{
    if (m_comment)
        m_comment->setText(comment);
}

QString EntryEditDialog::comment() const
{
    return m_comment && !m_comment->isHidden() ? m_comment->text() : QString();
}

void EntryEditDialog::setCommentShown(bool shown)
{
    if (!m_comment)
        return;
    m_comment->setHidden(!shown);
    m_commentLabel->setHidden(!shown);
    if (!shown)
        m_comment->clear();
}

void EntryEditDialog::setChecks(const std::vector<bool>& checks)
{
    for (std::size_t i = 0; i < m_checks.size(); ++i)
        m_checks[i]->setChecked(i < checks.size() && checks[i]);
}

std::vector<bool> EntryEditDialog::checks() const
{
    std::vector<bool> values;
    for (QCheckBox* box : m_checks)
        values.push_back(box->isChecked());
    return values;
}

QString EntryEditDialog::entry() const
{
    const EntryCodec* codec =
        m_definition.codec.empty() ? nullptr : catalogue().codec(m_definition.codec);
    if (!codec)
        return fieldText(0);
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        parts.push_back(toStd(fieldText(i)));
    for (QCheckBox* box : m_checks)
        parts.push_back(box->isChecked() ? "1" : "0");
    return toQ(codec->join(parts));
}

void EntryEditDialog::setEntry(const QString& entry)
{
    const EntryCodec* codec =
        m_definition.codec.empty() ? nullptr : catalogue().codec(m_definition.codec);
    if (!codec) {
        setFieldText(0, entry);
        return;
    }
    const std::vector<std::string> parts = codec->split(toStd(entry));
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        setFieldText(i, i < parts.size() ? toQ(parts[i]) : QString());
    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        const std::size_t at = m_fields.size() + i;
        m_checks[i]->setChecked(at < parts.size() && parts[at] == "1");
    }
}

QLineEdit* EntryEditDialog::fieldEdit(std::size_t index) const
{
    return index < m_fields.size() ? m_fields[index] : nullptr;
}

void EntryEditDialog::setStoredForms(gui::FileTextCodec value, gui::FileTextCodec comment)
{
    m_valueCodec = value;
    m_commentCodec = comment;
    m_givenFields = fields();
    m_givenComment = this->comment();
}

namespace {

// False (with the message) when `edit` was changed into a text `codec`
// cannot store.
bool storable(QWidget* parent, QLineEdit* edit, const QString& given,
              const gui::FileTextCodec& codec, int language)
{
    if (edit->text() == given)
        return true;
    const QString refusal = codec.refusal(edit->text(), language);
    if (refusal.isEmpty())
        return true;
    showMessage(parent, MessageKind::Refused, refusal);
    edit->setFocus();
    return false;
}

} // namespace

QComboBox* EntryEditDialog::choiceBox(std::size_t index) const
{
    return index < m_choices.size() ? m_choices[index] : nullptr;
}

void EntryEditDialog::accept()
{
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (QComboBox* box = m_choices[i]) {
            if (!box->currentData().isValid()) {
                showMessage(this, MessageKind::Refused,
                            uiText("confui.edit.notAChoice", m_language));
                box->setFocus();
                return;
            }
            continue;
        }
        QLineEdit* edit = m_fields[i];
        const FieldCheck check =
            i < m_definition.fields.size() ? m_definition.fields[i].check : FieldCheck::NotBlank;
        if (check != FieldCheck::None && edit->text().trimmed().isEmpty()) {
            showMessage(this, MessageKind::Refused, uiText("confui.blankField", m_language));
            edit->setFocus();
            return;
        }
        const QString given = i < m_givenFields.size() ? m_givenFields[i] : QString();
        if (!storable(this, edit, given, m_valueCodec, m_language))
            return;
        if (check == FieldCheck::IpNetwork) {
            const auto normal = normalizeIpEntry(toStd(edit->text()));
            if (!normal) {
                showMessage(this, MessageKind::Refused,
                            uiText("confui.invalidNetwork", m_language));
                edit->setFocus();
                return;
            }
            edit->setText(toQ(*normal));
        } else if (check == FieldCheck::NoBlanks && edit->text().contains(QLatin1Char(' '))) {
            showMessage(this, MessageKind::Refused, uiText("confui.noBlanks", m_language));
            edit->setFocus();
            return;
        } else if (!checkField(this, edit, check, m_language)) {
            return;
        }
    }
    if (m_comment && !storable(this, m_comment, m_givenComment, m_commentCodec, m_language))
        return;
    QDialog::accept();
}

std::unique_ptr<EntryEditDialog> createEntryDialog(const EntryDialogDef& definition, int language,
                                                   QWidget* parent)
{
    switch (definition.variant) {
    case EntryVariant::Simple:
        return std::make_unique<Cwm_SimpleEditDlg>(definition, language, parent);
    case EntryVariant::Simple2:
        return std::make_unique<Cwm_Simple2EditDlg>(definition, language, parent);
    case EntryVariant::Simple3:
        return std::make_unique<Cwm_Simple3EditDlg>(definition, language, parent);
    case EntryVariant::Simple3l2:
        return std::make_unique<Cwm_Simple3l2EditDlg>(definition, language, parent);
    case EntryVariant::Simple5:
        return std::make_unique<Cwm_Simple5EditDlg>(definition, language, parent);
    }
    return std::make_unique<Cwm_Simple2EditDlg>(definition, language, parent);
}

} // namespace morva::confui

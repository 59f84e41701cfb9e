#include "confui/browser/SettingEditDialogs.h"

#include "config/ConfigEntry.h"
#include "config/ConfigStore.h"
#include "config/SecretValues.h"
#include "config/ValueRules.h"
#include "confui/Catalogue.h"
#include "confui/Cwm_ExclPropSheet.h"
#include "confui/ListBox.h"
#include "confui/Messages.h"
#include "confui/QtTexts.h"
#include "confui/browser/PendingSettings.h"
#include "confui/browser/SettingsIndex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace morva::confui {

namespace {

// The page control that edits `key` (the first one in catalogue order).
const Control* pageControlFor(const std::string& key)
{
    for (const PageDef& page : catalogue().pages())
        for (const Control& control : page.controls)
            if (control.isBound() && control.key == key)
                return &control;
    return nullptr;
}

bool stringItems(const Control& control)
{
    for (const ComboItem& item : control.items)
        if (!item.stringValue.empty())
            return true;
    return false;
}

QString titleOf(const std::string& key, int language)
{
    return uiText("browser.edit.caption", language).arg(toQ(key));
}

QDialogButtonBox* addButtons(QDialog* dialog, QVBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return buttons;
}

} // namespace

std::string entryDialogOfList(const std::string& key, config::ValueKind kind)
{
    for (const PageDef& page : catalogue().pages())
        for (const Control& control : page.controls) {
            if (control.kind == ControlKind::List && control.key == key)
                return control.entryDialog;
            if (control.kind == ControlKind::ExcludeButton)
                for (const PageDef& list : Cwm_ExclPropSheet::pagesFor(control.stem, control.shape))
                    for (const Control& item : list.controls)
                        if (item.kind == ControlKind::List && item.key == key)
                            return item.entryDialog;
        }
    return kind == config::ValueKind::NetList ? "EditIP" : "EditText";
}

SettingValueDialog::SettingValueDialog(const SheetEnvironment& environment,
                                       PendingSettings& pending, std::string key, QWidget* parent)
    : QDialog(parent), m_environment(environment), m_pending(pending), m_key(std::move(key))
{
    const int language = environment.language;
    setWindowTitle(titleOf(m_key, language));
    auto* layout = new QVBoxLayout(this);
    const config::ConfigEntry entry = pending.entryAfter(*environment.store, m_key);
    const Control* control = pageControlFor(m_key);
    const QString label = control && !control->label.empty()
                              ? toQ(plainLabel(morva::text(control->label, language)))
                              : toQ(m_key);

    if (entry.kind == config::ValueKind::Bool) {
        m_check = new QCheckBox(label, this);
        m_check->setChecked(std::get<bool>(entry.value));
        layout->addWidget(m_check);
    } else if (control && control->kind == ControlKind::Combo && !control->items.empty()) {
        auto* caption = new QLabel(label, this);
        m_choices = new QComboBox(this);
        caption->setBuddy(m_choices);
        const bool byText = stringItems(*control);
        const std::string current = config::displayText(entry.value);
        for (const ComboItem& item : control->items) {
            const std::string stored = byText ? item.stringValue : std::to_string(item.value);
            m_choices->addItem(toQ(plainLabel(morva::text(item.textId, language))),
                               fromConfigBytes(stored));
        }
        int at = m_choices->findData(fromConfigBytes(current));
        if (at < 0) { // a stored value no item lists stays choosable as it is
            m_choices->addItem(fromConfigBytes(current), fromConfigBytes(current));
            at = m_choices->count() - 1;
        }
        m_choices->setCurrentIndex(at);
        layout->addWidget(caption);
        layout->addWidget(m_choices);
    } else {
        auto* caption = new QLabel(label, this);
        m_field = new QLineEdit(fromConfigBytes(config::displayText(entry.value)), this);
        caption->setBuddy(m_field);
        if (config::holdsSecret(m_key))
            m_field->setEchoMode(QLineEdit::Password);
        layout->addWidget(caption);
        layout->addWidget(m_field);
        const auto rule = config::valueRule(m_key);
        if (rule && rule->range) {
            auto* range = new QLabel(uiText("browser.edit.range", language)
                                         .arg(rule->range->minimum)
                                         .arg(rule->range->maximum),
                                     this);
            layout->addWidget(range);
        }
    }
    auto* keyLine = new QLabel(toQ(m_key), this);
    keyLine->setTextFormat(Qt::PlainText);
    keyLine->setEnabled(false);
    layout->addWidget(keyLine);
    addButtons(this, layout);
    setMinimumWidth(fontMetrics().averageCharWidth() * 48);
}

bool stageTypedValue(QWidget* parent, const SheetEnvironment& environment, PendingSettings& pending,
                     const std::string& key, const QString& typed)
{
    const int language = environment.language;
    const QString refusal = gui::FileTextCodec().refusal(typed, language);
    if (!refusal.isEmpty()) {
        showMessage(parent, MessageKind::Refused, refusal);
        return false;
    }
    const config::ValueCheck check =
        pending.stageValue(*environment.store, key, toConfigBytes(typed));
    if (check.ok())
        return true;
    showMessage(parent, MessageKind::Refused,
                QString::fromStdString(config::valueCheckMessage(check, language)));
    return false;
}

void SettingValueDialog::accept()
{
    QString typed;
    if (m_check)
        typed = m_check->isChecked() ? QStringLiteral("True") : QStringLiteral("False");
    else
        typed = m_field ? m_field->text() : m_choices->currentData().toString();
    if (!stageTypedValue(this, m_environment, m_pending, m_key, typed)) {
        if (m_field) {
            m_field->setFocus();
            m_field->selectAll();
        }
        return;
    }
    QDialog::accept();
}

SettingListDialog::SettingListDialog(const SheetEnvironment& environment, PendingSettings& pending,
                                     std::string key, QWidget* parent)
    : QDialog(parent), m_environment(environment), m_pending(pending)
{
    const config::ConfigEntry entry = pending.entryAfter(*environment.store, key);
    const ListKind kind = entry.kind == config::ValueKind::NetList    ? ListKind::Ip
                          : entry.kind == config::ValueKind::TextList ? ListKind::Converted
                                                                      : ListKind::Text;
    m_binding = std::make_unique<ListBinding>(key, entryDialogOfList(key, entry.kind), kind);
    m_binding->load(*environment.store);
    m_binding->assign(config::listItemTexts(entry.value), entry.itemComments);
    setWindowTitle(titleOf(key, environment.language));
    auto* layout = new QVBoxLayout(this);
    m_box = new ListBox(*m_binding, m_environment, this);
    layout->addWidget(m_box);
    addButtons(this, layout);
    resize(560, 360);
}

SettingListDialog::~SettingListDialog() = default;

void SettingListDialog::accept()
{
    const config::ValueCheck check = m_pending.stageList(
        *m_environment.store, m_binding->key(), m_binding->values(), m_binding->comments());
    if (!check.ok()) {
        showMessage(
            this, MessageKind::Refused,
            QString::fromStdString(config::valueCheckMessage(check, m_environment.language)));
        return;
    }
    QDialog::accept();
}

} // namespace morva::confui

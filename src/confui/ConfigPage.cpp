#include "confui/ConfigPage.h"

#include "config/ConfigStore.h"
#include "config/ValueRules.h"
#include "confui/ActionCodes.h"
#include "confui/Cwm_ExclPropSheet.h"
#include "confui/FieldChecks.h"
#include "confui/ListBox.h"
#include "confui/ListTransferActions.h"
#include "confui/Messages.h"
#include "confui/PageDefaults.h"
#include "confui/QtTexts.h"
#include "confui/SaveFailureText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace morva::confui {

namespace {
// The text as it reads, without the mark of its access key.
QString withoutAccessKey(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}
} // namespace

struct ConfigPage::Binding
{
    const Control* control = nullptr;
    QCheckBox* check = nullptr; // Check, and the box of a PurgeDays pair
    QLineEdit* edit = nullptr;  // text kinds and numbers
    QComboBox* combo = nullptr;
    ListBox* list = nullptr;
    ListBinding* listBinding = nullptr;
    QPushButton* button = nullptr;
    std::vector<QWidget*> widgets; // everything that is enabled together
    QString loadedText;
    std::string loadedBytes;
    bool boolKey = false; // a 0/1 combo over a Bool key
    // A stored text shown as the item that means the same ("ESP" as
    // "SPA"): while that item is chosen, a save writes the stored text.
    int equivalentIndex = -1;
    QString equivalentText;
};

namespace {
QString trimBlanks(QString text, bool left)
{
    int end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    int start = 0;
    while (left && start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    return text.mid(start, end - start);
}

std::string trimBlanks(const std::string& text)
{
    const auto start = text.find_first_not_of(' ');
    if (start == std::string::npos)
        return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

bool isTextKind(ControlKind kind)
{
    return kind == ControlKind::Text || kind == ControlKind::Path || kind == ControlKind::Password;
}

// What the field of a bound control accepts: its key's value rule.
config::ValueRule ruleOf(const Control& control)
{
    if (!control.isBound())
        return {};
    return config::valueRule(control.key).value_or(config::ValueRule{});
}

bool stringCombo(const Control& control)
{
    for (const ComboItem& item : control.items)
        if (!item.stringValue.empty())
            return true;
    return false;
}
} // namespace

ConfigPage::ConfigPage(PageDef definition, PageHost host, QWidget* parent)
    : QWidget(parent), m_definition(std::move(definition)), m_host(host),
      m_captionId(m_definition.caption)
{
    setObjectName(QString::fromStdString(m_definition.name));
    if (!m_definition.hook.empty())
        m_hooks = catalogue().pageHooks(m_definition.hook);
}

ConfigPage::~ConfigPage() = default;

QString ConfigPage::templateName() const
{
    return languagePrefix(language()) + QString::fromStdString(m_definition.name).toUpper();
}

QString ConfigPage::caption() const
{
    return uiText(m_captionId, language());
}

void ConfigPage::setCaptionId(std::string textId)
{
    m_captionId = std::move(textId);
}

void ConfigPage::setHelp(const std::string& document, const std::string& anchor)
{
    m_helpRef = document;
    if (!anchor.empty())
        m_helpRef += "#" + anchor;
}

int ConfigPage::language() const
{
    return m_host.environment->language;
}

std::string ConfigPage::programDir() const
{
    return m_host.environment->programDir;
}

config::ConfigStore& ConfigPage::store()
{
    return *m_host.environment->store;
}

void ConfigPage::openEditor(const Control& control)
{
    const SheetEnvironment& environment = *m_host.environment;
    switch (control.editor) {
    case Editor::Routes:
        if (environment.editRoutes)
            environment.editRoutes(this, control.target);
        break;
    case Editor::TextFile:
        if (environment.editTextFile)
            environment.editTextFile(this, environment.programDir + control.target,
                                     uiText(control.editorCaption, environment.language));
        break;
    }
}

void ConfigPage::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    build();
}

void ConfigPage::ensureLoaded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    ensureBuilt();
    load();
}

void ConfigPage::build()
{
    m_defaults = std::make_unique<PageDefaults>(store(), language());
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    int row = 0, column = 0, columns = 1;
    for (const Control& control : m_definition.controls) {
        if (control.kind == ControlKind::Group || control.kind == ControlKind::EndGroup) {
            QWidget* holder = this;
            if (control.kind == ControlKind::Group) {
                auto* box = new QGroupBox(
                    control.label.empty() ? QString() : uiText(control.label, language()), this);
                outer->addWidget(box);
                holder = box;
                grid = new QGridLayout(box);
            } else {
                grid = new QGridLayout;
                outer->addLayout(grid);
            }
            (void)holder;
            grid->setColumnStretch(1, 1);
            row = 0;
            column = 0;
            columns = control.kind == ControlKind::Group ? std::max(1, control.columns) : 1;
            continue;
        }
        addControl(control, grid, row, columns, column);
    }
    // Lists take the height the window has to spare; a page without lists
    // keeps its fields at the top.
    bool anyList = false;
    for (int i = 0; i < outer->count(); ++i) {
        QLayoutItem* item = outer->itemAt(i);
        QLayout* layout = item->widget() ? item->widget()->layout() : item->layout();
        if (m_listGrids.contains(layout)) {
            outer->setStretch(i, 1);
            anyList = true;
        }
    }
    if (!anyList)
        outer->addStretch(1);
    dropRepeatedAccessKeys();
}

void ConfigPage::dropRepeatedAccessKeys()
{
    // Buttons repeated on one page (New, Edit and Delete of several lists,
    // "Exclude..." beside several controls) would share an access key that
    // only moves the focus between them. They show without it; Tab reaches
    // them, and a list answers Insert, F2 and Delete itself.
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    QHash<QString, int> seen;
    for (const QPushButton* button : buttons)
        ++seen[button->text()];
    for (QPushButton* button : buttons)
        if (seen.value(button->text()) > 1 && button->text().contains(QLatin1Char('&')))
            button->setText(withoutAccessKey(button->text()));
    for (ListBox* box : findChildren<ListBox*>()) {
        const auto onKey = [box](QKeySequence keys, void (ListBox::*action)()) {
            auto* shortcut = new QShortcut(keys, box->view());
            shortcut->setContext(Qt::WidgetShortcut);
            connect(shortcut, &QShortcut::activated, box, action);
        };
        onKey(QKeySequence(Qt::Key_Insert), &ListBox::newEntry);
        onKey(QKeySequence(Qt::Key_Delete), &ListBox::deleteEntries);
        onKey(QKeySequence(Qt::Key_F2), &ListBox::editEntry);
    }
}

void ConfigPage::addControl(const Control& control, QGridLayout* grid, int& row, int columns,
                            int& column)
{
    QWidget* holder = grid->parentWidget() ? grid->parentWidget() : this;
    auto binding = std::make_unique<Binding>();
    binding->control = &control;
    const int lang = language();
    const QString labelText = control.label.empty() ? QString() : uiText(control.label, lang);
    const std::string key = control.key;
    auto newRow = [&] {
        if (column != 0) {
            column = 0;
            ++row;
        }
    };
    auto fieldRow = [&](QWidget* field, Qt::Alignment alignment = {}) {
        newRow();
        auto* label = new QLabel(labelText, holder);
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, alignment);
        binding->widgets.push_back(label);
        binding->widgets.push_back(field);
        ++row;
    };

    switch (control.kind) {
    case ControlKind::Check: {
        auto* box = new QCheckBox(labelText, holder);
        binding->check = box;
        binding->widgets.push_back(box);
        if (columns > 1) {
            grid->addWidget(box, row, column);
            if (++column >= columns) {
                column = 0;
                ++row;
            }
        } else {
            grid->setRowStretch(row, 1);
            m_listGrids.insert(grid);
            grid->addWidget(box, row++, 0, 1, 3);
        }
        connect(box, &QCheckBox::clicked, this, [this, key] { controlChanged(key); });
        break;
    }
    case ControlKind::Text:
    case ControlKind::Password:
    case ControlKind::Path: {
        auto* edit = new QLineEdit(holder);
        edit->setMinimumWidth(220);
        if (control.kind == ControlKind::Password)
            edit->setEchoMode(QLineEdit::Password);
        binding->edit = edit;
        fieldRow(edit);
        if (control.kind == ControlKind::Path) {
            auto* browse = new QPushButton(uiText("confui.button.browse", lang), holder);
            grid->addWidget(browse, row - 1, 2);
            binding->widgets.push_back(browse);
            connect(browse, &QPushButton::clicked, this, [this, edit, key] {
                const QString chosen =
                    m_host.environment->pickFolder(this, trimBlanks(edit->text(), true));
                if (chosen.isEmpty())
                    return;
                edit->setText(chosen);
                controlChanged(key);
            });
        }
        connect(edit, &QLineEdit::textEdited, this, [this, key] { controlChanged(key); });
        break;
    }
    case ControlKind::Number: {
        auto* edit = new QLineEdit(holder);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) +
                            16);
        binding->edit = edit;
        fieldRow(edit, Qt::AlignLeft);
        connect(edit, &QLineEdit::textEdited, this, [this, key] { controlChanged(key); });
        break;
    }
    case ControlKind::PurgeDays: {
        newRow();
        auto* box = new QCheckBox(labelText, holder);
        auto* edit = new QLineEdit(holder);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
        // The number belongs to the check box's sentence ("Purge after ... days").
        edit->setAccessibleName(withoutAccessKey(labelText));
        binding->check = box;
        binding->edit = edit;
        binding->widgets = {box, edit};
        grid->addWidget(box, row, 0);
        grid->addWidget(edit, row, 1, Qt::AlignLeft);
        ++row;
        connect(box, &QCheckBox::clicked, this, [this, key] { controlChanged(key); });
        connect(edit, &QLineEdit::textEdited, this, [this, key] { controlChanged(key); });
        break;
    }
    case ControlKind::Combo:
    case ControlKind::ActionCombo:
    case ControlKind::OutboundActionCombo: {
        auto* combo = new QComboBox(holder);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        if (control.kind == ControlKind::ActionCombo) {
            for (int position = 0; position < kActionCount; ++position) {
                const int value = actionValueAt(position);
                combo->addItem(uiText(actionTextId(value), lang), value);
            }
        } else if (control.kind == ControlKind::OutboundActionCombo && !control.items.empty()) {
            for (const ComboItem& item : control.items)
                combo->addItem(uiText(item.textId, lang), item.value);
        } else if (control.kind == ControlKind::OutboundActionCombo) {
            for (int position = 0; position < kOutboundActionCount; ++position)
                combo->addItem(uiText(outboundActionTextId(position), lang), position);
        } else if (stringCombo(control)) {
            for (const ComboItem& item : control.items)
                combo->addItem(uiText(item.textId, lang), toQ(item.stringValue));
        } else {
            for (const ComboItem& item : control.items)
                combo->addItem(uiText(item.textId, lang), item.value);
        }
        binding->combo = combo;
        fieldRow(combo, Qt::AlignLeft);
        connect(combo, &QComboBox::activated, this, [this, key] { controlChanged(key); });
        break;
    }
    case ControlKind::List: {
        newRow();
        auto listBinding =
            std::make_unique<ListBinding>(control.key, control.entryDialog, control.listKind);
        auto* label = new QLabel(labelText, holder);
        label->setTextFormat(Qt::PlainText);
        auto* box = new ListBox(*listBinding, *m_host.environment, holder);
        attachListTransfer(*box, *m_host.environment);
        label->setBuddy(box->view());
        // Screen readers look for a label beside the view; this one is a
        // level up, so the view carries its name itself.
        box->view()->setAccessibleName(withoutAccessKey(labelText));
        grid->addWidget(label, row++, 0, 1, 3);
        grid->setRowStretch(row, 1);
        m_listGrids.insert(grid);
        grid->addWidget(box, row++, 0, 1, 3);
        binding->list = box;
        binding->listBinding = listBinding.get();
        binding->widgets = {label, box};
        m_lists.push_back(std::move(listBinding));
        connect(box, &ListBox::changed, this, [this, key] { controlChanged(key); });
        break;
    }
    case ControlKind::ExcludeButton:
    case ControlKind::AddCommonButton:
    case ControlKind::EditorButton: {
        auto* button = new QPushButton(labelText, holder);
        binding->button = button;
        binding->widgets.push_back(button);
        QLayoutItem* left = control.sameRow && row > 0 ? grid->itemAtPosition(row - 1, 0) : nullptr;
        auto* leftButton = left ? qobject_cast<QPushButton*>(left->widget()) : nullptr;
        auto* buttonRow = left ? dynamic_cast<QHBoxLayout*>(left->layout()) : nullptr;
        if (leftButton || buttonRow) {
            // Buttons in one row stand side by side at their own width.
            if (!buttonRow) {
                grid->removeWidget(leftButton);
                buttonRow = new QHBoxLayout;
                buttonRow->addWidget(leftButton);
                buttonRow->addStretch(1);
                grid->addLayout(buttonRow, row - 1, 0, 1, 3);
            }
            buttonRow->insertWidget(buttonRow->count() - 1, button);
        } else if (control.sameRow && row > 0) {
            // The control to the left gives up the button's column, so a
            // long checkbox text is not drawn under the button.
            if (left && left->widget()) {
                QWidget* widget = left->widget();
                int r = 0, c = 0, rowSpan = 0, columnSpan = 0;
                grid->getItemPosition(grid->indexOf(widget), &r, &c, &rowSpan, &columnSpan);
                if (c + columnSpan > 2) {
                    grid->removeWidget(widget);
                    grid->addWidget(widget, r, c, rowSpan, 2 - c);
                }
            }
            grid->addWidget(button, row - 1, 2);
        } else {
            newRow();
            grid->addWidget(button, row++, 0, 1, 3, Qt::AlignLeft);
        }
        const Control* source = &control;
        connect(button, &QPushButton::clicked, this, [this, source] {
            if (source->kind == ControlKind::ExcludeButton) {
                openExclusions(*source);
            } else if (source->kind == ControlKind::AddCommonButton) {
                const DefaultList* items = catalogue().defaultList(source->defaultList);
                if (ListBox* box = listFor(source->target); box && items)
                    box->addMissing(items->items);
            } else {
                openEditor(*source);
            }
        });
        break;
    }
    case ControlKind::Label: {
        newRow();
        auto* label = new QLabel(labelText, holder);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        grid->addWidget(label, row++, 0, 1, 3);
        binding->widgets.push_back(label);
        break;
    }
    case ControlKind::Group:
    case ControlKind::EndGroup:
        return;
    }

    QString tip;
    if (control.isBound())
        tip = uiText("confui.tooltipKey", lang).arg(toQ(control.key));
    else if (control.kind == ControlKind::ExcludeButton) {
        QStringList keys;
        for (const std::string& k : exclusionKeys(control.stem, control.shape))
            keys << toQ(k);
        tip = uiText("confui.tooltipKey", lang).arg(keys.join(QStringLiteral(", ")));
    }
    if (control.isBound())
        tip += QLatin1Char('\n') + m_defaults->defaultTip(control, binding->combo);
    if (!tip.isEmpty())
        for (QWidget* widget : binding->widgets)
            widget->setToolTip(tip.toHtmlEscaped());
    addDefaultMarks(*binding);
    m_bindings.push_back(std::move(binding));
}

void ConfigPage::load()
{
    m_filling = true;
    config::ConfigStore& configStore = store();
    for (auto& bindingPtr : m_bindings) {
        Binding& binding = *bindingPtr;
        const Control& control = *binding.control;
        if (control.isLocal()) {
            const auto it = m_host.sheetValues->find(control.key);
            if (it != m_host.sheetValues->end())
                setValue(control.key, it->second);
            continue;
        }
        if (!control.isBound())
            continue;
        switch (control.kind) {
        case ControlKind::Check:
            binding.check->setChecked(configStore.getBool(control.key));
            break;
        case ControlKind::Text:
        case ControlKind::Password:
        case ControlKind::Path: {
            binding.loadedBytes = configStore.getString(control.key);
            if (control.kind == ControlKind::Path)
                binding.loadedBytes = trimBlanks(binding.loadedBytes);
            binding.loadedText = fromConfigBytes(binding.loadedBytes);
            binding.edit->setText(binding.loadedText);
            break;
        }
        case ControlKind::Number:
            binding.loadedText = QString::number(configStore.getInt(control.key));
            binding.edit->setText(binding.loadedText);
            break;
        case ControlKind::PurgeDays: {
            const int days = configStore.getInt(control.key);
            binding.check->setChecked(days != 0 && configStore.getBool(control.switchKey));
            binding.loadedText = QString::number(days == 0 ? 30 : days);
            binding.edit->setText(binding.loadedText);
            break;
        }
        case ControlKind::Combo:
        case ControlKind::ActionCombo:
        case ControlKind::OutboundActionCombo: {
            FieldValue stored;
            const auto entry = configStore.find(control.key);
            binding.boolKey = entry && entry->kind == config::ValueKind::Bool;
            if (control.kind == ControlKind::Combo && stringCombo(control))
                stored.text = configStore.getString(control.key);
            else if (binding.boolKey)
                stored.number = configStore.getBool(control.key) ? 1 : 0;
            else
                stored.number = configStore.getInt(control.key);
            setValue(control.key, stored);
            break;
        }
        case ControlKind::List:
            binding.listBinding->load(configStore);
            binding.list->refill();
            break;
        default:
            break;
        }
    }
    m_filling = false;
    if (m_hooks && m_hooks->loaded) {
        m_filling = true;
        m_hooks->loaded(*this);
        m_filling = false;
    }
    updateEnabling();
    updateDefaultMarks();
    setModified(false);
}

ConfigPage::Binding* ConfigPage::bindingFor(std::string_view key) const
{
    for (const auto& binding : m_bindings)
        if (binding->control->key == key)
            return binding.get();
    return nullptr;
}

QWidget* ConfigPage::widgetFor(std::string_view key) const
{
    Binding* binding = bindingFor(key);
    if (!binding)
        return nullptr;
    if (binding->check)
        return binding->check;
    if (binding->edit)
        return binding->edit;
    if (binding->combo)
        return binding->combo;
    return binding->list;
}

QLineEdit* ConfigPage::numberFieldFor(std::string_view key) const
{
    Binding* binding = bindingFor(key);
    return binding ? binding->edit : nullptr;
}

ListBox* ConfigPage::listFor(std::string_view key) const
{
    Binding* binding = bindingFor(key);
    return binding ? binding->list : nullptr;
}

QPushButton* ConfigPage::buttonFor(const std::string& name) const
{
    for (const auto& binding : m_bindings) {
        const Control& control = *binding->control;
        if (binding->button && (control.stem == name || control.target == name))
            return binding->button;
    }
    return nullptr;
}

QWidget* ConfigPage::labelWidgetFor(std::string_view key) const
{
    Binding* binding = bindingFor(key);
    if (!binding || binding->widgets.empty())
        return nullptr;
    QWidget* first = binding->widgets.front();
    return qobject_cast<QLabel*>(first) || qobject_cast<QCheckBox*>(first) ? first : nullptr;
}

void ConfigPage::addDefaultMarks(Binding& binding)
{
    const Control& control = *binding.control;
    if (!control.isBound() || !store().contains(control.key))
        return;
    const std::string key = control.key;
    std::function<void()> show;
    if (m_host.environment->showInAllSettings)
        show = [this, key] { m_host.environment->showInAllSettings(this, key); };
    for (QWidget* widget : binding.widgets)
        m_defaults->addResetAction(
            widget, [this, key] { resetToDefault(key); }, show);
}

void ConfigPage::updateDefaultMarks()
{
    for (const auto& binding : m_bindings) {
        const Control& control = *binding->control;
        if (!control.isBound())
            continue;
        const bool changed = m_defaults->differs(
            control, value(control.key),
            binding->listBinding ? binding->listBinding->values() : std::vector<std::string>{});
        PageDefaults::markChanged(labelWidgetFor(control.key), changed);
    }
}

void ConfigPage::resetToDefault(std::string_view key)
{
    Binding* binding = bindingFor(key);
    if (!binding || !m_defaults || !binding->control->isBound())
        return;
    const Control& control = *binding->control;
    const auto entry = store().find(control.key);
    if (!entry)
        return;
    if (binding->listBinding) {
        const std::vector<std::string> items = config::listItemTexts(entry->defaultValue);
        binding->listBinding->assign(items, std::vector<std::string>(items.size()));
        binding->list->refill();
    } else {
        const FieldValue fallback = m_defaults->defaultValue(control);
        m_filling = true;
        setValue(control.key, fallback);
        if (control.kind == ControlKind::PurgeDays) {
            binding->check->setChecked(fallback.flag);
            if (!fallback.flag)
                binding->edit->setText(QStringLiteral("30")); // what an empty period shows
        }
        m_filling = false;
    }
    controlChanged(control.key);
}

void ConfigPage::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged();
    if (m_host.modified)
        m_host.modified();
}

void ConfigPage::controlChanged(const std::string& key)
{
    if (m_filling)
        return;
    setModified(true);
    updateEnabling();
    if (m_hooks && m_hooks->changed)
        m_hooks->changed(*this, key);
    updateDefaultMarks();
}

void ConfigPage::updateEnabling()
{
    for (const auto& binding : m_bindings) {
        const Control& control = *binding->control;
        if (control.enabler.empty())
            continue;
        Binding* enabler = bindingFor(control.enabler);
        bool on = false;
        if (enabler && enabler->check)
            on = enabler->check->isChecked() && enabler->check->isEnabled();
        else if (enabler && enabler->combo && enabler->combo->isEnabled()) {
            const QVariant chosen = enabler->combo->currentData();
            on = std::find(control.enablerValues.begin(), control.enablerValues.end(),
                           chosen.toInt()) != control.enablerValues.end();
        }
        for (QWidget* widget : binding->widgets)
            widget->setEnabled(on);
    }
}

bool ConfigPage::focusAndRefuse(Binding& binding, const QString& text)
{
    showMessage(this, MessageKind::Refused, text);
    if (QWidget* widget = widgetFor(binding.control->key))
        widget->setFocus();
    return false;
}

bool ConfigPage::readBack()
{
    if (!m_loaded)
        return true;
    const int lang = language();
    for (auto& bindingPtr : m_bindings) {
        Binding& binding = *bindingPtr;
        const Control& control = *binding.control;
        const bool enabled = binding.widgets.empty() || binding.widgets.front()->isEnabled();
        const config::ValueRule rule = ruleOf(control);
        // A greyed field cannot be corrected, so content its check would
        // refuse gives way to the value the field was loaded with.
        if (isTextKind(control.kind) && !enabled &&
            !checkFailure(binding.edit->text(), rule.check, lang).isEmpty())
            binding.edit->setText(binding.loadedText);
        if (isTextKind(control.kind) && enabled) {
            if (!checkStorable(this, binding.edit, binding.loadedBytes, lang) ||
                !checkField(this, binding.edit, rule.check, lang))
                return false;
            const QString path = trimBlanks(binding.edit->text(), true);
            if (rule.check == FieldCheck::Directory && !path.isEmpty() &&
                path != binding.loadedText && store().getBool("AdminCheckDir") &&
                !m_host.environment->directoryExists(toConfigBytes(path))) {
                const QString question = uiText("confui.directoryNotFound", lang).arg(path) +
                                         QLatin1Char('\n') + uiText("confui.continue", lang);
                if (!askYesNo(this, question)) {
                    binding.edit->setFocus();
                    return false;
                }
            }
        }
        if ((control.kind == ControlKind::Number || control.kind == ControlKind::PurgeDays) &&
            binding.edit->text() != binding.loadedText &&
            !(control.kind == ControlKind::PurgeDays && !binding.check->isChecked()) &&
            rule.range) {
            // A ticked purge box needs a period: 0 is what the unticked box writes.
            config::NumberRange range = *rule.range;
            range.offAllowed = false;
            const config::ValueCheck check =
                config::checkNumber(range, toStd(binding.edit->text()));
            if (!check.ok()) {
                if (!enabled) {
                    binding.edit->setText(binding.loadedText);
                    continue;
                }
                showMessage(this, MessageKind::Refused,
                            toQ(config::valueCheckMessage(check, lang)));
                binding.edit->setFocus();
                binding.edit->selectAll();
                return false;
            }
        }
        if (control.kind == ControlKind::ActionCombo &&
            binding.combo->currentData().toInt() == kJunkFolderAction &&
            !m_host.environment->addOnInstalled()) {
            return focusAndRefuse(binding, uiText("confui.addOnRequired", lang));
        }
    }
    if (m_hooks && m_hooks->validate && !m_hooks->validate(*this))
        return false;
    return true;
}

void ConfigPage::writeTo(config::ConfigStore& target)
{
    if (m_loaded)
        write(target, false);
}

void ConfigPage::write(config::ConfigStore& configStore, bool sheetValuesToo)
{
    for (auto& bindingPtr : m_bindings) {
        Binding& binding = *bindingPtr;
        const Control& control = *binding.control;
        if (control.isLocal()) {
            if (sheetValuesToo)
                (*m_host.sheetValues)[control.key] = value(control.key);
            continue;
        }
        if (!control.isBound())
            continue;
        switch (control.kind) {
        case ControlKind::Check:
            configStore.setBool(control.key, binding.check->isChecked());
            break;
        case ControlKind::Text:
        case ControlKind::Password:
        case ControlKind::Path: {
            QString current = binding.edit->text();
            if (control.kind == ControlKind::Path)
                current = trimBlanks(current, false);
            configStore.setString(control.key, current == binding.loadedText
                                                   ? binding.loadedBytes
                                                   : toConfigBytes(current));
            break;
        }
        case ControlKind::Number:
            configStore.setInt(control.key, binding.edit->text().trimmed().toInt());
            break;
        case ControlKind::PurgeDays: {
            const bool on = binding.check->isChecked() && binding.check->isEnabled();
            configStore.setInt(control.key, on ? binding.edit->text().trimmed().toInt() : 0);
            break;
        }
        case ControlKind::Combo:
        case ControlKind::ActionCombo:
        case ControlKind::OutboundActionCombo: {
            const QVariant itemData = binding.combo->currentData();
            if (control.kind == ControlKind::Combo && stringCombo(control))
                configStore.setString(control.key, toConfigBytes(binding.combo->currentIndex() ==
                                                                         binding.equivalentIndex
                                                                     ? binding.equivalentText
                                                                     : itemData.toString()));
            else if (binding.boolKey)
                configStore.setBool(control.key, itemData.toInt() != 0);
            else
                configStore.setInt(control.key, itemData.toInt());
            break;
        }
        case ControlKind::List:
            binding.listBinding->save(configStore);
            break;
        default:
            break;
        }
    }
}

ConfigPage::SaveResult ConfigPage::save()
{
    if (!m_loaded)
        ensureLoaded();
    if (!readBack())
        return SaveResult::Refused;
    write(store(), true);
    if (m_hooks && m_hooks->saved && !m_hooks->saved(*this))
        return SaveResult::Refused;
    // The sheet reports a failed save, once however many pages failed.
    const FileSaveResult saved = m_host.saveFile                           ? m_host.saveFile()
                                 : store().save({caption().toStdString()}) ? FileSaveResult::Saved
                                                                           : FileSaveResult::Failed;
    if (saved == FileSaveResult::Cancelled)
        return SaveResult::Refused;
    setModified(false);
    return saved == FileSaveResult::Saved ? SaveResult::Saved : SaveResult::SaveFailed;
}

void ConfigPage::openExclusions(const Control& control)
{
    Cwm_ExclPropSheet sheet(*m_host.environment, control.stem, control.shape, this);
    m_host.environment->runDialog(sheet);
}

FieldValue ConfigPage::value(std::string_view key) const
{
    FieldValue result;
    Binding* binding = bindingFor(key);
    if (!binding)
        return result;
    if (binding->check)
        result.flag = binding->check->isChecked();
    if (binding->edit) {
        result.text = toConfigBytes(binding->edit->text());
        result.number = binding->edit->text().trimmed().toInt();
    }
    if (binding->combo) {
        const QVariant itemData = binding->combo->currentData();
        if (itemData.typeId() == QMetaType::QString)
            result.text = toConfigBytes(itemData.toString());
        else
            result.number = itemData.toInt();
    }
    return result;
}

void ConfigPage::setValue(std::string_view key, const FieldValue& newValue)
{
    Binding* binding = bindingFor(key);
    if (!binding)
        return;
    const Control& control = *binding->control;
    if (binding->check && control.kind == ControlKind::Check)
        binding->check->setChecked(newValue.flag);
    if (binding->edit) {
        if (control.kind == ControlKind::Number || control.kind == ControlKind::PurgeDays)
            binding->edit->setText(QString::number(newValue.number));
        else
            binding->edit->setText(fromConfigBytes(newValue.text));
    }
    if (binding->combo) {
        QComboBox* combo = binding->combo;
        const bool text = control.kind == ControlKind::Combo && stringCombo(control);
        const QVariant wanted =
            text ? QVariant(fromConfigBytes(newValue.text)) : QVariant(newValue.number);
        int index = combo->findData(wanted);
        binding->equivalentIndex = -1;
        if (index < 0 && text && control.equivalentItem) {
            index = combo->findData(toQ(control.equivalentItem(newValue.text)));
            if (index >= 0) {
                binding->equivalentIndex = index;
                binding->equivalentText = wanted.toString();
            }
        }
        if (index < 0) {
            // A value the page does not know stays selectable, so saving
            // writes it back unchanged; an action code keeps its name.
            const bool actionCode = control.kind == ControlKind::OutboundActionCombo &&
                                    !control.items.empty() && newValue.number >= 0 &&
                                    newValue.number < kActionCount;
            combo->addItem(
                actionCode ? uiText("confui.action." + std::to_string(newValue.number), language())
                           : uiText("confui.unknownValue", language())
                                 .arg(text ? wanted.toString() : QString::number(newValue.number)),
                wanted);
            index = combo->count() - 1;
        }
        combo->setCurrentIndex(index);
    }
    if (!m_filling) {
        setModified(true);
        updateEnabling();
        updateDefaultMarks();
    }
}

std::vector<std::string> ConfigPage::listValues(std::string_view key) const
{
    Binding* binding = bindingFor(key);
    if (!binding || !binding->listBinding)
        return {};
    return binding->listBinding->values();
}

void ConfigPage::setEnabled(std::string_view key, bool enabled)
{
    if (Binding* binding = bindingFor(key))
        for (QWidget* widget : binding->widgets)
            widget->setEnabled(enabled);
}

void ConfigPage::setCaption(std::string_view textId)
{
    m_captionId = std::string(textId);
}

void ConfigPage::message(MessageKind kind, const std::string& text)
{
    showMessage(this, kind, toQ(text));
}

bool ConfigPage::ask(const std::string& question)
{
    return askYesNo(this, toQ(question));
}

} // namespace morva::confui

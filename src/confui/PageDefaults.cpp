#include "confui/PageDefaults.h"

#include "config/ConfigStore.h"
#include "confui/QtTexts.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <variant>

namespace morva::confui {

const char* const PageDefaults::kResetTextId = "confui.resetToDefault";
const char* const PageDefaults::kShowInBrowserTextId = "browser.showInAllSettings";

namespace {

bool isTextKind(ControlKind kind)
{
    return kind == ControlKind::Text || kind == ControlKind::Path || kind == ControlKind::Password;
}

bool stringItems(const Control& control)
{
    for (const ComboItem& item : control.items)
        if (!item.stringValue.empty())
            return true;
    return false;
}

std::string trimmedBlanks(const std::string& text)
{
    const auto start = text.find_first_not_of(' ');
    if (start == std::string::npos)
        return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

} // namespace

PageDefaults::PageDefaults(const config::ConfigStore& store, int language)
    : m_store(store), m_language(language)
{
}

const config::ConfigValue* PageDefaults::defaultOf(const Control& control) const
{
    if (!control.isBound())
        return nullptr;
    if (const auto known = m_defaults.find(control.key); known != m_defaults.end())
        return &known->second;
    const auto entry = m_store.find(control.key);
    if (!entry)
        return nullptr;
    return &m_defaults.emplace(control.key, entry->defaultValue).first->second;
}

FieldValue PageDefaults::defaultValue(const Control& control) const
{
    FieldValue value;
    const config::ConfigValue* fallback = defaultOf(control);
    if (!fallback)
        return value;
    if (const bool* flag = std::get_if<bool>(fallback)) {
        value.flag = *flag;
        value.number = *flag ? 1 : 0;
    } else if (const std::int32_t* number = std::get_if<std::int32_t>(fallback)) {
        value.number = *number;
        value.flag = *number != 0; // PurgeDays: 0 is off
    } else if (const std::string* text = std::get_if<std::string>(fallback)) {
        value.text = *text;
    }
    return value;
}

bool PageDefaults::differs(const Control& control, const FieldValue& current,
                           const std::vector<std::string>& items) const
{
    const config::ConfigValue* stored = defaultOf(control);
    if (!stored)
        return false;
    const FieldValue fallback = defaultValue(control);
    switch (control.kind) {
    case ControlKind::Check:
        return current.flag != fallback.flag;
    case ControlKind::Text:
    case ControlKind::Password:
        return current.text != fallback.text;
    case ControlKind::Path:
        return trimmedBlanks(current.text) != trimmedBlanks(fallback.text);
    case ControlKind::Number:
        return current.number != fallback.number;
    case ControlKind::PurgeDays:
        return (current.flag ? current.number : 0) != fallback.number;
    case ControlKind::Combo:
    case ControlKind::ActionCombo:
    case ControlKind::OutboundActionCombo:
        return control.kind == ControlKind::Combo && stringItems(control)
                   ? current.text != fallback.text
                   : current.number != fallback.number;
    case ControlKind::List:
        return items != config::listItemTexts(*stored);
    default:
        return false;
    }
}

QString PageDefaults::defaultTip(const Control& control, const QComboBox* combo) const
{
    if (!defaultOf(control))
        return {};
    const FieldValue fallback = defaultValue(control);
    QString shown;
    if (control.kind == ControlKind::Check) {
        shown =
            uiText(fallback.flag ? "confui.defaultTicked" : "confui.defaultUnticked", m_language);
    } else if (combo) {
        const QVariant wanted = control.kind == ControlKind::Combo && stringItems(control)
                                    ? QVariant(fromConfigBytes(fallback.text))
                                    : QVariant(fallback.number);
        const int index = combo->findData(wanted);
        shown = index >= 0 ? combo->itemText(index) : wanted.toString();
    } else if (control.kind == ControlKind::List || isTextKind(control.kind)) {
        shown = control.kind == ControlKind::List || fallback.text.empty()
                    ? uiText("confui.defaultEmpty", m_language)
                    : fromConfigBytes(fallback.text);
    } else {
        shown = QString::number(fallback.number);
    }
    return uiText("confui.tooltipDefault", m_language).arg(shown);
}

void PageDefaults::markChanged(QWidget* labelWidget, bool changed)
{
    if (!labelWidget || labelWidget->font().bold() == changed)
        return;
    QFont font = labelWidget->font();
    font.setBold(changed);
    labelWidget->setFont(font);
}

void PageDefaults::addResetAction(QWidget* widget, std::function<void()> reset,
                                  std::function<void()> show) const
{
    const QString text = uiText(kResetTextId, m_language);
    const QString showText = uiText(kShowInBrowserTextId, m_language);
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        widget, &QWidget::customContextMenuRequested, widget,
        [widget, text, reset, showText, show](const QPoint& at) {
            auto* edit = qobject_cast<QLineEdit*>(widget);
            QPointer<QMenu> menu = edit ? edit->createStandardContextMenu() : new QMenu(widget);
            if (edit)
                menu->addSeparator();
            QAction* action = menu->addAction(text);
            action->setEnabled(widget->isEnabled());
            QObject::connect(action, &QAction::triggered, widget, reset);
            if (show)
                QObject::connect(menu->addAction(showText), &QAction::triggered, widget, show);
            menu->exec(widget->mapToGlobal(at));
            delete menu;
        });
}

} // namespace morva::confui

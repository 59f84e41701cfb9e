#include "gui/CommandRegistry.h"

namespace morva::gui {

CommandRegistry::CommandRegistry(QObject* parent) : QObject(parent) {}

void CommandRegistry::setHandler(int commandId, Handler handler, Predicate enabled)
{
    Command& command = m_commands[commandId];
    command.handler = std::move(handler);
    command.enabled = std::move(enabled);
    emit stateChanged();
}

void CommandRegistry::removeHandler(int commandId)
{
    if (auto it = m_commands.find(commandId); it != m_commands.end()) {
        it->second.handler = {};
        it->second.enabled = {};
        it->second.textHandler = {};
        emit stateChanged();
    }
}

void CommandRegistry::setCondition(int commandId, Predicate condition)
{
    m_commands[commandId].condition = std::move(condition);
    emit stateChanged();
}

void CommandRegistry::setChecked(int commandId, Predicate checked)
{
    m_commands[commandId].checked = std::move(checked);
    emit stateChanged();
}

void CommandRegistry::setLabel(int commandId, std::function<QString()> label)
{
    m_commands[commandId].label = std::move(label);
    emit stateChanged();
}

QString CommandRegistry::label(int commandId) const
{
    const auto it = m_commands.find(commandId);
    return it != m_commands.end() && it->second.label ? it->second.label() : QString();
}

bool CommandRegistry::hasLabel(int commandId) const
{
    const auto it = m_commands.find(commandId);
    return it != m_commands.end() && it->second.label;
}

bool CommandRegistry::hasHandler(int commandId) const
{
    auto it = m_commands.find(commandId);
    return it != m_commands.end() && it->second.handler;
}

bool CommandRegistry::isEnabled(int commandId) const
{
    auto it = m_commands.find(commandId);
    if (it == m_commands.end() || !it->second.handler)
        return false;
    const Command& command = it->second;
    return (!command.condition || command.condition()) && (!command.enabled || command.enabled());
}

bool CommandRegistry::isCheckable(int commandId) const
{
    auto it = m_commands.find(commandId);
    return it != m_commands.end() && it->second.checked;
}

bool CommandRegistry::isChecked(int commandId) const
{
    auto it = m_commands.find(commandId);
    return it != m_commands.end() && it->second.checked && it->second.checked();
}

bool CommandRegistry::run(int commandId)
{
    if (!isEnabled(commandId))
        return false;
    // Copy: the handler may replace itself or others while it runs.
    Handler handler = m_commands[commandId].handler;
    handler();
    emit stateChanged();
    return true;
}

void CommandRegistry::setTextHandler(int commandId, TextHandler handler)
{
    m_commands[commandId].textHandler = std::move(handler);
}

bool CommandRegistry::runWithText(int commandId, const QString& text)
{
    if (!isEnabled(commandId))
        return false;
    TextHandler handler = m_commands[commandId].textHandler;
    if (!handler)
        return run(commandId);
    handler(text);
    emit stateChanged();
    return true;
}

void CommandRegistry::notifyStateChanged()
{
    emit stateChanged();
}

} // namespace morva::gui

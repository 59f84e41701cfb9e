#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <unordered_map>

namespace morva::gui {

// The console's commands by id (resources/CommandIds.h). Menu entries,
// toolbar buttons and accelerators only name an id; whoever builds a feature
// registers its handler here, so a later dialog is wired without touching the
// window. A command without a handler is disabled, so no entry is a dead
// click. GUI thread only.
class CommandRegistry : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using Predicate = std::function<bool()>;

    explicit CommandRegistry(QObject* parent = nullptr);

    // Registers (or replaces) the handler of `commandId`. `enabled`, when
    // given, is asked whenever the window updates its commands.
    void setHandler(int commandId, Handler handler, Predicate enabled = {});
    void removeHandler(int commandId);
    // A condition of the command itself, kept apart from its handler: the
    // application's flags (a log view exists, the service may be controlled)
    // hold whoever wires the handler.
    void setCondition(int commandId, Predicate condition);
    // Makes the command a check item whose mark follows `checked`.
    void setChecked(int commandId, Predicate checked);
    // A label that replaces the menu's while `label` gives a non-empty text
    // (Undo names what it would undo).
    void setLabel(int commandId, std::function<QString()> label);
    // The label of the command now; empty: the menu's own.
    QString label(int commandId) const;
    bool hasLabel(int commandId) const;

    bool hasHandler(int commandId) const;
    bool isEnabled(int commandId) const;
    bool isCheckable(int commandId) const;
    bool isChecked(int commandId) const;

    // Runs the handler when the command is enabled; false otherwise.
    bool run(int commandId);

    // A command that also takes a text (the toolbar's settings search runs
    // "All Settings" with what was typed). run() hands it an empty text.
    using TextHandler = std::function<void(const QString& text)>;
    void setTextHandler(int commandId, TextHandler handler);
    // Runs the command's text handler (or, without one, its handler) when
    // the command is enabled; false otherwise.
    bool runWithText(int commandId, const QString& text);

    // Asks the window to update enabled states and check marks now (for
    // example after a flag changed).
    void notifyStateChanged();

signals:
    void stateChanged();

private:
    struct Command
    {
        Handler handler;
        Predicate enabled;
        Predicate checked;
        Predicate condition;
        TextHandler textHandler;
        std::function<QString()> label;
    };
    std::unordered_map<int, Command> m_commands;
};

} // namespace morva::gui

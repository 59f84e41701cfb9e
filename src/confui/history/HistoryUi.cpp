#include "confui/history/HistoryUi.h"

#include "config/ConfigStore.h"
#include "config/FileHistory.h"
#include "confui/SaveFailureText.h"
#include "confui/history/HistoryWindow.h"
#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/ConsoleHost.h"
#include "gui/FeatureSetup.h"
#include "gui/MessageBox.h"
#include "gui/Text.h"
#include "resources/CommandIds.h"

#include <QPointer>
#include <QTimer>
#include <optional>

namespace morva::confui {

namespace {

// Stands between the store and its history: every save of this console
// passes here, so the console knows which save was its own.
class ConsoleSaves final : public QObject, public config::SaveHook
{
public:
    explicit ConsoleSaves(const gui::FeatureSetup& console)
        : QObject(&console.commands), m_commands(console.commands),
          m_environment(console.environment), m_host(console.host)
    {
        store().setSaveHook(this);
    }
    ~ConsoleSaves() override { store().setSaveHook(&history()); }

    void beforeReplace(const std::string& path, const std::function<std::string()>& newText,
                       const config::SaveOrigin& origin) override
    {
        history().beforeReplace(path, newText, origin);
        m_pendingId = history().lastKeptId();
        m_saved.reset();
        // After the save is over (the store holds its lock now).
        QTimer::singleShot(0, this, [this] {
            settle();
            reportProblem();
            m_commands.notifyStateChanged();
        });
    }

    bool canUndo()
    {
        settle();
        if (!m_saved)
            return false;
        const platform::FileStat now = m_environment.services().fileSystem.stat(store().fileName());
        if (!now.exists || now.lastWriteNs != m_saved->stamp.lastWriteNs ||
            now.size != m_saved->stamp.size)
            return false;
        const auto entries = history().entries(config::baseNameOf(store().fileName()));
        return !entries.empty() && entries.back().id == m_saved->keptId;
    }

    void undo()
    {
        if (!canUndo())
            return;
        std::string bytes;
        const std::string fileName(config::baseNameOf(store().fileName()));
        if (!history().read(fileName, m_saved->keptId, &bytes) ||
            !store().saveText(bytes, {"undo"})) {
            gui::MessageBox::show(m_host.parentWindow(), gui::MessageKind::Failure,
                                  gui::toQString(saveFailureText(store(), language())));
        }
        m_commands.notifyStateChanged();
    }

    void openWindow()
    {
        HistoryWindow window(store(), history(), m_environment.services().fileSystem, language(),
                             m_host.parentWindow());
        window.setDataSet(m_environment.dataSet());
        window.exec();
        m_commands.notifyStateChanged();
    }

private:
    struct OwnSave
    {
        std::string keptId;
        config::FileStamp stamp;
    };

    config::ConfigStore& store() { return m_environment.configStore(); }
    config::FileHistory& history() { return m_environment.configHistory(); }
    int language() const { return m_environment.languageIndex(); }

    // Once the save that passed the hook is over: when it replaced the file,
    // the store's stamp is that of the file it wrote.
    void settle()
    {
        if (!m_pendingId)
            return;
        const auto status = store().lastSaveStatus();
        const auto stamps = store().fileStamps();
        if (!m_pendingId->empty() && stamps.size() == 1 &&
            (status == config::SaveStatus::Ok || status == config::SaveStatus::SavedNotDurable))
            m_saved = OwnSave{*m_pendingId, stamps.front()};
        m_pendingId.reset();
    }

    void reportProblem()
    {
        switch (history().takeUnreportedProblem()) {
        case config::HistoryProblem::None:
            return;
        case config::HistoryProblem::TooLarge:
            gui::MessageBox::show(
                m_host.parentWindow(), gui::MessageKind::Notice,
                gui::uiText("history.tooLarge", language(),
                            {gui::toQString(config::baseNameOf(store().fileName()))}));
            return;
        case config::HistoryProblem::WriteFailed:
            gui::MessageBox::show(m_host.parentWindow(), gui::MessageKind::Failure,
                                  gui::uiText("history.writeFailed", language(),
                                              {gui::toQString(history().directory()),
                                               QString::fromLatin1(platform::fileErrorName(
                                                   history().problemError()))}));
            return;
        }
    }

    gui::CommandRegistry& m_commands;
    gui::AppEnvironment& m_environment;
    gui::ConsoleHost& m_host;
    std::optional<std::string> m_pendingId; // set by the hook until the save is over
    std::optional<OwnSave> m_saved;
};

} // namespace

void installConfigHistory(const gui::FeatureSetup& console)
{
    auto* saves = new ConsoleSaves(console);
    QPointer<ConsoleSaves> guard(saves);
    console.commands.setHandler(command::ConfigurationHistory, [guard] {
        if (guard)
            guard->openWindow();
    });
    console.commands.setHandler(
        command::Undo,
        [guard] {
            if (guard)
                guard->undo();
        },
        [guard] { return guard && guard->canUndo(); });
    console.commands.setLabel(command::Undo, [guard, &environment = console.environment] {
        return guard && guard->canUndo()
                   ? gui::uiText("history.undoLabel", environment.languageIndex())
                   : QString();
    });
}

} // namespace morva::confui

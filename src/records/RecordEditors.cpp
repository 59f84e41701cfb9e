#include "records/RecordEditors.h"

#include "config/ConfigStore.h"
#include "config/FileHistory.h"
#include "db/CertificateSettings.h"
#include "db/DataSet.h"
#include "gui/AppEnvironment.h"
#include "gui/CommandRegistry.h"
#include "gui/ConsoleHost.h"
#include "gui/FeatureSetup.h"
#include "records/Cwm_AliasListDlg.h"
#include "records/Cwm_BlockListDlg.h"
#include "records/Cwm_PairedListDlg.h"
#include "records/Cwm_RouteListDlg.h"
#include "records/Cwm_UserListDlg.h"
#include "records/RecordTransferActions.h"
#include "resources/CommandIds.h"

namespace morva::records {

namespace c = morva::command;

RecordEditors::RecordEditors(const gui::FeatureSetup& setup)
    : m_commands(setup.commands), m_environment(setup.environment), m_host(setup.host),
      m_feedback(&setup.host)
{
    registerCommands();
}

RecordEditors::~RecordEditors()
{
    closeDataSet();
}

void RecordEditors::createDataSet()
{
    gui::AppEnvironment& environment = m_environment;
    const auto& services = environment.services();
    m_dataSet =
        std::make_unique<db::DataSet>(services.fileSystem, services.clock, environment.programDir(),
                                      db::certificateSettingsFrom(environment.configStore()),
                                      &m_feedback, environment.languageIndex());
    // Each record file is kept in the history of saves before its first
    // change of an editing session.
    m_dataSet->setHistory(&environment.configHistory());
    environment.setDataSet(m_dataSet.get());
}

void RecordEditors::closeDataSet()
{
    // Records still open in an editor are written by the data set's own
    // close; nothing is open once the main window closes.
    if (m_dataSet && m_environment.dataSet() == m_dataSet.get())
        m_environment.setDataSet(nullptr);
    m_dataSet.reset();
}

RecordContext RecordEditors::context() const
{
    RecordContext context;
    context.dataSet = m_dataSet.get();
    context.store = &m_environment.configStore();
    context.language = m_environment.languageIndex();
    context.host = &m_host;
    if (m_dataSet)
        m_dataSet->setLanguage(context.language);
    return context;
}

int RecordEditors::openForwardingList(QWidget* parent)
{
    if (!m_dataSet)
        return -1;
    Cwm_AliasListDlg dialog(context(), parent);
    attachRecordTransfer(dialog, db::RecordTable::Alias, context());
    return dialog.run();
}

int RecordEditors::openBlockingList(QWidget* parent)
{
    if (!m_dataSet)
        return -1;
    Cwm_BlockListDlg dialog(context(), parent);
    attachRecordTransfer(dialog, db::RecordTable::Block, context());
    return dialog.run();
}

int RecordEditors::openExchangeUserList(QWidget* parent)
{
    if (!m_dataSet)
        return -1;
    Cwm_UserListDlg dialog(context(), parent);
    attachRecordTransfer(dialog, db::RecordTable::User, context());
    return dialog.run();
}

int RecordEditors::openRouteList(QWidget* parent, const std::string& key)
{
    Cwm_RouteListDlg dialog(context(), key, parent);
    return dialog.run();
}

void RecordEditors::registerCommands()
{
    gui::CommandRegistry& table = m_commands;
    auto window = [this]() -> QWidget* { return m_host.parentWindow(); };
    table.setHandler(c::Forwarding, [this, window] { openForwardingList(window()); });
    table.setHandler(c::SmtpBlocking, [this, window] { openBlockingList(window()); });
    table.setHandler(c::ExchangeAddresses, [this, window] { openExchangeUserList(window()); });
    const struct
    {
        int command;
        const PairedListKind& (*kind)();
        bool rewrite;
    } grids[] = {
        {c::TranslateDomain, translateDomainList, false},
        {c::TranslateMailbox, translateMailboxList, false},
        {c::TranslateDomainToAddress, translateDomainToAddressList, false},
        {c::RewriteDomain, rewriteDomainList, true},
        {c::RewriteMailbox, rewriteMailboxList, true},
    };
    for (const auto& grid : grids) {
        table.setHandler(grid.command, [this, window, kind = grid.kind, rewrite = grid.rewrite] {
            if (rewrite) {
                Cwm_RewriteListDlg dialog(context(), kind(), window());
                dialog.run();
            } else {
                Cwm_TransListDlg dialog(context(), kind(), window());
                dialog.run();
            }
        });
    }
}

} // namespace morva::records

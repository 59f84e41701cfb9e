#pragma once

#include "records/GuiDataSetFeedback.h"
#include "records/RecordContext.h"

#include <memory>
#include <string>

class QWidget;

namespace morva::app {
class ConsoleApp;
}
namespace morva::db {
class DataSet;
}

namespace morva::records {

// Wires the record editors into the console: creates the data set at
// start-up (and closes it with the main window), registers the commands of
// the forwarding, blocking and Exchange lists, the Exchange domain list and
// the translation and rewrite grids, and the first-run domain list. Lives as
// long as the application object.
class RecordEditors
{
public:
    explicit RecordEditors(app::ConsoleApp& app);
    ~RecordEditors();
    RecordEditors(const RecordEditors&) = delete;
    RecordEditors& operator=(const RecordEditors&) = delete;

    db::DataSet* dataSet() const { return m_dataSet.get(); }
    // The context dialogs open with: the current language and the window.
    RecordContext context() const;

    int openForwardingList(QWidget* parent);
    int openBlockingList(QWidget* parent);
    int openExchangeUserList(QWidget* parent);
    int openExchangeDomainList(QWidget* parent);
    // The routing grid over `key` (SMTPStaticRoute, ExchStaticRoute).
    int openRouteList(QWidget* parent, const std::string& key);

private:
    void createDataSet();
    void closeDataSet();
    void registerCommands();

    app::ConsoleApp& m_app;
    GuiDataSetFeedback m_feedback;
    std::unique_ptr<db::DataSet> m_dataSet;
};

} // namespace morva::records

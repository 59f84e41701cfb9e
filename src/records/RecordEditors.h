#pragma once

#include "records/GuiDataSetFeedback.h"
#include "records/RecordContext.h"

#include <memory>
#include <string>

class QWidget;

namespace morva::gui {
class AppEnvironment;
class CommandRegistry;
class ConsoleHost;
struct FeatureSetup;
} // namespace morva::gui
namespace morva::db {
class DataSet;
}

namespace morva::records {

// Wires the record editors into the console: registers the commands of the
// forwarding, blocking and Exchange user lists and the translation and
// rewrite grids. The program creates the data set at start-up and closes it
// with the main window.
// Lives as long as the application object.
class RecordEditors
{
public:
    explicit RecordEditors(const gui::FeatureSetup& setup);
    ~RecordEditors();
    RecordEditors(const RecordEditors&) = delete;
    RecordEditors& operator=(const RecordEditors&) = delete;

    db::DataSet* dataSet() const { return m_dataSet.get(); }
    // The context dialogs open with: the current language and the window.
    RecordContext context() const;

    int openForwardingList(QWidget* parent);
    int openBlockingList(QWidget* parent);
    int openExchangeUserList(QWidget* parent);
    // The routing grid over `key` (SMTPStaticRoute, ExchStaticRoute).
    int openRouteList(QWidget* parent, const std::string& key);

    void createDataSet();
    void closeDataSet();

private:
    void registerCommands();

    gui::CommandRegistry& m_commands;
    gui::AppEnvironment& m_environment;
    gui::ConsoleHost& m_host;
    GuiDataSetFeedback m_feedback;
    std::unique_ptr<db::DataSet> m_dataSet;
};

} // namespace morva::records

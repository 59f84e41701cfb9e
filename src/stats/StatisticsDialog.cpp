#include "stats/StatisticsDialog.h"

#include "gui/ConsoleWait.h"
#include "gui/MessageBox.h"
#include "stats/Cwm_StatListDlg.h"
#include "stats/Statistics.h"

namespace morva::stats {

int runStatisticsDialog(QWidget* parent, platform::FileSystem& fileSystem, platform::Clock& clock,
                        const std::string& programDir, int languageIndex, StatViewerOptions options)
{
    Statistics statistics(fileSystem, clock, programDir);
    options.fileSystem = &fileSystem;
    options.clock = &clock;
    options.programDir = programDir;
    Cwm_StatListDlg dialog(
        parent, statistics, languageIndex,
        [](QWidget* owner, const QString& text) {
            gui::MessageBox::show(owner, gui::MessageKind::Failure, text);
        },
        std::move(options));
    dialog.refresh();
    // The main window was closed while the first figures were awaited.
    if (gui::ConsoleWait::instance().shuttingDown())
        return QDialog::Rejected;
    return dialog.exec();
}

} // namespace morva::stats

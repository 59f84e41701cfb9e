#include "stats/StatisticsDialog.h"

#include "app/MessageBox.h"
#include "service/EventPumpingClock.h"
#include "stats/Cwm_StatListDlg.h"
#include "stats/Statistics.h"

namespace morva::stats {

int runStatisticsDialog(QWidget* parent, platform::FileSystem& fileSystem,
                        const std::string& programDir, int languageIndex)
{
    service::EventPumpingClock clock;
    Statistics statistics(fileSystem, clock, programDir);
    Cwm_StatListDlg dialog(parent, statistics, languageIndex,
                           [](QWidget* owner, const QString& text) {
                               app::MessageBox::show(owner, app::MessageKind::Failure, text);
                           });
    dialog.refresh();
    return dialog.exec();
}

} // namespace morva::stats

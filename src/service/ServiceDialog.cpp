#include "service/ServiceDialog.h"

#include "platform/ProcessInfo.h"
#include "service/Cwm_SvcDlg.h"
#include "service/EventPumpingClock.h"
#include "service/ServiceName.h"
#include "service/SvcDlgFeedback.h"

namespace morva::service {

int runServiceDialog(QWidget* parent, const std::string& defaultName,
                     const std::string& executablePath, platform::FileSystem& fileSystem,
                     platform::ServiceManager& serviceManager, const std::string& programDir,
                     int languageIndex)
{
    const std::string executable =
        executablePath.empty() ? defaultExecutablePath(programDir, platform::executablePath())
                               : executablePath;
    EventPumpingClock clock;
    SvcDlgFeedback feedback(languageIndex);
    Cwm_SvcDlg dialog(parent,
                      ServiceDialogServices{fileSystem, serviceManager, clock, feedback,
                                            languageIndex},
                      defaultName, executable);
    feedback.setParentWidget(&dialog);
    return dialog.exec();
}

}  // namespace morva::service

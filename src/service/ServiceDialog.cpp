#include "service/ServiceDialog.h"

#include "service/Cwm_SvcDlg.h"
#include "service/ServiceName.h"
#include "service/SvcDlgFeedback.h"

namespace morva::service {

int runServiceDialog(QWidget* parent, const std::string& defaultName,
                     const std::string& executablePath, const ServiceDialogEnvironment& environment)
{
    const std::string executable =
        executablePath.empty()
            ? defaultExecutablePath(environment.programDir, environment.consolePath)
            : executablePath;
    SvcDlgFeedback feedback(environment.languageIndex);
    Cwm_SvcDlg dialog(parent,
                      ServiceDialogServices{environment.fileSystem, environment.serviceManager,
                                            environment.clock, feedback, environment.languageIndex},
                      defaultName, executable);
    feedback.setParentWidget(&dialog);
    return dialog.exec();
}

} // namespace morva::service

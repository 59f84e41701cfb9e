#include "gui/AppEnvironment.h"

#include "config/ConfigStore.h"
#include "config/HistorySetup.h"
#include "platform/RegionalLanguage.h"
#include "platform/UserSettings.h"

#include <cstdlib>

namespace morva::gui {

AppEnvironment::AppEnvironment(PlatformServices services, std::string programDir,
                               std::string modulePath, std::string tempDir)
    : m_services(services), m_programDir(std::move(programDir)),
      m_modulePath(std::move(modulePath)),
      m_tempDir(tempDir.empty() ? m_programDir : std::move(tempDir)),
      m_configStore(
          std::make_unique<config::ConfigStore>(services.fileSystem, services.clock, m_programDir)),
      m_configHistory(config::makeProgramHistory(services.fileSystem, services.clock, m_programDir,
                                                 platform::makeSystemUserSettings().get()))
{
    m_configStore->setSaveHook(m_configHistory.get());
}

AppEnvironment::~AppEnvironment() = default;

int AppEnvironment::setLanguage(std::string_view languageText, unsigned allowedMask)
{
    m_languageIndex =
        chooseLanguage(languageText, allowedMask, m_services.regionalLanguage.languageCode());
    return m_languageIndex;
}

std::string AppEnvironment::tempDirFromEnvironment(const std::string& programDir)
{
    const char* temp = std::getenv("TEMP");
    return temp && *temp ? std::string(temp) : programDir;
}

} // namespace morva::gui

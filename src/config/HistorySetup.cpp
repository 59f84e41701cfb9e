#include "config/HistorySetup.h"

#include "platform/UserIdentity.h"
#include "platform/UserSettings.h"

#include <algorithm>

namespace morva::config {

std::unique_ptr<FileHistory> makeProgramHistory(platform::FileSystem& fileSystem,
                                                platform::Clock& clock,
                                                const std::string& programDir,
                                                platform::UserSettings* settings)
{
    std::string directory = programDir;
    directory += "History";
    directory += fileSystem.separator();
    auto history =
        std::make_unique<FileHistory>(fileSystem, clock, std::move(directory),
                                      platform::currentUserName(), platform::machineName());
    history->setListKeys(schemaListKeys());
    HistoryLimits limits;
    if (settings) {
        limits.maxVersions = static_cast<std::size_t>(std::max(
            1, settings->readInt(kHistoryMaxSavesSetting, static_cast<int>(limits.maxVersions))));
        limits.maxBytes =
            std::uint64_t(std::max(1, settings->readInt(kHistoryMaxMegabytesSetting, 50))) << 20;
    }
    history->setLimits(limits);
    return history;
}

} // namespace morva::config

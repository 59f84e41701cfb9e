#pragma once

#include "resources/Texts.h"

#include <memory>
#include <string>
#include <string_view>

namespace morva::config {
class ConfigStore;
class FileHistory;
} // namespace morva::config

namespace morva::db {
class DataSet;
}

namespace morva::platform {
class AddOnProbe;
class Clock;
class FileSystem;
class RegionalLanguage;
class UrlOpener;
class VersionResource;
} // namespace morva::platform

namespace morva::gui {

// The operating system as the console sees it; every piece is owned by
// whoever builds the environment (main, or a test with fakes).
struct PlatformServices
{
    platform::FileSystem& fileSystem;
    platform::Clock& clock;
    platform::RegionalLanguage& regionalLanguage;
    platform::AddOnProbe& addOnProbe;
    platform::UrlOpener& urlOpener;
    platform::VersionResource& versionResource;
};

// The per-process environment: program directory, temporary directory,
// language, the one configuration store ("Morva.ini" in the program
// directory) and the platform services. Owned by the application.
class AppEnvironment
{
public:
    // `programDir` ends with the native separator. `tempDir` empty: the
    // program directory (where the environment has no TEMP).
    AppEnvironment(PlatformServices services, std::string programDir, std::string modulePath,
                   std::string tempDir);
    ~AppEnvironment();
    AppEnvironment(const AppEnvironment&) = delete;
    AppEnvironment& operator=(const AppEnvironment&) = delete;

    const std::string& programDir() const { return m_programDir; }
    const std::string& modulePath() const { return m_modulePath; }
    const std::string& tempDir() const { return m_tempDir; }
    int languageIndex() const { return m_languageIndex; }
    config::ConfigStore& configStore() { return *m_configStore; }
    // The history of saves beside "Morva.ini"; every save of the store
    // keeps the former file in it.
    config::FileHistory& configHistory() { return *m_configHistory; }
    // The record files' data set while the console has one (the record
    // editors set it); null before and after.
    db::DataSet* dataSet() const { return m_dataSet; }
    void setDataSet(db::DataSet* dataSet) { m_dataSet = dataSet; }
    const PlatformServices& services() const { return m_services; }

    // Chooses the language: the user's regional language, replaced by
    // `languageText` when that is not empty; a language outside
    // `allowedMask` becomes English. Returns the new LanguageIndex.
    int setLanguage(std::string_view languageText, unsigned allowedMask = kAllLanguages);

    // The value of TEMP, else the program directory.
    static std::string tempDirFromEnvironment(const std::string& programDir);

private:
    PlatformServices m_services;
    std::string m_programDir;
    std::string m_modulePath;
    std::string m_tempDir;
    int m_languageIndex = English;
    std::unique_ptr<config::ConfigStore> m_configStore;
    std::unique_ptr<config::FileHistory> m_configHistory;
    db::DataSet* m_dataSet = nullptr;
};

} // namespace morva::gui

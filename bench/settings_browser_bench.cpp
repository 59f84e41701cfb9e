// Opening the "All Settings" window over the demo "Morva.ini": the index of
// every key with its places, the values read, the table filled, shown and
// painted; and one keystroke of search in the open window.
//   settings_browser_bench [--ini=PATH] [benchmark flags]
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/SheetEnvironment.h"
#include "confui/browser/SettingsBrowser.h"
#include "platform/Clock.h"
#include "platform/PosixFileSystem.h"

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

using namespace morva;

namespace {

std::string g_ini = MORVA_SOURCE_DIR "/tools/demo/Morva.ini";

class DemoFixture
{
public:
    DemoFixture()
    {
        std::filesystem::copy_file(g_ini, m_programDir + "Morva.ini");
        config::registerSchema(m_store);
        m_store.load();
        m_environment.store = &m_store;
        m_environment.programDir = m_programDir;
        m_environment = confui::withDesktopDefaults(m_environment);
    }
    const confui::SheetEnvironment& environment() const { return m_environment; }

private:
    QTemporaryDir m_dir;
    std::string m_programDir = m_dir.path().toStdString() + "/";
    platform::PosixFileSystem m_fs;
    platform::SystemClock m_clock;
    config::ConfigStore m_store{m_fs, m_clock, m_programDir};
    confui::SheetEnvironment m_environment;
};

DemoFixture& fixture()
{
    static DemoFixture instance;
    return instance;
}

void BM_OpenBrowser(benchmark::State& state)
{
    for (auto _ : state) {
        confui::SettingsBrowser browser(fixture().environment());
        browser.show();
        QApplication::processEvents();
        browser.repaint();
    }
}

void BM_KeystrokeInOpenBrowser(benchmark::State& state)
{
    confui::SettingsBrowser browser(fixture().environment());
    browser.show();
    QApplication::processEvents();
    const QString typed = QStringLiteral("grey min");
    int length = 1;
    for (auto _ : state) {
        browser.setSearchText(typed.left(length));
        browser.table()->repaint();
        length = length % typed.size() + 1;
    }
}

BENCHMARK(BM_OpenBrowser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeInOpenBrowser)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--ini=", 6) == 0)
            g_ini = argv[i] + 6;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The Options sheets over the demo "Morva.ini": building and showing each
// sheet (its first page filled and painted), and OK on the Blocking sheet,
// which reads back and saves every page. The lower bound of OK is writing
// the file's bytes raw once per page.
//   sheets_bench [--ini=PATH] [benchmark flags]
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "confui/Cwm_BasePropSheet.h"
#include "confui/Messages.h"
#include "confui/OptionsSheetBuilder.h"
#include "platform/Clock.h"
#include "platform/PosixFileSystem.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace morva;

namespace {

std::string g_ini = MORVA_SOURCE_DIR "/tools/demo/Morva.ini";
int g_messages = 0;

class SheetFixture
{
public:
    SheetFixture()
    {
        std::filesystem::copy_file(g_ini, m_programDir + "Morva.ini");
        config::registerSchema(m_store);
        m_store.load();
        m_store.setInt("AdminMVFQueryStatus", 1);
        m_environment.store = &m_store;
        m_environment.programDir = m_programDir;
        m_environment.addOnInstalled = [] { return true; };
        m_environment = confui::withDesktopDefaults(m_environment);
    }

    const confui::SheetEnvironment& environment() const { return m_environment; }
    std::string iniPath() const { return m_programDir + "Morva.ini"; }

private:
    QTemporaryDir m_dir;
    std::string m_programDir = m_dir.path().toStdString() + "/";
    platform::PosixFileSystem m_fs;
    platform::SystemClock m_clock;
    config::ConfigStore m_store{m_fs, m_clock, m_programDir};
    confui::SheetEnvironment m_environment;
};

SheetFixture& fixture()
{
    static SheetFixture instance;
    return instance;
}

void BM_OpenSheet(benchmark::State& state)
{
    const int type = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto sheet = confui::buildOptionsSheet(type, fixture().environment());
        sheet->show();
        QApplication::processEvents();
        sheet->repaint();
    }
}

void BM_OkOnBlockingSheet(benchmark::State& state)
{
    auto sheet = confui::buildOptionsSheet(3, fixture().environment());
    sheet->show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (!sheet->applyAll())
            state.SkipWithError("a page refused");
    }
    state.counters["pages"] = sheet->pageCount();
}

// One write of the file's bytes to a temporary file, fdatasync and rename,
// as often as the Blocking sheet has pages.
void BM_RawSavesOfTheFile(benchmark::State& state)
{
    std::stringstream content;
    content << std::ifstream(fixture().iniPath(), std::ios::binary).rdbuf();
    const std::string bytes = content.str();
    const auto sheet = confui::buildOptionsSheet(3, fixture().environment());
    const int pages = sheet->pageCount();
    const std::string temp = fixture().iniPath() + ".raw";
    const std::string target = fixture().iniPath() + ".copy";
    for (auto _ : state) {
        for (int page = 0; page < pages; ++page) {
            const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) < 0 || ::fdatasync(fd) != 0)
                state.SkipWithError("raw write failed");
            ::close(fd);
            std::rename(temp.c_str(), target.c_str());
        }
    }
    state.counters["pages"] = pages;
}

BENCHMARK(BM_OpenSheet)->DenseRange(1, 13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkOnBlockingSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSavesOfTheFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--ini=", 6) == 0)
            g_ini = argv[i] + 6;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // A message box would stop the run; count them instead.
    confui::setMessageHandler([](confui::MessageKind, const QString& text, bool) {
        std::fprintf(stderr, "message: %s\n", text.toLocal8Bit().constData());
        ++g_messages;
        return true;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return g_messages == 0 ? 0 : 1;
}

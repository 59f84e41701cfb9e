// The forwarding list over a large record file: opening it (lock, count,
// read with progress, first paint of the grid) and the refill after one
// record was edited, against one read() of the same file.
//   records_list_bench [--records=N] [benchmark flags]
#include "app/AdminSettings.h"
#include "app/Cwm_MainBaseWnd.h"
#include "config/ConfigStore.h"
#include "config/Schema.h"
#include "db/CertificateSettings.h"
#include "db/DataSet.h"
#include "gui/CommandRegistry.h"
#include "gui/MessageBox.h"
#include "platform/Clock.h"
#include "platform/PosixFileSystem.h"
#include "records/Cwm_AliasListDlg.h"
#include "records/Cwm_AliasPropSheet.h"
#include "records/GuiDataSetFeedback.h"
#include "records/RecordContext.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

using namespace morva;

namespace {

std::size_t g_records = 100000;

std::string padded(std::string value, std::size_t width)
{
    value.resize(width, ' ');
    return value;
}

// One forwarding record as the gateway stores it: deleted flag, source and
// target address of 128 bytes each, the deliver flag and the reserve.
std::string aliasRecord(std::size_t index)
{
    const std::string number = std::to_string(index);
    return "| |" + padded("user" + number + "@corp.example", 128) + "|" +
           padded("mailbox" + number + "@exchange.corp.example", 128) + "|" +
           (index % 3 == 0 ? "*" : " ") + "|" + std::string(118, ' ') + "|\r\n";
}

class ListFixture
{
public:
    ListFixture()
    {
        {
            std::ofstream out(m_programDir + "DataAlia.DAT", std::ios::binary);
            for (std::size_t i = 1; i <= g_records; ++i)
                out << aliasRecord(i);
        }
        m_settings = app::AdminSettings::inFile(m_dir.filePath(QStringLiteral("settings.ini")));
        m_window = std::make_unique<app::Cwm_MainBaseWnd>(m_commands, *m_settings);
        m_window->show();
        m_feedback.setWindow(m_window.get());
        config::registerSchema(m_store);
        m_context.dataSet = &m_dataSet;
        m_context.store = &m_store;
        m_context.window = m_window.get();
    }

    std::string path() const { return m_programDir + "DataAlia.DAT"; }
    records::RecordContext& context() { return m_context; }

private:
    QTemporaryDir m_dir;
    std::string m_programDir = m_dir.path().toStdString() + "/";
    gui::CommandRegistry m_commands;
    std::unique_ptr<app::AdminSettings> m_settings;
    std::unique_ptr<app::Cwm_MainBaseWnd> m_window;
    platform::PosixFileSystem m_fs;
    platform::SystemClock m_clock;
    records::GuiDataSetFeedback m_feedback{nullptr};
    db::DataSet m_dataSet{m_fs, m_clock, m_programDir, db::CertificateSettings{}, &m_feedback};
    config::ConfigStore m_store{m_fs, m_clock, m_programDir};
    records::RecordContext m_context;
};

ListFixture& fixture()
{
    static ListFixture instance;
    return instance;
}

// Shows the dialog and lets Qt lay out and paint the first screen of rows.
void paintFirstScreen(QDialog& dialog)
{
    dialog.show();
    QApplication::processEvents();
    dialog.repaint();
}

// The lower bound: the file's bytes in memory with one read().
void BM_RawReadOfTheFile(benchmark::State& state)
{
    const std::string path = fixture().path();
    const auto size = static_cast<std::size_t>(std::filesystem::file_size(path));
    std::string buffer(size, '\0');
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        std::size_t done = 0;
        while (done < size) {
            const ssize_t got = ::read(fd, buffer.data() + done, size - done);
            if (got <= 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        ::close(fd);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.counters["records"] = static_cast<double>(g_records);
}

// Construction, acquiring the data set, both passes over the file, and the
// first paint; the dialog is closed at once.
void BM_OpenForwardingListAndShowFirstScreen(benchmark::State& state)
{
    records::RecordContext context = fixture().context();
    int rows = 0;
    context.runDialog = [&rows](QDialog& dialog) {
        paintFirstScreen(dialog);
        rows = static_cast<records::Cwm_AliasListDlg&>(dialog).model()->rowCount();
        return static_cast<int>(QDialog::Rejected);
    };
    for (auto _ : state) {
        records::Cwm_AliasListDlg list(context);
        list.run();
    }
    if (rows != static_cast<int>(g_records))
        state.SkipWithError("the list did not show every record");
    state.counters["rows"] = rows;
}

// Editing the 50,000th record through its sheet (accepted with a new
// target) and the refill that follows, up to the repaint of the grid.
void BM_EditOneRecordAndRefill(benchmark::State& state)
{
    records::RecordContext context = fixture().context();
    records::Cwm_AliasListDlg* shownList = nullptr;
    int edits = 0;
    auto answerSheet = [&edits](QDialog& dialog) {
        auto* sheet = qobject_cast<records::Cwm_AliasPropSheet*>(&dialog);
        if (!sheet)
            return static_cast<int>(QDialog::Rejected);
        sheet->targetEdit()->setText(QStringLiteral("edited%1@exchange.corp.example").arg(++edits));
        dialog.setResult(QDialog::Rejected);
        QMetaObject::invokeMethod(&dialog, "accept");
        return dialog.result();
    };
    bool measured = false;
    context.runDialog = [&](QDialog& dialog) {
        if (auto* list = qobject_cast<records::Cwm_AliasListDlg*>(&dialog); list && !shownList) {
            shownList = list;
            paintFirstScreen(dialog);
            const QModelIndex middle = list->model()->index(static_cast<int>(g_records / 2), 1);
            for (auto _ : state) {
                list->grid()->setCurrentIndex(middle);
                list->editRecord();
                list->repaint();
            }
            measured = list->grid()->currentIndex().row() == middle.row();
            return static_cast<int>(QDialog::Rejected);
        }
        return answerSheet(dialog);
    };
    records::Cwm_AliasListDlg list(context);
    list.run();
    if (!measured || edits == 0)
        state.SkipWithError("the edit did not return to its row");
}

BENCHMARK(BM_RawReadOfTheFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenForwardingListAndShowFirstScreen)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_EditOneRecordAndRefill)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--records=", 10) == 0)
            g_records = static_cast<std::size_t>(std::strtoul(argv[i] + 10, nullptr, 10));
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    gui::ScopedMessageCatcher messages; // a message box would block the run
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const gui::MessageRequest& message : messages.messages())
        std::fprintf(stderr, "message: %s\n", message.text.toLocal8Bit().constData());
    return messages.messages().empty() ? 0 : 1;
}

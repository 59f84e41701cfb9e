// The filter and the sort of the list panel over 100,000 forwarding rows
// (number, from, to): one keystroke of the filter field and one click on a
// column heading.
#include "gui/ListFilterModel.h"
#include "gui/TextTableModel.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace morva::gui;

constexpr int kRows = 100000;

TextTableModel& forwardingRows()
{
    static TextTableModel* model = [] {
        auto* rows = new TextTableModel;
        rows->setHeadings({"Rec", "From", "To"});
        std::mt19937 random(5);
        std::vector<QStringList> texts;
        texts.reserve(kRows);
        for (int i = 0; i < kRows; ++i)
            texts.push_back({QString::number(i + 1),
                             QStringLiteral("user%1@d%2.example.com").arg(random()).arg(i % 5000),
                             QStringLiteral("mailbox%1@internal.example").arg(random() % 90000)});
        rows->setRows(std::move(texts));
        return rows;
    }();
    return *model;
}

// Typing "user12@d4" letter by letter, then clearing the field: the average
// cost of one keystroke (each one filters, most of them the rows still shown).
void BM_FilterKeystroke(benchmark::State& state)
{
    ListFilterModel filter;
    filter.setSourceModel(&forwardingRows());
    filter.setFilterText(QStringLiteral("x")); // the row texts are read once
    filter.setFilterText({});
    const QString typed = QStringLiteral("user12@d4");
    std::int64_t keystrokes = 0;
    for (auto _ : state) {
        for (qsizetype length = 1; length <= typed.size(); ++length)
            filter.setFilterText(typed.left(length));
        filter.setFilterText({});
        keystrokes += typed.size() + 1;
        benchmark::DoNotOptimize(filter.rowCount());
    }
    state.SetItemsProcessed(keystrokes); // keystrokes per second
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

// The worst keystroke: a first letter that nearly every row holds, over all
// rows (nothing to narrow).
void BM_FilterFirstKeystroke(benchmark::State& state)
{
    ListFilterModel filter;
    filter.setSourceModel(&forwardingRows());
    filter.setFilterText(QStringLiteral("x"));
    for (auto _ : state) {
        filter.setFilterText(QStringLiteral("e"));
        filter.setFilterText(QStringLiteral("x")); // not an extension of "e": all rows again
        benchmark::DoNotOptimize(filter.rowCount());
    }
}
BENCHMARK(BM_FilterFirstKeystroke)->Unit(benchmark::kMillisecond);

// Reading the row texts for the first filter after the list was filled.
void BM_FilterFirstUse(benchmark::State& state)
{
    for (auto _ : state) {
        ListFilterModel filter;
        filter.setSourceModel(&forwardingRows());
        filter.setFilterText(QStringLiteral("e"));
        benchmark::DoNotOptimize(filter.rowCount());
    }
}
BENCHMARK(BM_FilterFirstUse)->Unit(benchmark::kMillisecond);

void BM_SortByColumn(benchmark::State& state)
{
    ListFilterModel filter;
    filter.setSourceModel(&forwardingRows());
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        filter.sort(column, Qt::AscendingOrder);
        benchmark::DoNotOptimize(filter.sourceRow(0));
    }
}
BENCHMARK(BM_SortByColumn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

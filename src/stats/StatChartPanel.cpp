#include "stats/StatChartPanel.h"

#include "gui/Contrast.h"
#include "gui/Text.h"
#include "resources/Texts.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPixmap>
#include <QSplitter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>

namespace morva::stats {

namespace {

QIcon swatch(const QColor& colour)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

constexpr qint64 kNsPerMs = 1000000;

} // namespace

QColor chartLineColour(int index, bool dark)
{
    // Darker shades on a light chart, lighter ones on a dark chart: each
    // line stands out from the background by at least 4.5:1.
    static constexpr QRgb light[] = {0x1f5f96, 0xb81f20, 0x1e7a1e, 0xa8520a, 0x7a4fa8,
                                     0x8c564b, 0xa8327f, 0x5c5c5c, 0x6b6b00, 0x0c6f7c};
    static constexpr QRgb onDark[] = {0x6cb4f0, 0xff8a8a, 0x6fdc6f, 0xffb066, 0xc7a6f2,
                                      0xd9a38f, 0xf59ad6, 0xbdbdbd, 0xd4d44a, 0x5fd7e6};
    constexpr int count = static_cast<int>(std::size(light));
    const int at = std::max(index, 0) % count;
    return QColor::fromRgb(dark ? onDark[at] : light[at]);
}

StatChartPanel::StatChartPanel(QWidget* parent, int languageIndex)
    : QWidget(parent), m_language(languageIndex)
{
    m_source = new QLabel(this);
    m_source->setObjectName("chartSource");
    m_source->setTextFormat(Qt::PlainText);
    m_source->setWordWrap(true);

    m_list = new QListWidget(this);
    m_list->setObjectName("counters");
    m_list->setMinimumWidth(180);
    m_rates = new QCheckBox(gui::uiText("stats.chart.rates", languageIndex), this);
    m_rates->setObjectName("rates");

    m_chart = new QChart;
    m_chart->legend()->hide();
    // The chart follows the desktop's palette instead of its own theme.
    m_chart->setBackgroundBrush(palette().color(QPalette::Base));
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_view = new QChartView(m_chart, this);
    m_view->setObjectName("chart");
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(420, 300);

    auto* side = new QVBoxLayout;
    auto* countersLabel = new QLabel(gui::uiText("stats.chart.counters", languageIndex), this);
    countersLabel->setBuddy(m_list);
    // Item views take their name only from here, not from a buddy label.
    m_list->setAccessibleName(countersLabel->text());
    side->addWidget(countersLabel);
    side->addWidget(m_list);
    side->addWidget(m_rates);
    auto* body = new QHBoxLayout;
    body->addLayout(side);
    body->addWidget(m_view, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_source);
    layout->addLayout(body, 1);

    connect(m_list, &QListWidget::itemChanged, this, [this] {
        if (m_filling)
            return;
        m_ticked = tickedNames();
        redraw();
    });
    connect(m_rates, &QCheckBox::toggled, this, [this] { redraw(); });
}

void StatChartPanel::setSourceText(const QString& text)
{
    m_source->setText(text);
}

QStringList StatChartPanel::tickedNames() const
{
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            names << m_list->item(i)->text();
    }
    return names;
}

void StatChartPanel::setSeries(std::vector<ChartSeries> series, bool ratesApply)
{
    m_series = std::move(series);
    m_ratesApply = ratesApply;
    m_rates->setEnabled(ratesApply);
    bool anyTicked = false;
    for (const ChartSeries& one : m_series)
        anyTicked = anyTicked || m_ticked.contains(one.name);
    if (!anyTicked && !m_series.empty())
        m_ticked = QStringList{m_series.front().name};

    m_filling = true;
    m_list->clear();
    for (const ChartSeries& one : m_series) {
        // QListWidgetItem shows its text as plain text.
        auto* item = new QListWidgetItem(one.name, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(m_ticked.contains(one.name) ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = false;
    redraw();
}

void StatChartPanel::redraw()
{
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes())
        m_chart->removeAxis(axis), delete axis;

    const bool dark = gui::isDarkBase(palette());
    m_chart->setBackgroundBrush(palette().color(QPalette::Base));
    m_chart->setPlotAreaBackgroundVisible(false);
    auto* timeAxis = new QDateTimeAxis;
    auto* valueAxis = new QValueAxis;
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(timeAxis), static_cast<QAbstractAxis*>(valueAxis)}) {
        axis->setLabelsColor(palette().color(QPalette::Text));
        axis->setGridLineColor(palette().color(QPalette::Mid));
        axis->setLinePenColor(palette().color(QPalette::Text));
    }
    valueAxis->setLabelFormat("%.0f");
    m_chart->addAxis(timeAxis, Qt::AlignBottom);
    m_chart->addAxis(valueAxis, Qt::AlignLeft);

    const bool rates = m_ratesApply && m_rates->isChecked();
    qint64 first = 0, last = 0;
    double low = 0, high = 0;
    bool any = false;
    for (std::size_t i = 0; i < m_series.size(); ++i) {
        QListWidgetItem* item = m_list->item(static_cast<int>(i));
        const QColor colour = chartLineColour(static_cast<int>(i), dark);
        // A new icon is an item change too: not a new tick.
        const bool filling = std::exchange(m_filling, true);
        item->setIcon(item->checkState() == Qt::Checked ? swatch(colour) : QIcon());
        m_filling = filling;
        if (item->checkState() != Qt::Checked)
            continue;
        const std::vector<SeriesPoint> points =
            rates ? ratesPerHour(m_series[i].points) : m_series[i].points;
        QLineSeries* line = nullptr;
        const auto newLine = [&] {
            line = new QLineSeries;
            line->setColor(colour);
            line->setPointsVisible(true);
            m_chart->addSeries(line);
            line->attachAxis(timeAxis);
            line->attachAxis(valueAxis);
        };
        for (std::size_t p = 0; p < points.size(); ++p) {
            const SeriesPoint& point = points[p];
            // A counter that went down started again: its line does too.
            const bool restarted =
                rates ? point.startsRun
                      : (p > 0 && m_ratesApply && point.value < points[p - 1].value);
            if (!line || restarted)
                newLine();
            const qint64 ms = point.timeNs / kNsPerMs;
            line->append(static_cast<qreal>(ms), point.value);
            if (!any) {
                first = last = ms;
                low = high = point.value;
                any = true;
            }
            first = std::min(first, ms);
            last = std::max(last, ms);
            low = std::min(low, point.value);
            high = std::max(high, point.value);
        }
    }
    if (!any) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        first = now - 3600000;
        last = now;
    } else if (first == last) {
        first -= 1800000;
        last += 1800000;
    }
    // Labels short enough for the ticks: the date only when the chart
    // spans more than a day.
    const qint64 span = last - first;
    timeAxis->setFormat(span > 24 * 3600000 ? "MM-dd HH:mm" : span > 600000 ? "HH:mm" : "HH:mm:ss");
    timeAxis->setTickCount(span > 24 * 3600000 ? 4 : 5);
    timeAxis->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    low = std::min(low, 0.0);
    if (high <= low)
        high = low + 1;
    valueAxis->setRange(low, high * 1.05);
    valueAxis->applyNiceNumbers();
}

} // namespace morva::stats

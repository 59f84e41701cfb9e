#pragma once

#include "stats/StatSeries.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QChart;
class QChartView;
class QCheckBox;
class QLabel;
class QListWidget;

namespace morva::stats {

// One counter the chart can draw.
struct ChartSeries
{
    QString name;
    std::vector<SeriesPoint> points;
};

// The colour of the chart's n-th line on a light or a dark background.
QColor chartLineColour(int index, bool dark);

// The chart beside the statistics table: a list of counters to tick, the
// chart of the ticked ones over time, and "Rates per hour", which draws the
// change per hour between samples instead of the values. Names come from
// the gateway: they are shown in the list as plain text only (the chart
// has no legend; each list entry carries its line's colour).
class StatChartPanel : public QWidget
{
    Q_OBJECT
public:
    StatChartPanel(QWidget* parent, int languageIndex);

    // The counters offered; ticks are kept by name. `ratesApply` false:
    // the values are amounts per hour already, "Rates per hour" is off.
    // When nothing is ticked, the first counter is.
    void setSeries(std::vector<ChartSeries> series, bool ratesApply);
    // The line above the chart: what it shows.
    void setSourceText(const QString& text);

    QListWidget* counterList() const { return m_list; }
    QCheckBox* ratesBox() const { return m_rates; }
    QChart* chart() const { return m_chart; }
    QLabel* sourceLabel() const { return m_source; }
    QStringList tickedNames() const;

private:
    void redraw();

    int m_language;
    std::vector<ChartSeries> m_series;
    QStringList m_ticked;
    bool m_ratesApply = true;
    bool m_filling = false;
    QLabel* m_source;
    QListWidget* m_list;
    QCheckBox* m_rates;
    QChart* m_chart;
    QChartView* m_view;
};

} // namespace morva::stats

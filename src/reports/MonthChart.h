#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace zedur::reports {

// What a chart over months draws: a line per series, a point per month ("2005-04"). A month
// without a figure (NaN) leaves a gap in its line.
struct ChartSeries {
    QString name;
    QVector<double> values; // one per month
};

struct MonthChart {
    QString title;
    QStringList months;
    QVector<ChartSeries> series;
    bool isEmpty() const { return months.isEmpty() || series.isEmpty(); }
};

} // namespace zedur::reports

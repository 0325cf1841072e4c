#pragma once

#include "reports/MonthChart.h"

#include <QChartView>
#include <memory>

class QPainter;

namespace zedur {

// A chart over months: a line per series with its points, the months along the bottom, the
// figures up the side with thousands separators, a legend, and the figure of a point as a
// tooltip under the mouse.
class MonthChartView : public QChartView
{
    Q_OBJECT
public:
    explicit MonthChartView(const QString &objectName, QWidget *parent = nullptr);

    void setMonthChart(const reports::MonthChart &chart);
    const reports::MonthChart &monthChart() const { return m_chart; }
    QSize sizeHint() const override { return {420, 300}; }

private:
    reports::MonthChart m_chart;
};

namespace reports {

// The chart as a Qt chart object, for a view or for a page.
QChart *newMonthChart(const MonthChart &chart);
// The chart drawn into `area` of a painter (a printed page, a PDF): laid out `height`
// pixels high, as wide as the area's shape makes it, and scaled to the area.
void paintMonthChart(QPainter &painter, const QRectF &area, const MonthChart &chart, double height = 380);

} // namespace reports
} // namespace zedur

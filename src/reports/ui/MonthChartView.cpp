#include "reports/ui/MonthChartView.h"

#include "common/TextNumber.h"

#include <QBarCategoryAxis>
#include <QCursor>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>

namespace zedur {

namespace reports {

namespace {

const QColor colours[] = {QColor(0x4E, 0x79, 0xA7), QColor(0xF2, 0x8E, 0x2B), QColor(0x59, 0xA1, 0x4F),
                          QColor(0xE1, 0x57, 0x59), QColor(0x76, 0xB7, 0xB2), QColor(0xB0, 0x7A, 0xA1)};

QFont chartFont(int points, bool bold = false)
{
    QFont f(QStringLiteral("NanumGothic"));
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

// A series' months with a figure, in runs: a month without one breaks the line.
QVector<QVector<QPointF>> runsOf(const ChartSeries &series)
{
    QVector<QVector<QPointF>> runs(1);
    for (int i = 0; i < series.values.size(); ++i) {
        if (std::isnan(series.values.at(i))) {
            if (!runs.last().isEmpty())
                runs.append(QVector<QPointF>());
            continue;
        }
        runs.last() << QPointF(i, series.values.at(i));
    }
    if (runs.last().isEmpty())
        runs.removeLast();
    return runs;
}

} // namespace

QChart *newMonthChart(const MonthChart &data)
{
    auto *chart = new QChart;
    chart->setTitle(data.title);
    chart->setTitleFont(chartFont(10, true));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(chartFont(8));

    auto *months = new QBarCategoryAxis;
    months->append(data.months);
    months->setLabelsFont(chartFont(7));
    // Upright labels would be cut short once there are more than a few months.
    months->setLabelsAngle(data.months.size() > 6 ? -90 : 0);
    auto *figures = new QValueAxis;
    figures->setLabelsFont(chartFont(7));
    figures->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(months, Qt::AlignBottom);
    chart->addAxis(figures, Qt::AlignLeft);
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));

    double low = 0;
    double high = 0;
    for (int s = 0; s < data.series.size(); ++s) {
        const ChartSeries &series = data.series.at(s);
        const QColor colour = colours[s % std::size(colours)];
        bool first = true;
        for (const QVector<QPointF> &run : runsOf(series)) {
            auto *line = new QLineSeries;
            line->setName(series.name);
            line->setPen(QPen(colour, 2));
            line->setPointsVisible(true);
            line->append(run);
            for (const QPointF &p : run) {
                low = std::min(low, p.y());
                high = std::max(high, p.y());
            }
            chart->addSeries(line);
            line->attachAxis(months);
            line->attachAxis(figures);
            // One legend entry per series, however many runs its gaps make.
            if (!first)
                chart->legend()->markers(line).constFirst()->setVisible(false);
            first = false;
            const QStringList labels = data.months;
            const QString name = series.name;
            QObject::connect(line, &QLineSeries::hovered, line, [labels, name](const QPointF &p, bool on) {
                if (!on) {
                    QToolTip::hideText();
                    return;
                }
                const int month = int(std::lround(p.x()));
                QToolTip::showText(QCursor::pos(), labels.value(month) + u' ' + name + u' ' +
                                                       formatFloat(QStringLiteral("#,##0"), p.y()));
            });
        }
    }
    figures->setRange(low, high > low ? high : low + 1);
    figures->applyNiceNumbers();
    return chart;
}

void paintMonthChart(QPainter &painter, const QRectF &area, const MonthChart &data, double height)
{
    const QSizeF layout(height * area.width() / std::max(1.0, area.height()), height);
    QGraphicsScene scene;
    QChart *chart = newMonthChart(data);
    scene.addItem(chart); // the scene owns it
    chart->setGeometry(QRectF(QPointF(0, 0), layout));
    scene.setSceneRect(QRectF(QPointF(0, 0), layout));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, area, scene.sceneRect(), Qt::KeepAspectRatio);
    painter.restore();
}

} // namespace reports

MonthChartView::MonthChartView(const QString &objectName, QWidget *parent) : QChartView(parent)
{
    setObjectName(objectName);
    setRenderHint(QPainter::Antialiasing);
    setMinimumWidth(300);
    setMonthChart({});
}

void MonthChartView::setMonthChart(const reports::MonthChart &chart)
{
    m_chart = chart;
    QChart *old = this->chart();
    setChart(reports::newMonthChart(chart));
    delete old; // the view does not delete a chart it is given another for
}

} // namespace zedur

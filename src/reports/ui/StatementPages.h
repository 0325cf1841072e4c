#pragma once

#include "common/ResultSet.h"
#include "store/Periods.h"

#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;
class QPagedPaintDevice;

namespace zedur::reports {

// One bar of a statement's small chart: a main line and its figure.
struct ChartBar {
    QString label;
    double value = 0;
};

// A statement as it is printed: its title, the month, its lines as the screen shows them,
// and the chart of its main lines.
struct StatementPages {
    QString title;
    Period month;
    ResultSet lines;
    QString chartTitle;
    QVector<ChartBar> chart;
};

// The chart's bars from the lines: each main line's right-column figure.
QVector<ChartBar> chartBars(const ResultSet &lines, const QVector<QPair<QString, QString>> &labelledCodes);

// Bars over a zero line, negative figures below it, each with its figure written.
void paintBarChart(QPainter &painter, const QRectF &area, const QString &title, const QVector<ChartBar> &bars);

// Lays the statement out on pages of the device: title and month on every page, the two
// columns of figures, the chart after the lines, page numbers at the foot. Returns the
// number of pages.
int paintStatement(QPagedPaintDevice &device, const StatementPages &statement);

// The statement as a PDF file (A4 portrait), by the rule of OutputFile.h: OutputRefused where
// no file may be written, false when the file cannot be written.
bool writeStatementPdf(const QString &path, const StatementPages &statement);

} // namespace zedur::reports

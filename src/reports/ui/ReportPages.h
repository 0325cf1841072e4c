#pragma once

#include "common/ResultSet.h"
#include "reports/MonthChart.h"
#include "reports/ReportColumns.h"
#include "store/Periods.h"

#include <QString>
#include <QVector>
#include <functional>

class QPagedPaintDevice;

namespace zedur::reports {

// A report as it is printed on A4 landscape pages: its title and period on every page, its
// columns (each with its printed width in millimetres) with the titles repeated on every
// page of rows, the rows a report sets apart shaded and bold, then its charts, and the page
// number and the day it was printed at the foot.
struct ReportPages {
    QString title;
    QString period; // under the title: "2005년 04월분", "2004년 05월 ~ 2005년 04월"
    ReportColumns columns;
    QVector<double> widths; // millimetres, one per column
    ResultSet rows;
    std::function<bool(const ResultSet &, int row)> setApart;
    // How the numbers are written on paper; empty: as each column writes them.
    QString numberPicture;
    double fontPoints = 8;
    QVector<MonthChart> charts;
    int chartsPerRow = 1;
};

// "2005년 04월분".
QString monthPeriodText(const Period &month);

// Lays the report out on the device's pages (A4 landscape). Returns the number of pages;
// 0 when nothing could be painted.
int paintReport(QPagedPaintDevice &device, const ReportPages &report);

// The report as a PDF file, by the rule of OutputFile.h: OutputRefused where no file may be
// written, false when the file cannot be written.
bool writeReportPdf(const QString &path, const ReportPages &report);

// The page the reports are printed on: A4 landscape with its margins.
void setReportPage(QPagedPaintDevice &device);

} // namespace zedur::reports

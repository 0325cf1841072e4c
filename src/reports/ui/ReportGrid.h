#pragma once

#include "common/ui/DataGrid.h"
#include "reports/ReportColumns.h"

namespace zedur::reports {

// How the report lists draw what the reports declare.
QVector<GridColumn> gridColumnsOf(const ReportColumns &columns);
// A list with the report's columns; its rows come later.
DataGrid *reportGrid(const QString &objectName, const ReportColumns &columns, QWidget *parent);

// A total or summary row: silver, bold, 9 point.
RowStyle totalRowStyle();
// A row style that marks the rows whose field holds the value.
std::function<std::optional<RowStyle>(const Rows &, int)> styleWhere(const QString &field, const QString &value,
                                                                          const RowStyle &style);

} // namespace zedur::reports

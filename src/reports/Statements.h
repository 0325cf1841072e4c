#pragma once

#include "reports/ReportColumns.h"
#include "reports/WorkTable.h"
#include "store/Periods.h"

namespace zedur::reports {

// The statement of cost of goods manufactured and the income statement of a month. Both
// build their lines in the work table MC_AcNameReport, one row per contribution to a line,
// and show them summed per account code and direct/indirect mark; a line appears only for
// a code the account chart has, with the chart's report name.
namespace statements {

const WorkTable &reportTable(); // MC_AcNameReport
const ReportColumns &columns();
// The month's columns, then the month before ("전월") and the year to date ("당기누계").
const ReportColumns &historyColumns();
void recreateTable(Db &db);

// Each empties the work table and builds the month's lines, in one transaction.
ReportList costOfGoodsManufactured(Db &db, const Period &month);
ReportList incomeStatement(Db &db, const Period &month);

// A line's right-column (NuTotal) and left-column (SoTotal) figures summed over its rows;
// 0 when the statement has no such line.
double rightTotal(const ResultSet &lines, const QString &code);
double leftTotal(const ResultSet &lines, const QString &code);

// A group line (characters 6 to 8 of the code, blanks removed, are "000").
bool isGroupLine(const QString &code);

} // namespace statements
} // namespace zedur::reports

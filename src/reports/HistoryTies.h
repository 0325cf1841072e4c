#pragma once

#include "reports/ReportColumns.h"
#include "reports/Ties.h"

// The ties of the reports over months: the statements' month before and year to date
// against the months' own statements, and the product cost and margin trend against the
// month's product movement report.
namespace zedur::reports::ties {

void yearToDateTies(Db &db, const Period &month, QVector<Tie> &out);
void productTrendTies(Db &db, const Period &month, const MovementReport &products, QVector<Tie> &out);

} // namespace zedur::reports::ties

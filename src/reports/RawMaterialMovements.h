#pragma once

#include "reports/ReportColumns.h"
#include "reports/WorkTable.h"
#include "store/Periods.h"

namespace zedur::reports {

// The month's movements of the raw-material account: receipts (brought forward and bought)
// in, issues into the process and transfers to other accounts out, closed by a total row;
// and a one-row summary (opening stock, purchases, transfers, closing stock, issues).
namespace rawMovements {

const WorkTable &detailTable();  // MC_WonJaJeyYbChulGoReport_SumVw01
const WorkTable &summaryTable(); // MC_WonJaJeyYbChulGoReport_SumVw02

const ReportColumns &detailColumns();
const ReportColumns &summaryColumns();

void recreateTables(Db &db);
// Empties and refills both work tables for the month, in one transaction.
MovementReport build(Db &db, const Period &month);

} // namespace rawMovements
} // namespace zedur::reports

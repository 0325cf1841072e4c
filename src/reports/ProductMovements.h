#pragma once

#include "reports/ReportColumns.h"
#include "reports/WorkTable.h"
#include "store/Periods.h"

namespace zedur::reports {

// The month's movements of the product account at cost: product receipts in (brought
// forward, completed, returned), regular sales out at their cost with their sales amounts,
// transfers to other accounts out, closed by a total row; and a one-row summary with the
// opening and closing stock, the cost of goods sold and the month's sales.
namespace productMovements {

const WorkTable &detailTable();  // MC_JeyPumYbChulGoReport_SumVw01
const WorkTable &summaryTable(); // MC_JeyPumYbChulGoReport_SumVw02

const ReportColumns &detailColumns();
const ReportColumns &summaryColumns();

void recreateTables(Db &db);
// Empties and refills both work tables for the month, in one transaction.
MovementReport build(Db &db, const Period &month);

} // namespace productMovements
} // namespace zedur::reports

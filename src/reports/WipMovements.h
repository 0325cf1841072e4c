#pragma once

#include "reports/ReportColumns.h"
#include "reports/WorkTable.h"
#include "store/Periods.h"

namespace zedur::reports {

// The month's movements of the work-in-process account: every lot of the month in (brought
// forward and issued), the slices completed into the warehouse and transferred to other
// accounts out, closed by a total row; and a six-row summary of the account by cost
// element: opening stock, this month's allocation to it, new lots, closing stock,
// transfers, completions.
namespace wipMovements {

const WorkTable &detailTable();  // MC_JeyGongPumYbChulGoReport_SumVw01
const WorkTable &summaryTable(); // MC_JeyGongPumYbChulGoReport_SumVw02

const ReportColumns &detailColumns();
const ReportColumns &summaryColumns();

void recreateTables(Db &db);
// Empties and refills both work tables for the month, in one transaction.
MovementReport build(Db &db, const Period &month);

} // namespace wipMovements
} // namespace zedur::reports

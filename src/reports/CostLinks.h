#pragma once

#include "reports/ReportColumns.h"
#include "store/Periods.h"

namespace zedur {
class Db;
}

// Every booked expense or revenue amount of a month beside the WIP lot it is charged to;
// amounts without a lot (indirect ones, other accounts, a lot that no longer exists)
// show with empty lot columns.
namespace zedur::reports::costLinks {

const ReportColumns &columns();
ReportList build(Db &db, const Period &month);

} // namespace zedur::reports::costLinks

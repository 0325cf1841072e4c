#pragma once

#include "reports/MonthChart.h"
#include "reports/ReportColumns.h"
#include "store/Periods.h"

namespace zedur {
class Db;
}

// "제품별 원가 및 이익 추이": for each product and each month of a range, what was completed
// and at what unit cost (raw material, labour, overhead, total), and what was sold, for how
// much, at what cost and with what gross margin. A return counts against the month it came
// back in: its quantity off the quantity sold, its negative sale in the sales, its goods'
// cost off the cost of sales, as the income statement counts it.
namespace zedur::reports::productTrend {

struct Range {
    Period first;
    Period last;
};

// The twelve months that end with `last`.
Range lastTwelveMonths(const Period &last);
// A range whose first month comes after its last one is turned round.
Range ordered(const Range &range);

const ReportColumns &columns();

// One row per product and per month of the range that the books hold, for every product
// completed, sold or returned in the range; products by code, months in order. Reads the
// books only, in a few grouped statements.
ReportList build(Db &db, const Range &range);

// One chart per product, in the report's order: its unit cost and its gross margin per
// unit sold over the months; a month without completions or sales leaves a gap.
QVector<MonthChart> productCharts(const ReportList &trend);

} // namespace zedur::reports::productTrend

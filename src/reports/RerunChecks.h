#pragma once

#include "reports/RowCheckCopies.h"
#include "reports/RowCheckFindings.h"

// The figures the allocation and the close write, worked out by running them again on the
// month's scratch copies (where the checks of saved figures have put right what they found)
// and compared with the books.
namespace zedur::reports::rowchecks {

// The allocation of the month: every lot's labour and overhead and total, and what it
// carries down to WIP transfers, completions, product receipts, product transfers and sales.
void rerunAllocation(Db &db, const Period &month, const MonthCopies &copies, Findings &findings);

// The carry-forward of a closed month: every brought-forward row of the next month against
// the row the close makes of its source, and no such row without a source.
void rerunCarry(Db &db, const Period &month, const MonthCopies &copies, Findings &findings);

} // namespace zedur::reports::rowchecks

#pragma once

#include "closing/RunOutcome.h"
#include "common/Progress.h"
#include "store/Periods.h"

namespace zedur {

class Db;

namespace allocation {
inline const QString DirectWorkTable = QStringLiteral("MC_JeyGongPum_DaongNoMuJeyJo_SumVw01");
inline const QString ReceiptWorkTable = QStringLiteral("MC_UpDateChaongGoJeyGongPum_SumVw01");
inline const QString LabourGroup = QStringLiteral("노무비(제)");
inline const QString OverheadGroup = QStringLiteral("제조경비(제)");
} // namespace allocation

// The allocation of a month's labour and overhead: the direct amounts to their lots, the
// common amounts over the month's lots in proportion to the raw material recognised this
// month, then the lot costs carried down to the WIP transfers, the completions into the
// warehouse, the product receipts, the product transfers and the cost of goods sold. The
// month must be the open one, none of its rows closed and the books not read-only. One transaction: on a refusal or
// an error nothing changes; a completed run marks the month ready for the close. Running it
// again gives the same amounts.
RunOutcome runAllocation(Db &db, const Period &month, const Progress &progress = {});

} // namespace zedur

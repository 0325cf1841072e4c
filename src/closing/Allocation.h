#pragma once

#include "closing/RunOutcome.h"
#include "common/Progress.h"
#include "store/Periods.h"

#include <QStringList>

namespace zedur {

class Db;

namespace allocation {
inline const QString DirectWorkTable = QStringLiteral("MC_JeyGongPum_DaongNoMuJeyJo_SumVw01");
inline const QString ReceiptWorkTable = QStringLiteral("MC_UpDateChaongGoJeyGongPum_SumVw01");
inline const QString LabourGroup = QStringLiteral("노무비(제)");
inline const QString OverheadGroup = QStringLiteral("제조경비(제)");

// What the allocation writes, by column stem: on a lot its month's labour and overhead and its
// total; on a WIP transfer the lot's rates and eleven amounts, on a completion five of them;
// on product receipts, their transfers (direct labour, indirect labour, direct overhead,
// indirect overhead, total) and shipments (the cost of goods sold) their shares.
inline const QStringList LotAmounts{"DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02", "WoulAmtTot"};
inline const QStringList TransferAmounts{"JenGiWonAmt",   "JenGiNoMu_01",  "JenGiNoMu_02", "JenGiJeyJo_01",
                                         "JenGiJeyJo_02", "DaongWonAmt",   "DaongNoMu_01", "DaongNoMu_02",
                                         "DaongJeyJo_01", "DaongJeyJo_02", "WoulAmtTot"};
inline const QStringList CompletionAmounts = LotAmounts;
inline const QStringList Rates{"JenGiWoul", "DaongWoul", "TotWoul"};
inline const QStringList ProductAmounts{"JenGiNoMu", "DaongNoMu", "JenGiJeyJo", "DaongJeyJo", "TotGaAmt"};
inline const QStringList ShipmentAmounts{"WonJaJeyAmt"};

// The allocation's work on the month's rows, where the tables named lie: its work tables
// made anew, the amounts spread and carried down. Without the tests of the period and the
// closed rows, the books' lock or the month's mark; refused (rows partly written) when a lot or
// a product receipt has no quantity or amounts to share. In the caller's transaction.
Verdict allocateRows(Db &db, const Period &month, const Progress &progress = {});
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

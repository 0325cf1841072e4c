#pragma once

#include "entries/Refusal.h"
#include "store/Periods.h"

#include <QString>

// Deleting from the two viewers of the issue screen. The viewers stay open while other
// screens change the books, so a delete reads the row anew by its serial and tests what
// is stored, not what the viewer shows: a row of a closed month, or of another month than
// the open one, stays. A delete changes the month's costs, so it also marks the open month
// for a new allocation run.
namespace zedur {
class Db;
}

namespace zedur::issues {

// Focus targets of the viewers' refusals: their serial boxes.
inline const QString LotViewerSerialBox = QStringLiteral("edGong_Serial");
inline const QString TransferViewerSerialBox = QStringLiteral("edTaInPut_Serial");

// A WIP lot of the month `shown`: refused when it has a completion rate, was carried
// forward, is closed or outside the open month, is not picked (or gone), carries a direct
// amount, was transferred or completed into the warehouse (in that order).
Verdict deleteLot(Db &db, const Period &shown, const QString &serial);

// A raw-material transfer: refused when closed or outside the open month, or not picked
// (or gone).
Verdict deleteTransfer(Db &db, const Period &shown, const QString &serial);

} // namespace zedur::issues

#pragma once

#include "entries/Refusal.h"

#include <QString>

// Deleting from the two viewers of the issue screen. The viewers stay open while other
// screens change the books, so a delete reads the row anew by its serial and tests what
// is stored, not what the viewer shows. A delete changes the month's costs, so it also
// marks the open month for a new allocation run.
namespace zedur {
class Db;
}

namespace zedur::issues {

// Focus targets of the viewers' refusals: their serial boxes.
inline const QString LotViewerSerialBox = QStringLiteral("edGong_Serial");
inline const QString TransferViewerSerialBox = QStringLiteral("edTaInPut_Serial");

// A WIP lot: refused when it has a completion rate, was carried forward, is closed, is
// not picked (or gone), carries a direct amount, was transferred or completed into the
// warehouse (in that order).
Verdict deleteLot(Db &db, const QString &serial);

// A raw-material transfer: refused when closed or not picked (or gone).
Verdict deleteTransfer(Db &db, const QString &serial);

} // namespace zedur::issues

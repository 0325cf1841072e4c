#pragma once

#include "entries/Refusal.h"

#include <QString>

// Deleting from the two viewers of the issue screen: the row read anew by its serial, the
// open month marked for a new allocation run (ViewerRows.h).
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

#pragma once

#include "entries/Refusal.h"
#include "store/Periods.h"

// Deleting a sale or a product transfer in the viewers of the shipment screen. A viewer
// stays open while other screens change the books, so each delete reads its row anew by
// serial; and a delete changes the month's costs, so it marks the open month for a new
// allocation run.
namespace zedur::shipments {

inline const QString ShipmentViewerSerialBox = QStringLiteral("edG_Serial");
inline const QString TransferViewerSerialBox = QStringLiteral("edT_Serial");

// A sale of the open month; the negative row of a sales return is removed with its return only.
Verdict deleteShipment(Db &db, const Period &shown, const QString &serial);
Verdict deleteProductTransfer(Db &db, const Period &shown, const QString &serial);

} // namespace zedur::shipments

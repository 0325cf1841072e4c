#pragma once

#include "store/Periods.h"

#include <QString>
#include <QStringList>

// What is left of each product receipt of a month: MC_ChaongGoChulGoTaAc_SumVw01 (one row
// per movement: the receipt, its shipments, its transfers) and MC_ChaongGoChulGoTaAc_SumVw02
// (one row per receipt with the sums and the remaining quantity). The shipment screen lists
// the receipts with them; the monthly close carries what is left.
namespace zedur {

class Db;

namespace productbalances {
inline const QString Movements = QStringLiteral("MC_ChaongGoChulGoTaAc_SumVw01");
inline const QString PerReceipt = QStringLiteral("MC_ChaongGoChulGoTaAc_SumVw02");
} // namespace productbalances

// Drops both tables when present and creates them empty.
void recreateProductBalanceTables(Db &db);

// Empties both tables and fills them with the movements and balances of a month. The
// negative row of a sales return draws on no receipt and is no movement out of one: the
// goods come back through the return receipt. Runs in the caller's transaction.
void refillProductBalances(Db &db, const Period &month);
// The movements and balances of these receipts of the month made anew (after a save that
// drew on them), the same figures a refill gives them, without reading the rest of the month.
void refreshProductBalances(Db &db, const Period &month, const QStringList &receipts);

// What is left of one product receipt after the shipments and transfers of its own month,
// read from the base tables (the figure the work tables give, without refilling them).
double remainingProductQuantity(Db &db, const QString &receiptSerial);

} // namespace zedur

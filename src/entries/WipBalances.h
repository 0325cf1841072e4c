#pragma once

#include "store/Periods.h"

#include <QString>
#include <QStringList>

// What is left of each WIP lot of a month: the work tables MC_JeyGongPumChaongGoTaAc_SumVw01
// (one row per movement: the lot, each completion into the warehouse, each transfer to
// another account) and MC_JeyGongPumChaongGoTaAc_SumVw02 (one row per lot with its issued,
// completed, transferred and remaining quantity, raw-material amount and cost). The
// completion into the warehouse, the WIP transfer screen and the monthly close read them.
namespace zedur {

class Db;

namespace wipbalances {
inline const QString Movements = QStringLiteral("MC_JeyGongPumChaongGoTaAc_SumVw01");
inline const QString PerLot = QStringLiteral("MC_JeyGongPumChaongGoTaAc_SumVw02");
} // namespace wipbalances

// Drops both tables when present and creates them empty.
void recreateWipBalanceTables(Db &db);

// Empties both tables and fills them with the movements and balances of a month's lots.
// Runs in the caller's transaction.
void refillWipBalances(Db &db, const Period &month);
// The movements and balances of these lots of the month made anew (after a save that moved
// them), the same figures a refill gives them, without reading the rest of the month.
void refreshWipBalances(Db &db, const Period &month, const QStringList &lots);

// What is left of one lot after the completions and transfers of its own month, read from
// the base tables (the figure the work tables give, without refilling them); 0 for no lot.
double remainingLotQuantity(Db &db, const QString &lotSerial);

} // namespace zedur

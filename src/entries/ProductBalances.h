#pragma once

#include <QString>

// What is left of each product receipt of a month: MC_ChaongGoChulGoTaAc_SumVw01 (one row
// per movement: the receipt, its shipments, its transfers) and MC_ChaongGoChulGoTaAc_SumVw02
// (one row per receipt with the sums and the remaining quantity).
namespace zedur {

class Db;

namespace productbalances {
inline const QString Movements = QStringLiteral("MC_ChaongGoChulGoTaAc_SumVw01");
inline const QString PerReceipt = QStringLiteral("MC_ChaongGoChulGoTaAc_SumVw02");
} // namespace productbalances

// Drops both tables when present and creates them empty.
void recreateProductBalanceTables(Db &db);

} // namespace zedur

#pragma once

#include <QString>

// What is left of each WIP lot of a month: MC_JeyGongPumChaongGoTaAc_SumVw01 (one row per
// movement: the lot, its completions into the warehouse, its transfers) and
// MC_JeyGongPumChaongGoTaAc_SumVw02 (one row per lot with the sums and the remaining
// quantity, raw-material amount and allocated amount).
namespace zedur {

class Db;

namespace lotbalances {
inline const QString Movements = QStringLiteral("MC_JeyGongPumChaongGoTaAc_SumVw01");
inline const QString PerLot = QStringLiteral("MC_JeyGongPumChaongGoTaAc_SumVw02");
} // namespace lotbalances

// Drops both tables when present and creates them empty.
void recreateLotBalanceTables(Db &db);

} // namespace zedur

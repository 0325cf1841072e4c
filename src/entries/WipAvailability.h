#pragma once

#include "common/ResultSet.h"
#include "entries/FlatProductTree.h"
#include "entries/LotConsumption.h"
#include "store/Periods.h"

// What the month's 100 %-complete WIP lots still offer for completion into the warehouse:
// MC_JeyGongPumTaAcChaongGo_SumVw01 holds the movements (each such lot, minus each
// completion into the warehouse of the month, minus each transfer of the month at 100 %),
// _SumVw02 what each lot offers (per lot and unit price, only where more than 0.00001 is
// left) and _SumVw03 what each raw material offers in all.
namespace zedur::warehouse {

inline const QString OfferMovements = QStringLiteral("MC_JeyGongPumTaAcChaongGo_SumVw01");
inline const QString OffersPerLot = QStringLiteral("MC_JeyGongPumTaAcChaongGo_SumVw02");
inline const QString OffersPerMaterial = QStringLiteral("MC_JeyGongPumTaAcChaongGo_SumVw03");

void recreateAvailabilityTables(Db &db);
// Empties the three tables and fills them for the month, in the caller's transaction.
void refillAvailability(Db &db, const Period &month);

// The lots _SumVw02 offers for these raw materials.
QVector<LotOffer> offeredLots(Db &db, const QVector<Material> &materials);
// The newest date among all the lots _SumVw02 offers, of any raw material ("" when none).
QString newestOfferedDate(Db &db);

// The rows of the check grid: per raw material of the product, its quantity per unit B, the
// product quantity A, the need E = A x B, what its lots offer K (with their amounts) and
// K - E, for the materials without any lot (`missing`) or those whose lots fall short.
ResultSet checkRows(Db &db, const QVector<Material> &materials, double productQuantity, bool missing);

} // namespace zedur::warehouse

#pragma once

#include "store/Periods.h"

#include <QString>
#include <QStringList>

// What is left of each raw-material receipt of a month: the work tables
// MC_WonJaJeyInPut_SumVw01 (one row per movement) and MC_WonJaJeyInPut_SumVw02 (one row
// per receipt with its received, issued, transferred and remaining quantity and amount).
// The issue screen and the monthly close both read them.
namespace zedur {

class Db;

namespace balances {
inline const QString Movements = QStringLiteral("MC_WonJaJeyInPut_SumVw01");
inline const QString PerReceipt = QStringLiteral("MC_WonJaJeyInPut_SumVw02");
} // namespace balances

// Drops both tables when present and creates them empty.
void recreateReceiptBalanceTables(Db &db);

// Empties both tables and fills them with the movements and balances of a month. A month
// without receipts leaves them empty. Runs in the caller's transaction.
void refillReceiptBalances(Db &db, const Period &month);
// The movements and balances of these receipts of the month made anew (after a save that
// drew on them), the same figures a refill gives them, without reading the rest of the month.
void refreshReceiptBalances(Db &db, const Period &month, const QStringList &receipts);

// What is left of one receipt after the issues and transfers of its own month, read from
// the base tables (the same figures the work tables give, without refilling them).
struct ReceiptLeft {
    double quantity = 0;
    double amount = 0;
};
ReceiptLeft receiptLeft(Db &db, const QString &receiptSerial);
double remainingQuantity(Db &db, const QString &receiptSerial);

} // namespace zedur

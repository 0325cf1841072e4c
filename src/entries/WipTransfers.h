#pragma once

#include "common/SystemInfo.h"
#include "entries/LotConsumption.h"
#include "entries/Refusal.h"
#include "store/Periods.h"

// Transferring a quantity of one WIP lot, at whatever completion rate, to another account:
// one row of MC_JeyGongPumInPut_TaAc carrying the quantity's share of the lot's amounts.
namespace zedur {
class Db;
}

namespace zedur::wiptransfer {

inline const QString TransferKubun = QStringLiteral("당월입고");
inline const QString QuantityBox = QStringLiteral("edIn_SuKg");
inline const QString DayBox = QStringLiteral("edIn_Date");
inline const QString ViewerSerialBox = QStringLiteral("edJ_Serial");

// What a transfer of `quantity` takes from a lot, each the quantity's share of the lot's whole
// quantity at four decimals: the raw-material amount, the ten cost components and the total
// cost (the raw-material amount with the eight labour and overhead amounts).
struct LotShare {
    double gaAmt = 0;
    warehouse::Costs costs{};
    double woulAmtTot = 0;
};
LotShare shareOfLot(double lotQuantity, double lotGaAmt, const warehouse::Costs &lotCosts, double quantity);

// Leaving the quantity box: refused when more than what is left of the lot is typed (the
// shown figures compared at their four decimals), silently when the text is no number;
// otherwise the quantity in "#,##0.0000".
Checked<QString> leaveQuantity(const QString &typed, double remaining);

struct TransferRequest {
    Period shown;
    QString lotSerial;     // the lot shown in the detail panel
    bool selected = false; // the selection flag
    QString quantity;
    QString day;
    QString textMemo;
    QString bigo;
    AuditValues audit;
};
struct TransferSaved {
    QString serial;
    bool clearsSelection = false; // filled in when refused: the refusal clears the selection flag
};

// "&S 저장": the lot read anew by its serial, the screen's tests in order, then the transfer
// row, its amounts the quantity's share of the lot's whole quantity. One transaction.
Checked<TransferSaved> saveTransfer(Db &db, const TransferRequest &request);

// The viewer's delete of a transfer of the month shown: refused when the transfer is closed or
// not of the open month, not picked (or gone), or when a direct amount is booked on its lot.
Verdict deleteTransfer(Db &db, const Period &shown, const QString &serial);

} // namespace zedur::wiptransfer

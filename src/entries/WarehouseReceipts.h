#pragma once

#include "common/ResultSet.h"
#include "common/SystemInfo.h"
#include "entries/Refusal.h"
#include "store/Periods.h"

// Completing finished WIP into the product warehouse: the availability check of a product
// and quantity, and the save that consumes the lots oldest first into component rows
// (MC_ChaongGoJeyGongPumInJeyGong) and one product receipt (MC_ChaongGoJeyPumInPut) whose
// amounts are their sums.
namespace zedur {
class Db;
}

namespace zedur::warehouse {

inline const QString ReceiptKubun = QStringLiteral("당월입고");

// The six work tables of the screen, dropped and created empty.
void recreateWorkTables(Db &db);

// Leaving the quantity box: the quantity in "#,##0.0000"; a text that is no number is refused
// (the focus stays).
Checked<QString> leaveQuantity(const QString &typed);

// Leaving the day box: the day as two digits (filled in even when refused) and the receipt
// date, which must be on the calendar and not before the newest receipt of the product's raw
// materials found by the check. Without that date (no check yet) the check flag is cleared.
struct DayLeft {
    QString day;
    QString date;
    bool clearsCheck = false;
};
Checked<DayLeft> leaveDay(const Period &shown, const QString &typedDay, const QString &latestReceiptDate);

// The first test of "체크확인": a quantity typed ("0" passes, "0.0" does not).
Verdict quantityRefusal(const QString &typedQuantity);

// "체크확인": whether the product's raw materials can be had from the month's lots.
struct CheckResult {
    QString title;             // the line over the check grid
    ResultSet rows;            // the check grid: open, and empty when the receipt is possible
    QString latestReceiptDate; // of the product's raw materials
};
Checked<CheckResult> checkAvailability(Db &db, const Period &shown, const QString &productCode,
                                       const QString &typedQuantity);

struct ReceiptRequest {
    Period shown;
    QString gridLotSerial; // the lot current in the lot grid
    bool checkGridOpen = false;
    bool checkGridHasRows = false;
    bool checked = false; // the check flag
    QString productCode;  // the product current in the product list
    QString quantity;
    QString day;
    QString textMemo;
    QString bigo;
    AuditValues audit;
};
struct ReceiptSaved {
    QString serial;           // the product receipt written
    bool clearsCheck = false; // filled in when refused: the refusal clears the check flag
    QStringList lots;         // the lots it drew on
};

// "&S 저장": the screen's tests in order, then, with the availability rebuilt for the product
// and quantity being saved, the lots consumed oldest first; refused when they do not cover
// every raw material. One transaction.
Checked<ReceiptSaved> saveReceipt(Db &db, const ReceiptRequest &request);

// The viewer's delete of a product receipt of the month shown, with its component rows.
Verdict deleteReceipt(Db &db, const Period &shown, const QString &serial);

// Texts the screen shows of its own.
QString runCheckFirstText();
inline const QString QuantityBox = QStringLiteral("edIn_SuKg");
inline const QString DayBox = QStringLiteral("edIn_Date");
inline const QString ViewerSerialBox = QStringLiteral("edJ_Serial");

} // namespace zedur::warehouse

#pragma once

#include "common/SystemInfo.h"
#include "entries/Refusal.h"
#include "store/Periods.h"
#include "store/RowStatements.h"

#include <QString>

// Raw-material receipts: the rows of MC_WonJaJeyInPut that the receipts screen writes,
// and the tests it applies before it writes or deletes one.
namespace zedur::receipts {

inline const QString Table = QStringLiteral("MC_WonJaJeyInPut");
inline const QString OfTheMonth = QStringLiteral("당월입고");
inline const QString CarriedForward = QStringLiteral("전기이월");

// The boxes of the screen, as they read.
struct ReceiptEntry {
    QString serial;
    QString day;
    QString wonCode, wonName, danWi, model, pumName, kuSize;
    QString serialJen, taxNumber;
    QString saleCode, saleName, saleNumber, saleDyiPou;
    QString textMemo;
    QString quantity, price, amount; // shown texts, "#,##0.0000"
    bool amountTyped = false;        // typed after quantity and price last changed: it stands
    QString bigo;
};

// What the screen remembered of the row it showed (empty for a new row).
struct RememberedRow {
    QString kubun;   // InPut_Kubun
    QString check01; // InPut_Check_01
};

struct ReceiptSave {
    Period shown;
    ReceiptEntry entry;
    RememberedRow remembered; // a new row only: what the screen showed last
    QString gridCheck01;      // a new row only: InPut_Check_01 of the grid's current row
    AuditValues audit;
};

// "&I 등록": the tests before a new row is typed; the serial the new row will have.
Checked<QString> beginNewReceipt(Db &db, const Period &shown, const RememberedRow &remembered);

// "&S 저장" of a new row (screen mode 3) and of a changed row (mode 2), each one
// transaction: the tests in the screen's order, then the insert or the update. The three
// numbers are checked and worked out again as leaving their boxes would (numbersToSave),
// so that a save reached by any way stores what the boxes' rules allow. A change
// is judged by the row as stored (carried forward, closed, outside the open month), not
// by what the screen remembers of it.
// A new row is stored under the serial shown unless another desk has taken it meanwhile
// (serialForNewRow); storedSerial, when given, receives the one it got.
Verdict saveNewReceipt(Db &db, const ReceiptSave &save, QString *storedSerial = nullptr);
Verdict saveChangedReceipt(Db &db, const ReceiptSave &save);

// "D 삭제": the tests on the stored row, then the delete, in one transaction.
Verdict deleteReceipt(Db &db, const Period &shown, const QString &serial);

// Whether transfers or WIP lots draw on the receipt.
bool receiptHasTransfers(Db &db, const QString &serial);
bool receiptHasLots(Db &db, const QString &serial);

} // namespace zedur::receipts

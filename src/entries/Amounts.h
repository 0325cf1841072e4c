#pragma once

#include "common/SystemInfo.h"
#include "entries/AmountRules.h"
#include "store/Periods.h"
#include "store/RowStatements.h"

// The amounts booked on expense and revenue accounts, MC_AcNameAmtInPut.
namespace zedur::amounts {

inline const QString Table = QStringLiteral("MC_AcNameAmtInPut");

// The boxes of the screen, as they read.
struct AmountEntry {
    QString serial;
    QString day;
    QString acCode, acName, groupAcName;
    QString kind;   // "간접" or "직접"
    QString lotBox; // "간접(공통)비" or the picked lot's serial
    QString textMemo;
    QString bigo;
    QString amount; // shown text
};

struct AmountSave {
    Period shown;
    AmountEntry entry;
    QString gridCheck01; // a new row only: Amt_Check_01 of the grid's current row
    AuditValues audit;
};

// The nineteen columns in table order; the check columns as given.
RowValues amountRow(const Period &shown, const AmountEntry &entry, const QString &date, const QString &check01,
                    const QString &check02, const AuditValues &audit);

// "&I 등록": the tests before a new row is typed; the serial the new row will have.
Checked<QString> beginNewAmount(Db &db, const Period &shown, const QString &gridCheck01);

// "&S 저장" of a new row (mode 3) and of a changed one (mode 2), each one transaction.
// A change is judged by the row as stored (closed, outside the open month) and keeps its
// check columns.
// A new row is stored under the serial shown unless another desk has taken it meanwhile
// (serialForNewRow); storedSerial, when given, receives the one it got.
Verdict saveNewAmount(Db &db, const AmountSave &save, QString *storedSerial = nullptr);
Verdict saveChangedAmount(Db &db, const AmountSave &save);

// "D 삭제": the tests on the stored row, then the delete.
Verdict deleteAmount(Db &db, const Period &shown, const QString &serial);

} // namespace zedur::amounts

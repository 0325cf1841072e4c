#pragma once

#include "common/SystemInfo.h"
#include "entries/DayDate.h"
#include "entries/ProductFigures.h"
#include "entries/Refusal.h"
#include "store/Periods.h"

#include <QString>

// Taking back part or all of a sale of an earlier month. One save writes two rows dated in
// the open month, each pointing at the other: a product receipt of kind "매출반품입고" (the
// goods back in the warehouse at the sale's cost per unit) and a sales row of kind
// "반품매출액" with a negative quantity and amount. Each sale is returned at most once.
namespace zedur::salesreturns {

inline const QString ReturnReceiptKubun = QStringLiteral("매출반품입고");

// The quantity and amount boxes after the quantity box is left.
struct ReturnBoxes {
    QString quantity; // the returned quantity, negative, "#,##0.0000"
    QString amount;   // the negative sales amount, "#,##0.0000"
    bool operator==(const ReturnBoxes &) const = default;
};

// Leaving the quantity box with a sale shown (`kubun` its kind): a return row is not
// returned again (the focus goes on to the day box), and the quantity must be more than
// zero and at most what was sold; its sign is ignored.
Checked<ReturnBoxes> leaveReturnQuantity(const QString &kubun, const QString &typed,
                                         const productfigures::SaleTakenBack &sale);

// Leaving the day box: a calendar date of the open month `open`, for a sale (dated
// `saleDate`) of another month. The day comes back as two digits even when refused.
Checked<DayDate> leaveReturnDay(const Period &open, const QString &typedDay, const QString &saleDate);

struct ReturnRequest {
    Period open;        // the month the screen dates returns in (its year and month panels)
    QString saleSerial; // the row shown; empty when none was
    QString quantity;   // the quantity box: negative once it was left
    QString day;
    QString textMemo;
    QString bigo;
    AuditValues audit;
};

// "&S 저장": one transaction that reads the sale anew by its serial, runs the screen's tests
// in order and writes the return receipt and the return row.
Verdict saveReturn(Db &db, const ReturnRequest &request);

struct ReturnDelete {
    Period open;
    QString serial; // the row shown
    // The boxes that tell whether a row is shown at all.
    QString quantity;
    QString kubun;
    QString price;
};

// "D 삭제": one transaction that removes an open return: its row and its receipt, unless
// the receipt has been drawn on since.
Verdict deleteReturn(Db &db, const ReturnDelete &request);

} // namespace zedur::salesreturns

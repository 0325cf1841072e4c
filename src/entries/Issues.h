#pragma once

#include "common/SystemInfo.h"
#include "entries/Refusal.h"
#include "entries/TakenAmount.h"
#include "store/RowStatements.h"
#include "store/Periods.h"

#include <QString>
#include <QStringList>

// Taking a quantity out of a raw-material receipt: into the manufacturing process (a new
// WIP lot, MC_JeyGongPumInPut) or to another account (MC_WonJaJeyInPut_TaAc).
namespace zedur::issues {

inline const QString LotKubun = QStringLiteral("당월투입");
inline const QString TransferKubun = QStringLiteral("당월타계정");

// The kind list, by index: 0 "제조공정투입", 1 "타 계정 대체".
enum class IssueKind { None = -1, Lot = 0, Transfer = 1 };
const QStringList &kindItems();
QString kindText(IssueKind kind); // the list's text; empty for None

// The quantity box and the amount box of the issue screen.
struct IssueNumbers {
    QString quantity; // shown "#,##0.0000"
    QString amount;   // shown "#,##0.0000"
};

// The unit price an issue or transfer is written with: its receipt's, at four decimals. Its
// amount is what taken::amountTaken gives for its quantity from the receipt at that price.
double issuedPrice(double receiptPrice);

// Picking a receipt proposes all that is left of it.
IssueNumbers proposeIssue(const taken::Source &receipt);

// Leaving the quantity box: refused when more than what is left is typed (the shown
// figures compared at their four decimals), silently when the text is no number.
Checked<IssueNumbers> leaveIssueQuantity(const QString &typed, const taken::Source &receipt);

// Leaving the day box: a calendar date of the month shown, not before the receipt date.
Checked<QString> leaveIssueDay(const Period &shown, const QString &typedDay, const QString &receiptDate);

struct IssueRequest {
    Period shown;
    QString receiptSerial; // the receipt picked in the grid; empty when none was picked
    IssueKind kind = IssueKind::None;
    QString quantity; // the quantity box
    QString day;      // the day box
    QString textMemo;
    QString bigo;
    AuditValues audit;
};

// "&S 저장": one transaction that reads the receipt anew by its serial, works out what is
// left of it, runs the screen's tests in order and writes the WIP lot or the transfer.
Verdict saveIssue(Db &db, const IssueRequest &request);

} // namespace zedur::issues

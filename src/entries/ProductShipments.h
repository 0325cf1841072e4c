#pragma once

#include "common/SystemInfo.h"
#include "entries/DayDate.h"
#include "entries/Refusal.h"
#include "store/Periods.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// Taking finished product out of a product receipt: a sale (MC_ChaongGoJeyPumInPut_ChulGo,
// with the cost of the goods sold) or a transfer to another account
// (MC_ChaongGoJeyPumInPut_TaAc, with the receipt's cost columns). The quantity carries the
// receipt's costs in proportion to the receipt's own quantity.
namespace zedur::shipments {

inline const QString SaleKubun = QStringLiteral("정기매출출고");
inline const QString ReturnKubun = QStringLiteral("반품매출액");
inline const QString TransferKubun = QStringLiteral("당월타계정");

// The kind list, by index: 0 "창고매출출고", 1 "타 계정 대체".
enum class MovementKind { None = -1, Sale = 0, Transfer = 1 };
const QStringList &kindItems();

// The descriptive columns a movement takes from the screen's boxes (edIn_ + stem), in the
// order of the row: "DanWi", "Model", "PumName", "KuSize", "SerialJen", "TaxNumber",
// "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou".
const QStringList &descriptiveStems();

// The quantity, unit-price and amount boxes, as shown ("#,##0.0000").
struct MovementNumbers {
    QString quantity;
    QString price;
    QString amount;
    bool operator==(const MovementNumbers &) const = default;
};

// Picking a receipt proposes all that is left of it, at the receipt's unit cost (blank
// when the receipt has no quantity to divide by).
MovementNumbers proposeMovement(double remaining, std::optional<double> unitCost);

// Leaving the quantity box: more than is left is refused with the stock warning, a text
// that is no number silently; otherwise the quantity is cut to five decimals and the
// amount follows it.
Checked<MovementNumbers> leaveQuantity(const MovementNumbers &shown, double remaining);

// Leaving the price box. A sale below the receipt's unit cost is warned about (`warning`,
// shown while the price stays); a transfer's price always goes back to the unit cost. The
// amount follows the price.
struct PriceLeft {
    MovementNumbers numbers;
    QString warning;
};
Checked<PriceLeft> leavePrice(MovementKind kind, const MovementNumbers &shown, std::optional<double> unitCost);

// Leaving the amount box: the amount typed stands, at the four decimals shown.
Checked<MovementNumbers> leaveAmount(const MovementNumbers &shown);

// Leaving the day box: a calendar date of the month shown, not before the receipt's date.
// The day comes back as two digits even when refused.
Checked<DayDate> leaveMovementDay(const Period &shown, const QString &typedDay, const QString &receiptDate);

struct MovementRequest {
    Period shown;
    QString receiptSerial; // the receipt of the list's current row; empty when the list is empty
    MovementKind kind = MovementKind::None;
    MovementNumbers numbers;
    bool amountTyped = false; // typed after quantity and price last changed: it stands
    QString day;
    QMap<QString, QString> texts; // by descriptive stem
    QString textMemo;
    QString bigo;
    AuditValues audit;
};

// "&S 저장": one transaction that reads the receipt anew by its serial, works out what is
// left of it, runs the screen's tests in order and writes the sale or the transfer. A sale
// below the receipt's unit cost is saved, with the warning in `notices`, shown before any
// refusal that follows it.
struct MovementSaved {
    QStringList notices;
    Verdict refusal;
};
MovementSaved saveMovement(Db &db, const MovementRequest &request);

} // namespace zedur::shipments

#include "entries/ProductShipments.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "entries/DayDate.h"
#include "entries/EntryTransaction.h"
#include "entries/ProductBalances.h"
#include "entries/ProductFigures.h"
#include "entries/StockQuantity.h"
#include "entries/StoredRow.h"
#include "store/Db.h"
#include "store/Serials.h"

namespace zedur::shipments {

namespace {

using namespace productfigures;

const QString Shown = QStringLiteral("#,##0.0000");
const QString CRLF = QStringLiteral("\r\n");
const QString QuantityBox = QStringLiteral("edIn_SuKg");
const QString PriceBox = QStringLiteral("edIn_DanGa");
const QString AmountBox = QStringLiteral("edIn_GaAmt");
const QString DayBox = QStringLiteral("edIn_Date");

QString shown(double value)
{
    return formatFloat(Shown, value);
}

QString shown(std::optional<double> value)
{
    return value ? shown(*value) : QString();
}

// A box's text as a number; an empty box is 0, a text that is no number refuses silently.
Checked<double> numberIn(const QString &text, const QString &box)
{
    if (!IsDouble(text))
        return {Refusal{{}, box, false, true}, 0.0};
    return {std::nullopt, fNumValue(fDeleteBlank(text))};
}

QString stockText()
{
    return QStringLiteral("현재 창고에 있는 제품매출원가 제품 재고량(중량)은") + CRLF +
           QStringLiteral("제품 재고를 초과하여 등록된 수량입니다.......");
}

QString beforeReceiptText()
{
    return QStringLiteral("현재 창고에 입고된 기준일자 보다는") + CRLF + QStringLiteral("작은 일자입니다.......");
}

QString belowCostOnLeaving(double unitCost)
{
    return QStringLiteral("매출 출고 단가는") + CRLF + QStringLiteral("현재 창고에 입고된") + CRLF +
           QStringLiteral("제품매출원가단가[") + formatFloat(QStringLiteral("#,##0.000000000"), unitCost) +
           QStringLiteral("]보다는  ") + CRLF + QStringLiteral("작은 단가입니다.......");
}

QString belowCostOnSaving()
{
    return QStringLiteral("매출 출고 단가는") + CRLF + QStringLiteral("현재 창고에 입고된 제품매출원가단가보다는") +
           CRLF + QStringLiteral("작은 단가입니다.......");
}

// Text values are written without single quotes, as they always were.
QString unquoted(const QString &text)
{
    QString out = text.trimmed();
    out.remove(u'\'');
    return out;
}

// Memo and remark are written without blanks too.
QString squeezed(const QString &text)
{
    return unquoted(fDeleteBlank(text));
}

// The receipt drawn on, as stored: stock carried forward is taken like any other, but a
// receipt of a closed month, or of another month than the open one, is not.
const RowRule ReceiptRule{entryTables::ProductReceipts, false};

ProductCost costOf(const StoredRow &receipt)
{
    return {receipt.number("GaAmt"),      receipt.number("JenGiNoMu"),  receipt.number("DaongNoMu"),
            receipt.number("JenGiJeyJo"), receipt.number("DaongJeyJo"), receipt.number("TotGaAmt")};
}

std::optional<double> unitCostOf(const StoredRow &receipt)
{
    return unitCost(receipt.number("TotGaAmt"), receipt.number("SuKg"));
}

// What a save writes, once its tests passed.
struct Movement {
    QString serial;
    QString date;
    double quantity = 0;
    double price = 0;
    double amount = 0;
};

RowValues headOf(const QString &prefix, const Movement &m, const MovementRequest &r, const StoredRow &receipt)
{
    RowValues row{{prefix + "Serial", m.serial},
                  {prefix + "Date", m.date},
                  {prefix + "Year", m.date.left(4)},
                  {prefix + "Month", m.date.mid(5, 2)},
                  {prefix + "JeyPumCode", unquoted(receipt.text("JeyPumCode"))},
                  {prefix + "JeyPumName", unquoted(receipt.text("JeyPumName"))}};
    for (const QString &stem : descriptiveStems())
        row.append({prefix + stem, unquoted(r.texts.value(stem))});
    row.append({prefix + "TextMemo", squeezed(r.textMemo)});
    return row;
}

RowValues saleRow(const Movement &m, const MovementRequest &r, const StoredRow &receipt)
{
    RowValues row = headOf("ChulGo_", m, r, receipt);
    row << RowValues{{"ChulGo_SuKg", m.quantity},
                     {"ChulGo_DanGa", m.price},
                     {"ChulGo_GaAmt", m.amount},
                     {"ChulGo_WonJaJeyAmt", share(receipt.number("TotGaAmt"), m.quantity, receipt.number("SuKg"))},
                     {"ChulGo_Bigo", squeezed(r.bigo)},
                     {"ChulGo_Check_01", QString("")},
                     {"ChulGo_Check_02", QString("")},
                     {"ChulGo_Check_03", r.audit.volumeSerial},
                     {"ChulGo_SaveDate", r.audit.saveDate},
                     {"ChulGo_JeyPumSerial", receipt.serial()},
                     {"ChulGo_Kubun", SaleKubun},
                     // Empty, never NULL: a sale is found returnable by its empty links.
                     {"BanPum_ChulGoSerial", QString("")},
                     {"BanPum_ChulGoJeyPumSerial", QString("")},
                     {"BanPum_NewJeyPumSerial", QString("")}};
    return row;
}

RowValues transferRow(const Movement &m, const MovementRequest &r, const StoredRow &receipt)
{
    const ProductCost cost = shareOf(costOf(receipt), receipt.number("SuKg"), m.quantity);
    RowValues row = headOf("TaJeyPum_", m, r, receipt);
    row << RowValues{{"TaJeyPum_SuKg", m.quantity},
                     {"TaJeyPum_GaAmt", cost.gaAmt},
                     {"TaJeyPum_JenGiNoMu", cost.jenGiNoMu},
                     {"TaJeyPum_DaongNoMu", cost.daongNoMu},
                     {"TaJeyPum_JenGiJeyJo", cost.jenGiJeyJo},
                     {"TaJeyPum_DaongJeyJo", cost.daongJeyJo},
                     {"TaJeyPum_TotGaAmt", cost.totGaAmt},
                     {"TaJeyPum_Kubun", TransferKubun},
                     {"TaJeyPum_Bigo", squeezed(r.bigo)},
                     {"TaJeyPum_Check_01", QString("")},
                     {"TaJeyPum_Check_02", QString("")},
                     {"TaJeyPum_Check_03", r.audit.volumeSerial},
                     {"TaJeyPum_SaveDate", r.audit.saveDate},
                     {"TaJeyPum_JeyPumSerial", receipt.serial()}};
    return row;
}

// The sale's price and amount as they are written: the price cut as leaving its box cuts
// it; the amount as typed when typed on purpose, else worked out from price and quantity.
Checked<Movement> salePriced(const MovementRequest &r, double price, Movement m)
{
    m.price = remembered(price);
    m.amount = salesAmount(m.price, m.quantity);
    if (r.amountTyped) {
        const Checked<double> amount = numberIn(r.numbers.amount, AmountBox);
        if (!amount.ok())
            return {amount.refusal, m};
        m.amount = typedAmount(amount.value);
    }
    return {std::nullopt, m};
}

// The tests of a save in the screen's order; what to write when they pass.
Checked<Movement> movementOf(Db &db, const MovementRequest &r, const StoredRow &receipt, QStringList &notices)
{
    const bool found = receipt.found();
    if (receipt.refusal())
        return {receipt.refusal(), {}};
    const Checked<double> typed = numberIn(r.numbers.quantity, QuantityBox);
    if (!typed.ok())
        return {typed.refusal, {}};
    Movement m;
    m.quantity = remembered(typed.value);
    if (found && exceeds(m.quantity, remainingProductQuantity(db, receipt.serial())))
        return {Refusal{stockText(), QuantityBox}, {}};
    if (r.kind == MovementKind::None)
        return {Refusal{QStringLiteral("저장 등록 구분을 먼저 선택 하세요......."), QStringLiteral("cbInKubun")}, {}};
    if (r.kind == MovementKind::Sale) {
        const Checked<double> price = numberIn(r.numbers.price, PriceBox);
        if (!price.ok())
            return {price.refusal, {}};
        const Checked<Movement> priced = salePriced(r, price.value, m);
        if (!priced.ok())
            return priced;
        m = priced.value;
        if (found && belowCost(price.value, unitCostOf(receipt)))
            notices << belowCostOnSaving();
    }
    if (r.numbers.quantity.trimmed().isEmpty())
        return {Refusal{{}, QuantityBox}, {}};
    const Checked<DayDate> day = checkDay(r.shown, r.day, DayBox);
    if (!day.ok())
        return {day.refusal, {}};
    // What the row would hold, not the text: 0.00001 is a quantity of 0.0000.
    if (m.quantity <= 0)
        return {Refusal{QStringLiteral("현재 수량(중량)의 출고매출(타 계정 대체)은 완제품 재고가 제로[0.00] "
                                       "입니다......."),
                        QuantityBox},
                {}};
    if (!found)
        return {Refusal{u'\'' + receipt.serial() + QStringLiteral("'  검색한 데이타가 없습니다.....")}, {}};
    // The day box is not tested when the user goes from it straight to the quantity.
    if (day.value.date < receipt.text("Date"))
        return {Refusal{beforeReceiptText(), DayBox}, {}};
    m.date = day.value.date;
    return {std::nullopt, m};
}

} // namespace

const QStringList &kindItems()
{
    static const QStringList items{QStringLiteral("창고매출출고"), QStringLiteral("타 계정 대체")};
    return items;
}

const QStringList &descriptiveStems()
{
    static const QStringList stems{"DanWi",     "Model",    "PumName",  "KuSize",     "SerialJen",
                                   "TaxNumber", "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};
    return stems;
}

MovementNumbers proposeMovement(double remaining, std::optional<double> unitCost)
{
    const double quantity = roundDecimals(remaining, 4);
    const std::optional<double> price = costPrice(unitCost);
    return {shown(quantity), shown(price), shown(salesAmount(price.value_or(0.0), quantity))};
}

Checked<MovementNumbers> leaveQuantity(const MovementNumbers &boxes, double remaining)
{
    const Checked<double> typed = numberIn(boxes.quantity, QuantityBox);
    if (!typed.ok())
        return {typed.refusal, boxes};
    const double quantity = remembered(typed.value);
    if (exceeds(quantity, remaining))
        return {Refusal{stockText(), QuantityBox}, boxes};
    const Checked<double> price = numberIn(boxes.price, PriceBox);
    MovementNumbers left = boxes;
    left.quantity = shown(quantity);
    left.amount = shown(salesAmount(price.ok() ? price.value : 0.0, quantity));
    return {std::nullopt, left};
}

Checked<PriceLeft> leavePrice(MovementKind kind, const MovementNumbers &boxes, std::optional<double> unitCost)
{
    const Checked<double> typed = numberIn(boxes.price, PriceBox);
    if (!typed.ok())
        return {typed.refusal, {boxes, {}}};
    PriceLeft left{boxes, {}};
    std::optional<double> price = remembered(typed.value);
    if (kind == MovementKind::Sale && belowCost(typed.value, unitCost))
        left.warning = belowCostOnLeaving(*unitCost);
    else if (kind == MovementKind::Transfer)
        price = costPrice(unitCost); // a transfer is valued at cost; its price is never stored
    const Checked<double> quantity = numberIn(boxes.quantity, QuantityBox);
    left.numbers.price = shown(price);
    left.numbers.amount = shown(salesAmount(price.value_or(0.0), quantity.ok() ? quantity.value : 0.0));
    return {std::nullopt, left};
}

Checked<MovementNumbers> leaveAmount(const MovementNumbers &boxes)
{
    const Checked<double> typed = numberIn(boxes.amount, AmountBox);
    if (!typed.ok())
        return {typed.refusal, boxes};
    MovementNumbers left = boxes;
    left.amount = shown(typedAmount(typed.value));
    return {std::nullopt, left};
}

Checked<DayDate> leaveMovementDay(const Period &shownMonth, const QString &typedDay, const QString &receiptDate)
{
    const Checked<DayDate> day = checkDay(shownMonth, typedDay, DayBox);
    if (day.ok() && day.value.date < receiptDate.trimmed())
        return {Refusal{beforeReceiptText(), DayBox}, day.value};
    return day;
}

MovementSaved saveMovement(Db &db, const MovementRequest &request)
{
    MovementSaved saved;
    EntryTransaction t(db);
    const StoredRow receipt = readStoredRow(db, ReceiptRule, request.receiptSerial, request.shown);
    Checked<Movement> movement = movementOf(db, request, receipt, saved.notices);
    if (!movement.ok()) {
        saved.refusal = movement.refusal;
        return saved;
    }
    const bool sale = request.kind == MovementKind::Sale;
    const EntryTable &table = sale ? entryTables::Shipments : entryTables::ProductTransfers;
    movement.value.serial = Serial_MaxValue(db, table.name, table.column(QStringLiteral("Serial")));
    insertEntryRow(db, table,
                   sale ? saleRow(movement.value, request, receipt) : transferRow(movement.value, request, receipt));
    t.commit();
    return saved;
}

} // namespace zedur::shipments

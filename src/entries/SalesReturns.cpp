#include "entries/SalesReturns.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "entries/EntryTransaction.h"
#include "entries/ProductFigures.h"
#include "entries/ProductShipments.h"
#include "entries/StockQuantity.h"
#include "entries/StoredRow.h"
#include "store/Db.h"
#include "store/RowStatements.h"
#include "store/Serials.h"

namespace zedur::salesreturns {

namespace {

const QString Shown = QStringLiteral("#,##0.0000");
const QString CRLF = QStringLiteral("\r\n");
const QString QuantityBox = QStringLiteral("edIn_SuKg");
const QString DayBox = QStringLiteral("edIn_Date");
const QString SaleTable = entryTables::Shipments.name;

// The rows a return writes and removes: of the open month, never of a closed one.
const RowRule ReturnRowRule{entryTables::Shipments, false};
const RowRule ReturnReceiptRule{entryTables::ProductReceipts, true};

QString exceedsText()
{
    return QStringLiteral("매출된 수량 보다") + CRLF + QStringLiteral("초과하여 등록된 수량입니다.......");
}

QString zeroText()
{
    return QStringLiteral("등록된 수량은 0[제로] 수량입니다.......");
}

QString sameMonthText()
{
    return QStringLiteral("선택된 데이타는") + CRLF + QStringLiteral("등록 가능한 년도와 월이 같으므로") + CRLF +
           QStringLiteral("등록이 불가능합니다.......");
}

QString returnedAlreadyText()
{
    const QString two = LB + LB;
    return QStringLiteral("반품 매출액로") + two + QStringLiteral("등록된 데이타가 있으므로 ") + two +
           QStringLiteral("추가 반품 매출 등록은") + two + QStringLiteral("불가능합니다...................... ");
}

QString drawnOnText(const QString &how)
{
    const QString two = LB + LB;
    return QStringLiteral("반품 매출액의") + two + QStringLiteral("제품매출원가 재고 내역 정보가 ") + two + how + two +
           QStringLiteral("등록된 정보가 있으므로") + two +
           QStringLiteral("삭제가 불가능합니다...................... ");
}

// The quantity box as a number: a text that is no number keeps the focus, without a box.
Checked<double> quantityIn(const QString &typed)
{
    if (!IsDouble(typed))
        return {Refusal{{}, QuantityBox, false, true}, 0.0};
    return {std::nullopt, fNumValue(fDeleteBlank(typed))};
}

bool isSameMonth(const Period &open, const QString &saleDate)
{
    return saleDate.trimmed().left(7) == open.year.trimmed() + u'-' + open.month.trimmed();
}

// The sale as stored: it is of an earlier, closed month by design, so its month and state
// refuse nothing; what it holds is read anew.
ResultSet storedSale(Db &db, const QString &serial)
{
    if (serial.trimmed().isEmpty())
        return {};
    return db.query(QStringLiteral("Select * From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Serial = :tbSerial"),
                    {{":tbSerial", serial.trimmed()}});
}

// The twelve descriptive columns of the sale, under the prefix of a row made from it.
RowValues copiedFromSale(const QString &prefix, const ResultSet &sale)
{
    static const QStringList stems{"JeyPumCode", "JeyPumName"};
    RowValues row;
    for (const QString &stem : stems + shipments::descriptiveStems())
        row.append({prefix + stem, sale.text(0, "ChulGo_" + stem)});
    return row;
}

struct Serials {
    QString receipt;
    QString returnRow;
};

RowValues receiptRow(const ReturnRequest &r, const ResultSet &sale, const productfigures::ReturnFigures &f,
                     const Serials &serials, const QString &date)
{
    RowValues row{{"JeyPum_Serial", serials.receipt},
                  {"JeyPum_Date", date},
                  {"JeyPum_Year", date.left(4)},
                  {"JeyPum_Month", date.mid(5, 2)}};
    row << copiedFromSale("JeyPum_", sale);
    row << RowValues{{"JeyPum_TextMemo", r.textMemo.trimmed()}, {"JeyPum_SuKg", f.quantity}};
    // The goods come back at the sale's cost, as a total: the parts are not known.
    for (const char *column :
         {"JeyPum_GaAmt", "JeyPum_JenGiNoMu", "JeyPum_DaongNoMu", "JeyPum_JenGiJeyJo", "JeyPum_DaongJeyJo"})
        row.append({column, 0.0});
    row << RowValues{{"JeyPum_TotGaAmt", f.receiptCost},
                     {"JeyPum_Kubun", ReturnReceiptKubun},
                     {"JeyPum_Bigo", r.bigo.trimmed()},
                     {"JeyPum_Check_01", QString("")},
                     {"JeyPum_Check_02", QString("")},
                     {"JeyPum_Check_03", r.audit.volumeSerial},
                     {"JeyPum_SaveDate", r.audit.saveDate},
                     {"BanPum_ChulGoSerial", sale.text(0, "ChulGo_Serial")},
                     {"BanPum_ChulGoJeyPumSerial", sale.text(0, "ChulGo_JeyPumSerial")},
                     {"BanPum_NewChulGoSerial", serials.returnRow},
                     {"JeyPum_JeyPumSerial", QString("")}};
    return row;
}

RowValues returnRow(const ReturnRequest &r, const ResultSet &sale, const productfigures::ReturnFigures &f,
                    const Serials &serials, const QString &date)
{
    RowValues row{{"ChulGo_Serial", serials.returnRow},
                  {"ChulGo_Date", date},
                  {"ChulGo_Year", date.left(4)},
                  {"ChulGo_Month", date.mid(5, 2)}};
    row << copiedFromSale("ChulGo_", sale);
    row << RowValues{{"ChulGo_TextMemo", r.textMemo.trimmed()},
                     {"ChulGo_SuKg", f.rowQuantity},
                     {"ChulGo_DanGa", f.rowPrice},
                     {"ChulGo_GaAmt", f.rowAmount},
                     {"ChulGo_WonJaJeyAmt", f.receiptCost},
                     {"ChulGo_Bigo", r.bigo.trimmed()},
                     {"ChulGo_Check_01", QString("")},
                     {"ChulGo_Check_02", QString("")},
                     {"ChulGo_Check_03", r.audit.volumeSerial},
                     {"ChulGo_SaveDate", r.audit.saveDate},
                     // The return row draws on no receipt: it never counts as goods shipped.
                     {"ChulGo_JeyPumSerial", QString("")},
                     {"ChulGo_Kubun", shipments::ReturnKubun},
                     {"BanPum_ChulGoSerial", sale.text(0, "ChulGo_Serial")},
                     {"BanPum_ChulGoJeyPumSerial", sale.text(0, "ChulGo_JeyPumSerial")},
                     {"BanPum_NewJeyPumSerial", serials.receipt}};
    return row;
}

// The tests of a save in the screen's order; the return date when they pass.
Checked<QString> returnDate(Db &db, const ReturnRequest &r, const ResultSet &sale)
{
    if (Verdict v = newRowRefusal(db, ReturnRowRule, r.open))
        return {v, {}};
    const QString serial = r.saleSerial.trimmed();
    if (!serial.isEmpty() && anyRowWith(db, SaleTable, "BanPum_ChulGoSerial", serial))
        return {Refusal{returnedAlreadyText(), {}, true}, {}};
    const bool found = !sale.isEmpty();
    if (found && sale.text(0, "ChulGo_Kubun") == shipments::ReturnKubun)
        return {Refusal{QStringLiteral("반품 매출액을") + CRLF + QStringLiteral("다시 반품 매출액으로") + CRLF +
                            QStringLiteral("등록이 불가능한 데이타입니다......."),
                        QuantityBox, true},
                {}};
    const Checked<double> typed = quantityIn(r.quantity);
    if (!typed.ok())
        return {typed.refusal, {}};
    const double returned = roundDecimals(std::fabs(typed.value), 4);
    if (found && exceeds(returned, sale.number(0, "ChulGo_SuKg")))
        return {Refusal{exceedsText(), QuantityBox}, {}};
    if (returned == 0)
        return {Refusal{zeroText(), QuantityBox}, {}};
    if (typed.value > 0)
        return {Refusal{QStringLiteral("반품 등록 수량은") + CRLF +
                            QStringLiteral("0[제로]보다 작은 숫자 이어야 합니다......."),
                        QuantityBox},
                {}};
    if (r.day.trimmed().isEmpty())
        return {Refusal{QStringLiteral("매출액 반품 일자를 등록 하세요......."), DayBox}, {}};
    const Checked<DayDate> day = checkDay(r.open, r.day, DayBox);
    if (!day.ok())
        return {day.refusal, {}};
    if (found && isSameMonth(r.open, sale.text(0, "ChulGo_Date")))
        return {Refusal{sameMonthText(), DayBox}, {}};
    // A sale of the shipment screen has an empty link and finds itself; a sale whose link was
    // never written (NULL) is not one the screens made and is not taken back.
    if (found && !db.scalar(QStringLiteral("Select 1 From MC_ChaongGoJeyPumInPut_ChulGo "
                                           "Where BanPum_ChulGoSerial = :tbLink Limit 1"),
                            {{":tbLink", sale.value(0, "BanPum_ChulGoSerial")}})
                      .isValid())
        return {Refusal{QStringLiteral("반품매출액 데이타가 있으므로") + CRLF +
                        QStringLiteral("추가 반품 등록이 블가능합니다......")},
                {}};
    if (!found)
        return {Refusal{serial + QStringLiteral("  검색한 데이타가 없습니다.....")}, {}};
    return {std::nullopt, day.value.date};
}

} // namespace

Checked<ReturnBoxes> leaveReturnQuantity(const QString &kubun, const QString &typed,
                                         const productfigures::SaleTakenBack &sale)
{
    if (kubun.trimmed() == shipments::ReturnKubun)
        return {Refusal{QStringLiteral("매출 반품의 등록시") + CRLF +
                            QStringLiteral("매출액 구분이 [[<<반품매출액>>]]은") + CRLF +
                            QStringLiteral("반품매출을 추가 등록이 불가능합니다 ......."),
                        DayBox},
                {}};
    const Checked<double> quantity = quantityIn(typed);
    if (!quantity.ok())
        return {quantity.refusal, {}};
    const productfigures::ReturnFigures f = productfigures::returnFigures(quantity.value, sale);
    if (exceeds(f.quantity, sale.quantity))
        return {Refusal{exceedsText(), QuantityBox}, {}};
    if (f.quantity == 0)
        return {Refusal{zeroText(), QuantityBox}, {}};
    return {std::nullopt, {formatFloat(Shown, f.rowQuantity), formatFloat(Shown, f.rowAmount)}};
}

Checked<DayDate> leaveReturnDay(const Period &open, const QString &typedDay, const QString &saleDate)
{
    const Checked<DayDate> day = checkDay(open, typedDay, DayBox);
    if (day.ok() && isSameMonth(open, saleDate))
        return {Refusal{sameMonthText(), DayBox}, day.value};
    return day;
}

Verdict saveReturn(Db &db, const ReturnRequest &request)
{
    EntryTransaction t(db);
    const ResultSet sale = storedSale(db, request.saleSerial);
    const Checked<QString> date = returnDate(db, request, sale);
    if (!date.ok())
        return date.refusal;
    const productfigures::ReturnFigures figures = productfigures::returnFigures(
        fNumValue(fDeleteBlank(request.quantity)),
        {sale.number(0, "ChulGo_SuKg"), sale.number(0, "ChulGo_DanGa"), sale.number(0, "ChulGo_GaAmt"),
         sale.number(0, "ChulGo_WonJaJeyAmt")});
    // Both serials first: each row names the other.
    const Serials serials{Serial_MaxValue(db, entryTables::ProductReceipts.name, "JeyPum_Serial"),
                          Serial_MaxValue(db, SaleTable, "ChulGo_Serial")};
    insertEntryRow(db, entryTables::ProductReceipts, receiptRow(request, sale, figures, serials, date.value));
    insertEntryRow(db, entryTables::Shipments, returnRow(request, sale, figures, serials, date.value));
    t.commit();
    return std::nullopt;
}

Verdict deleteReturn(Db &db, const ReturnDelete &request)
{
    EntryTransaction t(db);
    if (Verdict v = newRowRefusal(db, ReturnRowRule, request.open))
        return v;
    const StoredRow row = readStoredRow(db, ReturnRowRule, request.serial, request.open);
    const QString receiptSerial = row.field("BanPum_NewJeyPumSerial");
    if (!receiptSerial.isEmpty()) {
        if (anyRowWith(db, entryTables::ProductTransfers.name, "TaJeyPum_JeyPumSerial", receiptSerial))
            return Refusal{drawnOnText(QStringLiteral("제품의 타 계정 대체로 ")), {}, true};
        if (anyRowWith(db, SaleTable, "ChulGo_JeyPumSerial", receiptSerial))
            return Refusal{drawnOnText(QStringLiteral("재 출고로 발생 매출이")), {}, true};
    }
    const QList<QPair<QString, QString>> shownBoxes{
        {QuantityBox, request.quantity}, {"edIn_Kubun", request.kubun}, {"edIn_DanGa", request.price}};
    for (const auto &[box, text] : shownBoxes)
        if (text.trimmed().isEmpty())
            return Refusal{QStringLiteral("삭제할 데이타를 선택 하세요......."), box};
    if (row.found() && (row.text("Kubun") != shipments::ReturnKubun || !row.text("Check_01").isEmpty()))
        return Refusal{QStringLiteral("매출의 반품매출액과") + CRLF +
                       QStringLiteral("반품 매출액의 미 마감된 데이타만") + CRLF +
                       QStringLiteral("삭제 가능합니다.......")};
    if (!row.found())
        return Refusal{QStringLiteral("삭제 검색할 데이타가 없습니다.....")};
    const StoredRow receipt = readStoredRow(db, ReturnReceiptRule, receiptSerial, request.open);
    for (const StoredRow *stored : {&row, &receipt})
        if (stored->found() && stored->refusal())
            return stored->refusal();
    deleteStoredRow(db, row);
    if (receipt.found())
        deleteStoredRow(db, receipt);
    t.commit();
    return std::nullopt;
}

} // namespace zedur::salesreturns

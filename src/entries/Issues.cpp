#include "entries/Issues.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "entries/DayDate.h"
#include "entries/EntryTransaction.h"
#include "entries/EntryWarnings.h"
#include "entries/ReceiptBalances.h"
#include "entries/StockQuantity.h"
#include "entries/StoredRow.h"
#include "entries/TakenAmount.h"
#include "store/Db.h"
#include "store/Serials.h"

namespace zedur::issues {

namespace {

const QString Shown = QStringLiteral("#,##0.0000");
const QString QuantityBox = QStringLiteral("edIn_SuKg");
const QString DayBox = QStringLiteral("edIn_Date");

// The quantity as it is saved: typed, cut to five decimals, kept at four.
double issuedQuantity(const QString &typed)
{
    return roundDecimals(roundDown(-5, fNumValue(typed)), 4);
}

QString exceedsText(const QString &material)
{
    return QStringLiteral("현재 수량(중량)의 투입(타 계정 대체)은") + LB + material +
           QStringLiteral(" 재고을 초과 하였습니다.......");
}

QString beforeReceiptText()
{
    return QStringLiteral("제조 공정 투입(타 계정 대체) 기준일자는 ") + LB +
           QStringLiteral("원자재 입고 일자보다 작은 일자입니다.");
}

// The receipt's descriptive columns under the prefix of the row made from it.
RowValues copiedFromReceipt(const QString &prefix, const StoredRow &receipt)
{
    static const QStringList stems{"WonCode",   "WonName",   "DanWi",    "Model",    "PumName",    "KuSize",
                                   "SerialJen", "TaxNumber", "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};
    RowValues row;
    for (const QString &stem : stems)
        row.append({prefix + stem, receipt.text(stem)});
    return row;
}

struct IssueFigures {
    QString serial;
    QString date;
    double quantity;
    double price;
    double amount;
};

RowValues headOf(const QString &prefix, const IssueFigures &f, const StoredRow &receipt)
{
    RowValues row{{prefix + "Serial", f.serial},
                  {prefix + "Date", f.date},
                  {prefix + "Year", receipt.text("Year")},
                  {prefix + "Month", receipt.text("Month")}};
    row << copiedFromReceipt(prefix, receipt);
    return row;
}

RowValues lotRow(const IssueFigures &f, const StoredRow &receipt, const IssueRequest &r)
{
    RowValues row = headOf("Gong_", f, receipt);
    row << RowValues{{"Gong_TextMemo", fDeleteBlank(r.textMemo)},
                     {"Gong_SuKg", f.quantity},
                     {"Gong_DanGa", f.price},
                     {"Gong_GaAmt", f.amount},
                     {"Gong_Kubun", LotKubun},
                     {"Gong_Bigo", fDeleteBlank(r.bigo)}};
    // Completion rates and cost components: the completion and the allocation fill them.
    for (const char *column :
         {"Gong_JenGiWoul", "Gong_DaongWoul", "Gong_TotWoul", "Gong_JenGiWonAmt", "Gong_JenGiNoMu_01",
          "Gong_JenGiNoMu_02", "Gong_JenGiJeyJo_01", "Gong_JenGiJeyJo_02", "Gong_DaongWonAmt", "Gong_DaongNoMu_01",
          "Gong_DaongNoMu_02", "Gong_DaongJeyJo_01", "Gong_DaongJeyJo_02"})
        row.append({column, 0.0});
    row << RowValues{{"Gong_WoulAmtTot", f.amount},       {"Gong_Check_01", QString("")},
                     {"Gong_Check_02", QString("")},      {"Gong_Check_03", r.audit.volumeSerial},
                     {"Gong_SaveDate", r.audit.saveDate}, {"Gong_InPutSerial", receipt.serial()},
                     {"Gong_GongSerial", QString("")}};
    return row;
}

RowValues transferRow(const IssueFigures &f, const StoredRow &receipt, const IssueRequest &r)
{
    RowValues row = headOf("TaInPut_", f, receipt);
    row << RowValues{{"TaInPut_TextMemo", fDeleteBlank(r.textMemo)},
                     {"TaInPut_SuKg", f.quantity},
                     {"TaInPut_DanGa", f.price},
                     {"TaInPut_GaAmt", f.amount},
                     {"TaInPut_Kubun", TransferKubun},
                     {"TaInPut_Bigo", fDeleteBlank(r.bigo)},
                     {"TaInPut_Check_01", QString("")},
                     {"TaInPut_Check_02", QString("")},
                     {"TaInPut_Check_03", r.audit.volumeSerial},
                     {"TaInPut_SaveDate", r.audit.saveDate},
                     {"TaInPut_InPutSerial", receipt.serial()}};
    return row;
}

void writeIssue(Db &db, const IssueRequest &r, const StoredRow &receipt, const QString &date, double quantity)
{
    const double price = issuedPrice(receipt.number("DanGa"));
    const ReceiptLeft left = receiptLeft(db, receipt.serial());
    const taken::Source source{receipt.number("SuKg"), price, receipt.number("GaAmt"), left.quantity, left.amount};
    IssueFigures f{{}, date, quantity, price, taken::amountTaken(source, quantity)};
    const EntryTable &table = r.kind == IssueKind::Lot ? entryTables::Lots : entryTables::MaterialTransfers;
    f.serial = Serial_MaxValue(db, table.name, table.column(QStringLiteral("Serial")));
    insertEntryRow(db, table, r.kind == IssueKind::Lot ? lotRow(f, receipt, r) : transferRow(f, receipt, r));
}

// The receipt drawn on, as stored: stock carried forward is issued like any other, but a
// receipt of a closed month or of another month than the open one is not.
const RowRule ReceiptRule{entryTables::Receipts, false, QStringLiteral("등록, 수정, 삭제등이 가능합니다........")};

// The tests of a save in the screen's order; the date to write when they pass.
Checked<QString> issueDate(Db &db, const IssueRequest &r, const StoredRow &receipt)
{
    const QString serial = receipt.serial();
    const bool found = receipt.found();
    if (receipt.refusal())
        return {receipt.refusal(), {}};
    if (!IsDouble(r.quantity))
        return {Refusal{{}, QuantityBox}, {}};
    const double quantity = issuedQuantity(r.quantity);
    if (found && exceeds(quantity, remainingQuantity(db, serial)))
        return {Refusal{exceedsText(QStringLiteral("원재료")), QuantityBox}, {}};
    if (serial.isEmpty())
        return {Refusal{kindText(r.kind) + QStringLiteral("등록시") + LB +
                            QStringLiteral("먼저 데이타를 선택 하세요............."),
                        QuantityBox},
                {}};
    if (r.kind == IssueKind::None)
        return {Refusal{QStringLiteral("저장 등록 구분을 먼저 선택 하세요......."), QStringLiteral("cbInKubun")}, {}};
    if (r.quantity.trimmed().isEmpty())
        return {Refusal{{}, QuantityBox}, {}};
    const Checked<DayDate> day = checkDay(r.shown, r.day, DayBox);
    if (!day.ok())
        return {day.refusal, {}};
    if (!found)
        return {Refusal{serial + QStringLiteral("  검색한 데이타가 없습니다.....")}, {}};
    // The day box is not tested when the user goes from it straight to the quantity.
    if (day.value.date < receipt.text("Date"))
        return {Refusal{beforeReceiptText(), DayBox}, {}};
    if (quantity <= 0)
        return {Refusal{QStringLiteral("현재 수량(중량)의 투입(타 계정 대체)은 원재료 재고는 제로[0.00] 입니다......."),
                        QuantityBox},
                {}};
    return {std::nullopt, day.value.date};
}

} // namespace

const QStringList &kindItems()
{
    static const QStringList items{QStringLiteral("제조공정투입"), QStringLiteral("타 계정 대체")};
    return items;
}

QString kindText(IssueKind kind)
{
    return kind == IssueKind::None ? QString() : kindItems().at(int(kind));
}

double issuedPrice(double receiptPrice)
{
    return roundDecimals(receiptPrice, 4);
}

IssueNumbers proposeIssue(const taken::Source &receipt)
{
    const QString quantity = formatFloat(Shown, receipt.quantityLeft);
    return {quantity, formatFloat(Shown, taken::amountTaken(receipt, fNumValue(quantity)))};
}

Checked<IssueNumbers> leaveIssueQuantity(const QString &typed, const taken::Source &receipt)
{
    if (!IsDouble(typed))
        return {Refusal{{}, QuantityBox}, {}};
    const double quantity = issuedQuantity(typed);
    if (exceeds(quantity, receipt.quantityLeft))
        return {Refusal{exceedsText(QStringLiteral("원재자")), QuantityBox}, {}};
    return {std::nullopt, {formatFloat(Shown, quantity), formatFloat(Shown, taken::amountTaken(receipt, quantity))}};
}

Checked<QString> leaveIssueDay(const Period &shown, const QString &typedDay, const QString &receiptDate)
{
    const Checked<DayDate> day = checkDay(shown, typedDay, DayBox);
    if (!day.ok())
        return {day.refusal, {}};
    if (day.value.date < receiptDate.trimmed())
        return {Refusal{beforeReceiptText(), DayBox}, {}};
    return {std::nullopt, day.value.date};
}

Verdict saveIssue(Db &db, const IssueRequest &request)
{
    EntryTransaction t(db);
    const StoredRow receipt = readStoredRow(db, ReceiptRule, request.receiptSerial, request.shown);
    const Checked<QString> date = issueDate(db, request, receipt);
    if (!date.ok())
        return date.refusal;
    writeIssue(db, request, receipt, date.value, issuedQuantity(request.quantity));
    t.commit();
    return std::nullopt;
}

} // namespace zedur::issues

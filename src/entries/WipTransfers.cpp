#include "entries/WipTransfers.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "entries/DayDate.h"
#include "entries/EntryTransaction.h"
#include "entries/EntryWarnings.h"
#include "entries/LotConsumption.h"
#include "entries/StoredRow.h"
#include "entries/WipBalances.h"
#include "store/Db.h"
#include "store/RowStatements.h"
#include "store/Serials.h"

namespace zedur::wiptransfer {

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString PeriodTail = QStringLiteral("등록, 수정, 삭제등이 가능합니다........");
// A lot brought forward by the close can be transferred like any other.
const RowRule LotRule{entryTables::Lots, false, PeriodTail};
const RowRule TransferRule{entryTables::LotTransfers, true, PeriodTail};
// The viewer: a refusal of the stored row empties its boxes and points at the serial.
const RowRule ViewerRule{entryTables::LotTransfers, true, QStringLiteral("등록,수정,삭제등이 가능합니다........"),
                         ViewerSerialBox, true};

// The transferred quantity as saved: the four decimals the box shows.
Checked<double> transferredQuantity(const QString &typed)
{
    if (!IsDouble(typed))
        return {Refusal{{}, QuantityBox, false, true}, 0.0};
    return {std::nullopt, roundDecimals(fNumValue(typed), 4)};
}

// A remaining 49.99999999999999 is the 50.0000 the user sees and may transfer in full.
bool exceeds(double quantity, double remaining)
{
    return quantity > roundDecimals(remaining, 4);
}

// The labour and overhead amounts that make up a lot's total cost with its raw-material
// amount (the two raw-material completion amounts are not among them).
const QStringList LabourAndOverhead{"JenGiNoMu_01", "JenGiNoMu_02", "JenGiJeyJo_01", "JenGiJeyJo_02",
                                    "DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02"};

RowValues transferRow(const TransferRequest &r, const StoredRow &lot, const QString &serial, const QString &date,
                      double quantity)
{
    const auto lotValue = [&](const QString &stem) {
        return lot.number(stem);
    };
    warehouse::Costs lotCosts{};
    for (int i = 0; i < warehouse::CostStems.size(); ++i)
        lotCosts[size_t(i)] = lotValue(warehouse::CostStems.at(i));
    const LotShare share = shareOfLot(lotValue("SuKg"), lotValue("GaAmt"), lotCosts, quantity);
    RowValues row{{"TaGong_Serial", serial},
                  {"TaGong_Date", date},
                  {"TaGong_Year", r.shown.year.trimmed()},
                  {"TaGong_Month", r.shown.month.trimmed()}};
    for (const char *stem : {"WonCode", "WonName", "DanWi", "Model", "PumName", "KuSize", "SerialJen", "TaxNumber",
                             "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"})
        row.append({QStringLiteral("TaGong_") + stem, lot.text(QString::fromLatin1(stem))});
    row << RowValues{{"TaGong_TextMemo", r.textMemo.trimmed()}, {"TaGong_SuKg", quantity},
                     {"TaGong_DanGa", lotValue("DanGa")},       {"TaGong_GaAmt", share.gaAmt},
                     {"TaGong_Kubun", TransferKubun},           {"TaGong_Bigo", r.bigo.trimmed()}};
    for (const QString &stem : warehouse::RateStems)
        row.append({QStringLiteral("TaGong_") + stem, lotValue(stem)});
    for (int i = 0; i < warehouse::CostStems.size(); ++i)
        row.append({QStringLiteral("TaGong_") + warehouse::CostStems.at(i), share.costs[size_t(i)]});
    row << RowValues{
        {"TaGong_WoulAmtTot", share.woulAmtTot}, {"TaGong_Check_01", QString("")},
        {"TaGong_Check_02", QString("")},        {"TaGong_Check_03", r.audit.volumeSerial},
        {"TaGong_SaveDate", r.audit.saveDate},   {"TaGong_InPutSerial", lot.text(QStringLiteral("InPutSerial"))},
        {"TaGong_GongSerial", lot.serial()},     {"TaGong_JeyPumCode", QString("")},
        {"TaGong_JeyPumName", QString("")},      {"TaGong_JeyPumSuKg", quantity},
        {"TaGong_JeyPumSerial", QString("")}};
    return row;
}

Checked<TransferSaved> refused(Refusal refusal, bool clearsSelection = false)
{
    return {std::move(refusal), {QString(), clearsSelection}};
}

} // namespace

LotShare shareOfLot(double lotQuantity, double lotGaAmt, const warehouse::Costs &lotCosts, double quantity)
{
    const auto share = [&](long double amount) {
        return roundDecimals(double(static_cast<long double>(quantity) * amount / lotQuantity), 4);
    };
    LotShare s;
    s.gaAmt = share(lotGaAmt);
    long double totalCost = lotGaAmt;
    for (int i = 0; i < warehouse::CostStems.size(); ++i) {
        s.costs[size_t(i)] = share(lotCosts[size_t(i)]);
        if (LabourAndOverhead.contains(warehouse::CostStems.at(i)))
            totalCost += lotCosts[size_t(i)];
    }
    s.woulAmtTot = share(totalCost);
    return s;
}

Checked<QString> leaveQuantity(const QString &typed, double remaining)
{
    const Checked<double> q = transferredQuantity(typed);
    if (!q.ok())
        return {q.refusal, {}};
    if (exceeds(q.value, remaining))
        return {Refusal{QStringLiteral("제조공정<재공품>에서") + CRLF +
                            QStringLiteral("재공품의 타 계정 대체 재고수량(중량)은") + CRLF +
                            QStringLiteral("현재 재고수량(중량)보다 초과하여") + CRLF +
                            QStringLiteral("등록된 수량입니다......."),
                        QuantityBox},
                {}};
    return {std::nullopt, formatFloat(QStringLiteral("#,##0.0000"), q.value)};
}

Checked<TransferSaved> saveTransfer(Db &db, const TransferRequest &r)
{
    EntryTransaction t(db);
    // A closed lot, or one of another month than the open one shown.
    const StoredRow lot = readStoredRow(db, LotRule, r.lotSerial, r.shown);
    if (lot.found() && lot.refusal())
        return refused(*lot.refusal(), true);
    if (Verdict p = newRowRefusal(db, TransferRule, r.shown))
        return refused(*p, true);
    if (!r.selected || !lot.found())
        return refused(Refusal{QStringLiteral("먼저 <<[[타 계정 대체]]>> 데이타를 선택 하세요......")}, true);
    const Checked<double> q = transferredQuantity(r.quantity);
    if (!q.ok())
        return refused(*q.refusal, true);
    if (exceeds(q.value, remainingLotQuantity(db, r.lotSerial)))
        return refused(
            Refusal{QStringLiteral("선택된 데이타는") + CRLF + QStringLiteral("현 재고보다 큰 숫자입니다......"),
                    QuantityBox},
            true);
    if (q.value <= 0)
        return refused(
            Refusal{QStringLiteral("<<[[타 계정 대체]]>> 수량을") + CRLF + QStringLiteral("등록해 주세요......"),
                    QuantityBox},
            true);
    if (r.day.trimmed().isEmpty())
        return refused(Refusal{QStringLiteral("입고일자를 등록해 주세요......"), DayBox});
    const Checked<DayDate> day = checkDay(r.shown, r.day, DayBox);
    if (!day.ok())
        return refused(*day.refusal);
    const QString lotDate = lot.text(QStringLiteral("Date"));
    if (day.value.date < lotDate) {
        Refusal early{lotDate + QStringLiteral("보다 큰 일자를 등록해 주세요......"), DayBox};
        early.focusText = lotDate.mid(8, 2);
        return refused(early);
    }
    const QString serial = Serial_MaxValue(db, entryTables::LotTransfers.name, QStringLiteral("TaGong_Serial"));
    insertEntryRow(db, entryTables::LotTransfers, transferRow(r, lot, serial, day.value.date, q.value));
    t.commit();
    return {std::nullopt, {serial, true}};
}

Verdict deleteTransfer(Db &db, const Period &shown, const QString &serial)
{
    EntryTransaction t(db);
    const StoredRow transfer = readStoredRow(db, ViewerRule, serial, shown);
    if (transfer.refusal())
        return transfer.refusal();
    const QString lot = transfer.text(QStringLiteral("GongSerial"));
    if (!transfer.found() || lot.isEmpty())
        return Refusal{warnings::pickRowToDelete(), ViewerSerialBox};
    if (anyRowWith(db, QStringLiteral("MC_AcNameAmtInPut"), QStringLiteral("Amt_JeyGongPumSerial"), lot))
        return Refusal{QStringLiteral("제조원가명세서에") + CRLF + QStringLiteral("직적비로 등록된 데이타 있어") +
                           CRLF + QStringLiteral("삭제가 불가능 합니다........"),
                       ViewerSerialBox};
    deleteStoredRow(db, transfer);
    t.commit();
    return std::nullopt;
}

} // namespace zedur::wiptransfer

#include "entries/WarehouseReceipts.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "entries/DayDate.h"
#include "entries/EntryTransaction.h"
#include "entries/EntryWarnings.h"
#include "entries/FlatProductTree.h"
#include "entries/StoredRow.h"
#include "entries/WipAvailability.h"
#include "entries/WipBalances.h"
#include "store/Db.h"
#include "store/RowStatements.h"
#include "store/Serials.h"

namespace zedur::warehouse {

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString PeriodTail = QStringLiteral("등록, 수정, 삭제등이 가능합니다........");

// The lot current in the lot grid: only its closing mark is looked at.
const RowRule GridLotRule{entryTables::Lots, false, PeriodTail};
const RowRule ReceiptRule{entryTables::ProductReceipts, true, PeriodTail};
// The viewer: a refusal of the stored row empties its boxes and points at the serial.
const RowRule ViewerReceiptRule{entryTables::ProductReceipts, true,
                                QStringLiteral("등록,수정,삭제등이 가능합니다........"), ViewerSerialBox, true};
const RowRule ViewerSliceRule{entryTables::LotCompletions, true,
                              QStringLiteral("등록,수정,삭제등이 가능합니다........"), ViewerSerialBox, true};

QString quantityFirstText()
{
    return QStringLiteral("<<[[완제품창고입고 및 타 계정 대체]]>> 수량등을") + CRLF +
           QStringLiteral("먼저 등록해 주세요......");
}

QString checkFirstText()
{
    return QStringLiteral("최상위 완제품 이름을 먼저 선택 체크 후") + CRLF +
           QStringLiteral("[[<<체크확인>>]]버튼을 실행 하세요.............");
}

QString cannotSaveText()
{
    return QStringLiteral("<<[[완제품창고입고]]>>에") + CRLF + QStringLiteral("100%로 완성된 재공품 소유량이 없거나") +
           CRLF + QStringLiteral("100%로 미 완성된 데이타가 있어") + CRLF +
           QStringLiteral("저장이 불가능합니다.......");
}

QString enterQuantityText()
{
    return QStringLiteral("<<[[완제품창고입고]]>> 수량등을") + CRLF + QStringLiteral("등록해 주세요......");
}

QString beforeReceiptText()
{
    return QStringLiteral("현재 제조공정에 투입된 기준일자보다는") + CRLF +
           QStringLiteral("작은 일자입니다.............");
}

QString notAProductText(const QString &code)
{
    return code + QStringLiteral(" : 제품 코드에 등록되지 않은 완제품이므로") + LB +
           QStringLiteral("저장이 불가능합니다.......");
}

// The day the box is set to when a date is refused for being too early.
Refusal dayRefusal(const QString &text, const QString &date)
{
    Refusal r{text, DayBox};
    r.focusText = date.mid(8, 2);
    return r;
}

// What the product quantity box holds as the quantity saved: the four decimals it shows.
Checked<double> productQuantity(const QString &typed)
{
    if (!IsDouble(typed))
        return {Refusal{{}, QuantityBox, false, true}, 0.0};
    return {std::nullopt, roundDecimals(fNumValue(typed), 4)};
}

QVector<MaterialNeed> needsOf(const QVector<Material> &materials, double quantity)
{
    QVector<MaterialNeed> needs;
    for (const Material &m : materials)
        needs.append({m.code, quantity * m.perUnit});
    return needs;
}

struct ReceiptHead {
    QString serial;
    QString date;
    Period shown;
    QString productCode;
    QString productName;
    double quantity = 0.0;
    const ReceiptRequest *request = nullptr;
};

RowValues componentRow(const QString &serial, const ReceiptHead &h, const Material &m, const LotOffer &lot,
                       double taken)
{
    const Slice s = sliceOf(lot, taken);
    const ReceiptRequest &r = *h.request;
    RowValues row{{"InGong_Serial", serial},       {"InGong_Date", h.date},      {"InGong_Year", h.shown.year},
                  {"InGong_Month", h.shown.month}, {"InGong_WonCode", lot.code}, {"InGong_WonName", m.name},
                  {"InGong_DanWi", m.danWi},       {"InGong_Model", m.model},    {"InGong_PumName", m.pumName},
                  {"InGong_KuSize", m.kuSize}};
    for (const char *column : {"InGong_SerialJen", "InGong_TaxNumber", "InGong_SaleCode", "InGong_SaleName",
                               "InGong_SaleNumber", "InGong_SaleDyiPou"})
        row.append({column, QString("")});
    // The lot's own unit price, exactly: the month's availability groups a lot with what was
    // taken from it by that price.
    row << RowValues{{"InGong_TextMemo", r.textMemo.trimmed()},
                     {"InGong_SuKg", s.quantity},
                     {"InGong_DanGa", lot.price},
                     {"InGong_GaAmt", s.gaAmt},
                     {"InGong_Kubun", ReceiptKubun},
                     {"InGong_Bigo", r.bigo.trimmed()}};
    for (int i = 0; i < RateStems.size(); ++i)
        row.append({QStringLiteral("InGong_") + RateStems.at(i), lot.rates[i]});
    for (int i = 0; i < CostStems.size(); ++i)
        row.append({QStringLiteral("InGong_") + CostStems.at(i), s.costs[i]});
    row << RowValues{{"InGong_WoulAmtTot", s.woulAmtTot},
                     {"InGong_JeyPumCode", h.productCode},
                     {"InGong_JeyPumName", h.productName},
                     {"InGong_JeyPumSuKg", h.quantity},
                     {"InGong_WonJaJeySuKg", roundDecimals(h.quantity * m.perUnit, 4)},
                     {"InGong_Check_01", QString("")},
                     {"InGong_Check_02", QString("")},
                     {"InGong_Check_03", r.audit.volumeSerial},
                     {"InGong_SaveDate", r.audit.saveDate},
                     {"InGong_InPutSerial", lot.inPutSerial},
                     {"InGong_GongSerial", lot.serial},
                     {"InGong_JeyPumSerial", h.serial}};
    return row;
}

// The receipt sums its component rows as stored; the product's own texts come from the
// product master.
RowValues receiptRow(Db &db, const ReceiptHead &h, const ResultSet &product)
{
    static const QVector<QPair<QString, QString>> sumsOf{
        {"GaAmt", "InGong_GaAmt"},
        {"DirectLabour", "InGong_JenGiNoMu_01 + InGong_DaongNoMu_01"},
        {"IndirectLabour", "InGong_JenGiNoMu_02 + InGong_DaongNoMu_02"},
        {"DirectOverhead", "InGong_JenGiJeyJo_01 + InGong_DaongJeyJo_01"},
        {"IndirectOverhead", "InGong_JenGiJeyJo_02 + InGong_DaongJeyJo_02"},
        {"Total", "InGong_WoulAmtTot"}};
    QStringList sumsAs;
    for (const auto &[as, expression] : sumsOf)
        sumsAs << dialect::stableTotals(db.engine(), {expression}) + QStringLiteral(" As ") + as;
    const ResultSet sums = db.query(QStringLiteral("Select %1 From MC_ChaongGoJeyGongPumInJeyGong Where "
                                                   "InGong_JeyPumSerial = :tbSerial")
                                        .arg(sumsAs.join(QStringLiteral(", "))),
                                    {{":tbSerial", h.serial}});
    const ReceiptRequest &r = *h.request;
    RowValues row{{"JeyPum_Serial", h.serial},          {"JeyPum_Date", h.date},
                  {"JeyPum_Year", h.shown.year},        {"JeyPum_Month", h.shown.month},
                  {"JeyPum_JeyPumCode", h.productCode}, {"JeyPum_JeyPumName", h.productName}};
    for (const char *stem : {"DanWi", "Model", "PumName", "KuSize"})
        row.append({QStringLiteral("JeyPum_") + stem, product.text(0, QStringLiteral("Jey_") + stem)});
    for (const char *stem : {"SerialJen", "TaxNumber", "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"})
        row.append({QStringLiteral("JeyPum_") + stem, QString("")});
    // The four product cost columns hold, whatever their names say, direct labour, indirect
    // labour, direct overhead and indirect overhead.
    row << RowValues{{"JeyPum_TextMemo", r.textMemo.trimmed()},
                     {"JeyPum_SuKg", h.quantity},
                     {"JeyPum_GaAmt", sums.number(0, "GaAmt")},
                     {"JeyPum_JenGiNoMu", sums.number(0, "DirectLabour")},
                     {"JeyPum_DaongNoMu", sums.number(0, "IndirectLabour")},
                     {"JeyPum_JenGiJeyJo", sums.number(0, "DirectOverhead")},
                     {"JeyPum_DaongJeyJo", sums.number(0, "IndirectOverhead")},
                     {"JeyPum_TotGaAmt", sums.number(0, "Total")},
                     {"JeyPum_Kubun", ReceiptKubun},
                     {"JeyPum_Bigo", r.bigo.trimmed()},
                     {"JeyPum_Check_01", QString("")},
                     {"JeyPum_Check_02", QString("")},
                     {"JeyPum_Check_03", r.audit.volumeSerial},
                     {"JeyPum_SaveDate", saveDateNow()}};
    for (const char *column :
         {"BanPum_ChulGoSerial", "BanPum_ChulGoJeyPumSerial", "BanPum_NewChulGoSerial", "JeyPum_JeyPumSerial"})
        row.append({column, QString("")});
    return row;
}

Checked<ReceiptSaved> refused(Refusal refusal, bool clearsCheck = false)
{
    return {std::move(refusal), {QString(), clearsCheck}};
}

} // namespace

QString runCheckFirstText()
{
    return QStringLiteral("먼저 <<[[체크확인]]>>버튼을 확인 실행해 주세요......");
}

void recreateWorkTables(Db &db)
{
    recreateFlatTreeTable(db);
    recreateWipBalanceTables(db);
    recreateAvailabilityTables(db);
}

Checked<QString> leaveQuantity(const QString &typed)
{
    const Checked<double> n = productQuantity(typed);
    if (!n.ok())
        return {n.refusal, {}};
    return {std::nullopt, formatFloat(QStringLiteral("#,##0.0000"), n.value)};
}

Checked<DayLeft> leaveDay(const Period &shown, const QString &typedDay, const QString &latestReceiptDate)
{
    const Checked<DayDate> day = checkDay(shown, typedDay, DayBox);
    DayLeft left{day.value.day, day.value.date};
    if (!day.ok())
        return {day.refusal, left};
    if (latestReceiptDate.trimmed().isEmpty()) {
        left.clearsCheck = true;
        return {Refusal{checkFirstText(), QuantityBox}, left};
    }
    // Whole dates: a receipt late in an earlier month does not hold back this month's days.
    if (day.value.date < latestReceiptDate.trimmed()) {
        left.day = latestReceiptDate.mid(8, 2);
        return {dayRefusal(beforeReceiptText(), latestReceiptDate), left};
    }
    return {std::nullopt, left};
}

Verdict quantityRefusal(const QString &typedQuantity)
{
    const QString typed = typedQuantity.trimmed();
    if (typed.isEmpty() || typed == u"0.0")
        return Refusal{quantityFirstText(), QuantityBox};
    return productQuantity(typed).refusal;
}

Checked<CheckResult> checkAvailability(Db &db, const Period &shown, const QString &productCode,
                                       const QString &typedQuantity)
{
    if (Verdict r = quantityRefusal(typedQuantity))
        return {r, {}};
    const Checked<double> n = productQuantity(typedQuantity);

    Transaction t(db);
    CheckResult result;
    const ProductTree product = productTree(db, productCode);
    result.latestReceiptDate = latestReceiptDate(db, product);
    if (result.latestReceiptDate.isEmpty())
        return {Refusal{quantityFirstText(), QuantityBox}, {}};
    refillAvailability(db, shown);
    const QVector<Material> &materials = product.materials;
    const QString &name = product.name;
    result.rows = checkRows(db, materials, n.value, true);
    if (!result.rows.isEmpty()) {
        result.title = name + QStringLiteral(" 제품은 100%로 완성된 재공품이 없습니다.");
    } else {
        result.rows = checkRows(db, materials, n.value, false);
        result.title = result.rows.isEmpty()
                           ? name + QStringLiteral(" 제품 ") + formatFloat(QStringLiteral("#,##0.0000"), n.value) +
                                 QStringLiteral("개는 [<<완제품창고입고>>]로 가능합니다.")
                           : name + QStringLiteral(" 완제품 원재자 소유량이 부족한 내역 입니다.");
    }
    t.commit();
    return {std::nullopt, result};
}

Checked<ReceiptSaved> saveReceipt(Db &db, const ReceiptRequest &r)
{
    EntryTransaction t(db);
    const StoredRow lot = readStoredRow(db, GridLotRule, r.gridLotSerial, r.shown);
    if (lot.text(QStringLiteral("Check_01")) == period::Closed)
        return refused(Refusal{warnings::closedData(), {}, true}, true);
    if (Verdict p = newRowRefusal(db, ReceiptRule, r.shown))
        return refused(*p, true);
    if (!r.checkGridOpen)
        return refused(Refusal{checkFirstText(), QuantityBox}, true);
    if (r.checkGridHasRows)
        return refused(Refusal{cannotSaveText()});
    if (!r.checked)
        return refused(Refusal{runCheckFirstText()}, true);
    const Checked<double> n = productQuantity(r.quantity);
    if (!n.ok())
        return refused(*n.refusal, true);
    if (n.value <= 0)
        return refused(Refusal{enterQuantityText(), QuantityBox}, true);
    if (r.day.trimmed().isEmpty())
        return refused(Refusal{QStringLiteral("입고일자를 등록해 주세요......"), DayBox});
    const Checked<DayDate> day = checkDay(r.shown, r.day, DayBox);
    if (!day.ok())
        return refused(*day.refusal);

    // Everything below is read anew: the product list, the check and the lot grid may be stale.
    const ProductTree tree = productTree(db, r.productCode);
    const QString latest = latestReceiptDate(db, tree);
    if (latest.isEmpty())
        return refused(Refusal{checkFirstText(), QuantityBox}, true);
    if (day.value.date < latest)
        return refused(dayRefusal(beforeReceiptText(), latest));
    refillAvailability(db, r.shown);
    const QString newest = newestOfferedDate(db);
    if (day.value.date < newest)
        return refused(dayRefusal(newest + QStringLiteral("보다 큰 일자를 등록해 주세요......"), newest));

    const QVector<Material> &materials = tree.materials;
    const QVector<LotOffer> lots = offeredLots(db, materials);
    const Consumption consumption = consumeOldestFirst(needsOf(materials, n.value), lots);
    if (!consumption.covered())
        return refused(Refusal{cannotSaveText()}, true);
    const ResultSet product = db.query(QStringLiteral("Select * From MC_JeyPumCode Where Jey_Code = :tbCode Order "
                                                      "By Jey_Serial"),
                                       {{":tbCode", r.productCode.trimmed()}});
    if (product.isEmpty())
        return refused(Refusal{notAProductText(r.productCode.trimmed())}, true);

    ReceiptHead head{Serial_MaxValue(db, QStringLiteral("MC_ChaongGoJeyPumInPut"), QStringLiteral("JeyPum_Serial")),
                     day.value.date,
                     r.shown,
                     r.productCode.trimmed(),
                     tree.name,
                     n.value,
                     &r};
    QString component =
        Serial_MaxValue(db, QStringLiteral("MC_ChaongGoJeyGongPumInJeyGong"), QStringLiteral("InGong_Serial"));
    QStringList drawnOn;
    for (const Take &take : consumption.takes) {
        insertEntryRow(db, entryTables::LotCompletions,
                       componentRow(component, head, materials.at(take.need), lots.at(take.lot), take.quantity));
        component = serialAfter(component);
        if (!drawnOn.contains(lots.at(take.lot).serial))
            drawnOn << lots.at(take.lot).serial;
    }
    insertEntryRow(db, entryTables::ProductReceipts, receiptRow(db, head, product));
    t.commit();
    return {std::nullopt, {head.serial, true, drawnOn}};
}

Verdict deleteReceipt(Db &db, const Period &shown, const QString &serial)
{
    EntryTransaction t(db);
    const StoredRow receipt = readStoredRow(db, ViewerReceiptRule, serial, shown);
    const QString s = receipt.serial();
    const auto refusal = [](const QString &text) {
        return Refusal{text, ViewerSerialBox, true};
    };
    if (receipt.found()) {
        // Direct labour or overhead booked on a lot the receipt consumed.
        if (db.scalar(QStringLiteral("Select 1 From MC_AcNameAmtInPut Where Amt_JeyGongPumSerial In (Select "
                                     "InGong_GongSerial From MC_ChaongGoJeyGongPumInJeyGong Where "
                                     "InGong_JeyPumSerial = :tbInName) Limit 1"),
                      {{":tbInName", s}})
                .isValid())
            return refusal(QStringLiteral("제조원가명세서의 노무비,제조경비등에") + LB + LB +
                           QStringLiteral("직적비로 등록된 데이타가 있으므로") + LB + LB +
                           QStringLiteral("삭제가 불가능한 데이타입니다........"));
        if (anyRowWith(db, QStringLiteral("MC_ChaongGoJeyPumInPut_TaAc"), QStringLiteral("TaJeyPum_JeyPumSerial"), s))
            return refusal(QStringLiteral("제품 창고에서") + CRLF +
                           QStringLiteral("제품(제품매출원가) 타 계정 대체로 출고된 데이타가 있어") + CRLF +
                           QStringLiteral("삭제가 불가능 합니다........"));
        if (anyRowWith(db, QStringLiteral("MC_ChaongGoJeyPumInPut_ChulGo"), QStringLiteral("ChulGo_JeyPumSerial"), s))
            return refusal(QStringLiteral("제품 창고에서") + CRLF +
                           QStringLiteral("매출 목적으로 출고된 데이타가 있어") + CRLF +
                           QStringLiteral("삭제가 불가능 합니다........"));
        if (receipt.text(QStringLiteral("Kubun")) == u"매출반품입고")
            return refusal(QStringLiteral("매출반품입고된 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") + LB +
                           QStringLiteral("불가능한 데이타입니다...................... "));
    }
    // Brought forward, closed, or not of the open month.
    if (receipt.refusal())
        return receipt.refusal();
    if (!receipt.found())
        return Refusal{warnings::pickRowToDelete(), ViewerSerialBox};
    const ResultSet slices = db.query(QStringLiteral("Select InGong_Serial From MC_ChaongGoJeyGongPumInJeyGong Where "
                                                     "InGong_JeyPumSerial = :tbInName"),
                                      {{":tbInName", s}});
    for (int i = 0; i < slices.size(); ++i) {
        const StoredRow slice = readStoredRow(db, ViewerSliceRule, slices.text(i, "InGong_Serial"), shown);
        if (slice.refusal())
            return slice.refusal();
        deleteStoredRow(db, slice);
    }
    deleteStoredRow(db, receipt);
    t.commit();
    return std::nullopt;
}

} // namespace zedur::warehouse

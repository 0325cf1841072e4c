#include "reports/ProductMovements.h"

#include "common/TextNumber.h"
#include "reports/ReportMonth.h"
#include "reports/TotalRow.h"

namespace zedur::reports::productMovements {

namespace {

WorkTable makeDetail()
{
    QVector<ColumnDef> c{text("Ret_KubunIndex", 100), text("Ret_Serial", 50), text("Ret_Date", 10),
                         text("Ret_Year", 4),         text("Ret_Month", 2),   text("Ret_JeyPumCode", 50),
                         text("Ret_JeyPumName", 200)};
    c << describingColumns(QStringLiteral("Ret_"));
    c << real("Ret_JeyPumDanGa") << real("Ret_SuKg_YbGo") << real("Ret_TotGaAmt_YbGo") << real("Ret_SuKg_ChulGo")
      << real("Ret_TotGaAmt_ChulGo") << real("Ret_SaleDanGa") << real("Ret_SaleTotGaAmt") << text("Ret_Kubun", 30)
      << text("Ret_TextMemo", 100) << text("Ret_Bigo", 100) << text("Ret_AcNameKubun", 100)
      << text("Ret_JeyPumSerial", 50) << text("Ret_KubunSerial", 50);
    return {QStringLiteral("MC_JeyPumYbChulGoReport_SumVw01"), c};
}

// `amount` and `quantity` name the row's cost and quantity columns: the unit cost is their
// quotient, left empty (NULL) where the quantity is 0.
QVector<Fill> copiedFrom(const QString &source, const QString &amount, const QString &quantity)
{
    QVector<Fill> fills{{"Ret_Serial", source + "Serial"},
                        {"Ret_Date", source + "Date"},
                        {"Ret_Year", source + "Year"},
                        {"Ret_Month", source + "Month"},
                        {"Ret_JeyPumCode", source + "JeyPumCode"},
                        {"Ret_JeyPumName", source + "JeyPumName"},
                        {"Ret_JeyPumDanGa", amount + " / " + quantity},
                        {"Ret_Kubun", source + "Kubun"},
                        {"Ret_TextMemo", source + "TextMemo"},
                        {"Ret_Bigo", source + "Bigo"}};
    return fills + sameEndings(QStringLiteral("Ret_"), source, describingStems());
}

double sum4(Db &db, const QString &sql, const Params &params)
{
    return roundDecimals(db.scalar(sql, params).toDouble(), 4);
}

} // namespace

const WorkTable &detailTable()
{
    static const WorkTable table = makeDetail();
    return table;
}

const WorkTable &summaryTable()
{
    static const WorkTable table{QStringLiteral("MC_JeyPumYbChulGoReport_SumVw02"),
                                 {real("Ret_JenGi"), real("Ret_Daong"), real("Ret_BanPum"), real("Ret_TaAc"),
                                  real("Ret_JeyGo"), real("Ret_JeyPumAmt"), real("Ret_SaleChulGoAmt"),
                                  real("Ret_SaleBanPumAmt"), real("Ret_SaleTotAmt")}};
    return table;
}

const ReportColumns &detailColumns()
{
    static const ReportColumns columns{
        {"Ret_KubunIndex", "인덱스 구분"},
        {"Ret_Date", "기준일자"},
        {"Ret_JeyPumCode", "제품  코드"},
        {"Ret_JeyPumName", "제품명"},
        {"Ret_Model", "모델명"},
        {"Ret_JeyPumDanGa", "제품 단가", Amount4ZeroBlank},
        {"Ret_SuKg_YbGo", "제품 입고 수량", Amount4ZeroBlank, Shade::In},
        {"Ret_TotGaAmt_YbGo", "제품 입고 금액", Amount4ZeroBlank, Shade::In},
        {"Ret_SuKg_ChulGo", "제품 출고 수량", Amount4ZeroBlank, Shade::Out},
        {"Ret_TotGaAmt_ChulGo", "제품 출고 금액", Amount4ZeroBlank, Shade::Out},
        {"Ret_SaleDanGa", "매출액 단가", Amount4ZeroBlank, Shade::Sales},
        {"Ret_SaleTotGaAmt", "매출액 금액", Amount4ZeroBlank, Shade::Sales},
        {"Ret_TextMemo", "적요및메모"},
        {"Ret_Kubun", "구분"},
        {"Ret_Bigo", "비  고"},
        {"Ret_PumName", "품명"},
        {"Ret_KuSize", "규격"},
        {"Ret_AcNameKubun", "계정 구분"},
        {"Ret_JeyPumSerial", "제품 저장순서"},
        {"Ret_KubunSerial", "제품 저장순서 구분"},
        {"Ret_Serial", "저장순서"},
        {"Ret_Year", "년도"},
        {"Ret_Month", "월"},
        {"Ret_DanWi", "단위"},
        {"Ret_SerialJen", "전표번호"},
        {"Ret_SaleCode", "거래처코드"},
        {"Ret_SaleName", "거래처상호"},
        {"Ret_TaxNumber", "세금계산서권번호"},
        {"Ret_SaleNumber", "사업자등록번호"},
        {"Ret_SaleDyiPou", "대표자"},
    };
    return columns;
}

const ReportColumns &summaryColumns()
{
    static const ReportColumns columns{
        {"Ret_JenGi", "전월 제품 재고액", Amount4ZeroBlank},
        {"Ret_Daong", "당월 완성제품 입고액(제조원가)", Amount4ZeroBlank},
        {"Ret_BanPum", "당월 매출반품 제품 입고액", Amount4ZeroBlank},
        {"Ret_TaAc", "타 계정 대체 제품", Amount4ZeroBlank},
        {"Ret_JeyGo", "당월 제품 재고액", Amount4ZeroBlank},
        {"Ret_JeyPumAmt", "당월 매출된 제품매출원가", Amount4ZeroBlank},
        {"Ret_SaleChulGoAmt", "당월 출고된 제품 매출액 [ A ]", Amount4ZeroBlank},
        {"Ret_SaleBanPumAmt", "당월 반품으로 발생된 매출액 [ B ]", Amount4ZeroBlank},
        {"Ret_SaleTotAmt", "당월 전체 매출액 [ A + B ]", Amount4ZeroBlank},
    };
    return columns;
}

void recreateTables(Db &db)
{
    detailTable().recreate(db);
    summaryTable().recreate(db);
}

MovementReport build(Db &db, const Period &month)
{
    const WorkTable &detail = detailTable();
    const WorkTable &summary = summaryTable();
    const Period m{month.year.trimmed(), month.month.trimmed()};
    const Params ym{{":tbYear", m.year}, {":tbMonth", m.month}};
    Transaction t(db);
    detail.empty(db);
    summary.empty(db);

    detail.insertSelect(db,
                        copiedFrom("JeyPum_", "JeyPum_TotGaAmt", "JeyPum_SuKg") +
                            QVector<Fill>{{"Ret_KubunIndex", "'10제품매출원가'"},
                                          {"Ret_SuKg_YbGo", "JeyPum_SuKg"},
                                          {"Ret_TotGaAmt_YbGo", "JeyPum_TotGaAmt"},
                                          {"Ret_AcNameKubun", "'제품매출원가'"},
                                          {"Ret_KubunSerial", "JeyPum_Serial"}},
                        "From MC_ChaongGoJeyPumInPut Where JeyPum_Year = :tbYear And JeyPum_Month = :tbMonth", ym);
    // Returns come in as receipts of kind "매출반품입고"; their negative sales are not goods out.
    detail.insertSelect(db,
                        copiedFrom("ChulGo_", "ChulGo_WonJaJeyAmt", "ChulGo_SuKg") +
                            QVector<Fill>{{"Ret_KubunIndex", "'20제품출고매출액'"},
                                          {"Ret_SuKg_ChulGo", "ChulGo_SuKg"},
                                          {"Ret_TotGaAmt_ChulGo", "ChulGo_WonJaJeyAmt"},
                                          {"Ret_SaleDanGa", "ChulGo_DanGa"},
                                          {"Ret_SaleTotGaAmt", "ChulGo_GaAmt"},
                                          {"Ret_AcNameKubun", "'제품출고매출액'"},
                                          {"Ret_JeyPumSerial", "ChulGo_JeyPumSerial"},
                                          {"Ret_KubunSerial", "ChulGo_JeyPumSerial"}},
                        "From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Year = :tbYear And ChulGo_Month = :tbMonth "
                        "And ChulGo_Kubun = '정기매출출고'",
                        ym);
    detail.insertSelect(db,
                        copiedFrom("TaJeyPum_", "TaJeyPum_TotGaAmt", "TaJeyPum_SuKg") +
                            QVector<Fill>{{"Ret_KubunIndex", "'30타계정대체의제품'"},
                                          {"Ret_SuKg_ChulGo", "TaJeyPum_SuKg"},
                                          {"Ret_TotGaAmt_ChulGo", "TaJeyPum_TotGaAmt"},
                                          {"Ret_AcNameKubun", "'타계정대체의제품'"},
                                          {"Ret_JeyPumSerial", "TaJeyPum_JeyPumSerial"},
                                          {"Ret_KubunSerial", "TaJeyPum_JeyPumSerial"}},
                        "From MC_ChaongGoJeyPumInPut_TaAc Where TaJeyPum_Year = :tbYear And TaJeyPum_Month = :tbMonth",
                        ym);

    // The sales amount is no stock: it stays out of the balance.
    insertTotalRow(
        db, detail, m,
        {"Ret_", "Ret_KubunIndex", "Ret_JeyPumName", "Ret_TotGaAmt_YbGo", "Ret_TotGaAmt_ChulGo", {"Ret_SaleTotGaAmt"}});

    const Params sym{{":tbSYear", m.year}, {":tbSMonth", m.month}};
    const auto receipts = [&](const char *kind) {
        return sum4(db,
                    QStringLiteral("Select total(JeyPum_TotGaAmt) From MC_ChaongGoJeyPumInPut Where JeyPum_Year = "
                                   ":tbSYear And JeyPum_Month = :tbSMonth And JeyPum_Kubun = :tbKind"),
                    sym + Params{{":tbKind", QString::fromUtf8(kind)}});
    };
    const auto shipments = [&](const char *column, const char *kind) {
        return sum4(db,
                    QStringLiteral("Select total(%1) From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Year = "
                                   ":tbSYear And ChulGo_Month = :tbSMonth And ChulGo_Kubun = :tbKind")
                        .arg(QString::fromUtf8(column)),
                    sym + Params{{":tbKind", QString::fromUtf8(kind)}});
    };
    const double sales = shipments("ChulGo_GaAmt", "정기매출출고");
    const double returned = shipments("ChulGo_GaAmt", "반품매출액");
    summary.insertRow(db, {{"Ret_JenGi", receipts("전기이월")},
                           {"Ret_Daong", receipts("당월입고")},
                           {"Ret_BanPum", receipts("매출반품입고")},
                           {"Ret_TaAc", sum4(db,
                                             "Select total(TaJeyPum_TotGaAmt) From MC_ChaongGoJeyPumInPut_TaAc Where "
                                             "TaJeyPum_Year = :tbSYear And TaJeyPum_Month = :tbSMonth",
                                             sym)},
                           {"Ret_JeyGo", sum4(db,
                                              "Select total(Ret_TotGaAmt_YbGo - Ret_TotGaAmt_ChulGo) From " +
                                                  detail.name() + " Where Ret_Kubun <> '합계'",
                                              {})},
                           {"Ret_JeyPumAmt", shipments("ChulGo_WonJaJeyAmt", "정기매출출고")},
                           {"Ret_SaleChulGoAmt", sales},
                           {"Ret_SaleBanPumAmt", returned},
                           {"Ret_SaleTotAmt", roundDecimals(sales + returned, 4)}});

    MovementReport report{{detailColumns(), detail.rows(db, "Ret_Date, Ret_KubunIndex, Ret_Serial")},
                          {summaryColumns(), summary.rows(db)}};
    t.commit();
    return report;
}

} // namespace zedur::reports::productMovements

#include "reports/RawMaterialMovements.h"

#include "common/TextNumber.h"
#include "reports/ReportMonth.h"
#include "reports/TotalRow.h"

namespace zedur::reports::rawMovements {

namespace {

WorkTable makeDetail()
{
    QVector<ColumnDef> c{
        text("RInPut_JeyGongIndex", 100), text("RInPut_JeyGongName", 100), text("RInPut_Serial", 50),
        text("RInPut_Date", 10),          text("RInPut_Year", 4),          text("RInPut_Month", 2),
        text("RInPut_Kubun", 100),        text("RInPut_WonCode", 50),      text("RInPut_WonName", 200)};
    c << describingColumns(QStringLiteral("RInPut_"));
    // Memo and remark as wide as the receipts' own: no receipt a screen accepted may stop
    // the report.
    c << real("RInPut_DanGa") << real("RInPut_SuKg_YbGo") << real("RInPut_GaAmt_YbGo") << real("RInPut_SuKg_ChulGo")
      << real("RInPut_GaAmt_ChulGo") << text("RInPut_TextMemo", 200) << text("RInPut_Bigo", 200)
      << text("RInPut_InPutSerial", 100) << text("RInPut_KubunSerial", 50);
    return {QStringLiteral("MC_WonJaJeyYbChulGoReport_SumVw01"), c};
}

// The columns every section copies from its source table (prefix "InPut_", "Gong_", ...).
QVector<Fill> copiedFrom(const QString &source)
{
    QVector<Fill> fills{{"RInPut_Serial", source + "Serial"},     {"RInPut_Date", source + "Date"},
                        {"RInPut_Year", source + "Year"},         {"RInPut_Month", source + "Month"},
                        {"RInPut_Kubun", source + "Kubun"},       {"RInPut_WonCode", source + "WonCode"},
                        {"RInPut_WonName", source + "WonName"},   {"RInPut_DanGa", source + "DanGa"},
                        {"RInPut_TextMemo", source + "TextMemo"}, {"RInPut_Bigo", source + "Bigo"}};
    return fills + sameEndings(QStringLiteral("RInPut_"), source, describingStems());
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
    static const WorkTable table{QStringLiteral("MC_WonJaJeyYbChulGoReport_SumVw02"),
                                 {real("RGaAmt_JenGi"), real("RGaAmt_Daong"), real("RGaAmt_TaAc"), real("RGaAmt_JeyGo"),
                                  real("RGaAmt_JeyGong")}};
    return table;
}

const ReportColumns &detailColumns()
{
    static const ReportColumns columns{
        {"RInPut_JeyGongName", "인덱스 이름"},
        {"RInPut_Serial", "저장순서"},
        {"RInPut_Date", "기준일자"},
        {"RInPut_Kubun", "구분"},
        {"RInPut_WonCode", "원자재 코드"},
        {"RInPut_WonName", "원자재이름"},
        {"RInPut_DanGa", "단가", Amount4ZeroBlank},
        {"RInPut_SuKg_YbGo", "입고 수량(중량)", Amount4ZeroBlank, Shade::In},
        {"RInPut_GaAmt_YbGo", "입고     금액", Amount4ZeroBlank, Shade::In},
        {"RInPut_SuKg_ChulGo", "출고 수량(중량)", Amount4ZeroBlank, Shade::Out},
        {"RInPut_GaAmt_ChulGo", "출고     금액", Amount4ZeroBlank, Shade::Out},
        {"RInPut_TextMemo", "적요및메모"},
        {"RInPut_DanWi", "단위"},
        {"RInPut_Model", "모델명"},
        {"RInPut_PumName", "품명"},
        {"RInPut_KuSize", "규격"},
        {"RInPut_SerialJen", "전표번호"},
        {"RInPut_TaxNumber", "세금계산서권번호"},
        {"RInPut_SaleCode", "거래처코드"},
        {"RInPut_SaleName", "거래처이름"},
        {"RInPut_SaleNumber", "사업자번호"},
        {"RInPut_SaleDyiPou", "대표자명"},
        {"RInPut_Bigo", "비고"},
        {"RInPut_InPutSerial", "원자재 저장순서"},
        {"RInPut_JeyGongIndex", "인덱스 순서"},
        {"RInPut_Year", "년도"},
        {"RInPut_Month", "월"},
    };
    return columns;
}

const ReportColumns &summaryColumns()
{
    static const ReportColumns columns{
        {"RGaAmt_JenGi", "전월 원자재 이월액", Amount4},
        {"RGaAmt_Daong", "당월 원자재 매입액", Amount4},
        {"RGaAmt_TaAc", "타 계정 대체 원자재", Amount4},
        {"RGaAmt_JeyGo", "기말 원자재 재고액", Amount4},
        {"RGaAmt_JeyGong", "제조공정투입 금액(재공품및원재료비)", Amount4},
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
    const Period m{month.year.trimmed(), month.month.trimmed()};
    const Params ym{{":tbYear", m.year}, {":tbMonth", m.month}};
    const WorkTable &detail = detailTable();
    const WorkTable &summary = summaryTable();
    Transaction t(db);
    detail.empty(db);
    summary.empty(db);

    detail.insertSelect(db,
                        copiedFrom("InPut_") + QVector<Fill>{{"RInPut_JeyGongIndex", "'10-원자재'"},
                                                             {"RInPut_JeyGongName", "'원자재'"},
                                                             {"RInPut_SuKg_YbGo", "InPut_SuKg"},
                                                             {"RInPut_GaAmt_YbGo", "InPut_GaAmt"},
                                                             {"RInPut_KubunSerial", "InPut_Serial"}},
                        "From MC_WonJaJeyInPut Where InPut_Year = :tbYear And InPut_Month = :tbMonth", ym);
    // Lots brought forward are WIP, not raw material leaving the store.
    detail.insertSelect(db,
                        copiedFrom("Gong_") + QVector<Fill>{{"RInPut_JeyGongIndex", "'20-재공품'"},
                                                            {"RInPut_JeyGongName", "'제조공정투입(재공품)'"},
                                                            {"RInPut_SuKg_ChulGo", "Gong_SuKg"},
                                                            {"RInPut_GaAmt_ChulGo", "Gong_GaAmt"},
                                                            {"RInPut_InPutSerial", "Gong_InPutSerial"},
                                                            {"RInPut_KubunSerial", "Gong_InPutSerial"}},
                        "From MC_JeyGongPumInPut Where Gong_Year = :tbYear And Gong_Month = :tbMonth "
                        "And Gong_Kubun = '당월투입'",
                        ym);
    detail.insertSelect(db,
                        copiedFrom("TaInPut_") + QVector<Fill>{{"RInPut_JeyGongIndex", "'30-타계정대체 원자재'"},
                                                               {"RInPut_JeyGongName", "'원자재 타 계정 대체'"},
                                                               {"RInPut_SuKg_ChulGo", "TaInPut_SuKg"},
                                                               {"RInPut_GaAmt_ChulGo", "TaInPut_GaAmt"},
                                                               {"RInPut_InPutSerial", "TaInPut_InPutSerial"},
                                                               {"RInPut_KubunSerial", "TaInPut_InPutSerial"}},
                        "From MC_WonJaJeyInPut_TaAc Where TaInPut_Year = :tbYear And TaInPut_Month = :tbMonth", ym);

    insertTotalRow(
        db, detail, m,
        {"RInPut_", "RInPut_JeyGongIndex", "RInPut_WonName", "RInPut_GaAmt_YbGo", "RInPut_GaAmt_ChulGo", {}});

    const Params sym{{":tbSYear", m.year}, {":tbSMonth", m.month}};
    summary.insertRow(
        db, {{"RGaAmt_JenGi", sum4(db,
                                   "Select total(InPut_GaAmt) From MC_WonJaJeyInPut Where InPut_Year = :tbSYear "
                                   "And InPut_Month = :tbSMonth And InPut_Kubun = '전기이월'",
                                   sym)},
             {"RGaAmt_Daong", sum4(db,
                                   "Select total(InPut_GaAmt) From MC_WonJaJeyInPut Where InPut_Year = :tbSYear "
                                   "And InPut_Month = :tbSMonth And InPut_Kubun = '당월입고'",
                                   sym)},
             {"RGaAmt_TaAc", sum4(db,
                                  "Select total(TaInPut_GaAmt) From MC_WonJaJeyInPut_TaAc Where TaInPut_Year = "
                                  ":tbSYear And TaInPut_Month = :tbSMonth",
                                  sym)},
             {"RGaAmt_JeyGo", sum4(db,
                                   "Select total(RInPut_GaAmt_YbGo - RInPut_GaAmt_ChulGo) From " + detail.name() +
                                       " Where RInPut_Kubun <> '합계'",
                                   {})},
             {"RGaAmt_JeyGong", sum4(db,
                                     "Select total(Gong_GaAmt) From MC_JeyGongPumInPut Where Gong_Year = :tbSYear "
                                     "And Gong_Month = :tbSMonth And Gong_Kubun = '당월투입'",
                                     sym)}});

    MovementReport report{{detailColumns(), detail.rows(db, "RInPut_Date, RInPut_JeyGongIndex, RInPut_Serial")},
                          {summaryColumns(), summary.rows(db)}};
    t.commit();
    return report;
}

} // namespace zedur::reports::rawMovements

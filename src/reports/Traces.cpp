#include "reports/Traces.h"

#include "common/TextNumber.h"
#include "store/Db.h"

namespace zedur::reports::traces {

namespace {

enum class Goods { Product, RawMaterial };
// Screens that start from a transfer show the unit last instead of fourth.
enum class Unit { Fourth, Last };

// The descriptive block every list starts with.
ReportColumns describing(const QString &p, Goods goods, const QString &tradeNameTitle = "거래처상호명")
{
    const bool product = goods == Goods::Product;
    return {{p + (product ? "JeyPumCode" : "WonCode"), product ? "제품 코드" : "원자재 코드"},
            {p + (product ? "JeyPumName" : "WonName"), product ? "제품 이름" : "원자재 이름"},
            {p + "DanWi", "단위"},
            {p + "Model", "모델명"},
            {p + "PumName", "품명"},
            {p + "KuSize", "규격"},
            {p + "SerialJen", "전표번호"},
            {p + "TaxNumber", "세금계산서권번호"},
            {p + "SaleCode", "거래처코드"},
            {p + "SaleName", tradeNameTitle},
            {p + "SaleNumber", "사업자등록번호"},
            {p + "SaleDyiPou", "대표자명"},
            {p + "TextMemo", "적요 및 메모"}};
}

ReportColumns listOf(const QString &p, Goods goods, const ReportColumns &rest, Unit unit,
                     const QString &tradeNameTitle = "거래처상호명")
{
    ReportColumns columns{{p + "Serial", "저장순서"}, {p + "Date", "기준일자"}};
    columns << describing(p, goods, tradeNameTitle) << rest;
    if (unit == Unit::Last) {
        const int at = 4; // serial, date, code, name, unit
        columns.append(columns.takeAt(at));
    }
    return columns;
}

ReportColumn amount(const QString &field, const QString &title)
{
    return {field, title, Amount4ZeroBlank};
}

ReportColumns period(const QString &p)
{
    return {{p + "Year", "년도"}, {p + "Month", "월"}};
}

// Quantity to the last cost element of a lot and of every slice taken from it; `common`
// names the indirect elements ("공통", or "간접" on WIP transfers).
ReportColumns lotCosts(const QString &p, const QString &common = "공통")
{
    return {amount(p + "SuKg", "원자재 수량(중량)"),
            amount(p + "DanGa", "원자재 단가"),
            amount(p + "GaAmt", "원자재 금액"),
            {p + "Kubun", "구분"},
            {p + "Bigo", "비 고"},
            amount(p + "JenGiWoul", "전월 완성율"),
            amount(p + "DaongWoul", "당월 완성율"),
            amount(p + "TotWoul", "완성율 합계"),
            amount(p + "JenGiWonAmt", "전월 완성 원자재 금액"),
            amount(p + "JenGiNoMu_01", "전월 직접 노무비 배부액"),
            amount(p + "JenGiNoMu_02", "전월 " + common + " 노무비 배부액"),
            amount(p + "JenGiJeyJo_01", "전월 직접 제조경비 배부액"),
            amount(p + "JenGiJeyJo_02", "전월 " + common + " 제조경비 배부액"),
            amount(p + "DaongWonAmt", "당월 완성 원자재 금액"),
            amount(p + "DaongNoMu_01", "당월 직접 노무비 배부액"),
            amount(p + "DaongNoMu_02", "당월 " + common + " 노무비 배부액"),
            amount(p + "DaongJeyJo_01", "당월 직접 제조경비 배부액"),
            amount(p + "DaongJeyJo_02", "당월 " + common + " 제조경비 배부액")};
}

// The four cost columns of a product row, whose names do not say what they hold.
ReportColumns productCosts(const QString &p)
{
    return {amount(p + "JenGiNoMu", "직접 노무비 배부액"), amount(p + "DaongNoMu", "간접 노무비 배부액"),
            amount(p + "JenGiJeyJo", "직접 제조경비 배부액"), amount(p + "DaongJeyJo", "간접 제조경비 배부액")};
}

ReportColumns shipments(Unit unit)
{
    return listOf("ChulGo_", Goods::Product,
                  ReportColumns{amount("ChulGo_SuKg", "매출 수량"),
                                amount("ChulGo_DanGa", "매출 단가"),
                                amount("ChulGo_GaAmt", "매출 금액"),
                                amount("ChulGo_WonJaJeyAmt", "제품매출원가 금액"),
                                {"ChulGo_Bigo", "비 고"},
                                {"ChulGo_JeyPumSerial", "제품의 저장순서"},
                                {"ChulGo_Kubun", "매출액 구분"},
                                {"BanPum_ChulGoSerial", "반품 매출액의 저장순서"},
                                {"BanPum_ChulGoJeyPumSerial", "반품전 제품의 저장순서"},
                                {"BanPum_NewJeyPumSerial", "반품후 제품의 저장순서"}} +
                      period("ChulGo_"),
                  unit);
}

ReportColumns productReceipts(Unit unit)
{
    return listOf("JeyPum_", Goods::Product,
                  ReportColumns{amount("JeyPum_SuKg", "수량"), amount("JeyPum_GaAmt", "원자재 금액")} +
                      productCosts("JeyPum_") +
                      ReportColumns{amount("JeyPum_DanGa", "제품 단가"),
                                    amount("JeyPum_TotGaAmt", "완제품 완성 금액"),
                                    {"JeyPum_Kubun", "구분"},
                                    {"JeyPum_Bigo", "비 고"},
                                    {"BanPum_ChulGoSerial", "반품된 매출의 저장순서"},
                                    {"BanPum_ChulGoJeyPumSerial", "반품전 제품의 저장순서"},
                                    {"BanPum_NewChulGoSerial", "반품후 매출의 저장순서"},
                                    {"JeyPum_JeyPumSerial", "전기이월 제품의 저장순서"}} +
                      period("JeyPum_"),
                  unit);
}

ReportColumns completions(Unit unit)
{
    return listOf("InGong_", Goods::RawMaterial,
                  lotCosts("InGong_") +
                      ReportColumns{amount("InGong_WoulAmtTot", "재공품 완성율 배부액 금액"),
                                    {"InGong_JeyPumCode", "최상위 제품코드"},
                                    {"InGong_JeyPumName", "최상위 제품이름"},
                                    amount("InGong_JeyPumSuKg", "제품창고 입고 완제품 수량"),
                                    amount("InGong_WonJaJeySuKg", "BOM제품의 원자재 소유량"),
                                    {"InGong_InPutSerial", "원자재 저장순서"},
                                    {"InGong_GongSerial", "재공품 저장순서"},
                                    {"InGong_JeyPumSerial", "제품창고의 제품 저장순서"}} +
                      period("InGong_"),
                  unit, "거래처상호");
}

ReportColumns lots(Unit unit)
{
    return listOf("Gong_", Goods::RawMaterial,
                  lotCosts("Gong_") +
                      ReportColumns{amount("Gong_WoulAmtTot", "제조공정의 완성율 재공품 금액"),
                                    {"Gong_InPutSerial", "원자재 저장순서"},
                                    {"Gong_GongSerial", "전기이월 재공품의 저장순서"}} +
                      period("Gong_"),
                  unit);
}

ReportColumns rawReceipts(Unit unit)
{
    return listOf("InPut_", Goods::RawMaterial,
                  ReportColumns{amount("InPut_SuKg", "원자재 수량(중량)"),
                                amount("InPut_DanGa", "원자재 단가"),
                                amount("InPut_GaAmt", "원자재 금액"),
                                {"InPut_Kubun", "구분"},
                                {"InPut_Bigo", "비 고"},
                                {"InPut_InPutSerial", "전기이월의 원자재 저장순서"}} +
                      period("InPut_"),
                  unit);
}

ReportColumns productTransfers(Unit unit)
{
    return listOf("TaJeyPum_", Goods::Product,
                  ReportColumns{amount("TaJeyPum_SuKg", "타계정 제품수량"), amount("TaJeyPum_GaAmt", "원자재 금액")} +
                      productCosts("TaJeyPum_") +
                      ReportColumns{amount("TaJeyPum_DanGa", "타계정 제품의단가"),
                                    amount("TaJeyPum_TotGaAmt", "타계정 제품의 제품금액"),
                                    {"TaJeyPum_Kubun", "구분"},
                                    {"TaJeyPum_Bigo", "비 고"},
                                    {"TaJeyPum_JeyPumSerial", "제품의 저장순서"}} +
                      period("TaJeyPum_"),
                  unit);
}

ReportColumns wipTransfers(Unit unit)
{
    return listOf("TaGong_", Goods::RawMaterial,
                  lotCosts("TaGong_", "간접") +
                      ReportColumns{amount("TaGong_WoulAmtTot", "타계정 재공품의 재공품 금액"),
                                    {"TaGong_InPutSerial", "원자재의 저장순서"},
                                    {"TaGong_GongSerial", "재공품의 저장순서"},
                                    {"TaGong_JeyPumCode", "최상위 제품코드"},
                                    {"TaGong_JeyPumName", "최상위 제품이름"},
                                    amount("TaGong_JeyPumSuKg", "타계정 재공품의 제품수량"),
                                    {"TaGong_JeyPumSerial", "타계정 제품의 제품 저장순서"}} +
                      period("TaGong_"),
                  unit);
}

ReportColumns rawTransfers(Unit unit)
{
    return listOf("TaInPut_", Goods::RawMaterial,
                  ReportColumns{amount("TaInPut_SuKg", "원자재 타 계정 대체 수량"),
                                amount("TaInPut_DanGa", "원자재 타 계정 대체 단가"),
                                amount("TaInPut_GaAmt", "원자재 타 계정 대체 금액"),
                                {"TaInPut_Kubun", "구분"},
                                {"TaInPut_Bigo", "비 고"},
                                {"TaInPut_InPutSerial", "원자재 저장순서"}} +
                      period("TaInPut_"),
                  unit);
}

// The unit cost is left empty (NULL) for a receipt of quantity 0.
const QString receiptWithUnitCost =
    QStringLiteral("Select DISTINCT J.*, (J.JeyPum_TotGaAmt / J.JeyPum_SuKg) As JeyPum_DanGa ");

Stage rawReceiptStage(Unit unit)
{
    return {"DBGrid_WonJaJey",
            "WonJaJeyPrintBtn",
            {"원자재"},
            rawReceipts(unit),
            "Select * From MC_WonJaJeyInPut Where InPut_Serial = ( :tbStr )",
            ":tbStr",
            {}};
}

// The stages below a product receipt, the same on every screen that reaches one.
QVector<Stage> fromReceiptDown(Unit unit)
{
    return {{"DBGrid_ChaongGoJeyGongPum",
             "ChaongGoJeyGongPumPrintBtn",
             {"제품창고", "입고된 재공품"},
             completions(unit),
             "Select * From MC_ChaongGoJeyGongPumInJeyGong Where InGong_JeyPumSerial = ( :tbStr )",
             ":tbStr",
             "InGong_JeyPumSerial"},
            // Every lot of the receipt the completion belongs to, whichever completion is picked.
            {"DBGrid_JeyJoJeyGongPum",
             "JeyJoJeyGongPumPrintBtn",
             {"제조공정", "(재공품)"},
             lots(unit),
             "Select * From MC_JeyGongPumInPut Where Gong_Serial In ( Select InGong_GongSerial From "
             "MC_ChaongGoJeyGongPumInJeyGong Where InGong_JeyPumSerial In ( Select JeyPum_Serial From "
             "MC_ChaongGoJeyPumInPut Where JeyPum_Serial = ( :tbStr ) ) )",
             ":tbStr",
             "Gong_InPutSerial"},
            rawReceiptStage(unit)};
}

} // namespace

const Trace &fromSales()
{
    static const Trace trace{
        "TMC_ReportBeyBu01_Form", "매출부터 역순 배부 체크 현황 폼 입니다.", "월별 매출부터 역순  배부 체크  현황",
        QVector<Stage>{{"DBGrid_ChulGo",
                        "ChulGoPrintBtn",
                        {"매출액"},
                        shipments(Unit::Fourth),
                        "Select * From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Year = ( :tbYear ) And "
                        "ChulGo_Month = ( :tbMonth )",
                        {},
                        "ChulGo_JeyPumSerial"},
                       {"DBGrid_JeyPum",
                        "JeyPumPrintBtn",
                        {"제품"},
                        productReceipts(Unit::Fourth),
                        receiptWithUnitCost + "From MC_ChaongGoJeyPumInPut_ChulGo C Left Outer Join "
                                              "MC_ChaongGoJeyPumInPut J On C.ChulGo_JeyPumSerial = J.JeyPum_Serial "
                                              "Where C.ChulGo_JeyPumSerial = ( :tbSerial )",
                        ":tbSerial",
                        "JeyPum_Serial"}} +
            fromReceiptDown(Unit::Fourth)};
    return trace;
}

const Trace &fromProducts()
{
    static const Trace trace{
        "TMC_ReportBeyBu02_Form", "제품부터 역순 배부 체크 현황 폼 입니다.", "월별 제품부터 역순  배부 체크  현황",
        QVector<Stage>{{"DBGrid_JeyPum",
                        "JeyPumPrintBtn",
                        {"제품"},
                        productReceipts(Unit::Fourth),
                        receiptWithUnitCost + "From MC_ChaongGoJeyPumInPut J Where J.JeyPum_Year = ( :tbYear ) "
                                              "And J.JeyPum_Month = ( :tbMonth )",
                        {},
                        "JeyPum_Serial"}} +
            fromReceiptDown(Unit::Fourth)};
    return trace;
}

const Trace &fromProductTransfers()
{
    static const Trace trace{
        "TMC_ReportBeyBu03_Form", "타 계정 대체 제품부터 역순 배부 체크 현황 폼 입니다.",
        "월별 타 계정 대체의 제품부터 역순  배부 체크  현황",
        QVector<Stage>{{"DBGrid_JeyPumTaAc",
                        "JeyPumTaAcPrintBtn",
                        {"제품", "타 계정 대체"},
                        productTransfers(Unit::Last),
                        "Select T.*, (T.TaJeyPum_TotGaAmt / (T.TaJeyPum_SuKg * 1.0)) As TaJeyPum_DanGa From "
                        "MC_ChaongGoJeyPumInPut_TaAc T Where T.TaJeyPum_Year = ( :tbYear ) And T.TaJeyPum_Month = "
                        "( :tbMonth )",
                        {},
                        "TaJeyPum_JeyPumSerial"},
                       {"DBGrid_JeyPum",
                        "JeyPumPrintBtn",
                        {"제품"},
                        productReceipts(Unit::Last),
                        receiptWithUnitCost + "From MC_ChaongGoJeyPumInPut_TaAc T Left Outer Join "
                                              "MC_ChaongGoJeyPumInPut J On T.TaJeyPum_JeyPumSerial = J.JeyPum_Serial "
                                              "Where T.TaJeyPum_JeyPumSerial = ( :tbStr )",
                        ":tbStr",
                        "JeyPum_Serial"}} +
            fromReceiptDown(Unit::Last)};
    return trace;
}

const Trace &fromWipTransfers()
{
    static const Trace trace{
        "TMC_ReportBeyBu04_Form",
        "타 계정 대체의 재공품부터 역순 배부 체크 현황 폼 입니다.",
        "월별 타 계정 대체의 재공품부터 역순  배부 체크  현황",
        {{"DBGrid_JeyGongPumTaAc",
          "JeyGongPumTaAcPrintBtn",
          {"재공품", "타 계정 대체"},
          wipTransfers(Unit::Last),
          "Select * From MC_JeyGongPumInPut_TaAc Where TaGong_Year = ( :tbYear ) And TaGong_Month = ( :tbMonth )",
          {},
          "TaGong_GongSerial"},
         {"DBGrid_JeyJoJeyGongPum",
          "JeyJoJeyGongPumPrintBtn",
          {"제조공정", "(재공품)"},
          lots(Unit::Last),
          "Select * From MC_JeyGongPumInPut Where Gong_Serial = ( :tbStr )",
          ":tbStr",
          "Gong_InPutSerial"},
         rawReceiptStage(Unit::Last)}};
    return trace;
}

const Trace &fromRawTransfers()
{
    static const Trace trace{
        "TMC_ReportBeyBu05_Form",
        "원자재 타 계정 대체의 원자재 내역 현황 폼 입니다.",
        "월별 원자재 타 계정 대체의 원자재 내역  현황",
        {{"DBGrid_WonJaJeyTaAc",
          "WonJaJeyTaAcPrintBtn",
          {"원자재", "타 계정 대체"},
          rawTransfers(Unit::Last),
          "Select * From MC_WonJaJeyInPut_TaAc Where TaInPut_Year = ( :tbYear ) And TaInPut_Month = ( :tbMonth )",
          {},
          "TaInPut_InPutSerial"},
         rawReceiptStage(Unit::Last)}};
    return trace;
}

ReportList monthRows(Db &db, const Trace &trace, const Period &month)
{
    const Stage &first = trace.stages.first();
    return {first.columns,
            db.query(first.sql, {{":tbYear", fDeleteBlank(month.year)}, {":tbMonth", fDeleteBlank(month.month)}})};
}

ReportList stageRows(Db &db, const Trace &trace, int stage, const QString &key)
{
    const Stage &s = trace.stages.at(stage);
    return {s.columns, db.query(s.sql, {{s.keyParam, key.trimmed()}})};
}

} // namespace zedur::reports::traces

#include "reports/WipMovements.h"

#include "common/TextNumber.h"
#include "reports/ReportMonth.h"
#include "reports/TotalRow.h"

#include <array>

namespace zedur::reports::wipMovements {

namespace {

// The rates and cost components a movement copies from its lot, completion or transfer.
const QStringList &costStems()
{
    static const QStringList stems{"SuKg",         "DanGa",         "GaAmt",         "JenGiWoul",
                                   "DaongWoul",    "TotWoul",       "JenGiWonAmt",   "JenGiNoMu_01",
                                   "JenGiNoMu_02", "JenGiJeyJo_01", "JenGiJeyJo_02", "DaongWonAmt",
                                   "DaongNoMu_01", "DaongNoMu_02",  "DaongJeyJo_01", "DaongJeyJo_02"};
    return stems;
}

WorkTable makeDetail()
{
    QVector<ColumnDef> c{text("Kubun_Index", 100), text("Ret_Serial", 50), text("Ret_Date", 10),
                         text("Ret_Year", 4),      text("Ret_Month", 2),   text("Ret_WonCode", 50),
                         text("Ret_WonName", 200)};
    c << describingColumns(QStringLiteral("Ret_"));
    for (const QString &stem : costStems())
        c << real("Ret_" + stem);
    // The product name as wide as the completions' own.
    c << text("Ret_Kubun", 30) << text("Ret_AcNameKubun", 100) << real("Ret_SuKg_YbGo") << real("Ret_WoulAmtTot_YbGo")
      << real("Ret_SuKg_ChulGo") << real("Ret_WoulAmtTot_ChulGo") << text("Ret_TextMemo", 100) << text("Ret_Bigo", 100)
      << text("Ret_WonInPutSerial", 50) << text("Ret_JeyGongPumSerial", 50) << text("Ret_JeyPumCode", 50)
      << text("Ret_JeyPumName", 200) << real("Ret_JeyPumSuKg") << text("Ret_JeyPumSerial", 50)
      << text("Ret_KubunSerial", 50);
    return {QStringLiteral("MC_JeyGongPumYbChulGoReport_SumVw01"), c};
}

QVector<Fill> copiedFrom(const QString &source)
{
    QVector<Fill> fills{{"Ret_Serial", source + "Serial"},   {"Ret_Date", source + "Date"},
                        {"Ret_Year", source + "Year"},       {"Ret_Month", source + "Month"},
                        {"Ret_WonCode", source + "WonCode"}, {"Ret_WonName", source + "WonName"},
                        {"Ret_Kubun", source + "Kubun"},     {"Ret_TextMemo", source + "TextMemo"},
                        {"Ret_Bigo", source + "Bigo"},       {"Ret_WonInPutSerial", source + "InPutSerial"}};
    return fills + sameEndings(QStringLiteral("Ret_"), source, describingStems()) +
           sameEndings(QStringLiteral("Ret_"), source, costStems());
}

// A slice of a lot leaving it: the product it went to and the lot it belongs to.
QVector<Fill> leavingFrom(const QString &source)
{
    return {{"Ret_SuKg_ChulGo", source + "SuKg"},
            {"Ret_WoulAmtTot_ChulGo", source + "WoulAmtTot"},
            {"Ret_JeyGongPumSerial", source + "GongSerial"},
            {"Ret_JeyPumCode", source + "JeyPumCode"},
            {"Ret_JeyPumName", source + "JeyPumName"},
            {"Ret_JeyPumSuKg", source + "JeyPumSuKg"},
            {"Ret_JeyPumSerial", source + "JeyPumSerial"},
            {"Ret_KubunSerial", source + "GongSerial"}};
}

// The eight amounts of a summary row: A raw material, B/C/D labour (direct, common,
// both), E/F/G overhead, and the completion amount.
using Amounts = std::array<double, 8>;
using Decimals = std::array<int, 8>;
const char *const amountColumns[8] = {"Ret_WonJaJeyAmt",  "Ret_NoMu_01_Amt",  "Ret_NoMu_02_Amt", "Ret_NoMu_Tot",
                                      "Ret_JeyJo_01_Amt", "Ret_JeyJo_02_Amt", "Ret_JeyJo_Tot",   "Ret_WoulAmtTot"};

Amounts read(const ResultSet &rs, const QStringList &names)
{
    Amounts a{};
    for (int i = 0; i < 8; ++i)
        a[i] = names.at(i).isEmpty() ? 0.0 : rs.number(0, names.at(i));
    return a;
}

// The cost elements of slices that left lots (transfers, completions): each slice's
// brought-forward and current parts together.
QString leavingSums(const QString &p)
{
    return QStringLiteral("Select total(%1GaAmt) As A, total(%1JenGiNoMu_01 + %1DaongNoMu_01) As B, "
                          "total(%1JenGiNoMu_02 + %1DaongNoMu_02) As C, "
                          "total(%1JenGiNoMu_01 + %1DaongNoMu_01 + %1JenGiNoMu_02 + %1DaongNoMu_02) As D, "
                          "total(%1JenGiJeyJo_01 + %1DaongJeyJo_01) As E, "
                          "total(%1JenGiJeyJo_02 + %1DaongJeyJo_02) As F, "
                          "total(%1JenGiJeyJo_01 + %1DaongJeyJo_01 + %1JenGiJeyJo_02 + %1DaongJeyJo_02) As G, "
                          "total(%1WoulAmtTot) As W ")
        .arg(p);
}

class Summary
{
public:
    Summary(Db &db, const WorkTable &table) : m_db(db), m_table(table) {}

    // Writes a row; each value read goes in as "0.0000", the completion amount with
    // `completionDecimals`.
    void write(const QString &index, const QString &name, const Amounts &a, int completionDecimals = 4)
    {
        Decimals decimals;
        decimals.fill(4);
        decimals[7] = completionDecimals;
        insert(index, name, a, decimals);
    }
    // The balances, each written "0.00000".
    void writeBalances(const QString &index, const QString &name)
    {
        Decimals decimals;
        decimals.fill(5);
        insert(index, name, balance, decimals);
    }
    void add(const Amounts &a, int first = 0, int last = 7)
    {
        for (int i = first; i <= last; ++i)
            balance[i] += a[i];
    }
    void subtract(const Amounts &a)
    {
        for (int i = 0; i < 8; ++i)
            balance[i] -= a[i];
    }

    Amounts balance{};

private:
    void insert(const QString &index, const QString &name, const Amounts &a, const Decimals &decimals)
    {
        QVector<QPair<QString, QVariant>> values{{"Kubun_Index", index}, {"Kubun_Name", name}};
        for (int i = 0; i < 8; ++i)
            values.append({amountColumns[i], roundDecimals(a[i], decimals[i])});
        m_table.insertRow(m_db, values);
    }

    Db &m_db;
    const WorkTable &m_table;
};

} // namespace

const WorkTable &detailTable()
{
    static const WorkTable table = makeDetail();
    return table;
}

const WorkTable &summaryTable()
{
    static const WorkTable table{QStringLiteral("MC_JeyGongPumYbChulGoReport_SumVw02"),
                                 {text("Kubun_Index", 100), text("Kubun_Name", 100), real("Ret_WonJaJeyAmt"),
                                  real("Ret_NoMu_01_Amt"), real("Ret_NoMu_02_Amt"), real("Ret_NoMu_Tot"),
                                  real("Ret_JeyJo_01_Amt"), real("Ret_JeyJo_02_Amt"), real("Ret_JeyJo_Tot"),
                                  real("Ret_WoulAmtTot")}};
    return table;
}

const ReportColumns &detailColumns()
{
    static const ReportColumns columns{
        {"Kubun_Index", "인덱스 구분"},
        {"Ret_Date", "기준일자"},
        {"Ret_WonCode", "원자재 코드"},
        {"Ret_WonName", "원자재 이름"},
        {"Ret_Model", "모델명"},
        {"Ret_PumName", "품명"},
        {"Ret_KuSize", "규격"},
        {"Ret_SuKg", "원자재수량(중량)", Amount4ZeroBlank},
        {"Ret_DanGa", "원자재 단가", Amount4ZeroBlank},
        {"Ret_GaAmt", "원자재 금액", Amount4ZeroBlank},
        {"Ret_JenGiWoul", "전월 완성율", Amount4ZeroBlank},
        {"Ret_DaongWoul", "당월 완성율", Amount4ZeroBlank},
        {"Ret_TotWoul", "완성율 합계", Amount4ZeroBlank},
        {"Ret_JenGiWonAmt", "전월 완성율 원자재", Amount4ZeroBlank},
        {"Ret_JenGiNoMu_01", "전월직접노무비배부액", Amount4ZeroBlank},
        {"Ret_JenGiNoMu_02", "전월공통노무비배부액", Amount4ZeroBlank},
        {"Ret_JenGiJeyJo_01", "전월직접제조경비배부액", Amount4ZeroBlank},
        {"Ret_JenGiJeyJo_02", "전월공통제조경비배부액", Amount4ZeroBlank},
        {"Ret_DaongWonAmt", "당월 완성율 원자재", Amount4ZeroBlank},
        {"Ret_DaongNoMu_01", "당월직접노무비배부액", Amount4ZeroBlank},
        {"Ret_DaongNoMu_02", "당월공통노무비배부액", Amount4ZeroBlank},
        {"Ret_DaongJeyJo_01", "당월직접제조경비배부액", Amount4ZeroBlank},
        {"Ret_DaongJeyJo_02", "당월공통제조경비배부액", Amount4ZeroBlank},
        {"Ret_Kubun", "구분"},
        {"Ret_AcNameKubun", "계정과목 구분"},
        {"Ret_SuKg_YbGo", "제조공정 입고수량(중량)", Amount4ZeroBlank, Shade::In},
        {"Ret_WoulAmtTot_YbGo", "제조공정 입고금액", Amount4ZeroBlank, Shade::In},
        {"Ret_SuKg_ChulGo", "제조공정 출고수량(중량)", Amount4ZeroBlank, Shade::Out},
        {"Ret_WoulAmtTot_ChulGo", "제조공정 출고금액", Amount4ZeroBlank, Shade::Out},
        {"Ret_TextMemo", "적오및메모"},
        {"Ret_Bigo", "비   고"},
        {"Ret_WonInPutSerial", "원자재등록 저장순서"},
        {"Ret_JeyGongPumSerial", "재공품등록 저장순서"},
        {"Ret_JeyPumCode", "제품 코드"},
        {"Ret_JeyPumName", "제품 이름"},
        {"Ret_JeyPumSuKg", "창고입고 제품 소율량", Amount4ZeroBlank},
        {"Ret_JeyPumSerial", "제품등록 저장순서"},
        {"Ret_KubunSerial", "재공품 저장순서 구분"},
        {"Ret_Year", "년도"},
        {"Ret_Serial", "저장순서"},
        {"Ret_Month", "월"},
        {"Ret_DanWi", "단위"},
        {"Ret_SerialJen", "전표번호"},
        {"Ret_TaxNumber", "세금계산서권번호"},
        {"Ret_SaleCode", "거래처코드"},
        {"Ret_SaleName", "거래처상호"},
        {"Ret_SaleNumber", "사업자등록번호"},
        {"Ret_SaleDyiPou", "대표자명"},
    };
    return columns;
}

const ReportColumns &summaryColumns()
{
    static const ReportColumns columns{
        {"Kubun_Name", "구분 이름"},
        {"Ret_WonJaJeyAmt", "원자재 금액[ A ]", Amount4ZeroBlank, Shade::Subtotal},
        {"Ret_NoMu_01_Amt", "직접 노무비 배부액[ B ]", Amount4ZeroBlank},
        {"Ret_NoMu_02_Amt", "공통 노무배 배부액[ C ]", Amount4ZeroBlank},
        {"Ret_NoMu_Tot", "노무배 배부액 합계[ D = B + C ]", Amount4ZeroBlank, Shade::Subtotal},
        {"Ret_JeyJo_01_Amt", "직접 제조경비 배부액[ E ]", Amount4ZeroBlank},
        {"Ret_JeyJo_02_Amt", "공통 제조경비 배부액[ F ]", Amount4ZeroBlank},
        {"Ret_JeyJo_Tot", "제조경비 배부액 합계[ G = E + F ]", Amount4ZeroBlank, Shade::Subtotal},
        {"Ret_WoulAmtTot", "완성 재공품 완성율 금액[ A + D + G ]", Amount4ZeroBlank, Shade::Out},
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
                        copiedFrom("Gong_") + QVector<Fill>{{"Kubun_Index", "'10-재공품'"},
                                                            {"Ret_AcNameKubun", "'재공품(제조공정투입)'"},
                                                            {"Ret_SuKg_YbGo", "Gong_SuKg"},
                                                            {"Ret_WoulAmtTot_YbGo", "Gong_WoulAmtTot"},
                                                            {"Ret_KubunSerial", "Gong_Serial"}},
                        "From MC_JeyGongPumInPut Where Gong_Year = :tbYear And Gong_Month = :tbMonth", ym);
    detail.insertSelect(
        db,
        copiedFrom("InGong_") + leavingFrom("InGong_") +
            QVector<Fill>{{"Kubun_Index", "'20-제품창고입고된재공품'"}, {"Ret_AcNameKubun", "'제품창고입고된재공품'"}},
        "From MC_ChaongGoJeyGongPumInJeyGong Where InGong_Year = :tbYear And InGong_Month = :tbMonth", ym);
    detail.insertSelect(
        db,
        copiedFrom("TaGong_") + leavingFrom("TaGong_") +
            QVector<Fill>{{"Kubun_Index", "'30-타계정대체재공품'"}, {"Ret_AcNameKubun", "'타계정대체재공품'"}},
        "From MC_JeyGongPumInPut_TaAc Where TaGong_Year = :tbYear And TaGong_Month = :tbMonth", ym);

    insertTotalRow(db, detail, m,
                   {"Ret_", "Kubun_Index", "Ret_WonName", "Ret_WoulAmtTot_YbGo", "Ret_WoulAmtTot_ChulGo", {}});

    const Params sym{{":tbSYear", m.year}, {":tbSMonth", m.month}};
    Summary rows(db, summary);

    const ResultSet opening = db.query(
        "Select total(Gong_GaAmt) As A, total(Gong_JenGiNoMu_01) As JB, total(Gong_JenGiNoMu_02) As JC, "
        "total(Gong_JenGiNoMu_01 + Gong_JenGiNoMu_02) As JD, total(Gong_JenGiJeyJo_01) As JE, "
        "total(Gong_JenGiJeyJo_02) As JF, total(Gong_JenGiJeyJo_01 + Gong_JenGiJeyJo_02) As JG, "
        "total(Gong_DaongNoMu_01) As DB, total(Gong_DaongNoMu_02) As DC, "
        "total(Gong_DaongNoMu_01 + Gong_DaongNoMu_02) As DD, total(Gong_DaongJeyJo_01) As DE, "
        "total(Gong_DaongJeyJo_02) As DF, total(Gong_DaongJeyJo_01 + Gong_DaongJeyJo_02) As DG "
        "From MC_JeyGongPumInPut Where Gong_Year = :tbSYear And Gong_Month = :tbSMonth And Gong_Kubun = '전기이월'",
        sym);
    // The opening stock's completion amount is its elements, not a stored total.
    Amounts row10 = read(opening, {"A", "JB", "JC", "JD", "JE", "JF", "JG", ""});
    row10[7] = row10[0] + row10[3] + row10[6];
    rows.add(row10, 0, 6);
    rows.balance[7] = row10[7];
    rows.write("10", "전월 재공품 재고액", row10, 5);

    Amounts row15 = read(opening, {"", "DB", "DC", "DD", "DE", "DF", "DG", ""});
    row15[7] = row15[3] + row15[6];
    rows.add(row15, 1, 7);
    rows.write("15", "전월 재공품 재고액 중 당월 완성율 배부액", row15, 5);

    const Amounts row20 =
        read(db.query("Select total(Gong_GaAmt) As A, total(Gong_DaongNoMu_01) As B, total(Gong_DaongNoMu_02) As C, "
                      "total(Gong_DaongNoMu_01 + Gong_DaongNoMu_02) As D, total(Gong_DaongJeyJo_01) As E, "
                      "total(Gong_DaongJeyJo_02) As F, total(Gong_DaongJeyJo_01 + Gong_DaongJeyJo_02) As G, "
                      "total(Gong_WoulAmtTot) As W From MC_JeyGongPumInPut Where Gong_Year = :tbSYear "
                      "And Gong_Month = :tbSMonth And Gong_Kubun = '당월투입'",
                      sym),
             {"A", "B", "C", "D", "E", "F", "G", "W"});
    rows.add(row20);
    rows.write("20", "당월 제조공정투입 재공품", row20);

    const QStringList leaving{"A", "B", "C", "D", "E", "F", "G", "W"};
    const Amounts row40 = read(db.query(leavingSums("TaGong_") + "From MC_JeyGongPumInPut_TaAc Where "
                                                                 "TaGong_Year = :tbSYear And TaGong_Month = :tbSMonth",
                                        sym),
                               leaving);
    rows.subtract(row40);
    rows.write("40", "타계정대체의재공품", row40);

    const Amounts row50 = read(db.query(leavingSums("InGong_") + "From MC_ChaongGoJeyGongPumInJeyGong Where "
                                                                 "InGong_Year = :tbSYear And InGong_Month = :tbSMonth",
                                        sym),
                               leaving);
    rows.subtract(row50);
    rows.write("50", "제품창고입고재공품(당기제조원가)", row50);

    // The closing stock is what is left of the running balances.
    rows.writeBalances("30", "기말재공품재고액");

    MovementReport report{{detailColumns(), detail.rows(db, "Ret_Date, Kubun_Index, Ret_Serial")},
                          {summaryColumns(), summary.rows(db, "Kubun_Index")}};
    t.commit();
    return report;
}

} // namespace zedur::reports::wipMovements

#include "reports/CostLinks.h"

#include "store/Db.h"

namespace zedur::reports::costLinks {

const ReportColumns &columns()
{
    static const ReportColumns list{
        {"Amt_Serial", "비용수익 저장순서"},
        {"Amt_Date", "비용수익 기준일자"},
        {"Amt_Year", "비용수익 년도"},
        {"Amt_Month", "비용수익 월"},
        {"Amt_GroupKubun", "비용수익 구분"},
        {"Amt_AcCode", "비용수익 계정과목 코드"},
        {"Amt_AcName", "비용수익 계정과목 이름"},
        {"Amt_GroupAcName", "비용수익 상위집계 계정과목"},
        {"Amt_JeyJoKubun", "비용수익 배부구분"},
        {"Amt_Amt", "비용수익 발생 금액", Amount2ZeroBlank},
        {"Amt_TextMemo", "비용수익 적요기재"},
        {"Amt_Bigo", "비용수익 비고"},
        {"Amt_JeyGongPumSerial", "비용수익의 기타및재공품 저장순서"},
        {"Gong_Serial", "제조공정(재공품) 저장순서"},
        {"Gong_WonCode", "제조공정(재공품) 원자재코드"},
        {"Gong_WonName", "제조공정(재공품) 원자재 이름"},
        {"Gong_Date", "제조공정(재공품) 기준일자"},
        {"Gong_SuKg", "제조공정(재공품) 수량(중량)", Amount4ZeroBlank},
        {"Gong_GaAmt", "제조공정(재공품) 원자재 금액", Amount4ZeroBlank},
        {"Gong_Kubun", "제조공정(재공품) 구분"},
        {"Gong_TextMemo", "제조공정(재공품) 적요및메모"},
        {"Gong_Bigo", "제조공정(재공품) 비고"},
        {"Gong_JenGiWoul", "제조공정(재공품) 전월 완성율", Amount4ZeroBlank},
        {"Gong_DaongWoul", "제조공정(재공품) 당월 완성율", Amount4ZeroBlank},
        {"Gong_TotWoul", "제조공정(재공품) 완성율 합계", Amount4ZeroBlank},
        {"Gong_JenGiWonAmt", "제조공정(재공품) 전월완성 원자재 금액", Amount4ZeroBlank},
        {"Gong_JenGiNoMu_01", "제조공정(재공품) 전월직접 노무비 배부액", Amount4ZeroBlank},
        {"Gong_JenGiNoMu_02", "제조공정(재공품) 전월간접 노무비 배부액", Amount4ZeroBlank},
        {"Gong_JenGiJeyJo_01", "제조공정(재공품) 전월직접 제조경비 배부액", Amount4ZeroBlank},
        {"Gong_JenGiJeyJo_02", "제조공정(재공품) 전월간접 제조경비 배부액", Amount4ZeroBlank},
        {"Gong_DaongWonAmt", "제조공정(재공품) 당월완성 원자재 금액", Amount4ZeroBlank},
        {"Gong_DaongNoMu_01", "제조공정(재공품) 당월직접 노무비 배부액", Amount4ZeroBlank},
        {"Gong_DaongNoMu_02", "제조공정(재공품) 당월간접 노무비 배부액", Amount4ZeroBlank},
        {"Gong_DaongJeyJo_01", "제조공정(재공품) 당월직접 제조경비 배부액", Amount4ZeroBlank},
        {"Gong_DaongJeyJo_02", "제조공정(재공품) 당월간접 조제경비 배부액", Amount4ZeroBlank},
        {"Gong_WoulAmtTot", "제조공정(재공품) 완성율 배부액 금액", Amount4ZeroBlank},
    };
    return list;
}

ReportList build(Db &db, const Period &month)
{
    QStringList fields;
    for (const ReportColumn &c : columns())
        fields << (c.field.startsWith(u"Amt_") ? QStringLiteral("A.") : QStringLiteral("G.")) + c.field;
    // The lot's own month is not asked: a direct amount may name a lot of any month.
    return {columns(),
            db.query(QStringLiteral("Select %1 From MC_AcNameAmtInPut A Left Outer Join MC_JeyGongPumInPut G "
                                    "On (A.Amt_JeyGongPumSerial = G.Gong_Serial) "
                                    "Where A.Amt_Year = (:tbYear) And A.Amt_Month = (:tbMonth)")
                         .arg(fields.join(QStringLiteral(", "))),
                     {{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}})};
}

} // namespace zedur::reports::costLinks

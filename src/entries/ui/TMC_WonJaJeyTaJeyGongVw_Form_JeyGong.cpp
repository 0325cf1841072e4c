#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form_JeyGong.h"

#include "entries/IssueList.h"
#include "entries/IssueViewers.h"

namespace zedur {

namespace {
const QString Number = QStringLiteral("#,##0.0000");
}

TMC_WonJaJeyTaJeyGongVw_Form_JeyGong::TMC_WonJaJeyTaJeyGongVw_Form_JeyGong(const Period &shown)
    : IssueViewer({QStringLiteral("TMC_WonJaJeyTaJeyGongVw_Form_JeyGong"),
                   QStringLiteral("재고자산의 원자재를 제조공정(재공품)에 투입된 정보를 조회하는 폼 입니다."),
                   PeriodRule::None, QSize(1000, 700)},
                  shown, QStringLiteral("Gong_"), rowFields({{"TotWoul", "완성율누계", true}}),
                  {{"Gong_Serial", "저장순서"},
                   {"Gong_Date", "기준일자"},
                   {"Gong_WonName", "원자재명"},
                   {"Gong_Model", "모델명"},
                   {"Gong_PumName", "품명"},
                   {"Gong_KuSize", "규격"},
                   {"Gong_SerialJen", "전표번호"},
                   {"Gong_TaxNumber", "권번호"},
                   {"Gong_SaleName", "거래처상호명"},
                   {"Gong_SaleNumber", "사업자번호"},
                   {"Gong_TextMemo", "적요및메모"},
                   {"Gong_SuKg", "수량", Number},
                   {"Gong_DanGa", "단가", Number},
                   {"Gong_GaAmt", "공급가액", Number},
                   {"Gong_Kubun", "구분"},
                   {"Gong_Bigo", "비고"}},
                  issues::lotViewerSearchItems(), issues::lotViewerSortItems())
{
    edGong_Serial = stemBox(QStringLiteral("Serial"));
}

ListStatement TMC_WonJaJeyTaJeyGongVw_Form_JeyGong::list(const QString &searchItem, const QString &text,
                                                     const QString &sortItem) const
{
    return issues::lotViewerList(shown(), searchItem, text, sortItem);
}

Verdict TMC_WonJaJeyTaJeyGongVw_Form_JeyGong::deleteRow(Db &db, const QString &serial)
{
    return issues::deleteLot(db, shown(), serial);
}

} // namespace zedur

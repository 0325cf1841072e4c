#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form_TaAc.h"

#include "entries/IssueList.h"
#include "entries/IssueViewers.h"

namespace zedur {

namespace {
const QString Number = QStringLiteral("#,##0.0000");
}

TMC_WonJaJeyTaJeyGongVw_Form_TaAc::TMC_WonJaJeyTaJeyGongVw_Form_TaAc(const Period &shown)
    : IssueViewer({QStringLiteral("TMC_WonJaJeyTaJeyGongVw_Form_TaAc"),
                   QStringLiteral("재고자산의 원자재를 타 계정 대체로 투입된 정보를 조회하는 폼 입니다."),
                   PeriodRule::None, QSize(1000, 700)},
                  shown, QStringLiteral("TaInPut_"), rowFields({}),
                  {{"TaInPut_Serial", "저장순서"},
                   {"TaInPut_Date", "기준일자"},
                   {"TaInPut_WonCode", "원자재코드"},
                   {"TaInPut_WonName", "원자재명"},
                   {"TaInPut_DanWi", "단위"},
                   {"TaInPut_Model", "모델명"},
                   {"TaInPut_PumName", "품명"},
                   {"TaInPut_KuSize", "규격"},
                   {"TaInPut_SerialJen", "전표번호"},
                   {"TaInPut_TaxNumber", "권번호"},
                   {"TaInPut_SaleCode", "거래처코드"},
                   {"TaInPut_SaleName", "거래처상호"},
                   {"TaInPut_SaleNumber", "사업자번호"},
                   {"TaInPut_SaleDyiPou", "대표자"},
                   {"TaInPut_TextMemo", "적요및메모"},
                   {"TaInPut_SuKg", "수량", Number},
                   {"TaInPut_DanGa", "단가", Number},
                   {"TaInPut_GaAmt", "공급가액", Number},
                   {"TaInPut_Kubun", "구분"},
                   {"TaInPut_Bigo", "비    고"}},
                  issues::transferViewerSearchItems(), issues::transferViewerSortItems())
{
    edTaInPut_Serial = stemBox(QStringLiteral("Serial"));
}

ListStatement TMC_WonJaJeyTaJeyGongVw_Form_TaAc::list(const QString &searchItem, const QString &text,
                                                  const QString &sortItem) const
{
    return issues::transferViewerList(shown(), searchItem, text, sortItem);
}

Verdict TMC_WonJaJeyTaJeyGongVw_Form_TaAc::deleteRow(Db &db, const QString &serial)
{
    return issues::deleteTransfer(db, shown(), serial);
}

} // namespace zedur

#include "closing/ui/TMC_JeyJoAmtUpDate_Form.h"

#include "closing/Allocation.h"

namespace zedur {

TMC_JeyJoAmtUpDate_Form::TMC_JeyJoAmtUpDate_Form(QWidget *parent)
    : MonthRunScreen(
          {.screen = {QStringLiteral("TMC_JeyJoAmtUpDate_Form"),
                      QStringLiteral("추가 배부액  데이타를 업데이트 계산 및 등록하는 폼 입니다."), PeriodRule::Report,
                      QSize(560, 480)},
           .memoLines = {QStringLiteral("제조원가명세서의 당월 비용(노무비,제조경비) "),
                         QStringLiteral("직접비,간접(공통)비등을"),
                         QStringLiteral("재공품 테이블, 재공품의 타 계정 대체 테이블, "),
                         QStringLiteral("제품창고 입고된 재공품(제품) 테이블,"),
                         QStringLiteral("제품의 타 계정 대체 테이블,"),
                         QStringLiteral("출고된 제품매출원가의 매출액 테이블등에"),
                         QStringLiteral("추가 발생된 배부액을 "), QStringLiteral("계산 및 업데이트하는 부분입니다.")},
           .statusName = QStringLiteral("Panel8"),
           .statusDesign = QStringLiteral("<<< 배부액 계산 완료 후 마감및이월작업 가능한 상태 >>>"),
           .periodLabel = QStringLiteral("배부액 계산 년월"),
           .yearSuffix = QStringLiteral("년"),
           .runCaption = QStringLiteral("배부액 계산 UpDate 실행")},
          parent)
{
    Panel8 = statusPanel();
}

void TMC_JeyJoAmtUpDate_Form::PrintBtnClick()
{
    const Period month = chosenMonth();
    runEngine(QStringLiteral("PrintBtnClick(Sender: TObject)"),
              [&](const Progress &progress) { return runAllocation(db(), month, progress); });
}

} // namespace zedur

#include "closing/ui/TMC_MonthMaGam_Form.h"

#include "closing/MonthClose.h"
#include "common/ui/BoxLook.h"
#include "common/ui/ListCombo.h"

#include <QHBoxLayout>
#include <QLabel>

namespace zedur {

TMC_MonthMaGam_Form::TMC_MonthMaGam_Form(QWidget *parent)
    : MonthRunScreen(
          {.screen = {QStringLiteral("TMC_MonthMaGam_Form"),
                      QStringLiteral(
                          "원자재, 재공품, 제품등의 계정과목 재고정보들을 다음 월로 이월작을 진행하는 폼 입니다."),
                      PeriodRule::Report, QSize(560, 480)},
           .memoLines = {QStringLiteral("재고자산 계정과목 중"), QStringLiteral("원자재, 재공품, 제품등의"),
                         QStringLiteral("재고 내역 정보를"), QStringLiteral("다음 월로 마감및이월 작업을"),
                         QStringLiteral("진행하는 부분입니다.")},
           .statusName = QStringLiteral("Panel9"),
           .statusDesign = QString(),
           .periodLabel = QStringLiteral("마감및이월 작업 년월"),
           .yearSuffix = QStringLiteral("년도"),
           .runCaption = QStringLiteral("이월 및 마감 작업 실행"),
           .retitleOnKey = true},
          parent)
{
    Panel9 = statusPanel();
    Label2 = new QLabel(QStringLiteral("차기 이월 년도"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Panel_YearMonth = makePanel(QStringLiteral("Panel_YearMonth"), this);
    extraRow()->addWidget(Label2);
    extraRow()->addWidget(Panel_YearMonth);
    extraRow()->addStretch(1);
    for (ListCombo *list : {cbYear, cbMonth})
        exits().onLeave(list, [this, list] {
            if (!list->checkPick())
                return false;
            showFollowingMonth();
            return true;
        });
}

void TMC_MonthMaGam_Form::onFirstShow()
{
    MonthRunScreen::onFirstShow();
    showFollowingMonth();
}

void TMC_MonthMaGam_Form::showFollowingMonth()
{
    const Period next = nextMonth(chosenMonth());
    Panel_YearMonth->setText(next.year + QStringLiteral("년도  ") + next.month + QStringLiteral("월"));
}

void TMC_MonthMaGam_Form::PrintBtnClick()
{
    const Period month = chosenMonth();
    if (!runEngine(QStringLiteral("PrintBtnClick(Sender: TObject)"),
                   [&](const Progress &progress) { return runMonthClose(db(), month, {}, progress); }))
        return;
    showOpenMonth();
    showFollowingMonth();
}

} // namespace zedur

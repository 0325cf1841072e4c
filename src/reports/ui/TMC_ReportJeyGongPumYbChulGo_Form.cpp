#include "reports/ui/TMC_ReportJeyGongPumYbChulGo_Form.h"

#include "reports/WipMovements.h"

namespace zedur {

TMC_ReportJeyGongPumYbChulGo_Form::TMC_ReportJeyGongPumYbChulGo_Form(QWidget *parent)
    : MovementScreen({.screen = {QStringLiteral("TMC_ReportJeyGongPumYbChulGo_Form"),
                                 QStringLiteral("재공품 계정과목의 입출고된 정보 데이타를 확인하는 폼 입니다."),
                                 PeriodRule::Report, QSize(1100, 760)},
                      .panelText = QStringLiteral("메세지 출력 부분.............."),
                      .heading = QStringLiteral("재고자산의 재공품(제조원가) 계정과목  입출고 항목별 집계 내역"),
                      .kubunField = QStringLiteral("Ret_Kubun"),
                      .detailColumns = reports::wipMovements::detailColumns(),
                      .summaryColumns = reports::wipMovements::summaryColumns(),
                      .summaryRows = 6,
                      .summaryTotal = {QStringLiteral("Kubun_Index"), QStringLiteral("50")},
                      .exportSummary = true,
                      .recreateTables = reports::wipMovements::recreateTables,
                      .build = reports::wipMovements::build},
                     parent)
{
}

} // namespace zedur

#include "reports/ui/TMC_ReportJeyPumYbChulGo_Form.h"

#include "reports/ProductMovements.h"

namespace zedur {

TMC_ReportJeyPumYbChulGo_Form::TMC_ReportJeyPumYbChulGo_Form(QWidget *parent)
    : MovementScreen({.screen = {QStringLiteral("TMC_ReportJeyPumYbChulGo_Form"),
                                 QStringLiteral("제품 계정과목의 입출고된 정보 데이타를 확인하는 폼 입니다."),
                                 PeriodRule::Report, QSize(1100, 720)},
                      .panelText = QStringLiteral("메세지 출력 부분.........."),
                      .heading = QStringLiteral("재고자산의 제품(제품매출원가) 계정과목  입출고 항목별 집계 내역"),
                      .kubunField = QStringLiteral("Ret_Kubun"),
                      .detailColumns = reports::productMovements::detailColumns(),
                      .summaryColumns = reports::productMovements::summaryColumns(),
                      .recreateTables = reports::productMovements::recreateTables,
                      .build = reports::productMovements::build},
                     parent)
{
}

} // namespace zedur

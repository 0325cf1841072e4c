#include "reports/ui/TMC_ReportWonJaJeyYbChulGo_Form.h"

#include "reports/RawMaterialMovements.h"

namespace zedur {

TMC_ReportWonJaJeyYbChulGo_Form::TMC_ReportWonJaJeyYbChulGo_Form(QWidget *parent)
    : MovementScreen({.screen = {QStringLiteral("TMC_ReportWonJaJeyYbChulGo_Form"),
                                 QStringLiteral("원자재 계정과목의 입출고된 정보 데이타를 확인하는 폼 입니다."),
                                 PeriodRule::Report, QSize(1100, 720)},
                      .panelText = QStringLiteral("메세지 출력 부분.............."),
                      .heading = QStringLiteral("재고자산의 원자재(원재료비) 계정과목  입출고 항목별 집계 내역"),
                      .kubunField = QStringLiteral("RInPut_Kubun"),
                      .detailColumns = reports::rawMovements::detailColumns(),
                      .summaryColumns = reports::rawMovements::summaryColumns(),
                      .recreateTables = reports::rawMovements::recreateTables,
                      .build = reports::rawMovements::build},
                     parent)
{
}

} // namespace zedur

#include "reports/ui/TMC_ReportPLVwList_Form.h"

#include "reports/StatementHistory.h"

namespace zedur {

TMC_ReportPLVwList_Form::TMC_ReportPLVwList_Form(QWidget *parent)
    : StatementScreen({.screen = {QStringLiteral("TMC_ReportPLVwList_Form"),
                                  QStringLiteral("손익계산서의 정보 데이타를 조회하는 폼 입니다."), PeriodRule::Report,
                                  QSize(1280, 760)},
                       .printTitle = QStringLiteral("손익계산서"),
                       .chartTitle = QStringLiteral("최근 12개월 매출과 매출총이익"),
                       .chartLines = {{QStringLiteral("매출액"), QStringLiteral("40200000")},
                                      {QStringLiteral("매출원가"), QStringLiteral("40300000")},
                                      {QStringLiteral("매출총이익"), QStringLiteral("40600000")}},
                       .which = reports::statements::StatementKind::Income},
                      parent)
{
}

} // namespace zedur

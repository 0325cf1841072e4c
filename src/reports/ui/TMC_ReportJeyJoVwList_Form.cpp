#include "reports/ui/TMC_ReportJeyJoVwList_Form.h"

#include "reports/StatementHistory.h"

namespace zedur {

TMC_ReportJeyJoVwList_Form::TMC_ReportJeyJoVwList_Form(QWidget *parent)
    : StatementScreen({.screen = {QStringLiteral("TMC_ReportJeyJoVwList_Form"),
                                  QStringLiteral("제조원가명세서의 정보 데이타를 조회하는 폼 입니다."),
                                  PeriodRule::Report, QSize(1280, 760)},
                       .printTitle = QStringLiteral("제조원가명세서"),
                       .chartTitle = QStringLiteral("최근 12개월 제조비용 구성"),
                       .chartLines = {{QStringLiteral("재료비"), QStringLiteral("40401000")},
                                      {QStringLiteral("노무비"), QStringLiteral("40403000")},
                                      {QStringLiteral("제조경비"), QStringLiteral("40404000")}},
                       .which = reports::statements::StatementKind::CostOfGoodsManufactured},
                      parent)
{
}

} // namespace zedur

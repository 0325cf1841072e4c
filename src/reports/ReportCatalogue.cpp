#include "reports/ReportCatalogue.h"

#include "reports/CostLinks.h"
#include "reports/ProductMovements.h"
#include "reports/ProductTrend.h"
#include "reports/RawMaterialMovements.h"
#include "reports/StatementHistory.h"
#include "reports/Statements.h"
#include "reports/Traces.h"
#include "reports/WipMovements.h"

namespace zedur::reports {

namespace {

using MovementBuild = MovementReport (*)(Db &, const Period &);
using Recreate = void (*)(Db &);

ReportKind movements(const char *name, const char *title, const char *className, Recreate recreate, MovementBuild build,
                     bool withSummary)
{
    const QString screen = QLatin1String(className);
    return {QLatin1String(name), QString::fromUtf8(title), screen, [=](Db &db, const Period &month) {
                recreate(db);
                return movementSheets(build(db, month), screen, withSummary);
            }};
}

ReportKind statement(const char *name, const char *title, const char *className, statements::StatementKind which)
{
    const QString screen = QLatin1String(className);
    return {QLatin1String(name), QString::fromUtf8(title), screen, [=](Db &db, const Period &month) {
                statements::recreateTable(db);
                return QVector<ExportSheet>{sheetOf(statements::buildWithHistory(db, month, which).lines, screen)};
            }};
}

// A trace report's first list: the month's rows it starts from.
ReportKind trace(const char *name, const char *title, const traces::Trace &(*which)())
{
    const traces::Trace &t = which();
    return {QLatin1String(name), QString::fromUtf8(title), t.className, [&t](Db &db, const Period &month) {
                return QVector<ExportSheet>{sheetOf(traces::monthRows(db, t, month), t.className)};
            }};
}

} // namespace

QVector<ExportSheet> movementSheets(const MovementReport &report, const QString &className, bool withSummary)
{
    ExportSheet detail = sheetOf(report.detail, className);
    detail.sheetName = QStringLiteral("입출고 내역");
    if (!withSummary)
        return {detail};
    ExportSheet summary = sheetOf(report.summary, className);
    summary.sheetName = QStringLiteral("항목별 집계 내역");
    return {detail, summary};
}

const QVector<ReportKind> &reportCatalogue()
{
    static const QVector<ReportKind> all{
        movements("raw-materials", "원자재 계정과목 입출고 현황", "TMC_ReportWonJaJeyYbChulGo_Form",
                  rawMovements::recreateTables, rawMovements::build, false),
        movements("wip", "재공품 계정과목 입출고 현황", "TMC_ReportJeyGongPumYbChulGo_Form",
                  wipMovements::recreateTables, wipMovements::build, true),
        movements("products", "제품 계정과목 입출고 현황", "TMC_ReportJeyPumYbChulGo_Form",
                  productMovements::recreateTables, productMovements::build, false),
        statement("manufacturing-cost", "제조원가명세서 현황", "TMC_ReportJeyJoVwList_Form",
                  statements::StatementKind::CostOfGoodsManufactured),
        statement("income", "손익계산서 현황", "TMC_ReportPLVwList_Form", statements::StatementKind::Income),
        {QStringLiteral("product-trend"), QStringLiteral("제품별 원가 및 이익 추이"),
         QStringLiteral("TMC_ReportJeyPumTrend_Form"),
         [](Db &db, const Period &month) {
             return QVector<ExportSheet>{sheetOf(productTrend::build(db, productTrend::lastTwelveMonths(month)),
                                                 "TMC_ReportJeyPumTrend_Form")};
         }},
        trace("trace-sales", "월별 매출부터 역순 배부 체크 현황", traces::fromSales),
        trace("trace-products", "월별 제품부터 역순 배부 체크 현황", traces::fromProducts),
        trace("trace-product-transfers", "월별 타계정대체 제품부터 역순 배부 체크 현황", traces::fromProductTransfers),
        trace("trace-wip-transfers", "월별 타계정대체 재공품부터 역순 배부 체크 현황", traces::fromWipTransfers),
        trace("raw-transfers", "월별 원자재 타계정대체의 원자재 내역 현황", traces::fromRawTransfers),
        {QStringLiteral("cost-links"), QStringLiteral("월별 직간접비와 제조공정(재공품) 연계된 현황"),
         QStringLiteral("TMC_ReportJeyJoAmtVw_Form"),
         [](Db &db, const Period &month) {
             return QVector<ExportSheet>{sheetOf(costLinks::build(db, month), "TMC_ReportJeyJoAmtVw_Form")};
         }},
    };
    return all;
}

const ReportKind *reportNamed(const QString &name)
{
    for (const ReportKind &kind : reportCatalogue())
        if (kind.name == name)
            return &kind;
    return nullptr;
}

} // namespace zedur::reports

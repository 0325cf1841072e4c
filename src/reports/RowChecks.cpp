#include "reports/RowChecks.h"

#include "reports/RerunChecks.h"
#include "reports/RowCheckCopies.h"
#include "reports/RowCheckFindings.h"
#include "reports/SavedFigureChecks.h"
#include "store/Db.h"

namespace zedur::reports::rowchecks {

RowCheck checkRows(Db &db, const Period &month)
{
    RowCheck out;
    Findings findings(out);
    const std::optional<PeriodRow> row = period::find(db, month);
    // Rows saved after the month's last allocation carry what the allocation will rewrite
    // only when it runs again; until then the rows it made and the rows saved since do not
    // agree with a new run.
    const bool allocated = !row || row->state != period::Recalculate;
    const bool carried = row && row->state == period::Closed && period::find(db, nextMonth(month));
    const MonthSizedCache cache(db);
    // Never committed: the copies and whatever the engines write into them go with it.
    Transaction scratch(db);
    const MonthCopies copies(db, month, carried);
    findings.counted(copies.rows());

    SavedFigureChecks saved(db, month, copies, findings, allocated);
    saved.lots();
    saved.materialTransfers();
    saved.lotTransfers();
    saved.slices();
    saved.productReceipts();
    saved.returnedSales();
    saved.productMovements();

    if (allocated)
        rerunAllocation(db, month, copies, findings);
    else
        findings.note(QStringLiteral("행 대조: 마지막 변경 뒤에 배부액 계산을 하지 않은 월이라 재공품과 제품창고 입고 "
                                     "재공품의 노무비·제조경비 배부액은 대조하지 않았습니다."));

    if (carried)
        rerunCarry(db, month, copies, findings);
    else if (row && row->state == period::Closed)
        findings.note(QStringLiteral("이월 행 대조 제외: 다음 월이 월별 체크 테이블에 없습니다."));
    return out;
}

} // namespace zedur::reports::rowchecks

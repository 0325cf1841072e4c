#include "closing/CloseUndo.h"

#include "common/Messages.h"
#include "store/Db.h"
#include "store/Periods.h"

#include <algorithm>

namespace zedur {

std::optional<BackupInfo> undoableClose(Db &db)
{
    const QVector<BackupInfo> backups = listBackups(db.path());
    // Older versions' backups say nothing of why they were written: they stand for no change.
    auto newest = std::find_if(backups.begin(), backups.end(),
                               [](const BackupInfo &b) { return b.purpose.reason != BackupReason::Unknown; });
    if (newest == backups.end() || newest->purpose.reason != BackupReason::Close)
        return std::nullopt;
    const QString month = newest->purpose.closedMonth;
    const Period closed{month.left(4), month.mid(5, 2)};
    const std::optional<PeriodRow> open = period::theOpenPeriod(db);
    if (!open || open->period != nextMonth(closed) || newest->openMonth != month)
        return std::nullopt;
    const std::optional<PeriodRow> row = period::find(db, closed);
    if (!row || row->state != period::Closed)
        return std::nullopt;
    return *newest;
}

QString undoCloseHeading(const BackupInfo &close)
{
    return close.purpose.closedMonth + QStringLiteral(" 마감을 취소하고, 마감하기 전에 쓴 백업으로 장부를 되돌립니다.") +
           LB + LB;
}

} // namespace zedur

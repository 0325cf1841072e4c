#pragma once

#include "common/SystemInfo.h"

#include <QString>
#include <QVector>
#include <optional>

namespace zedur {

class Db;

// An accounting month: four-digit year and two-digit month, compared as text.
struct Period {
    QString year;
    QString month;
    bool operator==(const Period &) const = default;
    QString text() const { return year + month; }
};

Period nextMonth(const Period &p);
Period previousMonth(const Period &p);

struct PeriodRow {
    QString serial;
    Period period;
    QString state;  // YM_Kubun
    QString memo;   // YM_TextMemo
};

namespace period {

inline const QString Closed = QStringLiteral("마감완료");
inline const QString Open = QStringLiteral("미마감");
inline const QString Recalculate = QStringLiteral("배부액재계산");

inline const QString ClosedByInitMemo = QStringLiteral("배부액 계산 완료 후 마감및이월작업지까 완료한 상태");
inline const QString ClosedMemo = QStringLiteral("배부액 계산 완료 후 마감및이월작업까지 완료한 상태");
inline const QString RecalculateMemo = QStringLiteral("배부액을 재 계산하여야 할 상태");
inline const QString AllocatedMemo = QStringLiteral("배부액 계산 완료 후 마감및이월작업 가능한 상태");

// Rows not closed; exactly one is the books' rule.
QVector<PeriodRow> openRows(Db &db);
// The open month when exactly one row is open.
std::optional<PeriodRow> theOpenPeriod(Db &db);
std::optional<PeriodRow> find(Db &db, const Period &p);

void markRecalculation(Db &db);   // an entry screen was opened
void markAllocationDone(Db &db);  // the allocation ran through
void markClosed(Db &db, const Period &p);
// Inserts the row of a month as the new open one (state "미마감", the allocated memo).
void insertNextOpen(Db &db, const Period &closed, const AuditValues &audit);
// The two rows the initialisation writes for a starting month.
void insertInitialRows(Db &db, const Period &start, const AuditValues &audit);

// The warning every screen shows when the open month is not unique.
QString notUniqueWarning();
// "미마감된 2005년과 04월만" + line break + tail; tail differs slightly between screens.
QString onlyOpenMonthWarning(const Period &open,
                             const QString &tail = QStringLiteral("등록,수정,삭제등이 가능합니다........"));

} // namespace period
} // namespace zedur

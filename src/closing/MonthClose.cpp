#include "closing/MonthClose.h"

#include "closing/CarryForward.h"
#include "closing/MonthChecks.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "store/Backup.h"
#include "store/BooksLock.h"
#include "store/Db.h"
#include "store/StoreError.h"

namespace zedur {

namespace {

QString allocationFirstWarning(const Period &open)
{
    const QString two = LB + LB;
    return open.year + QStringLiteral("년도 ") + open.month + QStringLiteral("월은") + two +
           QStringLiteral("배부액을 재 계산 완료후에 ") + two +
           QStringLiteral("이월및마감 작업이 가능합니다..................... ");
}

// Why the month cannot be closed now, with what the status line then shows.
std::optional<RunOutcome> refusal(Db &db, const Period &month)
{
    const QVector<PeriodRow> open = period::openRows(db);
    for (const PeriodRow &row : open)
        if (row.state == period::Recalculate)
            return RunOutcome{Refusal(allocationFirstWarning(row.period)),
                              QStringLiteral("배부액을 먼저 업데이트 하세요.")};
    const QString memo = statusLine(open.isEmpty() ? QString() : open.first().memo);
    if (const closing::MonthTable *closed = closing::firstClosedTable(db, month, closing::monthTables().size() - 1))
        return RunOutcome{
            Refusal(closing::closedMonthWarning(*closed, month, QStringLiteral("추가 마감및이월 작업이"))), memo};
    if (Verdict refused = closing::wrongPeriod(db, month, QStringLiteral("마감및이월 작업 연도와 월은")))
        return RunOutcome{refused, QStringLiteral("데이타 없습니다.")};
    return std::nullopt;
}

void closeRows(Db &db, const Params &ym)
{
    for (const closing::MonthTable &t : closing::monthTables())
        db.exec(QStringLiteral("UpDate %1 Set %2 = '마감완료' Where %3 = :tbYear And %4 = :tbMonth")
                    .arg(t.table, t.stateColumn, t.yearColumn, t.monthColumn),
                ym);
}

CloseOutcome close(Db &db, const Period &month, const CloseOptions &options, const Progress &progress)
{
    CloseOutcome outcome;
    report(progress, QStringLiteral("마감 상태 확인"));
    // Refused before the backup, so that a refusal writes no backup; the test that decides
    // is the one inside the transaction.
    if (options.backup) {
        if (std::optional<RunOutcome> refused = refusal(db, month)) {
            static_cast<RunOutcome &>(outcome) = *refused;
            return outcome;
        }
        report(progress, QStringLiteral("데이타베이스 백업"));
        const BackupWritten backup =
            writeBackup(db, {BackupReason::Close, month.year.trimmed() + u'-' + month.month.trimmed()});
        outcome.backupPath = backup.file;
        outcome.backupWarning = backup.folderWarning;
    }

    const Period m{month.year.trimmed(), month.month.trimmed()};
    const Period next = nextMonth(m);
    const AuditValues audit = AuditValues::now();
    const Params ym{{":tbYear", m.year}, {":tbMonth", m.month}};
    const QString firstDay = next.year + u'-' + next.month + QStringLiteral("-01");
    const Params nextRows{{":tbNextYear", next.year},
                          {":tbNextMonth", next.month},
                          {":tbDate", firstDay},
                          {":tbMemo", firstDay + QStringLiteral(" 전기이월분")},
                          {":tbVolume", audit.volumeSerial},
                          {":tbSaveDate", audit.saveDate}};

    const MonthSizedCache cache(db);
    Transaction t(db);
    const BooksHold hold = holdBooks(db, BooksUse::Run);
    // What counts is the state the close writes on, not the one before the backup.
    if (std::optional<RunOutcome> refused = refusal(db, month)) {
        static_cast<RunOutcome &>(outcome) = *refused;
        return outcome;
    }
    closing::recreateCarryTables(db);
    int *counts[] = {&outcome.carriedReceipts, &outcome.carriedLots, &outcome.carriedProducts};
    for (int i = 0; i < closing::carrySteps().size(); ++i) {
        const closing::CarryStep &step = closing::carrySteps().at(i);
        report(progress, step.name);
        step.collect(db, ym);
        if (Verdict refused = step.refuseUncarriable(db)) {
            outcome.refusal = refused;
            outcome.status = statusLine(period::openRows(db).value(0).memo);
            return outcome;
        }
        *counts[i] = step.carry(db, nextRows);
    }
    report(progress, QStringLiteral("마감완료 표시"));
    closeRows(db, ym);
    period::markClosed(db, m);
    period::insertNextOpen(db, m, audit);
    t.commit();
    const std::optional<PeriodRow> open = period::theOpenPeriod(db);
    outcome.status = statusLine(open ? open->memo : QString());
    return outcome;
}

} // namespace

CloseOutcome runMonthClose(Db &db, const Period &month, const CloseOptions &options, const Progress &progress)
{
    // Before the backup, which books that may only be read have no need of.
    if (db.readOnly()) {
        CloseOutcome refused;
        refused.refusal = Refusal(db.readOnlyWarning(QStringLiteral("마감및이월 작업이")));
        refused.status = statusLine(period::openRows(db).value(0).memo);
        return refused;
    }
    try {
        return close(db, month, options, progress);
    } catch (const LockTimeout &) {
        CloseOutcome busy;
        busy.refusal = Refusal(closing::booksBusyWarning(db, QStringLiteral("마감및이월 작업이")));
        busy.status = statusLine(period::openRows(db).value(0).memo);
        return busy;
    }
}

} // namespace zedur

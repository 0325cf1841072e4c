#include "store/Periods.h"

#include "common/Messages.h"
#include "store/Db.h"
#include "store/Serials.h"

namespace zedur {

Period nextMonth(const Period &p)
{
    const int year = p.year.trimmed().toInt();
    const int month = p.month.trimmed().toInt();
    if (month >= 12)
        return {QStringLiteral("%1").arg(year + 1, 4, 10, QChar(u'0')), QStringLiteral("01")};
    return {QStringLiteral("%1").arg(year, 4, 10, QChar(u'0')), QStringLiteral("%1").arg(month + 1, 2, 10, QChar(u'0'))};
}

Period previousMonth(const Period &p)
{
    const int year = p.year.trimmed().toInt();
    const int month = p.month.trimmed().toInt();
    if (month <= 1)
        return {QStringLiteral("%1").arg(year - 1, 4, 10, QChar(u'0')), QStringLiteral("12")};
    return {QStringLiteral("%1").arg(year, 4, 10, QChar(u'0')), QStringLiteral("%1").arg(month - 1, 2, 10, QChar(u'0'))};
}

namespace period {

namespace {
QVector<PeriodRow> rowsOf(const ResultSet &rs)
{
    QVector<PeriodRow> rows;
    for (int i = 0; i < rs.size(); ++i)
        rows.append({rs.text(i, "YM_Serial"), {rs.text(i, "YM_Year"), rs.text(i, "YM_Month")},
                     rs.text(i, "YM_Kubun"), rs.text(i, "YM_TextMemo")});
    return rows;
}

void insertRow(Db &db, const Period &p, const QString &state, const QString &memo, const Period &following,
               const QString &check01, const AuditValues &audit)
{
    db.exec(QStringLiteral("Insert InTo MC_YearMonthCheck (YM_Serial, YM_Year, YM_Month, YM_Kubun, YM_TextMemo, "
                           "YM_ChaGiYear, YM_ChaGiMonth, YM_Check_01, YM_Check_02, YM_Check_03, YM_Check_04, "
                           "YM_Check_05, YM_SaveDate) Values (:tbSerial, :tbYear, :tbMonth, :tbKubun, :tbTextMemo, "
                           ":tbChaGiYear, :tbChaGiMonth, :tbCheck_01, :tbCheck_02, :tbCheck_03, :tbCheck_04, "
                           ":tbCheck_05, :tbSaveDate)"),
            {{":tbSerial", Serial_MaxValue(db, "MC_YearMonthCheck", "YM_Serial")},
             {":tbYear", p.year},
             {":tbMonth", p.month},
             {":tbKubun", state},
             {":tbTextMemo", memo},
             {":tbChaGiYear", following.year},
             {":tbChaGiMonth", following.month},
             {":tbCheck_01", check01},
             {":tbCheck_02", QString("")},
             {":tbCheck_03", audit.volumeSerial},
             {":tbCheck_04", audit.computerName},
             {":tbCheck_05", audit.folder},
             {":tbSaveDate", audit.saveDate}});
}
} // namespace

QVector<PeriodRow> openRows(Db &db)
{
    return rowsOf(db.query(QStringLiteral("Select * From MC_YearMonthCheck Where YM_Kubun <> '마감완료'")));
}

std::optional<PeriodRow> theOpenPeriod(Db &db)
{
    const QVector<PeriodRow> rows = openRows(db);
    if (rows.size() != 1)
        return std::nullopt;
    return rows.first();
}

std::optional<PeriodRow> find(Db &db, const Period &p)
{
    const QVector<PeriodRow> rows = rowsOf(db.query(
        QStringLiteral("Select * From MC_YearMonthCheck Where YM_Year = ( :tbYear ) And YM_Month = ( :tbMonth )"),
        {{":tbYear", p.year.trimmed()}, {":tbMonth", p.month.trimmed()}}));
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

void markRecalculation(Db &db)
{
    db.exec(QStringLiteral("UpDate MC_YearMonthCheck Set YM_Kubun = '배부액재계산', "
                           "YM_TextMemo = '배부액을 재 계산하여야 할 상태' Where YM_Kubun <> '마감완료'"));
}

void markAllocationDone(Db &db)
{
    db.exec(QStringLiteral("UpDate MC_YearMonthCheck Set YM_Kubun = '미마감', "
                           "YM_TextMemo = '배부액 계산 완료 후 마감및이월작업 가능한 상태' Where YM_Kubun <> '마감완료'"));
}

void markClosed(Db &db, const Period &p)
{
    db.exec(QStringLiteral("UpDate MC_YearMonthCheck Set YM_Check_01 = '마감완료', YM_Kubun = '마감완료', "
                           "YM_TextMemo = '배부액 계산 완료 후 마감및이월작업까지 완료한 상태' "
                           "Where YM_Year = :tbYear And YM_Month = :tbMonth"),
            {{":tbYear", p.year.trimmed()}, {":tbMonth", p.month.trimmed()}});
}

void insertNextOpen(Db &db, const Period &closed, const AuditValues &audit)
{
    const Period opened = nextMonth(closed);
    insertRow(db, opened, Open, AllocatedMemo, nextMonth(opened), QString(""), audit);
}

void insertInitialRows(Db &db, const Period &start, const AuditValues &audit)
{
    const Period s{start.year.trimmed(), start.month.trimmed()};
    insertRow(db, previousMonth(s), Closed, ClosedByInitMemo, s, Closed, audit);
    insertRow(db, s, Open, RecalculateMemo, nextMonth(s), QString(""), audit);
}

QString notUniqueWarning()
{
    const QString two = LB + LB;
    return QStringLiteral("월별 체크 테이블에 ") + two + QStringLiteral("중대한 오류가 발행 하였으므로") + two +
           QStringLiteral("메일로 문의 바랍니다..................... ") + two + QStringLiteral("메일은") + LB +
           QStringLiteral("프로그램 관리 담당자에게 보내 주십시오.") + LB +
           QStringLiteral("(기본 테이블들 초기화 작업으로만 복구할 수 있습니다.)");
}

QString onlyOpenMonthWarning(const Period &open, const QString &tail)
{
    return QStringLiteral("미마감된 ") + open.year + QStringLiteral("년과 ") + open.month + QStringLiteral("월만") +
           LB + tail;
}

} // namespace period
} // namespace zedur

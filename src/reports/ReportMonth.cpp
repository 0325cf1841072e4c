#include "reports/ReportMonth.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "store/Db.h"

#include <QDate>

namespace zedur::reports {

namespace {
const QString checkPlease = QStringLiteral("체크 확인 바랍니다..................... ");
}

MonthCheck checkReportMonth(Db &db, const Period &chosen)
{
    const QString two = LB + LB;
    const QVector<PeriodRow> open = period::openRows(db);
    if (open.size() >= 2)
        return {std::nullopt, QStringLiteral("월별 체크 테이블에 ") + two +
                                  QStringLiteral("중대한 오류가 발행 하였으니") + two + checkPlease};
    const Period trimmed{chosen.year.trimmed(), chosen.month.trimmed()};
    if (std::optional<PeriodRow> row = period::find(db, trimmed))
        return {row, {}};
    const QString openYear = open.isEmpty() ? QString() : open.first().period.year;
    const QString openMonth = open.isEmpty() ? QString() : open.first().period.month;
    return {std::nullopt, QStringLiteral("최종 데이타가 등록된 년월은 ") + two + openYear + QStringLiteral("년 ") +
                              openMonth + QStringLiteral("월으므로") + two + checkPlease};
}

QVector<Period> booksMonths(Db &db, const Period &first, const Period &last)
{
    QVector<Period> months;
    db.forEachRow(QStringLiteral("Select Distinct Trim(YM_Year) As Y, Trim(YM_Month) As M From MC_YearMonthCheck "
                                 "Where Trim(YM_Year) || Trim(YM_Month) Between :tbFirst And :tbLast "
                                 "And Trim(YM_TextMemo) <> :tbInitMemo Order By 1, 2"),
                  {{":tbFirst", first.year.trimmed() + first.month.trimmed()},
                   {":tbLast", last.year.trimmed() + last.month.trimmed()},
                   {":tbInitMemo", period::ClosedByInitMemo}},
                  [&](const RowReader &r) { months << Period{r.text("Y"), r.text("M")}; });
    return months;
}

Period monthsBefore(Period p, int count)
{
    for (int i = 0; i < count; ++i)
        p = previousMonth(p);
    return p;
}

QString memoText(const QString &memo)
{
    return QStringLiteral("<<< ") + memo.trimmed() + QStringLiteral(" >>>");
}

QString lastDayOfMonth(const Period &p)
{
    const int year = p.year.trimmed().toInt();
    const int month = p.month.trimmed().toInt();
    // QDate counts leap years as the calendar does: by 4, not by 100, again by 400.
    const int days = QDate(year, month, 1).daysInMonth();
    return p.year.trimmed() + u'-' + p.month.trimmed() + u'-' + QStringLiteral("%1").arg(days, 2, 10, QChar(u'0'));
}

QString totalRowName(const Period &p)
{
    return p.year.trimmed() + QStringLiteral("년 ") + p.month.trimmed() + QStringLiteral("월분 합계");
}

QString balanceText(double in, double out)
{
    return QStringLiteral("잔액 ") + formatFloat(QStringLiteral("#,##0.00"), in - out);
}

} // namespace zedur::reports

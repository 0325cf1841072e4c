#include "closing/MonthChecks.h"

#include "common/Messages.h"
#include "store/BooksLock.h"
#include "store/Db.h"

namespace zedur::closing {

const QVector<MonthTable> &monthTables()
{
    static const QVector<MonthTable> tables{
        {"MC_WonJaJeyInPut", "InPut_Year", "InPut_Month", "InPut_Check_01", QStringLiteral("원자재 계정과목의 ")},
        {"MC_WonJaJeyInPut_TaAc", "TaInPut_Year", "TaInPut_Month", "TaInPut_Check_01",
         QStringLiteral("원자재 계정과목의 타 계정 대체")},
        {"MC_JeyGongPumInPut", "Gong_Year", "Gong_Month", "Gong_Check_01", QStringLiteral("재공품 계정과목의 ")},
        {"MC_JeyGongPumInPut_TaAc", "TaGong_Year", "TaGong_Month", "TaGong_Check_01",
         QStringLiteral("재공품 계정과목의 타 계정 대체")},
        {"MC_ChaongGoJeyGongPumInJeyGong", "InGong_Year", "InGong_Month", "InGong_Check_01",
         QStringLiteral("재공품 계정과목의") + LB + QStringLiteral("완성 재공품이 제품창고에 입고된 재공품")},
        {"MC_ChaongGoJeyPumInPut", "JeyPum_Year", "JeyPum_Month", "JeyPum_Check_01",
         QStringLiteral("제품 계정과목의") + LB + QStringLiteral("제품창고에 있는 제품")},
        {"MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_Year", "TaJeyPum_Month", "TaJeyPum_Check_01",
         QStringLiteral("제품 계정과목의") + LB + QStringLiteral("타 계정 대체된 제품")},
        {"MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_Year", "ChulGo_Month", "ChulGo_Check_01",
         QStringLiteral("제품 계정과목의") + LB + QStringLiteral("출고된 매출액 제품")},
        {"MC_AcNameAmtInPut", "Amt_Year", "Amt_Month", "Amt_Check_01",
         QStringLiteral("수익,비용등 발생 금액 등록 계정과목의")},
    };
    return tables;
}

const MonthTable *firstClosedTable(Db &db, const Period &month, int count)
{
    const Params ym{{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}};
    for (int i = 0; i < count && i < monthTables().size(); ++i) {
        const MonthTable &t = monthTables().at(i);
        // A row without a state and one with empty text are in the same state. A table's month
        // is closed when its rows are marked closed or are not all in one state: one row's
        // state, then whether any other differs, read without gathering the states of a
        // month of open rows.
        const QString rows = QStringLiteral("From %1 Where %2 = :tbYear And %3 = :tbMonth")
                                 .arg(t.table, t.yearColumn, t.monthColumn);
        const QString state = QStringLiteral("Trim(COALESCE(%1, ''))").arg(t.stateColumn);
        const QVariant first = db.scalar(QStringLiteral("Select %1 %2 Limit 1").arg(state, rows), ym);
        if (!first.isValid())
            continue;
        if (first.toString() == period::Closed)
            return &t;
        Params other = ym;
        other.append({":tbState", first.toString()});
        if (db.scalar(QStringLiteral("Select 1 %1 And %2 <> :tbState Limit 1").arg(rows, state), other).isValid())
            return &t;
    }
    return nullptr;
}

QString closedMonthWarning(const MonthTable &table, const Period &month, const QString &what)
{
    return table.label + LB + month.year + QStringLiteral("년 ") + month.month + QStringLiteral("월은") + LB +
           QStringLiteral("마감완료된 상태라") + LB + what + LB + QStringLiteral("불가능한 년월입니다.........");
}

QString booksBusyWarning(const QString &what)
{
    return QStringLiteral("다른 자리에서 데이타를 등록,수정,삭제하고 있으므로") + LB + what +
           QStringLiteral(" 불가능합니다.") + LB + QStringLiteral("잠시 후에 다시 하세요........");
}

QString booksInUseWarning(const QString &what)
{
    return QStringLiteral("다른 곳에서 장부를 쓰고 있으므로") + LB + what + QStringLiteral(" 불가능합니다.") + LB +
           QStringLiteral("잠시 후에 다시 하세요........");
}

QString booksBusyWarning(Db &db, const QString &what)
{
    return booksHeldByOurOwnUse(db, BooksUse::Run) ? booksBusyWarning(what) : booksInUseWarning(what);
}

Verdict wrongPeriod(Db &db, const Period &month, const QString &purpose)
{
    // Only one open month may be worked on; with none or several the books need repair first.
    const QVector<PeriodRow> open = period::openRows(db);
    if (open.size() != 1)
        return Refusal(period::notUniqueWarning());
    const Period &o = open.first().period;
    if (month.year + month.month == o.year + o.month)
        return std::nullopt;
    const QString two = LB + LB;
    return Refusal(QStringLiteral("월별 체크 테이블에 ") + two + QStringLiteral("중대한 오류가 발행 하였거나") + two +
                   purpose + two + o.year + QStringLiteral("년도 ") + o.month + QStringLiteral("월인데") + two +
                   QStringLiteral("체크 확인 바랍니다..................... "));
}

} // namespace zedur::closing

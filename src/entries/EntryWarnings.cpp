#include "entries/EntryWarnings.h"

#include "common/Messages.h"

namespace zedur::warnings {

QString closedData()
{
    return QStringLiteral("마감완료된 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") + LB +
           QStringLiteral("불가능한 데이타입니다...................... ");
}

QString carriedForward()
{
    return QStringLiteral("전기이월된 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") + LB +
           QStringLiteral("불가능한 데이타입니다...................... ");
}

QString invalidDate(const QString &date)
{
    return date + QStringLiteral(" : 유효하지 않은 날짜 형식입니다.");
}

QString periodTableFault(const Period &shown)
{
    const QString two = LB + LB;
    return QStringLiteral("월별 체크 테이블에 ") + two + QStringLiteral("중대한 오류가 발행 하였거나") + two +
           QStringLiteral("등록,수정,삭제할 연도와 월은") + two + shown.year.trimmed() +
           QStringLiteral("년도 ") + shown.month.trimmed() + QStringLiteral("월인데") + two +
           QStringLiteral("체크 확인 바랍니다..................... ");
}

QString pickRowToDelete()
{
    return QStringLiteral("삭제할 데이타를 먼저 선택 하세요.......");
}

} // namespace zedur::warnings

#pragma once

#include "store/Periods.h"

#include <QString>

// Warnings that several entry screens share word for word.
namespace zedur::warnings {

// A row of a closed month ("마감완료").
QString closedData();
// A row the closing carried into this month ("전기이월").
QString carriedForward();
// "2005-04-31 : 유효하지 않은 날짜 형식입니다."
QString invalidDate(const QString &date);
// The period table does not hold exactly one open month when a change is attempted.
QString periodTableFault(const Period &shown);
// A viewer or dialog delete with no row picked.
QString pickRowToDelete();

} // namespace zedur::warnings

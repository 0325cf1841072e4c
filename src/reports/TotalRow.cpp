#include "reports/TotalRow.h"

#include "common/TextNumber.h"
#include "reports/ReportMonth.h"
#include "reports/WorkTable.h"
#include "store/Db.h"

namespace zedur::reports {

void insertTotalRow(Db &db, const WorkTable &detail, const Period &month, const TotalRowColumns &c)
{
    const QStringList summed = QStringList{c.in, c.out} + c.alsoSummed;
    QStringList totals;
    for (const QString &column : summed)
        totals << QStringLiteral("total(%1) As %1").arg(column);
    const ResultSet sums =
        db.query(QStringLiteral("Select %1 From %2").arg(totals.join(QStringLiteral(", ")), detail.name()));
    QVector<QPair<QString, QVariant>> values{{c.index, QStringLiteral("99-합계")},
                                             {c.prefix + QStringLiteral("Serial"), QStringLiteral("Z9999999999")},
                                             {c.prefix + QStringLiteral("Date"), lastDayOfMonth(month)},
                                             {c.prefix + QStringLiteral("Year"), month.year},
                                             {c.prefix + QStringLiteral("Month"), month.month},
                                             {c.name, totalRowName(month)},
                                             {c.prefix + QStringLiteral("Kubun"), QStringLiteral("합계")}};
    for (const QString &column : summed)
        values.append({column, roundDecimals(sums.number(0, column), 4)});
    values.append({c.prefix + QStringLiteral("TextMemo"), balanceText(sums.number(0, c.in), sums.number(0, c.out))});
    detail.insertRow(db, values);
}

} // namespace zedur::reports

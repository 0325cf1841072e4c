#include "entries/ViewerRows.h"

#include "store/Db.h"
#include "store/Periods.h"

namespace zedur {

ResultSet rowBySerial(Db &db, const QString &table, const QString &serialColumn, const QString &serial)
{
    const QString s = serial.trimmed();
    if (s.isEmpty())
        return {};
    return db.query(QStringLiteral("Select * From %1 Where %2 = :tbInName").arg(table, serialColumn),
                    {{":tbInName", s}});
}

void deleteAndMark(Db &db, const QString &table, const QString &serialColumn, const QString &serial)
{
    db.exec(QStringLiteral("Delete From %1 Where %2 = :tbInName").arg(table, serialColumn),
            {{":tbInName", serial.trimmed()}});
    period::markRecalculation(db);
}

} // namespace zedur

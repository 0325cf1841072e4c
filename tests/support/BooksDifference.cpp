#include "BooksDifference.h"

#include "store/Db.h"
#include "store/Schema.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace zedur::test {

QString firstDifference(Db &a, Db &b)
{
    for (const TableDef &t : schema::baseTables()) {
        const QString select = QStringLiteral("Select * From %1 Order By 1").arg(t.name);
        const ResultSet left = a.query(select);
        const ResultSet right = b.query(select);
        if (left.size() != right.size())
            return QStringLiteral("%1: %2 rows against %3").arg(t.name).arg(left.size()).arg(right.size());
        static const QRegularExpression audit(QStringLiteral("(_SaveDate|_Check_0[345])$"));
        for (int row = 0; row < left.size(); ++row)
            for (const ColumnDef &c : t.columns) {
                if (audit.match(c.name).hasMatch())
                    continue;
                const QVariant x = left.value(row, c.name);
                const QVariant y = right.value(row, c.name);
                const bool same = c.type == ColumnType::Text || x.isNull() || y.isNull()
                                      ? x.isNull() == y.isNull() && x.toString() == y.toString()
                                      : std::abs(x.toDouble() - y.toDouble()) <=
                                            1e-9 * std::max(std::abs(x.toDouble()), std::abs(y.toDouble()));
                if (!same)
                    return QStringLiteral("%1 row %2 %3: %4 against %5")
                        .arg(t.name)
                        .arg(row)
                        .arg(c.name, x.toString(), y.toString());
            }
    }
    return {};
}

} // namespace zedur::test

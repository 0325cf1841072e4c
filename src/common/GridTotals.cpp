#include "common/GridTotals.h"

#include "common/DataGrid.h"
#include "common/TextNumber.h"

namespace zedur {

GridTotals::GridTotals(const QString &objectName, DataGrid *grid, const QVector<TotalField> &fields, QWidget *parent)
    : QLabel(parent), m_grid(grid), m_fields(fields)
{
    setObjectName(objectName);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(grid->model(), &QAbstractItemModel::modelReset, this, &GridTotals::refresh);
    refresh();
}

void GridTotals::refresh()
{
    const ResultSet &rs = m_grid->result();
    QStringList parts{QStringLiteral("건수 %1").arg(formatFloat(QStringLiteral("#,##0"), rs.size()))};
    for (const TotalField &f : m_fields) {
        double sum = 0;
        for (int row = 0; row < rs.size(); ++row)
            sum += rs.number(row, f.field);
        parts << f.label + u' ' + formatFloat(f.picture, round15(sum));
    }
    setText(parts.join(QStringLiteral("     ")));
}

} // namespace zedur

#include "common/ui/GridTotals.h"

#include "common/Failure.h"
#include "common/TextNumber.h"
#include "common/ui/DataGrid.h"

namespace zedur {

GridTotals::GridTotals(DataGrid *grid, const QStringList &fields, QWidget *parent)
    : QLabel(parent), m_grid(grid), m_fields(fields)
{
    setObjectName(QStringLiteral("GridTotals"));
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(grid->model(), &QAbstractItemModel::modelReset, this, [this] { setText(totalsText(m_grid, m_fields)); });
    setText(totalsText(grid, fields));
}

QString GridTotals::totalsText(const DataGrid *grid, const QStringList &fields)
{
    const Rows &rows = grid->rows();
    // Summed where the rows are: a long list's are not all read into the grid.
    QVector<double> totals(fields.size(), 0.0);
    try {
        if (!rows.isEmpty())
            totals = rows.totals(fields);
    } catch (const Failure &failure) {
        grid->reportReadFailure(failure);
        return QStringLiteral("합계 %1건").arg(rows.size());
    }
    QStringList parts;
    for (int i = 0; i < fields.size(); ++i) {
        for (const GridColumn &c : grid->columns()) {
            if (c.field.compare(fields.at(i), Qt::CaseInsensitive) != 0)
                continue;
            // Only the format of positive numbers: a zero total is shown as zero, not blank.
            const QString picture = c.picture.section(u';', 0, 0);
            parts << c.title.simplified() + u' ' + formatFloat(picture, round15(totals.at(i)));
        }
    }
    return QStringLiteral("합계 %1건   ").arg(rows.size()) + parts.join(QStringLiteral("   "));
}

} // namespace zedur

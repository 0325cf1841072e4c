#include "common/ui/GridTotals.h"

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
    const ResultSet &rs = grid->result();
    QStringList parts;
    for (const QString &field : fields) {
        for (const GridColumn &c : grid->columns()) {
            if (c.field.compare(field, Qt::CaseInsensitive) != 0)
                continue;
            double total = 0;
            for (int row = 0; row < rs.size(); ++row)
                total += rs.number(row, field);
            // Only the format of positive numbers: a zero total is shown as zero, not blank.
            const QString picture = c.picture.section(u';', 0, 0);
            parts << c.title.simplified() + u' ' + formatFloat(picture, round15(total));
        }
    }
    return QStringLiteral("합계 %1건   ").arg(rs.size()) + parts.join(QStringLiteral("   "));
}

} // namespace zedur

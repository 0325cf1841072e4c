#include "reports/ui/ReportGrid.h"

namespace zedur::reports {

namespace {
QColor colourOf(Shade shade)
{
    switch (shade) {
    case Shade::In:
        return QColor(0x00, 0xFF, 0x00); // lime
    case Shade::Out:
        return QColor(0x00, 0xFF, 0xFF); // aqua
    case Shade::Sales:
        return QColor(0xFF, 0xFF, 0x00); // yellow
    case Shade::Subtotal:
        return QColor(0xFF, 0xFF, 0xE1); // the tooltip background
    case Shade::None:
        break;
    }
    return {};
}
} // namespace

QVector<GridColumn> gridColumnsOf(const ReportColumns &columns)
{
    QVector<GridColumn> grid;
    for (const ReportColumn &c : columns) {
        GridColumn g{c.field, c.title, c.picture, colourOf(c.shade)};
        g.leadingBlanks = c.leadingBlanks;
        grid << g;
    }
    return grid;
}

DataGrid *reportGrid(const QString &objectName, const ReportColumns &columns, QWidget *parent)
{
    auto *grid = new DataGrid(objectName, parent);
    grid->setColumns(gridColumnsOf(columns));
    return grid;
}

RowStyle totalRowStyle()
{
    return {QColor(0xC0, 0xC0, 0xC0), true, 9};
}

std::function<std::optional<RowStyle>(const Rows &, int)> styleWhere(const QString &field, const QString &value,
                                                                          const RowStyle &style)
{
    return [field, value, style](const Rows &rs, int row) -> std::optional<RowStyle> {
        if (rs.text(row, field) == value)
            return style;
        return std::nullopt;
    };
}

} // namespace zedur::reports

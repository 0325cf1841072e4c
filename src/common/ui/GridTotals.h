#pragma once

#include <QLabel>
#include <QStringList>

namespace zedur {

class DataGrid;

// The totals of some columns over the rows a grid lists, on a line of their own under it:
// the grid's rows and its export stay the list itself. Titles and number formats are the
// grid's; the line follows every new list.
class GridTotals : public QLabel
{
    Q_OBJECT
public:
    GridTotals(DataGrid *grid, const QStringList &fields, QWidget *parent);

    // "합계  <title> <total>   <title> <total> ..."
    static QString totalsText(const DataGrid *grid, const QStringList &fields);

private:
    DataGrid *m_grid;
    QStringList m_fields;
};

} // namespace zedur

#pragma once

#include <QLabel>
#include <QVector>

namespace zedur {

class DataGrid;

// A field of a grid added up over the rows shown, with its caption and format.
struct TotalField {
    QString field;
    QString label;
    QString picture;
};

// A line under a grid with the number of rows it shows and the sums of some of its fields,
// kept up to date whenever the grid gets new rows. It stays outside the grid, so that the
// grid and its export hold only the list's own rows.
class GridTotals : public QLabel
{
    Q_OBJECT
public:
    GridTotals(const QString &objectName, DataGrid *grid, const QVector<TotalField> &fields, QWidget *parent);

private:
    void refresh();

    DataGrid *m_grid;
    QVector<TotalField> m_fields;
};

} // namespace zedur

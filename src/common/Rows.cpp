#include "common/Rows.h"

#include "common/ResultSet.h"

namespace zedur {

int Rows::columnIndex(const QString &name) const
{
    const QStringList &names = columns();
    for (int i = 0; i < names.size(); ++i)
        if (names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Rows::value(int row, const QString &column) const
{
    const int c = columnIndex(column);
    Q_ASSERT_X(c >= 0, "Rows::value", qPrintable(column));
    if (c < 0 || row < 0 || row >= size())
        return {};
    return at(row, c);
}

QString Rows::text(int row, const QString &column) const
{
    return value(row, column).toString().trimmed();
}

double Rows::number(int row, const QString &column) const
{
    return value(row, column).toDouble();
}

int Rows::find(const QString &field, const QString &value) const
{
    const int c = columnIndex(field);
    if (c < 0)
        return -1;
    const QString wanted = value.trimmed();
    for (int r = 0; r < size(); ++r)
        if (at(r, c).toString().trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return r;
    return -1;
}

QVector<double> Rows::totals(const QStringList &fields) const
{
    QVector<double> sums;
    for (const QString &field : fields) {
        const int c = columnIndex(field);
        double total = 0;
        for (int r = 0; c >= 0 && r < size(); ++r)
            total += at(r, c).toDouble();
        sums << total;
    }
    return sums;
}

ResultSet Rows::whole() const
{
    QVector<QVector<QVariant>> rows;
    rows.reserve(size());
    for (int r = 0; r < size(); ++r) {
        QVector<QVariant> row(columns().size());
        for (int c = 0; c < row.size(); ++c)
            row[c] = at(r, c);
        rows.append(std::move(row));
    }
    return ResultSet(columns(), std::move(rows));
}

} // namespace zedur
